# Runs zerval-play on CASE.play and compares its exit status with CASE.status, its standard
# output with CASE.out and the script errors on its standard error with CASE.err.
execute_process(COMMAND ${PLAYER} ${CASE}.play
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
file(READ ${CASE}.status expected_status)
string(STRIP "${expected_status}" expected_status)
if(NOT status STREQUAL expected_status)
    message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${output}\n${errors}")
endif()
file(READ ${CASE}.out expected_output)
if(NOT output STREQUAL expected_output)
    message(FATAL_ERROR "standard output differs; it was:\n${output}")
endif()
# Qt may add warnings of its own; only the script's errors are compared.
string(REGEX MATCHALL "ERROR [^\n]*\n" script_errors "${errors}")
string(JOIN "" script_errors ${script_errors})
set(expected_errors "")
if(EXISTS ${CASE}.err)
    file(READ ${CASE}.err expected_errors)
endif()
if(NOT script_errors STREQUAL expected_errors)
    message(FATAL_ERROR "script errors differ; they were:\n${script_errors}")
endif()
