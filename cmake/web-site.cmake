# The web site and the node program, built with emscripten
# (cmake/toolchains/emscripten.cmake): two programs from the same sources. `hullstrike`
# runs under node at a terminal, on the machine's own files: the tests play
# it. The page's game waits for each typed line with Asyncify and reads its
# settings from the page's memory; it goes into `site`, a folder any static
# file host can serve, with the page it plays in. `cpack -G ZIP` (or `cpack
# --preset web`) zips that folder as hullstrike-VERSION-web.zip.

# Node 18 and later have fetch, which the asynchronous start then uses
# to load the .wasm by its path, and fails; the synchronous one reads the
# file. NODERAWFS gives the program the machine's files and streams.
target_link_options(hullstrike PRIVATE
  -sENVIRONMENT=node -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0 -sEXIT_RUNTIME=1)

set(site ${PROJECT_BINARY_DIR}/site)
add_executable(hullstrike_web src/app/main.cpp)
target_link_libraries(hullstrike_web PRIVATE hullstrike_core)
# Linked into a folder of its own, from which the site takes the script
# minified and the .wasm as it is (below).
set(game ${PROJECT_BINARY_DIR}/page-game)
set_target_properties(hullstrike_web PROPERTIES OUTPUT_NAME hullstrike RUNTIME_OUTPUT_DIRECTORY ${game})
# One instance of the program is one game: the page makes a new one from
# createHullstrike for every game, from the code it compiled once, and runs
# main itself so that it learns when the game has ended. No code is made
# from text at run time, so the page's policy allows no eval. The page
# gives the program only its start, its compiled code and its input, so
# the script handles no other setting; emmalloc, the smaller allocator,
# serves a game that allocates little.
target_link_options(hullstrike_web PRIVATE
  -sENVIRONMENT=web -sASYNCIFY -sMODULARIZE=1 -sEXPORT_NAME=createHullstrike -sINVOKE_RUN=0
  -sDYNAMIC_EXECUTION=0 -sEXPORTED_FUNCTIONS=_main -sEXPORTED_RUNTIME_METHODS=FS,ccall
  -sINCOMING_MODULE_JS_API=preRun,instantiateWasm -sMALLOC=emmalloc)

# Asyncify instruments only the functions that can be on the stack while
# the game waits for a line: its own analysis, less the families that
# src/web/asyncify-remove.txt says never wait. emscripten takes the list as
# a file of one pattern a line, written here from that file's lines with
# its comments left out; editing the list configures again.
set(remove_source ${PROJECT_SOURCE_DIR}/src/web/asyncify-remove.txt)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${remove_source})
file(STRINGS ${remove_source} remove_lines REGEX "^[^#]")
string(REGEX REPLACE "[ \t]+" ";" remove_patterns "${remove_lines}")
list(JOIN remove_patterns "\n" remove_patterns)
file(CONFIGURE OUTPUT asyncify-remove.txt CONTENT "${remove_patterns}\n" @ONLY)
target_link_options(hullstrike_web PRIVATE -sASYNCIFY_REMOVE=@${CMAKE_CURRENT_BINARY_DIR}/asyncify-remove.txt)
set_property(TARGET hullstrike_web APPEND PROPERTY LINK_DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/asyncify-remove.txt)

# The page's scripts and style, the game's script and the service worker
# go out minified by esbuild, as Debian packages it: the same sources give
# the same bytes, and comments and long names cost a player on a slow
# network. Each file is minified alone, so an error in the page still
# names the file it came from.
option(HULLSTRIKE_MINIFY "Minify the web page's scripts and style with esbuild" ON)
if(HULLSTRIKE_MINIFY)
  find_program(HULLSTRIKE_ESBUILD esbuild)
  if(NOT HULLSTRIKE_ESBUILD)
    message(FATAL_ERROR "The web page's scripts and style are minified with esbuild, which is not installed. "
      "On Debian: apt-get install esbuild (tools/install-deps installs it). Or configure with "
      "-DHULLSTRIKE_MINIFY=OFF to ship them as they are written.")
  endif()
  # Never in syntax newer than the page's own scripts are written in.
  set(minify ${HULLSTRIKE_ESBUILD} --minify --target=es2020 --log-level=warning)
