# The conversion core includes nothing but itself, Qt Core and the standard library: the
# target links Qt Core only, and this catches the includes that its include path would still
# let through (the project's own folders, Qt's module prefixes).
string(REPLACE "|" ";" SOURCES "${SOURCES}")
foreach(file ${SOURCES})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
        if(line MATCHES "\"(platform|app|converters|tools|forms)/"
           OR line MATCHES "<Qt(Widgets|Gui|WebEngine[A-Za-z]*|PrintSupport)/"
           OR line MATCHES "ui_[a-z0-9]+\\.h")
            message(FATAL_ERROR "${file}: ${line} does not belong in the conversion core")
        endif()
        if(line MATCHES "\"kit/([a-z]+)\\.h\"" AND NOT CMAKE_MATCH_1 MATCHES
                                                    "^(checked|numbersyntax|textforms|entryreading)$")
            message(FATAL_ERROR "${file}: ${line} is outside the conversion core")
        endif()
    endforeach()
endforeach()
