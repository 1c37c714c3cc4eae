# The hardening Debian gives the programs it builds, for native ELF builds
# (Linux with g++ or clang++): a canary in every function with a local
# array, probed stack growth, control-flow protection where the processor
# has it, checked copies in the C library's string and read functions in
# optimised builds, a read-only relocation table bound at start-up, and a
# position-independent program. Each flag only where the compiler or
# linker knows it. Windows and the browser keep their own defaults.

if(NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  return()
endif()
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

foreach(flag IN ITEMS -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "HULLSTRIKE_HAS${flag}" known)
  check_cxx_compiler_flag(${flag} ${known})
  if(${known})
    add_compile_options(${flag})
  endif()
endforeach()
# Checked functions need the optimiser's knowledge of object sizes, and the
# C library warns without it, so only in the optimised configurations. Any
# level the compiler sets by itself is replaced rather than redefined.
add_compile_options(
  "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")

check_linker_flag(CXX "LINKER:-z,relro,-z,now" HULLSTRIKE_HAS_BIND_NOW)
if(HULLSTRIKE_HAS_BIND_NOW)
  add_link_options("LINKER:-z,relro,-z,now")
endif()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
