# Read by ctest when it runs (a test include file written by plessard_gtest_suites): adds one
# test for each suite of the GoogleTest program `program`, which runs every case of the suite
# in one start of the program. The suites are asked of the program itself, through `emulator`
# when it is built for another system, and kept in `list_file` until the program is rebuilt.
# Each test costs ctest a process start, so a suite is the unit rather than a case; a failing
# case names itself in the test's output.
if(NOT EXISTS "${program}")
  add_test("${prefix}not_built" "${program}")
  return()
endif()

if(NOT EXISTS "${list_file}" OR "${program}" IS_NEWER_THAN "${list_file}")
  execute_process(
    COMMAND ${emulator} "${program}" --gtest_list_tests
    WORKING_DIRECTORY "${working_directory}"
    OUTPUT_VARIABLE listing
    ERROR_VARIABLE errors
    RESULT_VARIABLE result
    TIMEOUT 120)
  if(NOT result EQUAL 0)
    message(WARNING "${program} --gtest_list_tests failed (${result}): ${errors}")
    add_test("${prefix}not_listed" "${program}" --gtest_list_tests)
    return()
  endif()
  # Suites stand at the start of a line ("Values/FmtTable.  # TypeParam ..."), their cases
  # indented below them.
  string(REPLACE "\r" "" listing "${listing}")
  string(REGEX REPLACE "\n" ";" lines "${listing}")
  set(suites "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ #][^ ]*)\\.")
      list(APPEND suites "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  list(JOIN suites "\n" text)
  file(WRITE "${list_file}" "${text}\n")
endif()

file(STRINGS "${list_file}" suites)
foreach(suite IN LISTS suites)
  add_test("${prefix}${suite}" ${emulator} "${program}" "--gtest_filter=${suite}.*")
  set_tests_properties("${prefix}${suite}" PROPERTIES WORKING_DIRECTORY "${working_directory}")
endforeach()
