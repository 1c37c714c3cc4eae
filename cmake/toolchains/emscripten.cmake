# Builds the game to WebAssembly with Debian's emscripten: a program for
# node, which the tests run, and the web page's game.
#
#   cmake -S . -B build-web --toolchain cmake/toolchains/emscripten.cmake
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# emcc's JavaScript optimizer needs acorn, which Debian installs where node
# looks only when told: at configure time (the compiler checks link a
# program) and at every link of the build.
set(ENV{NODE_PATH} /usr/share/nodejs)
set(CMAKE_CXX_LINKER_LAUNCHER env NODE_PATH=/usr/share/nodejs)


# The game throws nothing, so it is built without exceptions; link-time
# optimisation then leaves out what it never calls, which without
# -fno-exceptions pulls in the runtime that throws. An optimised build
# optimises for size before speed: the page is downloaded, and the game
# spends its time waiting for the player. The size-optimised build's flags
# are set here, in the cache, because CMake would otherwise add its own
# -Os after an -Oz given as their start, and the last one given counts.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -flto")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-flto")
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -DNDEBUG" CACHE STRING "Flags of the size-optimised build")
