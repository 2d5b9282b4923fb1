# The readers and the writer once more under a German locale (decimal comma,
# full-stop grouping), made with localedef outside the system's locales:
#   localedef -i de_DE -f UTF-8 <dir>/de_DE.UTF-8
# They run in a Wine prefix of their own, made and started in that locale
# (scripts/test.sh), so its registry never switches locale under them. The
# suites fail loudly when the locale did not take.
set(BANDORA_LOCALE_DIR "${CMAKE_BINARY_DIR}/../locale" CACHE PATH
    "Folder that holds the de_DE.UTF-8 locale for the comma-locale tests")
set(BANDORA_COMMA_PREFIX "${CMAKE_BINARY_DIR}/../wine-test-comma" CACHE PATH
    "Wine prefix for the comma-locale tests, made in that locale")

add_test(NAME wine.comma_locale COMMAND ui_tests --gtest_filter=CommaLocale*)
set_tests_properties(wine.comma_locale PROPERTIES
  ENVIRONMENT "WINEPREFIX=${BANDORA_COMMA_PREFIX};LOCPATH=${BANDORA_LOCALE_DIR};LC_ALL=de_DE.UTF-8;LANG=de_DE.UTF-8;BANDORA_EXPECT_COMMA_LOCALE=1"
  # A Wine process rewrites its prefix's locale settings (registry) to its
  # own locale when it starts, and the first process after such a switch
  # can still read the old ones: hence the prefix of its own. Alone, as it
  # starts that prefix's Wine server and background processes.
  RUN_SERIAL TRUE
  TIMEOUT 300)
