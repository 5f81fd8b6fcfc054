# Installs the build into a staging folder, as a package would, and checks what it holds:
# exactly the expected files, icons of the sizes their folders name, a desktop entry that
# starts the installed program with the installed icon, manual pages that format cleanly,
# and an installed player that runs. The desktop validators then read the staged files.
#   cmake -DBUILD=build -DSTAGE=folder -DEXPECTED=installed-files.txt -DID=... -DBINDIR=...
#         -DLIBDIR=... -DDATADIR=... -DMANDIR=... -DBROWSER=ON|OFF -DVERSION=... -P installtree.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/filelist.cmake)

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${STAGE}/usr
                OUTPUT_VARIABLE log ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed:\n${log}${errors}")
endif()
set(root ${STAGE}/usr)

file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
list(SORT installed)
expected_files(expected)
compare_file_lists("The installed files differ from packaging/installed-files.txt" "${expected}"
                   "${installed}")

# Each PNG is as large as its folder says (the width and height of its header).
foreach(file ${installed})
    if(file MATCHES "/([0-9]+)x([0-9]+)/apps/[^/]+\\.png$")
        math(EXPR size_hex "${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
        string(SUBSTRING "${size_hex}" 2 -1 size_hex)
        string(LENGTH "${size_hex}" digits)
        math(EXPR padding "8 - ${digits}")
        string(REPEAT "0" ${padding} zeros)
        file(READ ${root}/${file} header OFFSET 0 LIMIT 24 HEX)
        if(NOT header MATCHES "^89504e470d0a1a0a0000000d49484452${zeros}${size_hex}${zeros}${size_hex}$")
            message(FATAL_ERROR "${file} is not a ${CMAKE_MATCH_1}-pixel PNG: ${header}")
        endif()
    endif()
endforeach()

# The desktop entry starts the installed program and shows the installed icon.
file(STRINGS ${root}/${DATADIR}/applications/${ID}.desktop entry)
foreach(key "Exec=zerval" "Icon=${ID}")
    if(NOT key IN_LIST entry)
        message(FATAL_ERROR "the desktop entry lacks the line ${key}")
    endif()
endforeach()

# The manual pages format without a warning.
find_program(groff groff)
if(NOT groff)
    message(FATAL_ERROR "groff is not installed: run scripts/setup.sh, or apt-get install groff-base")
endif()
foreach(page zerval zerval-play)
    execute_process(COMMAND gzip -dc ${root}/${MANDIR}/man1/${page}.1.gz
                    COMMAND ${groff} -man -Tutf8 -ww -z
                    ERROR_VARIABLE warnings RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
        message(FATAL_ERROR "the manual page ${page}(1) does not format cleanly:\n${warnings}")
    endif()
endforeach()

execute_process(COMMAND ${root}/${BINDIR}/zerval-play --version OUTPUT_VARIABLE version
                RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT version STREQUAL "zerval-play ${VERSION}\n")
    message(FATAL_ERROR "the installed zerval-play --version: status ${status}, «${version}»")
endif()
