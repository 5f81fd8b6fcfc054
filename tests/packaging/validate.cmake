# Runs a desktop validator on an installed file; every remark it makes fails the test.
#   cmake -DTOOL=desktop-file-validate -DPACKAGE=desktop-file-utils [-DARGUMENTS=a;b]
#         -DFILE=file -P validate.cmake
cmake_minimum_required(VERSION 3.25)
find_program(tool_path ${TOOL})
if(NOT tool_path)
    message(FATAL_ERROR "${TOOL} is not installed: run scripts/setup.sh, or apt-get install ${PACKAGE}")
endif()
if(NOT EXISTS "${FILE}")
    message(FATAL_ERROR "${FILE} is missing: the install step did not write it")
endif()
execute_process(COMMAND ${tool_path} ${ARGUMENTS} ${FILE}
                OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
message("${output}${errors}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${TOOL} rejects ${FILE}")
endif()
# desktop-file-validate prints its warnings and hints but still succeeds.
if(TOOL STREQUAL "desktop-file-validate" AND NOT "${output}${errors}" STREQUAL "")
    message(FATAL_ERROR "${TOOL} has remarks on ${FILE}")
endif()
