# Manual pages and the Debian package.
#
# The manual pages are made from the programs' own --help and --version by
# help2man, so they never disagree with the programs; without help2man they
# are left out. The translations need no files: they are embedded in both
# executables.
#
# `cpack -G DEB` in a build folder (see `make package`) makes
# lumenscribe_<version>_<arch>.deb: dependencies from dpkg-shlibdeps,
# stripped binaries, and the changelog and copyright Debian asks for.
include(GNUInstallDirs)

find_program(HELP2MAN_EXECUTABLE help2man)
if(HELP2MAN_EXECUTABLE)
    set(_man_pages)
    foreach(program IN ITEMS lumenscribe lumenscribe-gui)
        if(program STREQUAL "lumenscribe")
            set(_summary "rename photos and movies by their capture date")
        else()
            set(_summary "rename photos and movies by their capture date (desktop application)")
        endif()
        set(_page ${CMAKE_BINARY_DIR}/man/${program}.1)
        # English texts, and the desktop application without a display.
        add_custom_command(OUTPUT ${_page}.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
            COMMAND ${CMAKE_COMMAND} -E env LANGUAGE= LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
                    ${HELP2MAN_EXECUTABLE} --no-info --section=1 "--version-string=${program} ${PROJECT_VERSION}"
                    "--name=${_summary}" --output=${_page} $<TARGET_FILE:${program}>
            COMMAND gzip -9nf ${_page}
            DEPENDS ${program}
            VERBATIM)
        list(APPEND _man_pages ${_page}.gz)
    endforeach()
    add_custom_target(manpages ALL DEPENDS ${_man_pages})
    install(FILES ${_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "help2man not found: no manual pages (scripts/install-deps installs it)")
endif()

set(LUMENSCRIBE_MAINTAINER "Lumenscribe developers <lumenscribe@users.noreply.github.com>")
set(LUMENSCRIBE_HOMEPAGE "https://lumenscribe.github.io/")

# /usr/share/doc/lumenscribe: a Debian changelog for this version and the
# licence in Debian's copyright format.
set(_doc ${CMAKE_BINARY_DIR}/packaging/doc)
string(TIMESTAMP _changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(MAKE_DIRECTORY ${_doc})
file(WRITE ${_doc}/changelog
    "lumenscribe (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
    "  * Lumenscribe ${PROJECT_VERSION}, packaged from its sources.\n\n"
    " -- ${LUMENSCRIBE_MAINTAINER}  ${_changelog_date}\n")
file(READ ${CMAKE_SOURCE_DIR}/LICENSE _license)
string(REGEX REPLACE "\n$" "" _license "${_license}")
string(REGEX REPLACE "\n\n" "\n.\n" _license "${_license}")
string(REGEX REPLACE "\n" "\n " _license "${_license}")
file(WRITE ${_doc}/copyright
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "Upstream-Name: Lumenscribe\n"
    "Source: ${LUMENSCRIBE_HOMEPAGE}\n\n"
    "Files: *\n"
    "Copyright: 2026 The Lumenscribe developers\n"
    "License: Expat\n "
    "${_license}\n")
add_custom_command(OUTPUT ${_doc}/changelog.gz
    COMMAND gzip -9nkf ${_doc}/changelog
    DEPENDS ${_doc}/changelog
    VERBATIM)
add_custom_target(package-docs ALL DEPENDS ${_doc}/changelog.gz)
install(FILES ${_doc}/changelog.gz ${_doc}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumenscribe)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lumenscribe developers")
set(CPACK_PACKAGE_CONTACT "${LUMENSCRIBE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename photos and movies by their capture date")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUMENSCRIBE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMENSCRIBE_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The extended description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lumenscribe gives photos and movies names made from the moment they were
taken, read from their EXIF, XMP or QuickTime metadata, in a naming style
of your choice. It comes as a desktop application with a main window, a
confirm-each-file window with a picture preview and file-manager actions,
and as the command-line tool lumenscribe. Every run can be undone.")
include(CPack)
