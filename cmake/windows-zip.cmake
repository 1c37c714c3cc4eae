# The Windows download: a folder to unzip, with the program, the default
# settings it loads from beside itself, the README and the licence, all at
# its top. `cpack` (or `cpack --preset windows`) in a Windows build makes
# hullstrike-VERSION-win64.zip (win32 from a 32-bit build).
install(TARGETS hullstrike RUNTIME DESTINATION .)
install(FILES GameData.txt README.md LICENSE DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_STRIP_FILES ON)
