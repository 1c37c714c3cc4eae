# The seed finder: with this build's generator, the seed that hides a
# session's ships, for the tests that run the game from outside it. The web
# build's runs under node and reads its files from the disk.
add_executable(find_seed ${CMAKE_CURRENT_LIST_DIR}/find_seed.cpp)
target_link_libraries(find_seed PRIVATE hullstrike_core)
if(EMSCRIPTEN)
  target_link_options(find_seed PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sWASM_ASYNC_COMPILATION=0)
endif()
