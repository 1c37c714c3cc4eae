# Writes the site's service worker, SITE/sw.js, from TEMPLATE: every other
# file in the folder SITE with the SHA-256 of its bytes, and a release named
# by the hash of that list. The worker's bytes follow from the site's and
# nothing else, so a build of the same sources writes the same sw.js.
#   cmake -DSITE=folder -DTEMPLATE=src/web/service-worker.js.in -P cmake/service-worker.cmake
get_filename_component(SITE ${SITE} ABSOLUTE)
file(GLOB names RELATIVE ${SITE} LIST_DIRECTORIES false ${SITE}/*)
list(REMOVE_ITEM names sw.js)
if(NOT names)
  message(FATAL_ERROR "no site in ${SITE}")
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
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
