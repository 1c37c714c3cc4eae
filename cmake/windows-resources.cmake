# The Windows program's icon, version information and manifest:
# cmake/windows/hullstrike.rc.in, given the version and description in project()
# and the copyright line of LICENSE, compiled by the RC compiler (windres
# with MinGW-w64) and linked into hullstrike.exe. The icon is
# icons/hullstrike.ico, drawn by tools/draw-icons.js; the manifest,
# cmake/windows/hullstrike.exe.manifest. windres writes no time into what it
# compiles, so the program stays the same bytes from build to build.
enable_language(RC)
set(numbers ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH}
  ${PROJECT_VERSION_TWEAK} 0 0 0)
list(SUBLIST numbers 0 4 numbers) # a version resource has four numbers
list(JOIN numbers "," HULLSTRIKE_RC_VERSION)
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE HULLSTRIKE_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
configure_file(cmake/windows/hullstrike.rc.in hullstrike.rc @ONLY)
target_sources(hullstrike PRIVATE ${PROJECT_BINARY_DIR}/hullstrike.rc)
# The build follows a change of the script, not of the files it names.
set_source_files_properties(${PROJECT_BINARY_DIR}/hullstrike.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/icons/hullstrike.ico;${PROJECT_SOURCE_DIR}/cmake/windows/hullstrike.exe.manifest")
# MSVC's linker would add a manifest of its own, which Windows takes from
# the same resource: the script's is the one.
if(MSVC)
  target_link_options(hullstrike PRIVATE /MANIFEST:NO)
endif()
