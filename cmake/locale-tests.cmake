# The readers and the writer once more under a German locale (decimal comma,
# full-stop grouping), made with localedef outside the system's locales:
#   localedef -i de_DE -f UTF-8 <dir>/de_DE.UTF-8
# The suites fail loudly when the locale did not take.
set(BANDORA_LOCALE_DIR "${CMAKE_BINARY_DIR}/../locale" CACHE PATH
    "Folder that holds the de_DE.UTF-8 locale for the comma-locale tests")

add_test(NAME wine.comma_locale COMMAND ui_tests --gtest_filter=CommaLocale*)
set_tests_properties(wine.comma_locale PROPERTIES
  ENVIRONMENT "LOCPATH=${BANDORA_LOCALE_DIR};LC_ALL=de_DE.UTF-8;LANG=de_DE.UTF-8;BANDORA_EXPECT_COMMA_LOCALE=1"
  # Every Wine process rewrites the prefix's user locale settings (registry)
  # to its own locale when it starts: keep other tests from running alongside.
  RUN_SERIAL TRUE
  TIMEOUT 300)
