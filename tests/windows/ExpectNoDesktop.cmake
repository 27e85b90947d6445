# Starts the built PROGRAM where no desktop can be had: a display with no server behind it, and no
# display set at all. Each time it must say so in one Russian line on stderr, begun with its
# NAME, and exit 1.
# Usage: cmake -D PROGRAM=path/to/kvardelon -D NAME=kvardelon -P ExpectNoDesktop.cmake
cmake_minimum_required(VERSION 3.25)

# A display number no server holds: the first from 99 on with neither socket nor lock.
foreach(number RANGE 99 199)
    if(NOT EXISTS "/tmp/.X11-unix/X${number}" AND NOT EXISTS "/tmp/.X${number}-lock")
        break()
    endif()
endforeach()

# name | DISPLAY | what the line must name
set(cases
    "displayWithNoServer|:${number}|DISPLAY=:${number}"
    "noDisplaySet||не заданы DISPLAY и WAYLAND_DISPLAY")

# Set here rather than through "cmake -E env", which would turn an abort into status 1.
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QT_QPA_PLATFORM})
foreach(case IN LISTS cases)
    string(REPLACE "|" ";" fields "${case}")
    list(GET fields 0 name)
    list(GET fields 1 display)
    list(GET fields 2 named)
    set(ENV{DISPLAY} "${display}")
    execute_process(COMMAND ${PROGRAM} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
    set(shown "${name}: exit status ${status}\n--- stdout:\n${out}--- stderr:\n${err}")
    if(NOT status STREQUAL "1")
        message(FATAL_ERROR "expected exit status 1 (no abort, no core dump), got ${shown}")
    endif()
    if(NOT out STREQUAL "" OR NOT err MATCHES "^${NAME}: [^\n]*рабочий стол\\.\n$")
        message(FATAL_ERROR "expected one Russian line on stderr and nothing else, got ${shown}")
    endif()
    string(FIND "${err}" "${named}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the line should name \"${named}\": ${shown}")
    endif()
endforeach()
