# Writes the site's service worker, OUTPUT, from TEMPLATE: each file that
# FILES names (comma-separated, found in the folder SITE) with the SHA-256
# of its bytes, and a release named by the hash of that list. The list, not
# what else lies in the folder, makes the site, and the worker's bytes
# follow from those files and nothing else, so a build of the same sources
# writes the same sw.js.
# MINIFY, when given, is the command that then minifies it (esbuild and its
# options, a list).
#   cmake -DSITE=folder -DFILES=index.html,page.js,... -DTEMPLATE=src/web/service-worker.js.in
#         -DOUTPUT=folder/sw.js [-DMINIFY="esbuild;--minify"] -P cmake/scripts/service-worker.cmake
string(REPLACE "," ";" names "${FILES}")
if(NOT names)
  message(FATAL_ERROR "no files named for the site in ${SITE}")
endif()
list(SORT names)
set(lines)
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} hash)
  list(APPEND lines "    \"${name}\": \"${hash}\",")
endforeach()
list(JOIN lines "\n" SITE_FILES)
string(SHA256 SITE_RELEASE "${SITE_FILES}")
string(SUBSTRING ${SITE_RELEASE} 0 16 SITE_RELEASE)
if(NOT MINIFY)
  configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
  return()
endif()
configure_file(${TEMPLATE} ${OUTPUT}.full.js @ONLY)
execute_process(COMMAND ${MINIFY} ${OUTPUT}.full.js --outfile=${OUTPUT} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUTPUT}.full.js)
