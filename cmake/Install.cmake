# Install rules beyond the programs' own: the banks, and on Linux the menu entries, icons, metainfo and manual pages.
include(GNUInstallDirs)

# The desktop's name for the game: the menu entry, its icon and its software-centre description.
set(KVARDELON_APP_ID "example.kvardelon.Kvardelon")

# The main bank, and the classroom bank for pupils of 10 to 12 that is installed beside it.
set(kvardelon_bank)
set(kvardelon_classroom_bank)
foreach(step RANGE 1 15)
    list(APPEND kvardelon_bank ${PROJECT_SOURCE_DIR}/data/qw${step}.txt)
    list(APPEND kvardelon_classroom_bank ${PROJECT_SOURCE_DIR}/banks/classroom/data/qw${step}.txt)
endforeach()

if(WIN32)
    # The game reads data\ from its current directory, which is the executable's folder when
    # it is started from Explorer: the bank goes beside the executable.
    install(FILES ${kvardelon_bank} DESTINATION ${CMAKE_INSTALL_BINDIR}/data)
    install(FILES ${kvardelon_classroom_bank} DESTINATION ${CMAKE_INSTALL_BINDIR}/classroom/data)
elseif(UNIX AND NOT APPLE)
    # The banks' parent folders: each menu entry starts the game in one, so that it finds data/.
    set(KVARDELON_BANK_PARENT "${CMAKE_INSTALL_FULL_DATADIR}/kvardelon")
    set(KVARDELON_CLASSROOM_BANK_PARENT "${KVARDELON_BANK_PARENT}/classroom")
    install(FILES ${kvardelon_bank} DESTINATION ${CMAKE_INSTALL_DATADIR}/kvardelon/data)
    install(FILES ${kvardelon_classroom_bank} DESTINATION ${CMAKE_INSTALL_DATADIR}/kvardelon/classroom/data)

    set(kvardelon_packaging_linux ${PROJECT_SOURCE_DIR}/packaging/linux)
    set(kvardelon_staged ${PROJECT_BINARY_DIR}/packaging)

    foreach(entry ${KVARDELON_APP_ID} ${KVARDELON_APP_ID}.Classroom)
        configure_file(${kvardelon_packaging_linux}/${entry}.desktop.in ${kvardelon_staged}/${entry}.desktop @ONLY)
        install(FILES ${kvardelon_staged}/${entry}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    endforeach()
    install(FILES ${kvardelon_packaging_linux}/${KVARDELON_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    if(TARGET kvardelon-editor)
        # The question editor has its own menu entry and shows the game's icon.
        configure_file(${kvardelon_packaging_linux}/${KVARDELON_APP_ID}.Editor.desktop.in
                       ${kvardelon_staged}/${KVARDELON_APP_ID}.Editor.desktop @ONLY)
        install(FILES ${kvardelon_staged}/${KVARDELON_APP_ID}.Editor.desktop
                DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    endif()

    foreach(size 16 32 48 256)
        install(FILES ${PROJECT_SOURCE_DIR}/look/images/icon${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${KVARDELON_APP_ID}.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/look/images/src/icon32.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${KVARDELON_APP_ID}.svg)

    # Manual pages, compressed as Debian's policy asks; -n keeps name and time out of the
    # gzip header, so that two builds give the same bytes.
    set(kvardelon_manual_pages "kvardelon.6")
    if(TARGET kvardelon-check)
        list(APPEND kvardelon_manual_pages "kvardelon-check.1")
    endif()
    if(TARGET kvardelon-editor)
        list(APPEND kvardelon_manual_pages "kvardelon-editor.1")
    endif()
    find_program(GZIP_PROGRAM gzip REQUIRED)
    set(kvardelon_compressed_pages)
    foreach(page ${kvardelon_manual_pages})
        if(page STREQUAL "kvardelon-check.1")
            # The checker's list of problems is written in from its own table.
            configure_file(${kvardelon_packaging_linux}/${page}.in ${kvardelon_staged}/man/${page}.in @ONLY)
            add_custom_command(OUTPUT ${kvardelon_staged}/man/${page}
                               COMMAND check_manual_page ${kvardelon_staged}/man/${page}.in ${kvardelon_staged}/man/${page}
                               DEPENDS check_manual_page ${kvardelon_staged}/man/${page}.in
                               COMMENT "Writing the checker's problems into ${page}"
                               VERBATIM)
        else()
            configure_file(${kvardelon_packaging_linux}/${page}.in ${kvardelon_staged}/man/${page} @ONLY)
        endif()
        add_custom_command(OUTPUT ${kvardelon_staged}/man/${page}.gz
                           COMMAND ${GZIP_PROGRAM} -9nkf ${kvardelon_staged}/man/${page}
                           DEPENDS ${kvardelon_staged}/man/${page}
                           COMMENT "Compressing the manual page ${page}"
                           VERBATIM)
        string(REGEX REPLACE ".*\\." "" section "${page}")
        install(FILES ${kvardelon_staged}/man/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
        list(APPEND kvardelon_compressed_pages ${kvardelon_staged}/man/${page}.gz)
    endforeach()
    add_custom_target(manual_pages ALL DEPENDS ${kvardelon_compressed_pages})
endif()
