# Run by cpack before it makes a cross-built Debian package: its Depends,
# worked out by dpkg-shlibdeps as for a native package, but from the
# libraries of the cross tree. Debian's cross packages (libc6-arm64-cross
# and the like) carry the dependency information of the target's own
# libraries, naming them either after the cross package
# (libgcc-s1-arm64-cross) or with the architecture (libc6:arm64); on the
# machine the package is for, they are plain libgcc-s1 and libc6.
set(work "${CPACK_TEMPORARY_DIRECTORY}-shlibdeps")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}/debian")
file(WRITE "${work}/debian/control" "") # dpkg-shlibdeps wants one
execute_process(
  COMMAND dpkg-shlibdeps -l${CPACK_HULLSTRIKE_CROSS_LIBRARIES} -O
          "${CPACK_TEMPORARY_DIRECTORY}/${CPACK_HULLSTRIKE_PROGRAM}"
  WORKING_DIRECTORY "${work}"
  OUTPUT_VARIABLE depends
  OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${work}")
string(REGEX REPLACE "^shlibs:Depends=" "" depends "${depends}")
set(arch ${CPACK_DEBIAN_PACKAGE_ARCHITECTURE})
string(REGEX REPLACE "(-${arch}-cross|:${arch})( |,|$)" "\\2" CPACK_DEBIAN_PACKAGE_DEPENDS "${depends}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
message(STATUS "Depends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
