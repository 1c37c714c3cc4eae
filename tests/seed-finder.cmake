# The seed finder, for the tests that run the game from outside: with this
# build's generator, the seed that hides a session's ships.
add_executable(find_seed ${CMAKE_CURRENT_LIST_DIR}/find_seed.cpp)
