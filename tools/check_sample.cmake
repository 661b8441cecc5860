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

# Compared as hex digits, so every byte counts. The saving time line
# "yyyy-mm-dd / hh:mm:ss" CR LF is masked.
set(d "3[0-9]")
set(time_re "${d}${d}${d}${d}2d${d}${d}2d${d}${d}202f20${d}${d}3a${d}${d}3a${d}${d}0d0a")
function(read_masked path out)
    file(READ "${path}" hex HEX)
    string(REGEX REPLACE "${time_re}" "<saving time>" hex "${hex}")
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

read_masked("${EXPECTED}" expected)
get_filename_component(base "${SAMPLE}" NAME_WLE)
foreach(result "${WORK}/${base}.txt" "${WORK}/stdout.txt")
    read_masked("${result}" got)
    if(NOT got STREQUAL expected)
        message(FATAL_ERROR "${result} differs from ${EXPECTED}")
    endif()
endforeach()
message(STATUS "sample converted as expected")
