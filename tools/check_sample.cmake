# Converts the sample log with the real karvelo-convert (to a file and to standard output)
# and compares both results byte for byte with the reference, apart from the saving time.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(prefix "")
if(EMULATOR)
    set(prefix "Z:")  # Wine sees the Linux file system as drive Z:
endif()

# Run in the sample's folder with its bare name, so that the source folder line is empty
# whatever the checkout's path is.
get_filename_component(sample_dir "${SAMPLE}" DIRECTORY)
get_filename_component(sample_name "${SAMPLE}" NAME)
execute_process(COMMAND ${EMULATOR} "${CONVERT}" -o "${prefix}${WORK}" "${sample_name}"
                WORKING_DIRECTORY "${sample_dir}" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "karvelo-convert failed (${rc}): ${err}")
endif()
execute_process(COMMAND ${EMULATOR} "${CONVERT}" --stdout "${sample_name}"
                WORKING_DIRECTORY "${sample_dir}" OUTPUT_FILE "${WORK}/stdout.txt" RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "karvelo-convert --stdout failed (${rc})")
endif()

set(time_re "[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] / [0-9][0-9]:[0-9][0-9]:[0-9][0-9]\r\n")
function(read_masked path out)
    file(READ "${path}" hex HEX)
    file(READ "${path}" text)
    string(REGEX REPLACE "${time_re}" "<saving time>\r\n" text "${text}")
    string(LENGTH "${hex}" n)
    set(${out} "${text}" PARENT_SCOPE)
    set(${out}_hexlen ${n} PARENT_SCOPE)
endfunction()

read_masked("${EXPECTED}" expected)
get_filename_component(base "${SAMPLE}" NAME_WLE)
foreach(result "${WORK}/${base}.txt" "${WORK}/stdout.txt")
    read_masked("${result}" got)
    if(NOT got STREQUAL expected OR NOT got_hexlen EQUAL expected_hexlen)
        message(FATAL_ERROR "${result} differs from ${EXPECTED}")
    endif()
endforeach()
message(STATUS "sample converted as expected")
