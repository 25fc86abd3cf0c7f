# The Debian package, made by `cpack -G DEB` in a build tree configured with the prefix /usr
# (scripts/package-deb): twistblocks_<version>_<arch>.deb holding everything the install rules
# install, its dependencies computed from the programs by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME twistblocks)
set(CPACK_PACKAGE_VENDOR "The Twistblocks developers")
set(CPACK_PACKAGE_CONTACT "Twistblocks developers <twistblocks@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
Twistblocks picks a cube size from 2 x 2 x 2 to 6 x 6 x 6, scrambles the
cube with 100 random layer turns and solves it again turn by turn, each
turn smoothly animated, while the view spins slowly. Space pauses.

It runs in a window, full screen, headless with Mesa's software
renderer, or as an XScreenSaver display mode, drawing into the window
the screensaver hands it. The package holds the program, the frame
capture tool twistblocks-capture, their data, manual pages, a menu
entry, AppStream metadata and an entry for XScreenSaver's settings.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, not linked: Mesa's drivers for the window and for headless runs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri, libegl-mesa0")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
