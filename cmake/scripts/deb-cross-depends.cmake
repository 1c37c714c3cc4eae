# Run by cpack before it makes a cross-built Debian package: its Depends,
# worked out by dpkg-shlibdeps as for a native package, but from the
# libraries of the cross tree. Debian's cross packages (libc6-arm64-cross
# and the like) carry the dependency information of the target's own
# libraries, naming them either after the cross package
# (libgcc-s1-arm64-cross) or with the architecture (libc6:arm64); on the
# machine the package is for, they are plain libgcc-s1 and libc6.
#
# Run as cpack runs it: in the staging folder, which holds a blank
# debian/control and a DEBIAN folder only while it runs.
set(stage "${CPACK_TEMPORARY_DIRECTORY}")
file(MAKE_DIRECTORY "${stage}/debian" "${stage}/DEBIAN")
file(WRITE "${stage}/debian/control" "")
execute_process(
  COMMAND dpkg-shlibdeps -l${CPACK_HULLSTRIKE_CROSS_LIBRARIES} -O
          "${stage}/${CPACK_HULLSTRIKE_PROGRAM}"
  WORKING_DIRECTORY "${stage}"
  OUTPUT_VARIABLE depends
  OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${stage}/debian" "${stage}/DEBIAN")
string(REGEX REPLACE "^shlibs:Depends=" "" depends "${depends}")
set(arch ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
string(REGEX REPLACE "(-${arch}-cross|:${arch})( |,|$)" "\\2" depends "${depends}")

# The cross packages of the C and C++ libraries carry no symbols file, only
# a shlibs file naming the cross toolchain's own libc6 version and no
# libstdc++6 version at all: more than the program needs, and less. What it
# needs is told by the symbol versions it binds to (readelf -V); the symbols
# files of this machine's own libc6 and libstdc++6 say which version of the
# package first brought each, and these are the same on every architecture.
execute_process(COMMAND ${CPACK_HULLSTRIKE_READELF} -V --wide "${stage}/${CPACK_HULLSTRIKE_PROGRAM}"
  OUTPUT_VARIABLE needed COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE native
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
foreach(package IN ITEMS libc6 libstdc++6)
  file(STRINGS /var/lib/dpkg/info/${package}:${native}.symbols nodes REGEX "^ [A-Z]+_[0-9.]+@[^ ]+ [0-9.]+$")
  set(least "")
  foreach(node IN LISTS nodes)
    string(REGEX MATCH "^ ([^@]+)@[^ ]+ (.+)$" node "${node}")
    set(version ${CMAKE_MATCH_2})
    string(REPLACE "." "\\." name "${CMAKE_MATCH_1}")
    if(needed MATCHES "Name: ${name} " AND (NOT least OR version VERSION_GREATER least))
      set(least ${version})
    endif()
  endforeach()
  if(NOT least)
    message(FATAL_ERROR "no symbol version of ${package} the program needs is known to this machine")
  endif()
  string(REPLACE "+" "\\+" name ${package})
  string(REGEX REPLACE "(^|, )${name}( \\([^)]*\\))?(,|$)" "\\1${package} (>= ${least})\\3" depends "${depends}")
endforeach()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
