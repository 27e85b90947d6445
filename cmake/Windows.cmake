# What the Windows programs need beyond the common build: their icon and version, and with a
# static Qt, the platform plugins they ask for by name.

# Gives the program the game's icon and a version block with DESCRIPTION (Russian).
function(kvardelon_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(KVARDELON_RC_NAME ${target})
    set(KVARDELON_RC_DESCRIPTION "${description}")
    set(KVARDELON_RC_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/kvardelon.ico")
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

# A static Qt links only the default platform plugin into a program. One that starts on the
# offscreen platform (the checker, the tests) links that plugin too.
function(kvardelon_offscreen_platform target)
    get_target_property(qt_core_type Qt6::Core TYPE)
    if(qt_core_type STREQUAL "STATIC_LIBRARY")
        qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endif()
endfunction()
