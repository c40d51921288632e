# The 32-bit flavour: the program that ships, for every Windows from 95 on.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
