# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by CPack (scripts/package runs cpack -G DEB on a Release build):
# one package "tessaro" with the three programs, the desktop file, the icon and the udev rule
# (installed by their own folders), and here the copyright file and the changelogs.

set(TESSARO_MAINTAINER "The Tessaro developers <support@tessaro.example.org>")
set(TESSARO_HOMEPAGE "https://tessaro.example.org")

# The documentation every install gets: the copyright file and the changelog (CHANGELOG.md,
# as changelog.gz, the name Debian gives a native package's changelog).
find_program(TESSARO_GZIP gzip REQUIRED)
set(doc_build_dir ${PROJECT_BINARY_DIR}/packaging)
set(upstream_changelog ${doc_build_dir}/changelog)
set(debian_changelog ${doc_build_dir}/changelog.Debian)
# gzip -9n: the best compression and no name or time stamp in the header, so that the same
# sources give the same package.
add_custom_command(OUTPUT ${upstream_changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build_dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${upstream_changelog}
    COMMAND ${TESSARO_GZIP} -9nf ${upstream_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md
    COMMENT "Compressing the changelog"
    VERBATIM)
# The Debian changelog, made from CHANGELOG.md; it fails when CHANGELOG.md has no entry for
# PROJECT_VERSION.
add_custom_command(OUTPUT ${debian_changelog}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${doc_build_dir}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/CHANGELOG.md -DOUTPUT=${debian_changelog}
            -DPACKAGE=${PROJECT_NAME} -DVERSION=${PROJECT_VERSION} -DMAINTAINER=${TESSARO_MAINTAINER}
            -P ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake
    COMMAND ${TESSARO_GZIP} -9nf ${debian_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${CMAKE_CURRENT_LIST_DIR}/DebianChangelog.cmake
    COMMENT "Making the Debian changelog from CHANGELOG.md"
    VERBATIM)
add_custom_target(tessaro_changelogs ALL DEPENDS ${upstream_changelog}.gz ${debian_changelog}.gz)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright ${upstream_changelog}.gz
              ${PROJECT_SOURCE_DIR}/docs/json.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# What only the Debian package holds: its changelog and lintian's overrides. The component
# "debian" is left out of a plain "cmake --install"; CPack installs it beside the rest.
install(FILES ${debian_changelog}.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR}
        COMPONENT debian EXCLUDE_FROM_ALL)
if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides
            DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
            RENAME ${PROJECT_NAME}
            COMPONENT debian EXCLUDE_FROM_ALL)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessaro developers")
set(CPACK_PACKAGE_CONTACT ${TESSARO_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TESSARO_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "set the power-on defaults of small thermal printers")
# The long description: CPack indents it and turns the empty lines into " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[
Tessaro sets the power-on defaults of small thermal printers: print speed
and current, intensity, paper loading, black-mark and cutter distances,
text and barcode defaults and serial settings. It reaches the printer over
a serial port, a PC parallel port, a USB printer port or the network.

It keeps a workspace of 28 parameters, saves and loads it as .pcf profile
files, and stores the changed settings in the printer, which answers
whether it kept them.

The package holds the desktop program (tessaro), its command-line twin for
scripts (tessaro-cli) and a virtual printer (tessaro-printer-sim) to try
both without hardware.]=])

# Both the programs and the Debian-only files, in one staging folder.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders 0755 whatever the umask; files get 0644 and programs 0755 from install().
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # tessaro_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TESSARO_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSARO_HOMEPAGE})
# The library packages the programs link, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside them: the desktop program opens no window without Qt's platform plugins (xcb,
# wayland), which libqt6gui6 only recommends.
if(TESSARO_BUILD_APP)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
    # The window's own translations are built into it; Qt's texts (file dialogs, standard
    # buttons) in the user's language come from Qt's translations, and the Chinese window
    # needs a font with its characters.
    # The station's failure sound: the sound server's driver and the sound theme it plays from.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
        "qt6-translations-l10n, fonts-noto-cjk, libcanberra-pulse, sound-theme-freedesktop")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The architecture: dpkg's own name for this machine (CPack asks dpkg --print-architecture).

include(CPack)
