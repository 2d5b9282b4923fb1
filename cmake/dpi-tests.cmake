# The main window once more at 150 % and 200 %, and with larger text: the
# DpiTest suite in Wine prefixes of their own, made by scripts/wine-env.sh
# with their dpi (at 96 dpi, the tests' own):
#   source scripts/wine-env.sh <build>/../wine-test-144 test 144
# The suite fails loudly when the prefix is not at the dpi it expects.
set(BANDORA_DPI_PREFIX_BASE "${CMAKE_BINARY_DIR}/../wine-test" CACHE PATH
    "Wine prefixes for the dpi tests: <base>-144 and <base>-192")
# Each: the dpi, then the message font's scale if set (1: Windows' 9 points),
# then "run" if set once the window is open.
foreach(run "144" "192" "144 1" "96 1.5" "96 2" "96 1.5 run" "96 2 run" "144 1.5" "144 2" "144 1.5 run" "144 2 run")
  string(REGEX MATCH "^[0-9]+" dpi "${run}")
  set(prefix "${BANDORA_DPI_PREFIX_BASE}")
  if(NOT dpi EQUAL 96)
    string(APPEND prefix "-${dpi}")
  endif()
  string(REPLACE " " "_" name "${run}")
  add_test(NAME wine.dpi_${name} COMMAND ui_tests --gtest_filter=DpiTest.*)
  set_tests_properties(wine.dpi_${name} PROPERTIES
    ENVIRONMENT "WINEPREFIX=${prefix};BANDORA_EXPECT_DPI=${run}"
    RUN_SERIAL TRUE   # real mouse clicks on the shared screen
    TIMEOUT 300)
endforeach()
