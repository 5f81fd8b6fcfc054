# The program itself links no browser engine: the embedded browser is a module loaded on demand.
#   cmake -DPROGRAM=zerval -P nobrowserlink.cmake
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "ldd ${PROGRAM} failed")
endif()
if(libraries MATCHES "WebEngine|libLLVM")
    message(FATAL_ERROR "${PROGRAM} links a browser engine:\n${libraries}")
endif()
