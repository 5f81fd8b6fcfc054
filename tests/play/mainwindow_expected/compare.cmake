# Runs the player on SCRIPT and compares what it prints, less its closing count of checks,
# with the EXPECTED file; the output is kept in ACTUAL for a look when they differ.
#
#   cmake -DPLAYER=zerval-play -DSCRIPT=menus.script -DEXPECTED=menus.txt -DACTUAL=out.txt
#         -P compare.cmake

foreach(variable PLAYER SCRIPT EXPECTED ACTUAL)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "compare.cmake: ${variable} is not set")
    endif()
endforeach()

execute_process(COMMAND "${PLAYER}" "${SCRIPT}"
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "zerval-play ${SCRIPT} ended with status ${status}\n${errors}")
endif()

string(REGEX REPLACE "[0-9]+ passed, [0-9]+ failed\n$" "" output "${output}")
file(WRITE "${ACTUAL}" "${output}")

execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${ACTUAL}" "${EXPECTED}"
                RESULT_VARIABLE different)
if(different)
    find_program(DIFF diff)
    if(DIFF)
        execute_process(COMMAND "${DIFF}" -u "${EXPECTED}" "${ACTUAL}")
    endif()
    message(FATAL_ERROR "${ACTUAL} differs from ${EXPECTED}")
endif()
