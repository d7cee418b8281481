# The Debian package scripts/package builds: `cpack -G DEB` in a Release build gives
# zantor_VERSION_amd64.deb with what data/CMakeLists.txt installs. Its dependencies are what
# dpkg-shlibdeps finds the programs linked against, never a list kept by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zantor)
set(CPACK_PACKAGE_VENDOR "Zantor")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zantor maintainers <maintainers@users.noreply.c-seed-d1a6c5de.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for Super Mario Land 2 ROM images")
set(CPACK_PACKAGE_DESCRIPTION
    "Zantor edits the levels, blocks and title screen of Super Mario Land 2 cartridge images
(.gb, .gbc) and writes them back in place. zantor-tool does the same from the command line,
and moves levels to and from the Tiled map editor.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Every file and folder root's, whoever built the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
