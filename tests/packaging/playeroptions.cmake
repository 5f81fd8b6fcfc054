# zerval-play's own options: --help prints the usage and the commands, --version the version,
# and an unknown option is refused rather than read as a script's file name.
#   cmake -DPLAYER=zerval-play -DVERSION=0.1 -P playeroptions.cmake
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${PLAYER} --help OUTPUT_VARIABLE help ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    message(FATAL_ERROR "zerval-play --help: status ${status}, errors «${errors}»")
endif()
foreach(part "usage: zerval-play [SCRIPT]" "sep C" "menu CAPTION..." "expect CONTROL TEXT"
             "shot FILE.png" "Exit status")
    string(FIND "${help}" "${part}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "zerval-play --help does not mention «${part}»:\n${help}")
    endif()
endforeach()

execute_process(COMMAND ${PLAYER} --version OUTPUT_VARIABLE version RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version STREQUAL "zerval-play ${VERSION}\n")
    message(FATAL_ERROR "zerval-play --version: status ${status}, printed «${version}»")
endif()

execute_process(COMMAND ${PLAYER} --colour OUTPUT_VARIABLE output ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status EQUAL 2 OR NOT errors MATCHES "unknown option --colour" OR NOT output STREQUAL "")
    message(FATAL_ERROR "zerval-play --colour: status ${status}, printed «${output}», «${errors}»")
endif()
