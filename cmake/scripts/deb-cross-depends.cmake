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
string(REGEX REPLACE "(-${arch}-cross|:${arch})( |,|$)" "\\2" CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
