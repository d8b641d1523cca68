# Runs the scenario runner on the fixtures in FIXTURES. Each fixture says in its first line what
# the runner must report for it:
#   # selftest: PASS
#   # selftest: FAIL LINE FRAGMENT     (the FAIL line names LINE and contains FRAGMENT)
# Then all fixtures run together: the totals must add up and the exit code must say "failed".

file(GLOB fixtures ${FIXTURES}/*.scn)
list(SORT fixtures)
set(problems "")
set(expected_passes 0)
set(expected_failures 0)

foreach(fixture ${fixtures})
  file(STRINGS ${fixture} header LIMIT_COUNT 1)
  if(NOT header MATCHES "^# selftest: (PASS|FAIL ([0-9]+) (.*))$")
    string(APPEND problems "${fixture}: no '# selftest:' first line\n")
    continue()
  endif()
  set(verdict ${CMAKE_MATCH_1})
  set(line ${CMAKE_MATCH_2})
  set(fragment "${CMAKE_MATCH_3}")
  execute_process(COMMAND ${RUNNER} ${fixture} RESULT_VARIABLE code OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(verdict STREQUAL "PASS")
    math(EXPR expected_passes "${expected_passes} + 1")
    if(NOT code EQUAL 0 OR NOT output MATCHES "PASS ${fixture}\n1 passed, 0 failed\n")
      string(APPEND problems "${fixture}: expected PASS and exit 0, saw exit ${code}:\n${output}${errors}\n")
    endif()
  else()
    math(EXPR expected_failures "${expected_failures} + 1")
    string(FIND "${output}" "FAIL ${fixture}:${line}: " at)
    string(FIND "${output}" "${fragment}" fragment_at)
    if(code EQUAL 0 OR at EQUAL -1 OR fragment_at EQUAL -1
       OR NOT output MATCHES "0 passed, 1 failed\n")
      string(APPEND problems
             "${fixture}: expected FAIL at line ${line} with '${fragment}' and a non-zero exit, saw exit ${code}:\n${output}${errors}\n")
    endif()
  endif()
endforeach()

execute_process(COMMAND ${RUNNER} ${fixtures} RESULT_VARIABLE code OUTPUT_VARIABLE output
                ERROR_VARIABLE errors)
if(code EQUAL 0 OR NOT output MATCHES "${expected_passes} passed, ${expected_failures} failed\n$")
  string(APPEND problems "all fixtures at once: expected '${expected_passes} passed, ${expected_failures} failed' and a non-zero exit, saw exit ${code}:\n${output}${errors}\n")
endif()

if(problems)
  message(FATAL_ERROR "${problems}")
endif()
list(LENGTH fixtures count)
message(STATUS "${count} fixtures reported as expected")
