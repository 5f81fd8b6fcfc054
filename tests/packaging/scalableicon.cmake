# The scalable icon is the same drawing as the painted one: rendered at 256 pixels, it may
# differ from it by antialiasing only.
#   cmake -DSVG=icon.svg -DICONS=zerval-icons -DOUTPUT=picture.png -P scalableicon.cmake
cmake_minimum_required(VERSION 3.25)
find_program(renderer rsvg-convert)
if(NOT renderer)
    message(FATAL_ERROR "rsvg-convert is not installed: run scripts/setup.sh, or apt-get install librsvg2-bin")
endif()
execute_process(COMMAND ${renderer} -w 256 -h 256 ${SVG} -o ${OUTPUT}
                ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "rsvg-convert cannot draw ${SVG}:\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                        ${ICONS} --difference ${OUTPUT}
                OUTPUT_VARIABLE difference OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "zerval-icons --difference ${OUTPUT} failed")
endif()
# Antialiasing alone stays near 0.2; a jaw moved by a few pixels or a changed colour passes 1.
if(difference GREATER 0.5)
    message(FATAL_ERROR "the scalable icon differs from the painted one by ${difference} a channel")
endif()
message("difference: ${difference}")
