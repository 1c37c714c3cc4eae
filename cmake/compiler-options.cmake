# The warnings every build turns on, the sanitizers' options, and what a
# tool or a compiler's known false positive needs.
if(MSVC)
  add_compile_options(/W4 /permissive-)
else()
  add_compile_options(-Wall -Wextra -Wpedantic)
endif()
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang" AND NOT MSVC)
  # valgrind before 3.20 cannot read the DWARF 5 that clang writes by default.
  add_compile_options(-gdwarf-4)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # g++ 12 at -O2 and above warns of overlapping copies inside std::string
  # when a string is assigned a short literal (GCC bug 105329, a false
  # positive): in the game when a cell is given a mark, and in the drawBoard
  # benchmark when it fills a board. Only those two targets turn it off.
  set(HULLSTRIKE_NO_FALSE_RESTRICT -Wno-restrict)
endif()
if(HULLSTRIKE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
