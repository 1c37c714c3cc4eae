# The Windows download: a folder to unzip, with the program, the default
# settings it loads from beside itself, README.txt for its players
# (doc/windows-readme.txt.in) and LICENSE.txt, all at its top. The two
# texts have Windows' line ends, so that any editor shows them as written.
# `cpack` (or `cpack --preset windows`) in a Windows build makes
# hullstrike-VERSION-win64.zip (win32 from a 32-bit build).
#
# cpack strips the program as it installs it, and strip writes the time it
# runs into the program's header, or SOURCE_DATE_EPOCH when that is set: it
# is set to the release's.
install(CODE "set(ENV{SOURCE_DATE_EPOCH} ${HULLSTRIKE_RELEASE_EPOCH})")
install(TARGETS hullstrike RUNTIME DESTINATION .)
configure_file(doc/windows-readme.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES GameData.txt ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
# The same sources make the same zip: see the script.
set(CPACK_HULLSTRIKE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/reproducible-archive.cmake)
