# The release's date, from the top entry of doc/changelog, which must be for
# the version in project(): HULLSTRIKE_RELEASE_TIME, the entry's trailer
# time as written, and HULLSTRIKE_RELEASE_DATE, its day as YYYY-MM-DD. The
# manual page is dated with it, and every download's files carry its time.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/doc/changelog)
file(STRINGS ${PROJECT_SOURCE_DIR}/doc/changelog changelog_top LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT changelog_top MATCHES "^${PROJECT_NAME} \\(${version_pattern}\\) ")
  message(FATAL_ERROR "doc/changelog: the top entry is not for version ${PROJECT_VERSION}: ${changelog_top}")
endif()
file(STRINGS ${PROJECT_SOURCE_DIR}/doc/changelog changelog_date REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" HULLSTRIKE_RELEASE_TIME "${changelog_date}")
if(NOT HULLSTRIKE_RELEASE_TIME MATCHES "^..., ([0-9][0-9]) (...) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "doc/changelog: no date in the top entry's trailer line: ${changelog_date}")
endif()
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 101") # 101 to 112: the month's two digits follow the 1
string(SUBSTRING ${month} 1 2 month)
set(HULLSTRIKE_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1})
