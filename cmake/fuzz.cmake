# Fuzz build (clang): the bitmap reader under libFuzzer with the sanitizers.
set(FUZZ_FLAGS -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_executable(bitmap_reader_fuzz tests/fuzz/bitmap_reader_fuzz.cpp logo/bitmap_reader.cpp logo/logo_image.cpp)
target_compile_options(bitmap_reader_fuzz PRIVATE ${FUZZ_FLAGS} -g -O1)
target_link_options(bitmap_reader_fuzz PRIVATE ${FUZZ_FLAGS})
target_link_libraries(bitmap_reader_fuzz PRIVATE warnings)
