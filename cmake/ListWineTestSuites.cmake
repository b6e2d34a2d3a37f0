# Read by CTest when it starts (a test include file that
# orvo_add_wine_test_suites makes, cmake/WineTestSuites.cmake): lists the
# suites of a GoogleTest program under Wine and adds one test per suite, run
# with --gtest_filter=Suite.*. Starting a Wine process costs about a second,
# so one test per case would spend most of the run starting Wine; a suite's
# cases share one process, as GoogleTest runs them anyway.
#
# Set by the file that includes this one: orvo_suites_program (the .exe),
# orvo_suites_name (the target's name), orvo_suites_emulator
# (scripts/wine-run), orvo_suites_timeout (seconds a suite may take).
if(NOT EXISTS "${orvo_suites_program}")
    # Not built yet: CTest says "Not Run" for it rather than leaving it out.
    add_test("${orvo_suites_name}" "${orvo_suites_program}")
    return()
endif()
execute_process(COMMAND "${orvo_suites_emulator}" "${orvo_suites_program}" --gtest_list_tests
                OUTPUT_VARIABLE orvo_suites_listing
                ERROR_VARIABLE orvo_suites_error
                RESULT_VARIABLE orvo_suites_status
                TIMEOUT 120)
if(NOT orvo_suites_status EQUAL 0)
    # The program does not start under Wine: one test that fails, and says why.
    add_test("${orvo_suites_name}.ListSuites" "${orvo_suites_emulator}" "${orvo_suites_program}" --gtest_list_tests)
    message(WARNING "${orvo_suites_program} --gtest_list_tests failed (${orvo_suites_status}): ${orvo_suites_error}")
    return()
endif()
string(REPLACE "\r" "" orvo_suites_listing "${orvo_suites_listing}")
string(REPLACE "\n" ";" orvo_suites_lines "${orvo_suites_listing}")
foreach(line IN LISTS orvo_suites_lines)
    # A suite's line starts in the first column: "Suite." or "Prefix/Suite.",
    # for typed suites followed by "  # TypeParam = ...".
    if(line MATCHES "^([^ #][^ ]*)\\.")
        set(suite "${CMAKE_MATCH_1}")
        add_test("${suite}" "${orvo_suites_emulator}" "${orvo_suites_program}" "--gtest_filter=${suite}.*")
        set_tests_properties("${suite}" PROPERTIES TIMEOUT ${orvo_suites_timeout})
    endif()
endforeach()
