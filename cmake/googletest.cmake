# GoogleTest for the tests. Playing needs none: without it the game still
# builds, and the one test left says what to install, so that ctest fails
# with that rather than finding no tests at all.
#
# For a cross build the machine's GoogleTest libraries are built for the
# machine itself, and Debian has no MinGW-w64 build of them, but its
# "googletest" package ships the sources in /usr/src/googletest. When
# find_package(GTest) finds nothing for the target, those sources are
# configured, built and installed at configure time, with the same toolchain
# and build type, into a prefix inside the build tree; GTest_DIR then points
# find_package(GTest) at them. A separate build keeps GoogleTest's code out
# of this project's warning flags, and it is done once: later configures
# find it.
find_package(GTest QUIET)
if(NOT GTest_FOUND AND NOT CMAKE_CROSSCOMPILING)
  set(no_gtest "GoogleTest not found: the tests are off. Install it with: apt-get install libgtest-dev")
  message(STATUS "${no_gtest}")
  add_test(NAME googletest_missing COMMAND ${CMAKE_COMMAND} -E echo "${no_gtest}")
  set_tests_properties(googletest_missing PROPERTIES FAIL_REGULAR_EXPRESSION "GoogleTest not found")
endif()
if(GTest_FOUND OR NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(HULLSTRIKE_GOOGLETEST_SOURCES /usr/src/googletest CACHE PATH
  "GoogleTest sources to build for a cross build that lacks GoogleTest")
set(gtest_build ${CMAKE_BINARY_DIR}/googletest)
set(gtest_prefix ${gtest_build}/install)
if(NOT EXISTS ${gtest_prefix}/lib/cmake/GTest/GTestConfig.cmake)
  if(NOT EXISTS ${HULLSTRIKE_GOOGLETEST_SOURCES}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest for the target and no sources in "
      "${HULLSTRIKE_GOOGLETEST_SOURCES} (Debian: apt-get install googletest)")
  endif()
  message(STATUS "Building GoogleTest from ${HULLSTRIKE_GOOGLETEST_SOURCES}")
  file(MAKE_DIRECTORY ${gtest_build})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${HULLSTRIKE_GOOGLETEST_SOURCES} -B ${gtest_build}/build
      -G ${CMAKE_GENERATOR}
      -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DCMAKE_INSTALL_PREFIX=${gtest_prefix}
      -DCMAKE_INSTALL_LIBDIR=lib
      -DBUILD_GMOCK=OFF
    OUTPUT_FILE ${gtest_build}/configure.log
    ERROR_FILE ${gtest_build}/configure.log
    RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(
      COMMAND ${CMAKE_COMMAND} --build ${gtest_build}/build --target install --parallel 2
      OUTPUT_FILE ${gtest_build}/build.log
      ERROR_FILE ${gtest_build}/build.log
      RESULT_VARIABLE failed)
  endif()
  if(failed)
    message(FATAL_ERROR "Building GoogleTest failed: see ${gtest_build}/*.log")
  endif()
endif()
set(GTest_DIR ${gtest_prefix}/lib/cmake/GTest CACHE PATH "GoogleTest built for the target" FORCE)
find_package(GTest REQUIRED)
