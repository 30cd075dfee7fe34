# The Debian package, built by `cpack` in the build folder (./quillet.sh package): the program,
# its desktop entry, icon and AppStream metainfo under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${QUILLET_MAKER}")
set(CPACK_PACKAGE_CONTACT "${QUILLET_FEEDBACK_EMAIL}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${QUILLET_HOMEPAGE_URL}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lua snippet generator for the Corona SDK")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quillet writes Lua for the Corona SDK (Solar2D). In small dialogs you describe a display "
    "object, a transition or an alert window; the main window lists every object of the session "
    "and shows the generated Lua of the selected one, ready to copy into a project.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quillet_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLET_MAKER} <${QUILLET_FEEDBACK_EMAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUILLET_HOMEPAGE_URL}")
# Libraries the binary links come from dpkg-shlibdeps; Qt's plugins are loaded at run time,
# so the one for the SVG toolbar pictures and icon is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# Registers the .quillet file type with file managers.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info")

include(CPack)
