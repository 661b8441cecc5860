# cmake -D LNKINFO=<lnkinfo> -D FOLDER=<folder> -P check_shell_links.cmake
# Compares every field of the links in FOLDER, as lnkinfo reads them, with what
# shell_helpers_wintest asked CreateShellLink for (see WritesLinksUnderTheirLnkNames there).
if(NOT LNKINFO)
    message(FATAL_ERROR "lnkinfo not found: install the Debian package liblnk-utils")
endif()

# Wine shows the Linux file system as drive Z:; the link stores the Windows path. Expected
# values say <program> for it: a trailing "\" would escape the ";" of a CMake list.
string(REPLACE "/" "\\" program "Z:${FOLDER}/Programm/")
set(problems "")

# Link names as the file system holds them: the extension rule wrote exactly these.
file(GLOB names RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT names)
if(NOT names STREQUAL "Karvelo.lnk;Programm;UnInstall.lnk")
    string(APPEND problems "files in ${FOLDER}: ${names}\n")
endif()

function(check_link name)
    cmake_parse_arguments(L "" "" "FIELDS" ${ARGN})
    set(link "${FOLDER}/${name}")
    execute_process(COMMAND "${LNKINFO}" "${link}" OUTPUT_VARIABLE info RESULT_VARIABLE failed
                    ERROR_VARIABLE errors)
    if(failed)
        set(problems "${problems}${name}: lnkinfo failed: ${errors}\n" PARENT_SCOPE)
        return()
    endif()
    while(L_FIELDS)
        list(POP_FRONT L_FIELDS field expected)
        string(REPLACE "<program>" "${program}" expected "${expected}")
        if(info MATCHES "\n\t${field}\t+: ([^\n]*)")
            set(actual "${CMAKE_MATCH_1}")
        else()
            set(actual "(missing)")
        endif()
        if(NOT actual STREQUAL expected)
            string(APPEND problems "${name}: ${field} is '${actual}', expected '${expected}'\n")
        endif()
    endwhile()
    # Show command (offset 60, 4 bytes) and hot key (offset 64, 2 bytes) of the header,
    # read from the bytes: this lnkinfo prints the show command as 0 whatever the file holds.
    file(READ "${link}" header OFFSET 60 LIMIT 6 HEX)
    if(NOT header STREQUAL "010000000000")
        string(APPEND problems "${name}: show command and hot key bytes are ${header}\n")
    endif()
    set(problems "${problems}" PARENT_SCOPE)
endfunction()

check_link(Karvelo.lnk FIELDS
    "Local path" "<program>karvelo.exe"
    "Command line arguments" "AutoRestart"
    "Working directory" "<program>"
    "Description" "Alarmprotokoll öffnen – 5 €"
    "Icon location" "<program>karvelo.exe"
    "Icon index" "0")
check_link(UnInstall.lnk FIELDS
    "Local path" "<program>karvelo.exe"
    "Command line arguments" "UnInstall"
    "Working directory" "<program>"
    "Description" "Karvelo entfernen"
    "Icon location" "<program>uninstall.ico"
    "Icon index" "0")

if(problems)
    message(FATAL_ERROR "${problems}")
endif()
message(STATUS "Karvelo.lnk and UnInstall.lnk read back correctly with lnkinfo")
