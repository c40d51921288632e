# The shipped program: no C runtime, i486 code, subsystem and OS version 4.0,
enable_language(RC)
# imports from KERNEL32, USER32 and GDI32 only, so that Windows 95 loads it.
add_executable(tarvex WIN32 app/winmain.cpp app/startup.cpp base/message_box_win32.cpp base/help_win32.cpp ${CORE} ${WIN32_SHELL})
target_compile_definitions(tarvex PRIVATE _WIN32_WINNT=0x0400 WINVER=0x0400 WIN32_LEAN_AND_MEAN)
target_compile_options(tarvex PRIVATE -march=i486 -Os -fno-exceptions -fno-rtti -fno-threadsafe-statics
                       -fno-asynchronous-unwind-tables -fno-stack-protector)
# The compiler must not turn our own memset and memcpy into calls of themselves.
set_source_files_properties(app/startup.cpp PROPERTIES COMPILE_OPTIONS -fno-tree-loop-distribute-patterns)
target_link_options(tarvex PRIVATE -nostdlib -nostartfiles -Wl,--subsystem,windows:4.0
                    -Wl,--major-os-version,4 -Wl,--minor-os-version,0 -s)
target_link_libraries(tarvex PRIVATE warnings kernel32 user32 gdi32 gcc)

add_test(NAME import_audit
         COMMAND ${CMAKE_SOURCE_DIR}/tools/audit-imports.sh $<TARGET_FILE:tarvex> ${CMAKE_SOURCE_DIR}/tools/win95)
add_test(NAME no_static_constructors
         COMMAND ${CMAKE_SOURCE_DIR}/tools/check-no-constructors.sh $<TARGET_OBJECTS:tarvex>)
