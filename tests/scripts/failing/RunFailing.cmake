# Runs tarvik-script (RUNNER) on a script that must fail (SCRIPT) and compares what it prints
# with the .expected file beside the script, in which FILE stands for the script's path. The
# exit status must not be 0. The runner's test window is open, as for the runner's own scripts.
execute_process(COMMAND ${RUNNER} --test-window ${SCRIPT} OUTPUT_VARIABLE output RESULT_VARIABLE status)
if(status EQUAL 0)
  message(FATAL_ERROR "tarvik-script reported success for ${SCRIPT}:\n${output}")
endif()
string(REPLACE "${SCRIPT}" "FILE" output "${output}")
string(REGEX REPLACE "\\.tvs$" ".expected" expected_file "${SCRIPT}")
file(READ ${expected_file} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "tarvik-script printed\n${output}\nwhere this was expected\n${expected}")
endif()
