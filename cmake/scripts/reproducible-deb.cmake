# Run by cpack around the making of the Debian package, so that two builds
# of the same sources give the same bytes whatever the time, the umask or
# the folders they are built in.
#
# Before: every time in the package (the members of the ar archive and of
# both tar archives, and the gzip headers) is the release's
# (cmake/release-date.cmake); and the directories
# made while staging, which take their permissions from the umask, get the
# usual 0755.
#
# After: the three members of the .deb (an ar archive) are written with the
# permissions of their files on disk, which follow the umask too: their
# mode fields are set to 0644. Each member header is 60 bytes, its mode
# field 8 bytes at offset 40 and its size 10 bytes at offset 48; members
# start on even offsets after the 8-byte archive signature.
if(NOT DEFINED CPACK_PACKAGE_FILES)
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_HULLSTRIKE_RELEASE_EPOCH})
  file(GLOB_RECURSE paths LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
  foreach(path IN LISTS paths)
    if(IS_DIRECTORY "${path}")
      file(CHMOD "${path}" PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()
  return()
endif()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
  file(SIZE "${package}" end)
  set(header 8)
  while(header LESS end)
    math(EXPR mode "${header} + 40")
    math(EXPR size "${header} + 48")
    file(READ "${package}" size OFFSET ${size} LIMIT 10)
    execute_process(
      COMMAND sh -c "printf '100644  ' | dd of=\"$0\" bs=1 seek=$1 conv=notrunc status=none"
              "${package}" ${mode}
      COMMAND_ERROR_IS_FATAL ANY)
    string(STRIP "${size}" size)
    math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
  endwhile()
endforeach()
