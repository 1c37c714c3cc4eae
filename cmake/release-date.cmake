# The release's date, from the top entry of doc/changelog, which must be for
# the version in project(): HULLSTRIKE_RELEASE_TIME, the entry's trailer
# time as written, and HULLSTRIKE_RELEASE_DATE, its day as YYYY-MM-DD, which
# dates the manual page. HULLSTRIKE_RELEASE_EPOCH (and, for cpack's scripts,
# CPACK_HULLSTRIKE_RELEASE_EPOCH) is the time every download's files carry:
# SOURCE_DATE_EPOCH where the builder sets it when configuring, else the
# entry's time in seconds since 1970. This is the one place that rule is
# written.
#
# Run as a script, `cmake -DPROJECT_VERSION=V -P cmake/release-date.cmake`
# prints HULLSTRIKE_RELEASE_EPOCH alone, for tools/release.
if(CMAKE_SCRIPT_MODE_FILE)
  set(PROJECT_NAME hullstrike)
  cmake_path(GET CMAKE_CURRENT_LIST_DIR PARENT_PATH PROJECT_SOURCE_DIR)
else()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/changelog)
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/doc/changelog changelog_top LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT changelog_top MATCHES "^${PROJECT_NAME} \\(${version_pattern}\\) ")
  message(FATAL_ERROR "doc/changelog: the top entry is not for version ${PROJECT_VERSION}: ${changelog_top}")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/doc/changelog changelog_date REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" HULLSTRIKE_RELEASE_TIME "${changelog_date}")
if(NOT HULLSTRIKE_RELEASE_TIME MATCHES
   "^..., ([0-9][0-9]) (...) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([-+])([0-9][0-9])([0-9][0-9])$")
  message(FATAL_ERROR "doc/changelog: no date in the top entry's trailer line: ${changelog_date}")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 101") # 101 to 112: the month's two digits follow the 1
string(SUBSTRING ${month} 1 2 month)
set(HULLSTRIKE_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})

# The epoch is worked out here rather than by the system's date command, so
# that it is the same on every host. Days since 1970 by the civil calendar,
# counting years from March so that the leap day ends a year.
set(year ${CMAKE_MATCH_3})
if(month LESS_EQUAL 2)
  math(EXPR year "${year} - 1")
  math(EXPR month "${month} + 9")
else()
  math(EXPR month "${month} - 3")
endif()
math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${CMAKE_MATCH_1} - 1")
math(EXPR days "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 + ${day_of_year} - 719468")
math(EXPR HULLSTRIKE_RELEASE_EPOCH
  "${days} * 86400 + ${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6} - (${CMAKE_MATCH_7}1) * (${CMAKE_MATCH_8} * 3600 + ${CMAKE_MATCH_9} * 60)")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(HULLSTRIKE_RELEASE_EPOCH $ENV{SOURCE_DATE_EPOCH})
endif()
set(CPACK_HULLSTRIKE_RELEASE_EPOCH ${HULLSTRIKE_RELEASE_EPOCH})
if(CMAKE_SCRIPT_MODE_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${HULLSTRIKE_RELEASE_EPOCH})
endif()
