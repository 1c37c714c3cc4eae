# The hardening Debian gives the programs it builds, for native ELF builds
# (Linux with g++ or clang++): a canary in every function with a local
# array, probed stack growth, control-flow protection on x86 and branch
# protection on ARM, checked copies in the C library's string and read
# functions in optimised builds, a read-only relocation table bound at
# start-up, and a position-independent program. Windows and the browser
# keep their own defaults.
#
# A packager's flags win: each protection is added only where the compiler
# or linker knows it and the flags given to the build (CXXFLAGS, LDFLAGS)
# say nothing of it, so -D_FORTIFY_SOURCE=3 stays 3 and -fno-stack-protector
# stays off. -DHULLSTRIKE_HARDENING=OFF adds none of them.
option(HULLSTRIKE_HARDENING "Add the hardening flags the packager's flags don't already set" ON)
if(NOT HULLSTRIKE_HARDENING OR NOT CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
  return()
endif()
include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckLinkerFlag)
include(CheckPIESupported)

string(TOUPPER "${CMAKE_BUILD_TYPE}" build_type)
set(given "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${build_type}}")
set(given_to_linker "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${build_type}}")

# Each flag with the pattern that finds it, or its opposite, in the flags
# given. A flag the compiler takes with a warning (clang 14 so takes ARM's
# branch protection on x86, then fails a build whose warnings are errors) is
# a flag it doesn't know.
set(CMAKE_REQUIRED_FLAGS -Werror)
foreach(flag_and_pattern IN ITEMS
    "-fstack-protector-strong|-f(no-)?stack-protector"
    "-fstack-clash-protection|-f(no-)?stack-clash-protection"
    "-fcf-protection|-fcf-protection"
    "-mbranch-protection=standard|-mbranch-protection")
  string(REPLACE "|" ";" flag_and_pattern "${flag_and_pattern}")
  list(GET flag_and_pattern 0 flag)
  list(GET flag_and_pattern 1 pattern)
  if(given MATCHES "(^| )${pattern}")
    continue()
  endif()
  string(MAKE_C_IDENTIFIER "HULLSTRIKE_HAS${flag}" known)
  check_cxx_compiler_flag(${flag} ${known})
  if(${known})
    add_compile_options(${flag})
  endif()
endforeach()
unset(CMAKE_REQUIRED_FLAGS)

# Checked functions need the optimiser's knowledge of object sizes, and the
# C library warns without it, so only in the optimised configurations, and
# only where neither the flags given nor the compiler itself set a level.
set(CMAKE_REQUIRED_FLAGS -O2)
check_cxx_source_compiles("#ifdef _FORTIFY_SOURCE
#error the compiler sets a level of its own
#endif
int main() {}" HULLSTRIKE_NO_FORTIFY_BY_DEFAULT)
unset(CMAKE_REQUIRED_FLAGS)
if(HULLSTRIKE_NO_FORTIFY_BY_DEFAULT AND NOT given MATCHES "_FORTIFY_SOURCE")
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>")
endif()

# Each of the two linker options likewise, unless the flags given say it or
# its opposite.
foreach(option_and_opposite IN ITEMS "relro|norelro" "now|lazy")
  string(REPLACE "|" ";" option_and_opposite "${option_and_opposite}")
  list(GET option_and_opposite 0 option)
  list(GET option_and_opposite 1 opposite)
  if(NOT given_to_linker MATCHES "-z,?(${option}|${opposite})( |,|$)")
    check_linker_flag(CXX "LINKER:-z,${option}" HULLSTRIKE_HAS_Z_${option})
    if(HULLSTRIKE_HAS_Z_${option})
      add_link_options("LINKER:-z,${option}")
    endif()
  endif()
endforeach()

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
