# Run after a test program is built (cmake -P): lists its tests and writes one ctest entry per
# test suite, so ctest starts the program once per suite instead of once per test.
#   TEST_EXECUTABLE  the program
#   TEST_NAME        the prefix of the entries ("tests_app")
#   CTEST_FILE       the file of add_test calls to write
#   LABEL            the label of every suite ...
#   OTHER_LABELS     ... but those given as "Suite=label;Suite=label"
#   WORKING_DIR      where the tests run
set(ENV{QT_QPA_PLATFORM} offscreen)
execute_process(COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests
  WORKING_DIRECTORY "${WORKING_DIR}"
  OUTPUT_VARIABLE listing RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TEST_EXECUTABLE} --gtest_list_tests failed (${status}):\n${listing}")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
  # A suite's line starts in the first column and ends its name with a full stop
  # ("CalculateTest.", "N/CsvForDefaults.  # TypeParam = ..."); its tests are indented below it.
  if(line MATCHES "^([^ #][^ ]*)\\.")
    set(suite "${CMAKE_MATCH_1}")
    set(label "${LABEL}")
    foreach(other IN LISTS OTHER_LABELS)
      if(other MATCHES "^${suite}=(.+)$")
        set(label "${CMAKE_MATCH_1}")
      endif()
    endforeach()
    set(name "${TEST_NAME}.${suite}")
    string(APPEND content
      "add_test([=[${name}]=] [=[${TEST_EXECUTABLE}]=] [=[--gtest_filter=${suite}.*]=])\n"
      "set_tests_properties([=[${name}]=] PROPERTIES WORKING_DIRECTORY [=[${WORKING_DIR}]=] "
      "ENVIRONMENT QT_QPA_PLATFORM=offscreen LABELS ${label})\n")
  endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${content}")
