# The Windows download: its folder (install-layout.cmake) zipped.
# `cpack` (or `cpack --preset windows`) in a Windows build makes
# hullstrike-VERSION-win64.zip (win32 from a 32-bit build).
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
# The same sources make the same zip: see the script.
set(CPACK_HULLSTRIKE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/reproducible-archive.cmake)
