# Benchmarks: a separate command (scripts/bench.sh), not part of the tests, so
# the targets are built only when asked for.

# The start-up floor: an empty window built like bandora.exe.
add_executable(empty_window WIN32 EXCLUDE_FROM_ALL bench/empty_window.cpp)
target_link_options(empty_window PRIVATE -municode)   # entry point wWinMain

# The second floor: the same window with only its six standard controls.
add_executable(controls_floor WIN32 EXCLUDE_FROM_ALL bench/controls_floor.cpp bench/controls_floor.rc)
target_link_options(controls_floor PRIVATE -municode)

# The driver starts bandora.exe, empty_window.exe and notepad.exe, and also
# creates the main window in its own process, so it links the program like the
# tests do.
add_executable(bench_driver EXCLUDE_FROM_ALL bench/bench_driver.cpp $<TARGET_OBJECTS:bandora_resources>)
target_link_libraries(bench_driver PRIVATE bandora_ui psapi winmm)
add_dependencies(bench_driver bandora empty_window controls_floor)
