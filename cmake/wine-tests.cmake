# The Wine test program: the real Win32 code and resources, run by CTest through
# wine in a throwaway prefix under the build folder.
enable_language(RC)
add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB WINE_TESTS CONFIGURE_DEPENDS tests/wine/*.cpp)
add_executable(wine_tests ${WINE_TESTS} ${CORE} ${WIN32_SHELL})
target_compile_definitions(wine_tests PRIVATE WIN32_LEAN_AND_MEAN)
target_link_libraries(wine_tests PRIVATE warnings gtest_main)
target_link_options(wine_tests PRIVATE -static)

# Times the start of tarvex.exe against a bare dialog program (scripts/bench-startup.sh).
add_executable(launch_timer EXCLUDE_FROM_ALL tools/startup/launch_timer.cpp)
target_link_options(launch_timer PRIVATE -static)

set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# Each flavour runs under the Wine loader of its width, which Debian keeps out of the PATH.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL x86_64)
  find_program(WINE NAMES wine64 HINTS /usr/lib/wine REQUIRED)
else()
  find_program(WINE NAMES wine HINTS /usr/lib/wine REQUIRED)
endif()
set(TARVEX_PROGRAM "" CACHE FILEPATH "tarvex.exe of the program build, which the Wine tests start")
# The program build lays the help beside the program; building the tests brings both up to date.
get_filename_component(PROGRAM_DIR "${TARVEX_PROGRAM}" DIRECTORY)
if(TARVEX_PROGRAM)
  # A build of its own, outside this make's jobs.
  add_custom_target(program_with_help
    COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS --unset=MAKELEVEL
            ${CMAKE_COMMAND} --build ${PROGRAM_DIR} --target tarvex tarvex_help)
  add_dependencies(wine_tests program_with_help)
endif()
set(WINE_ENVIRONMENT WINELOADER=${WINE} WINEPREFIX=${WINE_PREFIX} WINEDEBUG=-all
                     "WINEDLLOVERRIDES=mscoree,mshtml="
                     TARVEX_PROGRAM=${TARVEX_PROGRAM}
                     TARVEX_LOGO=${CMAKE_SOURCE_DIR}/resources/VELKLOGO.DIB
                     TARVEX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/wine/data)
# A fresh prefix for each run, whose crash dialog is off: a program that crashes
# fails its test at once instead of waiting for a click. Each Wine run has a time
# limit, and whatever the tests leave running in the prefix is ended after them.
add_test(NAME wine_prefix COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh --fresh)
add_test(NAME wine_tests COMMAND ${WINE} $<TARGET_FILE:wine_tests>)
add_test(NAME wine_end COMMAND sh -c "wineserver -k 2>/dev/null || true")
set_tests_properties(wine_prefix wine_tests wine_end PROPERTIES ENVIRONMENT "${WINE_ENVIRONMENT}" TIMEOUT 180)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_tests PROPERTIES FIXTURES_REQUIRED wine)
set_tests_properties(wine_end PROPERTIES FIXTURES_CLEANUP wine)
