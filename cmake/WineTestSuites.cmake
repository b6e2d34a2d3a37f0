# orvo_add_wine_test_suites(TARGET TIMEOUT): the GoogleTest program TARGET
# runs under Wine as one CTest test per suite, each allowed TIMEOUT seconds.
# The suites are listed when CTest starts (cmake/ListWineTestSuites.cmake), as
# gtest_discover_tests lists cases; a case per test would start a Wine process
# for each case, about a second apiece.
function(orvo_add_wine_test_suites target timeout)
    set(include_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_suites.cmake)
    file(GENERATE OUTPUT ${include_file} CONTENT
"set(orvo_suites_name [==[${target}]==])
set(orvo_suites_program [==[$<TARGET_FILE:${target}>]==])
set(orvo_suites_emulator [==[${CMAKE_CROSSCOMPILING_EMULATOR}]==])
set(orvo_suites_timeout ${timeout})
include([==[${PROJECT_SOURCE_DIR}/cmake/ListWineTestSuites.cmake]==])
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include_file})
endfunction()
