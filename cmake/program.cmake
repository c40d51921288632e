# The program: no C runtime, imports from KERNEL32, USER32 and GDI32 only. The
# 32-bit flavour, which ships, is i486 code with subsystem and OS version 4.0, so
# that Windows 95 loads it; the 64-bit one asks for 5.2, the lowest that x64
# Windows accepts.
enable_language(RC)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
  set(processor -march=i486)
  set(windows_major 4)
  set(windows_minor 0)
else()
  set(processor)
  set(windows_major 5)
  set(windows_minor 2)
endif()
add_executable(tarvex WIN32 app/winmain.cpp app/startup.cpp base/message_box_win32.cpp base/help_win32.cpp ${CORE} ${WIN32_SHELL})
target_compile_definitions(tarvex PRIVATE _WIN32_WINNT=0x0400 WINVER=0x0400 WIN32_LEAN_AND_MEAN)
target_compile_options(tarvex PRIVATE ${processor} -Os -fno-exceptions -fno-rtti -fno-threadsafe-statics
                       -fno-asynchronous-unwind-tables -fno-stack-protector)
# The compiler must not turn our own memset and memcpy into calls of themselves.
set_source_files_properties(app/startup.cpp PROPERTIES COMPILE_OPTIONS -fno-tree-loop-distribute-patterns)
target_link_options(tarvex PRIVATE -nostdlib -nostartfiles -Wl,--subsystem,windows:${windows_major}.${windows_minor}
                    -Wl,--major-os-version,${windows_major} -Wl,--minor-os-version,${windows_minor} -s)
target_link_libraries(tarvex PRIVATE warnings kernel32 user32 gdi32 gcc)

# The start-up benchmark's yardstick: a bare dialog program built the same way.
add_executable(bare_dialog WIN32 EXCLUDE_FROM_ALL tools/startup/bare_dialog.cpp resources/tarvex.rc
                                 app/startup.cpp)
foreach(property COMPILE_DEFINITIONS COMPILE_OPTIONS LINK_OPTIONS LINK_LIBRARIES)
  get_target_property(value tarvex ${property})
  set_target_properties(bare_dialog PROPERTIES ${property} "${value}")
endforeach()

# The logo is looked for beside the program.
add_custom_command(TARGET tarvex POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/resources/VELKLOGO.DIB $<TARGET_FILE_DIR:tarvex>)

add_test(NAME import_audit
         COMMAND ${CMAKE_SOURCE_DIR}/tools/audit-imports.sh $<TARGET_FILE:tarvex> ${CMAKE_SOURCE_DIR}/tools/win95)
add_test(NAME no_static_constructors
         COMMAND ${CMAKE_SOURCE_DIR}/tools/check-no-constructors.sh $<TARGET_OBJECTS:tarvex>)
set_tests_properties(import_audit no_static_constructors PROPERTIES ENVIRONMENT OBJDUMP=${CMAKE_OBJDUMP})

# The help, written once: the help file with its contents file, the read-me and
# the HTML version (for Windows without a viewer of .HLP files), all beside the
# program under the 8.3 names that the source gives them.
set(HELP_SOURCE ${CMAKE_SOURCE_DIR}/docs/tarvex.but)
set(HELP_FILES VELKTRVX.HLP VELKTRVX.CNT README.TXT VELKTRVX.HTM)
add_custom_command(OUTPUT ${HELP_FILES}
  COMMAND halibut --winhelp --text --html ${HELP_SOURCE}
  COMMAND ${CMAKE_COMMAND} -E rename VELKTRVX.cnt VELKTRVX.CNT # Halibut's contents file is lower case
  DEPENDS ${HELP_SOURCE}
  COMMENT "Making the help")
add_custom_target(tarvex_help ALL DEPENDS ${HELP_FILES})

# The release: the program, its logo, its help and read-me in one zip, which is
# unpacked on Windows 95 too: 8.3 names, and Windows line ends for the read-me.
add_custom_target(release
  COMMAND ${CMAKE_COMMAND} -E rm -f tarvex.zip
  COMMAND zip -q -j tarvex.zip $<TARGET_FILE:tarvex> ${CMAKE_SOURCE_DIR}/resources/VELKLOGO.DIB VELKTRVX.HLP
          VELKTRVX.CNT VELKTRVX.HTM
  COMMAND zip -q -j -l tarvex.zip README.TXT
  DEPENDS tarvex tarvex_help
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
  COMMENT "Packing tarvex.zip")
