# The Windows program (32-bit, mingw-w64, static) and its tests under Wine.

add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0601)
add_compile_options(-municode)
# One self-contained exe: nothing beside Windows' own DLLs, and none of the
# functions and data it does not use (compiled for size: CMakeLists.txt).
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s> -Wl,--gc-sections)

# The pictures are drawn by the program at the display's dpi (src/art); the
# icon is drawn by a small host program at build time and embedded.
set(ART_DIR ${CMAKE_BINARY_DIR}/art)
set(ARTGEN ${CMAKE_BINARY_DIR}/artgen-host)
set(ART_FILES ${ART_DIR}/resistor.bmp ${ART_DIR}/ohm.bmp ${ART_DIR}/gear.bmp
              ${ART_DIR}/about_glyph.bmp ${ART_DIR}/about.bmp ${ART_DIR}/bandora.ico)
find_program(HOST_CXX NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
add_custom_command(OUTPUT ${ARTGEN}
  COMMAND ${HOST_CXX} -std=c++20 -O2 -I${CMAKE_SOURCE_DIR}/src -o ${ARTGEN}
          ${CMAKE_SOURCE_DIR}/tools/artgen/artgen.cpp ${CMAKE_SOURCE_DIR}/src/art/art.cpp
  DEPENDS ${CMAKE_SOURCE_DIR}/tools/artgen/artgen.cpp ${CMAKE_SOURCE_DIR}/src/art/art.cpp ${CMAKE_SOURCE_DIR}/src/art/art.h
  COMMENT "Building the artwork generator (host)")
add_custom_command(OUTPUT ${ART_FILES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${ART_DIR}
  COMMAND ${ARTGEN} ${ART_DIR}
  DEPENDS ${ARTGEN}
  COMMENT "Drawing the artwork")
add_custom_target(artwork DEPENDS ${ART_FILES})

add_library(bandora_resources OBJECT src/ui/bandora.rc)
target_include_directories(bandora_resources PRIVATE ${ART_DIR} src/ui src)
set_source_files_properties(src/ui/bandora.rc PROPERTIES
  OBJECT_DEPENDS "${ART_FILES};${CMAKE_SOURCE_DIR}/src/ui/bandora.manifest;${CMAKE_SOURCE_DIR}/src/ui/resource_ids.h")
add_dependencies(bandora_resources artwork)

file(GLOB PLATFORM_SOURCES CONFIGURE_DEPENDS src/platform/*.cpp)
file(GLOB SERVICES_SOURCES CONFIGURE_DEPENDS src/services/*.cpp)
file(GLOB GLYPH_SOURCES CONFIGURE_DEPENDS src/glyph/*.cpp)
file(GLOB TIPS_SOURCES CONFIGURE_DEPENDS src/tips/*.cpp)
file(GLOB SCREEN_READER_SOURCES CONFIGURE_DEPENDS src/screen_reader/*.cpp)
file(GLOB UI_SOURCES CONFIGURE_DEPENDS src/ui/*.cpp)
list(REMOVE_ITEM UI_SOURCES ${CMAKE_SOURCE_DIR}/src/ui/main.cpp ${CMAKE_SOURCE_DIR}/src/ui/no_exceptions.cpp)

# What the program asks of the system without a form: system DLLs loaded
# from the system folder, the clipboard, menus, the topmost order, the error
# box, the locale's numbers and digits. OLE Automation is loaded at run time
# (services/conversions.cpp), not imported.
add_library(bandora_services STATIC ${SERVICES_SOURCES})
target_include_directories(bandora_services PUBLIC src)
target_link_libraries(bandora_services PUBLIC bandora_numbers user32 gdi32)

# The forms and controls on top of them; each concern added for users in a
# library of its own above them.
add_library(bandora_platform STATIC ${PLATFORM_SOURCES})
target_link_libraries(bandora_platform PUBLIC bandora_services user32 gdi32 comctl32 uuid)

add_library(bandora_glyph STATIC ${GLYPH_SOURCES})
target_link_libraries(bandora_glyph PUBLIC bandora_platform)

add_library(bandora_tips STATIC ${TIPS_SOURCES})
target_link_libraries(bandora_tips PUBLIC bandora_platform)

# oleacc and ole32 are loaded at the first request from a screen reader.
add_library(bandora_screen_reader STATIC ${SCREEN_READER_SOURCES})
target_link_libraries(bandora_screen_reader PUBLIC bandora_platform)

add_library(bandora_ui STATIC ${UI_SOURCES})
target_link_libraries(bandora_ui PUBLIC bandora_glyph bandora_tips bandora_screen_reader bandora_platform
  bandora_art bandora_logic)

foreach(lib bandora_platform bandora_services bandora_glyph bandora_tips bandora_screen_reader bandora_ui)
  target_compile_options(${lib} PRIVATE -Wall -Wextra)
endforeach()

# The program's own code neither throws nor catches, and runs on one thread:
# built without exceptions (nor their unwind tables) and without locks around
# function-local statics, so that none of the C++ library's exception
# machinery and none of the thread library is linked (see
# src/ui/no_exceptions.cpp), and without run-time type information, which
# nothing asks for (the shared pictures are made without make_shared for it,
# src/platform/picture.cpp).
# Sources are named relative to the source folder, so that the same commit
# gives the same bytes whichever folder it is built in.
set(BANDORA_PROGRAM_FLAGS -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-asynchronous-unwind-tables
    -ffile-prefix-map=${CMAKE_SOURCE_DIR}/=)
foreach(lib bandora_numbers bandora_logic bandora_art bandora_platform bandora_services bandora_glyph bandora_tips bandora_screen_reader bandora_ui)
  target_compile_options(${lib} PRIVATE ${BANDORA_PROGRAM_FLAGS})
endforeach()

add_executable(bandora WIN32 src/ui/main.cpp src/ui/no_exceptions.cpp $<TARGET_OBJECTS:bandora_resources>)
target_compile_options(bandora PRIVATE ${BANDORA_PROGRAM_FLAGS})
# No build time in the file's header either (the linker would write it there).
target_link_options(bandora PRIVATE -Wl,--no-insert-timestamp)
# No unwind tables: nothing in the program unwinds (cmake/linker-script.cmake).
include(${CMAKE_SOURCE_DIR}/cmake/linker-script.cmake)
target_link_options(bandora PRIVATE -Wl,-T,${BANDORA_LINKER_SCRIPT})
set_target_properties(bandora PROPERTIES LINK_DEPENDS ${BANDORA_LINKER_SCRIPT})
target_link_libraries(bandora PRIVATE bandora_ui)
target_link_options(bandora PRIVATE -municode)   # entry point wWinMain
# Wine hands a text sent from another process (WM_SETTEXT) over on the
# receiving thread's stack; with the default 2 MB a text of a million
# characters does not fit. Reserved, not committed: it costs no memory.
target_link_options(bandora PRIVATE -Wl,--stack,16777216)
# As Windows' own linker makes a desktop program: for Windows 7 and later
# (subsystem 6.1, so Windows gives it the current frame metrics, not the
# legacy ones of a 4.0 program), aware of terminal sessions, with ASLR and DEP.
target_link_options(bandora PRIVATE -Wl,--major-subsystem-version,6,--minor-subsystem-version,1
                    -Wl,--tsaware,--dynamicbase,--nxcompat)

# Run before the window tests: says in one line when Tahoma is not the real one.
add_executable(fontcheck tools/fontcheck/fontcheck.cpp)

# Tests: one executable per subsystem, run in Wine by CTest. Each links the
# whole program (minus its entry point) and its resources, so a test creates
# the real windows in its own process.
file(GLOB TEST_SUPPORT_SOURCES CONFIGURE_DEPENDS tests/support/*.cpp)
add_library(bandora_test_support STATIC ${TEST_SUPPORT_SOURCES})
target_include_directories(bandora_test_support PUBLIC tests)
# oleaut32: tests compare the conversions with OLE Automation called directly;
# oleacc and ole32: tests read the windows as a screen reader does.
target_link_libraries(bandora_test_support PUBLIC bandora_ui GTest::gtest oleaut32 oleacc ole32)
# Injected into the started program to make one of its calls fail.
add_library(fault_inject SHARED tests/fault/inject.cpp tests/support/fault_injection.cpp)
target_include_directories(fault_inject PRIVATE tests)
set_target_properties(fault_inject PROPERTIES PREFIX "")
target_link_options(fault_inject PRIVATE -static-libgcc -static-libstdc++)
target_compile_definitions(bandora_test_support PUBLIC
  BANDORA_EXE_PATH="$<TARGET_FILE:bandora>" BANDORA_FAULT_DLL_PATH="$<TARGET_FILE:fault_inject>")

# Tests that need the screen, the real mouse or the activation to themselves
# run alone: bandora_discover_tests.
include(${CMAKE_SOURCE_DIR}/cmake/serial-tests.cmake)

# The pictures' own tests run here too: the program's floating point (x87)
# must draw the same 96-dpi pixels as the native build's. The entry point is
# the test support's own (tests/support/gui.cpp), not GoogleTest's.
foreach(sub model reader writer art platform services ui glyph e2e)
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${sub}/*_test.cpp)
  if(test_sources)
    add_executable(${sub}_tests ${test_sources} $<TARGET_OBJECTS:bandora_resources>)
    target_link_libraries(${sub}_tests PRIVATE bandora_test_support GTest::gtest version)
    add_dependencies(${sub}_tests bandora fault_inject)
    bandora_discover_tests(${sub}_tests)
  endif()
endforeach()

# Tests that run again under a locale with a decimal comma (see locale-tests.cmake).
include(${CMAKE_SOURCE_DIR}/cmake/locale-tests.cmake OPTIONAL)
include(${CMAKE_SOURCE_DIR}/cmake/dpi-tests.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/themed-tests.cmake)
include(${CMAKE_SOURCE_DIR}/cmake/bench.cmake)
