# The main window once more at 150 % and 200 %, and with larger text: the
# DpiTest suite in Wine prefixes of their own, made by scripts/wine-env.sh
# with their dpi:
#   source scripts/wine-env.sh <build>/../wine-test-144 test 144
# (at 96 dpi the tests' own prefix). The suite fails loudly when the prefix
# is not at the dpi it expects.
set(BANDORA_DPI_PREFIX_BASE "${CMAKE_BINARY_DIR}/../wine-test" CACHE PATH
    "Wine prefixes for the dpi tests: <base>-144 and <base>-192")
# name, dpi, text scale (none: the system's message font; 1: Windows' own
# 9-point one), set while the window is open
foreach(run "dpi_144;144;;"               "dpi_192;192;;"               "text100_144;144;1;"
            "text150_96;96;1.5;"          "text200_96;96;2;"
            "text150_96_run;96;1.5;run"   "text200_96_run;96;2;run"
            "text150_144;144;1.5;"        "text200_144;144;2;"
            "text150_144_run;144;1.5;run" "text200_144_run;144;2;run")
  list(GET run 0 name)
  list(GET run 1 dpi)
  list(GET run 2 scale)
  list(GET run 3 at)
  set(prefix "${BANDORA_DPI_PREFIX_BASE}-${dpi}")
  if(dpi EQUAL 96)
    set(prefix "${BANDORA_DPI_PREFIX_BASE}")
  endif()
  set(env "WINEPREFIX=${prefix};BANDORA_EXPECT_DPI=${dpi}")
  if(scale)
    list(APPEND env "BANDORA_TEXT_SCALE=${scale}")
  endif()
  if(at)
    list(APPEND env "BANDORA_TEXT_AT=${at}")
  endif()
  add_test(NAME wine.${name} COMMAND ui_tests --gtest_filter=DpiTest.*)
  set_tests_properties(wine.${name} PROPERTIES
    ENVIRONMENT "${env}"
    RUN_SERIAL TRUE   # real mouse clicks on the shared screen
    TIMEOUT 300)
endforeach()
