# Where each kind of download puts the program and its files, and the build
# tree laid out the same way. Included once the program's targets exist.
# - Debian's tree (-DCMAKE_INSTALL_PREFIX=/usr): the program in games, its
#   settings under share/games/hullstrike, the manual in section 6, the
#   documents under share/doc/hullstrike, the desktop entry and its icons
#   in the hicolor theme.
# - The static folder (HULLSTRIKE_STATIC), to unpack anywhere: the program
#   linked -static-pie, its settings, manual page, README with the
#   documents it links to, and licence.
# - The Windows folder: the program, its settings, README.txt and
#   LICENSE.txt with Windows' line ends.
# The browser's site is laid out by web-site.cmake.
#
# The program finds its data from its own folder, so an installed tree still
# plays once moved elsewhere; where it can't find itself, it takes the
# folder it was configured for, HULLSTRIKE_DATA_FOLDER. The static and
# Windows folders hold the data beside the program and have no such folder.
if(HULLSTRIKE_STATIC OR WIN32)
  set(CMAKE_INSTALL_BINDIR . CACHE PATH "Where the program is installed")
else()
  set(CMAKE_INSTALL_BINDIR games CACHE PATH "Where the program is installed")
endif()
include(GNUInstallDirs)
if(HULLSTRIKE_STATIC)
  set(data_dir .)
  set(HULLSTRIKE_DATA_FOLDER "")
  set(data_from_program .)
  # The manual page's words for where the defaults and the documents lie.
  set(HULLSTRIKE_MANUAL_DATA ".IR GameData.txt \" beside the program\"")
  set(HULLSTRIKE_MANUAL_DOCS "The README and the licence beside the program.")
else()
  set(data_dir ${CMAKE_INSTALL_DATADIR}/games/hullstrike)
  set(HULLSTRIKE_DATA_FOLDER ${CMAKE_INSTALL_FULL_DATADIR}/games/hullstrike)
  set(HULLSTRIKE_MANUAL_DATA ".I ${HULLSTRIKE_DATA_FOLDER}/GameData.txt")
  set(HULLSTRIKE_MANUAL_DOCS "The README, copyright and changelog in\n.IR ${CMAKE_INSTALL_FULL_DOCDIR} .")
  file(RELATIVE_PATH data_from_program ${CMAKE_INSTALL_FULL_BINDIR} ${HULLSTRIKE_DATA_FOLDER})
endif()
target_compile_definitions(hullstrike_core PRIVATE HULLSTRIKE_DATA_FROM_PROGRAM="${data_from_program}"
  $<$<BOOL:${HULLSTRIKE_DATA_FOLDER}>:HULLSTRIKE_DATA_FOLDER="${HULLSTRIKE_DATA_FOLDER}">)

# A static program is given -static-pie as a link item rather than a link
# option: items come after the -fPIE -pie that CMake adds for
# position-independent code, which would otherwise make it dynamic again.
if(HULLSTRIKE_STATIC)
  include(CheckLinkerFlag)
  check_linker_flag(CXX -static-pie HULLSTRIKE_HAS_STATIC_PIE)
  if(NOT HULLSTRIKE_HAS_STATIC_PIE)
    message(FATAL_ERROR "HULLSTRIKE_STATIC: the compiler can't link -static-pie")
  endif()
  set(HULLSTRIKE_PROGRAM_LINK -static-pie)
  target_link_libraries(hullstrike PRIVATE ${HULLSTRIKE_PROGRAM_LINK})
endif()

# The build tree is laid out as the install is, so that the program built
# there plays from any folder with the shipped sizes: on Windows and in a
# static program's folder the settings file lies beside the program;
# elsewhere the program is built in the binary folder's place below the
# prefix (build/games/hullstrike, with build/hullstrike a link to it) and
# the settings file in the data folder's.
if(WIN32 OR HULLSTRIKE_STATIC)
  configure_file(GameData.txt GameData.txt COPYONLY)
elseif(NOT EMSCRIPTEN)
  file(RELATIVE_PATH program_in_prefix ${CMAKE_INSTALL_PREFIX} ${CMAKE_INSTALL_FULL_BINDIR})
  file(RELATIVE_PATH data_in_prefix ${CMAKE_INSTALL_PREFIX} ${HULLSTRIKE_DATA_FOLDER})
  if(NOT "${program_in_prefix}/${data_in_prefix}" MATCHES "(^|/)\\.\\.(/|$)")
    set_target_properties(hullstrike PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/${program_in_prefix})
    configure_file(GameData.txt ${data_in_prefix}/GameData.txt COPYONLY)
    if(program_in_prefix)
      file(CREATE_LINK ${program_in_prefix}/hullstrike ${PROJECT_BINARY_DIR}/hullstrike SYMBOLIC)
    endif()
  endif()
endif()

# What each download holds. The README's links to the player's and the
# builder's documents resolve where it is installed: they lie beside it.
set(linked_docs doc/playing.md doc/page-on-a-phone.png doc/building.md doc/working-on-it.md)
if(NOT WIN32 AND NOT EMSCRIPTEN)
  configure_file(doc/hullstrike.6.in hullstrike.6 @ONLY)
endif()
if(HULLSTRIKE_STATIC)
  install(TARGETS hullstrike RUNTIME DESTINATION .)
  install(FILES GameData.txt README.md LICENSE ${PROJECT_BINARY_DIR}/hullstrike.6 DESTINATION .)
  install(FILES ${linked_docs} DESTINATION doc)
elseif(WIN32)
  # cpack strips the program as it installs it, and strip writes the time
  # it runs into the program's header, or SOURCE_DATE_EPOCH when that is
  # set: it is set to the release's.
  install(CODE "set(ENV{SOURCE_DATE_EPOCH} ${HULLSTRIKE_RELEASE_EPOCH})")
  install(TARGETS hullstrike RUNTIME DESTINATION .)
  configure_file(doc/windows-readme.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
  configure_file(LICENSE LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
  install(FILES GameData.txt ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/LICENSE.txt DESTINATION .)
elseif(NOT EMSCRIPTEN)
  install(TARGETS hullstrike RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES GameData.txt DESTINATION ${data_dir})
  # Debian's documents lie in one folder (a doc folder in it would repeat
  # the name): their links to one another are written for that.
  foreach(page IN ITEMS README.md ${linked_docs})
    cmake_path(GET page FILENAME name)
    if(name MATCHES "\\.md$")
      file(READ ${page} text)
      string(REGEX REPLACE "(\\]\\(|src=\")(doc/|\\.\\./)" "\\1" text "${text}")
      file(WRITE ${PROJECT_BINARY_DIR}/documents/${name} "${text}")
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${page})
      set(page ${PROJECT_BINARY_DIR}/documents/${name})
    endif()
    install(FILES ${page} DESTINATION ${CMAKE_INSTALL_DOCDIR})
  endforeach()
  install(FILES doc/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES hullstrike.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(DIRECTORY icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  # The manual in section 6 and the changelog, gzip -9n: best compression
  # and no name or time stamp in the header, so the same sources always
  # give the same bytes.
  foreach(page IN ITEMS ${PROJECT_BINARY_DIR}/hullstrike.6 ${PROJECT_SOURCE_DIR}/doc/changelog)
    cmake_path(GET page FILENAME name)
    add_custom_command(OUTPUT ${name}.gz COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${page} ${name}.gz
      DEPENDS ${page} COMMENT "Compressing ${name}" VERBATIM)
  endforeach()
  add_custom_target(compressed_docs ALL DEPENDS hullstrike.6.gz changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/hullstrike.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
