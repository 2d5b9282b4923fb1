# Benchmarks: a separate command (scripts/bench.sh), not part of the tests, so
# the targets are built only when asked for.

# The start-up floor: an empty window built like bandora.exe.
add_executable(empty_window WIN32 EXCLUDE_FROM_ALL bench/empty_window.cpp)
target_link_options(empty_window PRIVATE -municode)   # entry point wWinMain

# The second floor: the same window with only its six standard controls.
add_executable(controls_floor WIN32 EXCLUDE_FROM_ALL bench/controls_floor.cpp bench/controls_floor.rc)
target_link_options(controls_floor PRIVATE -municode)

# The driver starts bandora.exe, empty_window.exe, notepad.exe and the
# timeline build below, and also creates the main window in its own process,
# so it links the program like the tests do.
add_executable(bench_driver EXCLUDE_FROM_ALL bench/bench_driver.cpp
  bench/figures.cpp bench/painted.cpp bench/started_program.cpp bench/start_up_tables.cpp
  bench/timed_start.cpp bench/timeline_table.cpp bench/click_floor.cpp bench/in_process.cpp
  $<TARGET_OBJECTS:bandora_resources>)
target_link_libraries(bench_driver PRIVATE bandora_ui psapi winmm)
add_dependencies(bench_driver bandora empty_window controls_floor)

# The timeline build: the program from the same sources, with the Win32 calls
# that bound the phases of start-up renamed to marked ones by a header forced
# into every source file of this build alone (bench/timeline/), so the
# program's sources hold no marks. The driver's --timeline mode starts it and
# reads the marks back.
add_executable(bandora_timeline WIN32 EXCLUDE_FROM_ALL src/ui/main.cpp src/ui/no_exceptions.cpp
  bench/timeline/marked_calls.cpp
  ${PLATFORM_SOURCES} ${SERVICES_SOURCES} ${GLYPH_SOURCES} ${TIPS_SOURCES} ${SCREEN_READER_SOURCES} ${UI_SOURCES}
  $<TARGET_OBJECTS:bandora_resources>)
target_include_directories(bandora_timeline PRIVATE src)
target_compile_options(bandora_timeline PRIVATE -Wall -Wextra ${BANDORA_PROGRAM_FLAGS}
  -include ${CMAKE_SOURCE_DIR}/bench/timeline/marked_calls.h)
target_link_libraries(bandora_timeline PRIVATE bandora_logic bandora_art user32 gdi32 comctl32 uuid)
target_link_options(bandora_timeline PRIVATE -municode -Wl,--no-insert-timestamp -Wl,--stack,16777216)
add_dependencies(bench_driver bandora_timeline)

# The controls floor with the same marks, for its phases beside Bandora's
# (--timeline RUNS --floor).
add_executable(controls_floor_timeline WIN32 EXCLUDE_FROM_ALL bench/controls_floor.cpp bench/controls_floor.rc
  bench/timeline/marked_calls.cpp)
target_compile_options(controls_floor_timeline PRIVATE -include ${CMAKE_SOURCE_DIR}/bench/timeline/marked_calls.h)
target_link_options(controls_floor_timeline PRIVATE -municode)
add_dependencies(bench_driver controls_floor_timeline)