endif()
# The command that writes a file of the site, OUTPUT, from SOURCE, made
# again when what follows changes: a script or style minified, any other
# file copied.
function(site_copy source output)
  if(HULLSTRIKE_MINIFY AND source MATCHES "\\.(js|css)$")
    set(command ${minify} ${source} --outfile=${output})
  else()
    set(command ${CMAKE_COMMAND} -E copy ${source} ${output})
  endif()
  add_custom_command(OUTPUT ${output} COMMAND ${command} DEPENDS ${ARGN}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endfunction()

# The page: its HTML, its style, its scripts, and the game's licence, which
# goes with the game the site carries in binary form; for offline play and
# installing the page as an app, the script that registers the service
# worker, and the web app manifest with its icons; the game's script and
# its .wasm. These and the worker are the site: the worker keeps them and
# the zip holds them, and nothing else that lies in the folder, such as a
# file left there by hand or by an older build.
set(page_files)
set(site_names)
foreach(copy IN ITEMS src/web/index.html=index.html src/web/page.css=page.css src/web/load.js=load.js
                      src/web/page.js=page.js src/web/screen.js=screen.js src/web/answers.js=answers.js
                      src/web/sizes.js=sizes.js LICENSE=LICENSE.txt
                      src/web/offline.js=offline.js src/web/manifest.webmanifest=manifest.webmanifest
                      src/web/icon-192.png=icon-192.png src/web/icon-512.png=icon-512.png)
  string(REPLACE "=" ";" copy ${copy})
  list(GET copy 0 source)
  list(GET copy 1 name)
  site_copy(${source} ${site}/${name} ${source})
  list(APPEND page_files ${site}/${name})
  list(APPEND site_names ${name})
endforeach()
# The game's two files come from its link.
foreach(name IN ITEMS hullstrike.js hullstrike.wasm)
  site_copy(${game}/${name} ${site}/${name} hullstrike_web)
  list(APPEND page_files ${site}/${name})
endforeach()
list(PREPEND site_names hullstrike.js hullstrike.wasm)
add_custom_target(site ALL DEPENDS ${page_files})

# The service worker, written last since it names every other file of the
# site with its hash, and minified as the scripts are.
set(worker_sources ${PROJECT_SOURCE_DIR}/src/web/service-worker.js.in ${PROJECT_SOURCE_DIR}/cmake/scripts/service-worker.cmake)
# The list goes to the tests as the target's property, with the command
# that minifies.
string(JOIN "," site_list ${site_names})
set_target_properties(site PROPERTIES HULLSTRIKE_FILES ${site_list})
string(JOIN " " minify_property ${minify})
set_target_properties(site PROPERTIES HULLSTRIKE_MINIFY "${minify_property}")
add_custom_command(OUTPUT ${site}/sw.js
  COMMAND ${CMAKE_COMMAND} -DSITE=${site} -DFILES=${site_list} -DTEMPLATE=${PROJECT_SOURCE_DIR}/src/web/service-worker.js.in
          -DOUTPUT=${site}/sw.js "-DMINIFY=${minify}" -P ${PROJECT_SOURCE_DIR}/cmake/scripts/service-worker.cmake
  DEPENDS ${page_files} ${worker_sources}
  VERBATIM)
# After the site's other files, which the worker's rule lists too: never
# two rules writing one file at once.
add_custom_target(service_worker ALL DEPENDS ${site}/sw.js)
add_dependencies(service_worker site)

list(TRANSFORM site_names PREPEND ${site}/ OUTPUT_VARIABLE site_files)
install(FILES ${site_files} ${site}/sw.js DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
# The same sources make the same zip: see the script.
set(CPACK_HULLSTRIKE_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/scripts/reproducible-archive.cmake)
