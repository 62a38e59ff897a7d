# The Debian package: `cpack -G DEB` in a build folder (after cmake --build)
# makes kelvaro_<version>_<architecture>.deb of everything `cmake --install`
# installs, below /usr.
#
# Its dependencies: dpkg-shlibdeps (package dpkg-dev) names the packages of
# the shared libraries that the installed program links, whichever they are
# (Qt 6, unixODBC's driver manager libodbc2, ...); the toolkit's X11
# platform plugin (libqxcb.so) comes with libqt6gui6, which the program
# links. The packages listed here are the ones it does not link but the
# program is made for:
#   libsqliteodbc        the SQLite3 ODBC driver of the embedded data source
#   sqlite3              create-data-source.sh builds the database with it
#   odbcinst             the launcher and create-data-source.sh ask the
#                        driver manager with it whether vomar exists
# The printer service is not in the program (no window calls it), so
# neither Qt's print support nor libcups is a dependency.
# Recommended: the toolkit's Wayland platform plugin (qt6-wayland: without it
# the program runs on Wayland through XWayland only), Qt's own Chinese
# translation (the standard dialogs' texts) and a font with Chinese
# characters. Suggested: psqlODBC, for a data source
# on a PostgreSQL server.

set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR kelvaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "physical-health test scores for junior middle schools")
# The long description, in lines that the package's control file keeps.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A desktop program for junior middle schools that computes students'"
    "physical-health test scores: height and weight against the height-weight"
    "standard tables, the vital capacity per kilogram and the test items that"
    "the school chose for each school year, added up to the school-year total"
    "with its rating, and the graduation score."
    ""
    "Its data source is the ODBC DSN vomar: by default an embedded SQLite"
    "database of each user's own, made on the first start from the menu"
    "(or with /usr/share/kelvaro/create-data-source.sh). The user interface"
    "is in simplified Chinese.")
set(CPACK_PACKAGE_CONTACT "${KELVARO_PACKAGE_MAINTAINER}")

set(CPACK_GENERATOR DEB)
# The package holds the files where this build put its paths (the desktop
# entry's command, the manual page's files): below the configured prefix,
# which has to be /usr for a Debian package (the staging script checks).
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
# The program is stripped as Debian's own packages are (dh_strip): the
# symbols and the .comment and .note sections go. CPack's own stripping
# keeps those sections.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/KelvaroPackageStaging.cmake)
set(CPACK_KELVARO_STRIP ${CMAKE_STRIP})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libsqliteodbc, sqlite3, odbcinst")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-translations-l10n, fonts-wqy-zenhei | fonts-noto-cjk | fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "odbc-postgresql")

find_program(KELVARO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT KELVARO_DPKG_SHLIBDEPS)
    message(WARNING "dpkg-shlibdeps not found (package dpkg-dev): a Debian package made by "
        "cpack would not name the libraries the program links.")
endif()

include(CPack)
