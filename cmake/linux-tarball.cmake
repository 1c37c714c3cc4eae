# The download for any Linux: the static program's folder
# (install-layout.cmake), to unpack anywhere. `cpack` in a static build makes
# hullstrike-VERSION-linux-ARCH.tar.gz, ARCH the processor's name as
# uname -m gives it (x86_64, aarch64).
set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# The same sources make the same tarball: see the script.
set(CPACK_HULLSTRIKE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/reproducible-archive.cmake)
