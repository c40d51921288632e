# Cross build for 32-bit Windows with mingw-w64. The shipped program uses the
# win32 thread model; the Wine test program, which needs the C++ library's
# threads for GoogleTest, uses the posix one (TARVEX_WINE_TESTS=ON).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

if(TARVEX_WINE_TESTS)
  set(threads posix)
else()
  set(threads win32)
endif()
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-${threads})
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-${threads})
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
