# Run by cpack after it makes a zip or a gzipped tarball, so that two builds
# of the same sources give the same bytes whatever the time, the time zone,
# the umask, the user or the order the folder lists its files in.
#
# cpack takes each entry's times from the file on disk, its access and
# change times among them, and writes the modification time in local time;
# its modes follow the umask. cmake/scripts/reproducible-zip.py writes the zip
# again: the entries in the order of their names, each dated at the release
# (cmake/release-date.cmake), with the modes 0755 for folders and programs
# and 0644 for the rest; cmake/scripts/reproducible-tar.py does the same for a
# tarball, whose entries it gives to user and group 0.
find_program(python NAMES python3 python)
if(NOT python)
  message(WARNING "python3 not found: the package keeps the times and modes of its files")
  return()
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  set(script reproducible-zip.py)
  if(package MATCHES "\\.tar\\.gz$")
    set(script reproducible-tar.py)
  endif()
  execute_process(COMMAND ${python} ${CPACK_HULLSTRIKE_SOURCE_DIR}/cmake/scripts/${script}
                          ${package} ${CPACK_HULLSTRIKE_RELEASE_EPOCH}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
