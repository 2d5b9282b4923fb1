# The glyph buttons once more under visual styles, as Windows users see them
# by default: in a Wine prefix of its own with the light theme on, made by
#   source scripts/wine-env.sh <build>/../wine-test-themed test 96 themed
# The other prefixes keep the classic look their pixel baselines expect; the
# theme is read when a process starts, so it takes a prefix, not a setting of
# the test. The test fails loudly when its buttons are not themed.
set(BANDORA_THEMED_PREFIX "${CMAKE_BINARY_DIR}/../wine-test-themed" CACHE PATH
    "Wine prefix with visual styles on, for the themed glyph test")
add_test(NAME wine.themed_glyphs
         COMMAND ui_tests --gtest_filter=Form1Test.HighContrastTakesTheSystemColoursWhileTheDataKeepsItsOwn)
set_tests_properties(wine.themed_glyphs PROPERTIES
  ENVIRONMENT "WINEPREFIX=${BANDORA_THEMED_PREFIX};BANDORA_EXPECT_THEMED=1"
  TIMEOUT 300)
