# Cross build for Windows with mingw-w64, for the processor that the toolchain
# file including this one names. The shipped program uses the win32 thread
# model; the Wine test program, which needs the C++ library's threads for
# GoogleTest, uses the posix one (TARVEX_WINE_TESTS=ON).
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

if(TARVEX_WINE_TESTS)
  set(threads posix)
else()
  set(threads win32)
endif()
set(CMAKE_C_COMPILER ${triplet}-gcc-${threads})
set(CMAKE_CXX_COMPILER ${triplet}-g++-${threads})
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
