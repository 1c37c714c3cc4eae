# Builds that give the same program wherever and whenever they are made:
# the source and build folders are mapped out of the objects (debug
# information, file names), and a Windows program's header carries no time
# of linking. The browser build keeps emscripten's defaults, which depend on
# neither.
if(EMSCRIPTEN OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  return()
endif()
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

check_cxx_compiler_flag(-ffile-prefix-map=a=b HULLSTRIKE_HAS_FILE_PREFIX_MAP)
if(HULLSTRIKE_HAS_FILE_PREFIX_MAP)
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()

if(MINGW)
  check_linker_flag(CXX "LINKER:--no-insert-timestamp" HULLSTRIKE_HAS_NO_TIMESTAMP)
  if(HULLSTRIKE_HAS_NO_TIMESTAMP)
    add_link_options("LINKER:--no-insert-timestamp")
  endif()
endif()
