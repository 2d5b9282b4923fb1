# Native (Linux) build of the platform-free logic: its tests under ASan/UBSan,
# the artwork generator's check, and with clang the libFuzzer targets.

if(BANDORA_FUZZ)
  file(GLOB fuzz_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/fuzz/*_fuzz.cpp)
  foreach(src ${fuzz_sources})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} ${src})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -g)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE bandora_logic)
  endforeach()
  foreach(lib bandora_numbers bandora_logic)
    target_compile_options(${lib} PRIVATE -fsanitize=fuzzer-no-link,address,undefined -g)
  endforeach()
  return()
endif()

foreach(sub model reader writer art)
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${sub}/*_test.cpp)
  if(test_sources)
    add_executable(native_${sub}_tests ${test_sources})
    target_link_libraries(native_${sub}_tests PRIVATE bandora_logic bandora_art GTest::gtest_main)
    gtest_discover_tests(native_${sub}_tests TEST_PREFIX "native." DISCOVERY_MODE PRE_TEST)
  endif()
endforeach()

# The artwork generator is a host tool; its output must be the same bytes on every run.
add_executable(artgen ${CMAKE_SOURCE_DIR}/tools/artgen/artgen.cpp)
target_link_libraries(artgen PRIVATE bandora_art)
add_test(NAME native.artwork.reproducible
  COMMAND ${CMAKE_COMMAND} -DARTGEN=$<TARGET_FILE:artgen> -DOUT=${CMAKE_BINARY_DIR}/artcheck
          -P ${CMAKE_SOURCE_DIR}/cmake/check-artwork.cmake)
