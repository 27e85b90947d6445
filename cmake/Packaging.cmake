# The Debian package, built by CPack from the install rules (packaging/check-package.sh shows how to configure it).
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    set(CPACK_GENERATOR "DEB")
    set(CPACK_PACKAGE_NAME "kvardelon")
    set(CPACK_PACKAGE_VENDOR "Тавреллин")
    set(CPACK_PACKAGE_CONTACT "Тавреллин <maintainer@kvardelon.example>")
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "quiz game of fifteen questions, in Russian")
    # Lines of the package's long description, each shorter than 80 characters as Debian asks.
    string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
        "Кварделон is a quiz game for one player, all its text in Russian. The player"
        "climbs a ladder of fifteen questions, each with four answers, from 100 to"
        "1 000 000 rubles; steps 5 and 10 are guaranteed. Three lifelines help once"
        "per game: fifty-fifty, calling a friend and an audience poll."
        ""
        "The package holds the game, its question bank, kvardelon-editor, a window"
        "for writing a question bank of one's own and playing it, and"
        "kvardelon-check, which checks a question bank written by hand.")
    set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
    set(CPACK_STRIP_FILES ON)

    # The menu entry names the bank's folder as configured, so the package takes the same prefix.
    # Debian's is /usr, and a package of the section games keeps its programs in /usr/games.
    set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
    if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr" OR NOT CMAKE_INSTALL_BINDIR STREQUAL "games")
        message(STATUS "For the Debian package configure with -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games")
    endif()
    set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
    set(CPACK_DEBIAN_PACKAGE_SECTION "games")
    set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kvardelon.example/")
    set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
    # The libraries come from dpkg-shlibdeps. It cannot see what Qt loads by name at run time,
    # so two are named here: the platform plugins that put a window on X11 (libqxcb.so), and
    # the face every window's text is drawn in (Liberation Sans).
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
    # Qt's own dialogs in the editor (choosing a folder) speak Russian when this is installed.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

    # Debian asks for the copyright in machine-readable form and the package's own change log
    # beside it. The copyright goes with every install; the change log only into the package.
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
    set(KVARDELON_DEB_VERSION "${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
    set(kvardelon_deb_doc ${PROJECT_BINARY_DIR}/packaging/deb-doc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
                   @ONLY)
    add_custom_command(OUTPUT ${kvardelon_deb_doc}/changelog.Debian.gz
                       COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
                                                        ${kvardelon_deb_doc}/changelog.Debian
                       COMMAND ${GZIP_PROGRAM} -9nf ${kvardelon_deb_doc}/changelog.Debian
                       DEPENDS ${PROJECT_BINARY_DIR}/packaging/changelog.Debian
                       VERBATIM)
    add_custom_target(debian_changelog ALL DEPENDS ${kvardelon_deb_doc}/changelog.Debian.gz)
    # CPack copies this folder to a place in the package given from its root, not from the prefix.
    string(REGEX REPLACE "^/" "" kvardelon_doc_in_package
           "${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME}")
    set(CPACK_INSTALLED_DIRECTORIES "${kvardelon_deb_doc};${kvardelon_doc_in_package}")

    include(CPack)
endif()
