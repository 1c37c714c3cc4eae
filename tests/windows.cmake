# The Windows program under wine, as a player gets it: the zip's files
# installed into a folder named in Cyrillic and kana, outside every ANSI
# code page, and more than MAX_PATH deep; the files compared with the list
# of what the zip holds, the texts with Windows' line ends, and the program
# played from an empty folder, where it has the shipped sizes, then with a
# settings file there. wine opens such a path only under a UTF-8 locale.
set(unzipped "${CMAKE_CURRENT_BINARY_DIR}/unzipped")
string(REPEAT "a-folder-thirty-characters-long/" 8 deep)
set(folder "${unzipped}/${deep}Игры ゲーム")
add_test(NAME unzipped.setup COMMAND sh -c "rm -rf \"$2\" && \"$0\" --install \"$1\" --prefix \"$3\""
  ${CMAKE_COMMAND} ${PROJECT_BINARY_DIR} ${unzipped} ${folder})
add_test(NAME unzipped.cleanup COMMAND ${CMAKE_COMMAND} -E rm -rf ${unzipped})
add_test(NAME unzipped.files COMMAND sh -c "cd \"$0\" && echo $(find . -type f | LC_ALL=C sort) && \
for text in README.txt LICENSE.txt; do test $(grep -c \"$(printf '\\r')$\" $text) = $(wc -l < $text); done && \
tr -d '\\r' < LICENSE.txt | cmp - \"$1\" && echo CRLF" ${folder} ${PROJECT_SOURCE_DIR}/LICENSE)
set_tests_properties(unzipped.files PROPERTIES PASS_REGULAR_EXPRESSION
  "^\\./GameData\\.txt \\./LICENSE\\.txt \\./README\\.txt \\./hullstrike\\.exe\nCRLF\n$")
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/unzipped_plays)
add_test(NAME unzipped.plays WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/unzipped_plays COMMAND sh -c
  "rm -f GameData.txt && printf 'h\\n\\n1\\n' | \"$@\" && echo 12 > GameData.txt && printf 'h\\n\\nq\\n' | \"$@\" && \
echo 'exit status 0'" ${CMAKE_CROSSCOMPILING_EMULATOR} ${folder}/hullstrike.exe)
set_tests_properties(unzipped.plays PROPERTIES TIMEOUT 120 ENVIRONMENT LC_ALL=C.UTF-8 PASS_REGULAR_EXPRESSION
  "\t\tEasy will be a grid of 10 x 10\r?\n\t\tNormal will be a grid of 15 x 15\r?\n.*\
\t\tEasy will be a grid of 12 x 12\r?\n\t\tNormal will be a grid of 15 x 15\r?\n.*Goodbye\\.\r?\n.*exit status 0\n$")
set_tests_properties(unzipped.setup PROPERTIES FIXTURES_SETUP unzipped)
set_tests_properties(unzipped.cleanup PROPERTIES FIXTURES_CLEANUP unzipped)
set_tests_properties(unzipped.files unzipped.plays PROPERTIES FIXTURES_REQUIRED unzipped)

# The program's resources, read by icoutils: the icon with all its sizes,
# the version information with the product, its description, version and
# copyright, and the manifest that lets it open paths of any length.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/resources)
add_test(NAME resources WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/resources COMMAND sh -c [[
command -v wrestool >/dev/null && command -v icotool >/dev/null || { echo "wrestool not found (Debian: icoutils)"; exit 77; }
wrestool -x -t14 "$0" > icon.ico && icotool -l icon.ico > sizes && icotool -l "$1" | diff - sizes || exit 1
info=$(wrestool -x --raw -t16 "$0" | strings -el | tr '\n' ' ') && echo "$info"
case $info in *"FileDescription Hullstrike, a $2 FileVersion $3 "*"LegalCopyright Copyright "*[0-9]*\
" ProductName Hullstrike ProductVersion $3 "*) ;; *) exit 1 ;; esac
wrestool -x --raw -t24 "$0" | grep '<longPathAware .*>true</longPathAware>']]
  $<TARGET_FILE:hullstrike> ${PROJECT_SOURCE_DIR}/icons/hullstrike.ico ${PROJECT_DESCRIPTION} ${PROJECT_VERSION})
set_tests_properties(resources PROPERTIES SKIP_RETURN_CODE 77)
