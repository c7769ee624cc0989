# Every test runs in a home folder of its own (tests/support/scratch-home),
# and two tests around the whole suite show that the home it ran in was
# left as it was (tests/support/home-sentinel).
set(QTR70_SCRATCH_HOME ${PROJECT_SOURCE_DIR}/tests/support/scratch-home)
set(QTR70_HOME_FIXTURE user_home)

# qtr70_add_test(NAME name [WORKING_DIRECTORY dir] COMMAND program args...):
# add_test() with the command run in a scratch home.
function(qtr70_add_test)
  cmake_parse_arguments(T "" "NAME;WORKING_DIRECTORY" "COMMAND" ${ARGN})
  set(directory)
  if(T_WORKING_DIRECTORY)
    set(directory WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${QTR70_SCRATCH_HOME} ${T_COMMAND} ${directory})
  set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED ${QTR70_HOME_FIXTURE})
endfunction()
