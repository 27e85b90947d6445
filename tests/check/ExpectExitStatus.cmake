# Runs CHECKER (through EMULATOR, when it is built for another system) with ARGUMENTS
# ("|" between them) and fails unless it exits with EXPECTED,
# writing a report ending in the summary to stdout, or for bad usage only to stderr.
string(REPLACE "|" ";" arguments "${ARGUMENTS}")
execute_process(COMMAND ${EMULATOR} ${CHECKER} ${arguments}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
set(shown "exit status ${status}\n--- stdout:\n${out}--- stderr:\n${err}")
if(NOT status STREQUAL EXPECTED)
    message(FATAL_ERROR "expected exit status ${EXPECTED}, got ${shown}")
endif()
if(EXPECTED EQUAL 2)
    if(NOT out STREQUAL "" OR err STREQUAL "")
        message(FATAL_ERROR "bad usage should be told on stderr alone: ${shown}")
    endif()
elseif(NOT err STREQUAL "" OR NOT out MATCHES "Ошибок: [0-9]+, предупреждений: [0-9]+\\.\r?\n$")
    message(FATAL_ERROR "a check should end its stdout with the summary and leave stderr empty: ${shown}")
endif()
