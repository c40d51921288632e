# Host build: the platform-free cores with their tests, and the disk benchmark tool.
if(TARVEX_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

add_library(core STATIC ${CORE})
target_link_libraries(core PUBLIC warnings)

find_package(GTest REQUIRED)
find_package(ZLIB REQUIRED) # the tests check that the disk test's data does not compress
include(GoogleTest)
file(GLOB HOST_TESTS CONFIGURE_DEPENDS tests/host/*.cpp)
add_executable(host_tests ${HOST_TESTS})
target_link_libraries(host_tests PRIVATE core GTest::gtest_main ZLIB::ZLIB)
gtest_discover_tests(host_tests NO_PRETTY_VALUES)

add_executable(diskbench tools/diskbench.cpp bench/test_file_posix.cpp)
target_link_libraries(diskbench PRIVATE core)
