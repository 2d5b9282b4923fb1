# The main window once more at 150 % and 200 %: the DpiTest suite in Wine
# prefixes of their own, made by scripts/wine-env.sh with their dpi:
#   source scripts/wine-env.sh <build>/../wine-test-144 test 144
# The suite fails loudly when the prefix is not at the dpi it expects.
set(BANDORA_DPI_PREFIX_BASE "${CMAKE_BINARY_DIR}/../wine-test" CACHE PATH
    "Wine prefixes for the dpi tests: <base>-144 and <base>-192")
foreach(dpi 144 192)
  add_test(NAME wine.dpi_${dpi} COMMAND ui_tests --gtest_filter=DpiTest.*)
  set_tests_properties(wine.dpi_${dpi} PROPERTIES
    ENVIRONMENT "WINEPREFIX=${BANDORA_DPI_PREFIX_BASE}-${dpi};BANDORA_EXPECT_DPI=${dpi}"
    RUN_SERIAL TRUE   # real mouse clicks on the shared screen
    TIMEOUT 300)
endforeach()
