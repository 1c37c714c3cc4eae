# The Debian package: cpack in a build configured with
# -DCMAKE_INSTALL_PREFIX=/usr makes hullstrike_<version>_<arch>.deb.
#
# Its dependencies are worked out by dpkg-shlibdeps (package dpkg-dev),
# which needs the file command. The summary is the project's description.
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Hullstrike developers <hullstrike@example.org>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Hullstrike hides one straight ship, four cells long, on a square grid, and
you fire shots at it by column and row until all four of its cells are hit.
It then tells you how many shots it took.

There are three levels, Easy, Normal and Hard. Their grid sizes come from
the GameData.txt installed in /usr/share/games/hullstrike, and a
GameData.txt in the folder you play from overrides it.]])
# Depends on the C and C++ runtime versions the program was linked with.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The same sources make the same package: see the script.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/reproducible-deb.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/reproducible-deb.cmake)

# A cross-built package is for the target's architecture (dpkg names it from
# the compiler's GNU type: arm64 for aarch64-linux-gnu), and depends on its
# libraries as found in the cross tree: see the script.
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-architecture -t ${CMAKE_LIBRARY_ARCHITECTURE} -qDEB_HOST_ARCH
    OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  set(CPACK_HULLSTRIKE_CROSS_LIBRARIES ${CMAKE_FIND_ROOT_PATH}/lib)
  set(CPACK_HULLSTRIKE_PROGRAM ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/hullstrike)
  set(CPACK_HULLSTRIKE_READELF ${CMAKE_READELF})
  list(APPEND CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/deb-cross-depends.cmake)
endif()
