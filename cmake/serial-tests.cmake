# Tests that run alone. The end-to-end tests click with the real mouse on the
# one shared screen: no other test's window may take their clicks, and their
# clicks may land on no other test's window. So may the in-process tests that
# use the real pointer, and the ones that need their window to be the active
# one (a balloon or a hover tip shows only then, and the keyboard focus, the
# caret and the focus rectangle go with the activation): any other test that
# shows a window takes the activation from them.
#
# Such a test says so where it is declared: ALONE_TEST_F in place of TEST_F
# (tests/support/gui.h). The mark is part of the declaration, so it goes
# wherever the test goes, under any name; the helpers that click or move the
# real pointer or read a balloon fail a test declared without it.
#
# The test executable knows which of its tests carry the mark, and CTest
# learns it from the executable: gtest_discover_tests (PRE_TEST) lists each
# executable's tests twice when ctest runs, once with the filter "@alone" and
# once with "@shared", two words that the executables' own entry point
# (tests/support/gui.cpp) turns into the tests declared with ALONE_TEST_F and
# all the others. The first list gets RUN_SERIAL and the label "alone"
# (ctest -L alone / -LE alone), the second neither.
#
# Every test in tests/e2e runs alone, whatever its declaration: it drives
# the real program or the real mouse, so the whole executable's tests get
# RUN_SERIAL and the label.
function(bandora_discover_tests target)
  set(discovery TEST_PREFIX "wine." DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  if(target STREQUAL "e2e_tests")
    gtest_discover_tests(${target} ${discovery}
      PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE LABELS alone)
    return()
  endif()
  gtest_discover_tests(${target} ${discovery} TEST_FILTER "@shared" TEST_LIST ${target}_SHARED
    PROPERTIES TIMEOUT 300)
  gtest_discover_tests(${target} ${discovery} TEST_FILTER "@alone" TEST_LIST ${target}_ALONE
    PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE LABELS alone)
endfunction()
