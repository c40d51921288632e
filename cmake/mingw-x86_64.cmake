# The 64-bit flavour, from the same sources: it runs under 64-bit Wine where the
# machine runs no 32-bit x86 code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
