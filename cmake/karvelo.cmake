# Build settings shared by every target of both worlds (native and Windows).
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_compile_options(-Wall -Wextra)

# Product texts are Windows-1252 bytes at run time while the sources stay UTF-8.
# clang only knows UTF-8 as execution charset; it is used for the fuzz build alone,
# where the bytes of the literals do not matter.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_compile_options(-finput-charset=UTF-8 -fexec-charset=CP1252)
endif()

if(WIN32)
    enable_language(RC)
    # Runtime linked statically: the .exe files need no DLL beside them.
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

if(KARVELO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(KARVELO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(KARVELO_TESTS)
    if(WIN32)
        # GoogleTest is cross-built from the Debian sources.
        set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
        foreach(lib gtest gtest_main gmock)
            if(NOT TARGET GTest::${lib})
                add_library(GTest::${lib} ALIAS ${lib})
            endif()
        endforeach()
    else()
        find_package(GTest REQUIRED)
        include(GoogleTest)
    endif()
endif()

# karvelo_test(<name> SOURCES <files...> LIBS <targets...>)
# A GoogleTest program. Natively every test case becomes a ctest test; in the Windows
# world the whole program is one ctest test run under Wine (the cross-compiling emulator).
function(karvelo_test name)
    if(NOT KARVELO_TESTS)
        return()
    endif()
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
    # Wine sees the Linux file system as drive Z:.
    set(testdata "${CMAKE_CURRENT_SOURCE_DIR}/testdata/")
    if(WIN32)
        set(testdata "Z:${testdata}")
    endif()
    target_compile_definitions(${name} PRIVATE KARVELO_TESTDATA="${testdata}")
    if(WIN32)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES LABELS wine)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30 PROPERTIES LABELS native)
    endif()
endfunction()

# karvelo_embed(<target> <id> <file or target> [<id> <file or target> ...])
# Carries files inside a Windows program as RCDATA resources with the given numbers (see
# common/resources.hpp); a built target is embedded by its name and built first.
function(karvelo_embed target)
    set(items ${ARGN})
    set(rc_text "")
    set(depends "")
    while(items)
        list(POP_FRONT items id item)
        if(TARGET ${item})
            # A copy at a fixed path: the resource compiler needs a plain file name, and the
            # copy is remade whenever the embedded program is rebuilt.
            set(file "${CMAKE_CURRENT_BINARY_DIR}/payload/${target}_${id}.bin")
            add_custom_command(OUTPUT "${file}"
                COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:${item}>" "${file}"
                DEPENDS ${item}
                COMMENT "Embedding ${item} into ${target}")
            target_sources(${target} PRIVATE "${file}")
        else()
            set(file "${item}")
        endif()
        string(APPEND rc_text "${id} RCDATA \"${file}\"\n")
        list(APPEND depends "${file}")
    endwhile()
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_payload.rc")
    file(WRITE "${rc}" "${rc_text}")
    target_sources(${target} PRIVATE "${rc}")
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${depends}")
endfunction()

# karvelo_program_resources(<target> <description> <icon file>)
# Version resource and icon of a Windows program.
function(karvelo_program_resources target description icon)
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc")
    get_target_property(name ${target} OUTPUT_NAME)
    if(NOT name)
        set(name ${target})
    endif()
    file(WRITE "${rc}" "#include <winver.h>
1 ICON \"${icon}\"
1 VERSIONINFO
FILEVERSION ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0
PRODUCTVERSION ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0
FILEOS VOS_NT_WINDOWS32
FILETYPE VFT_APP
BEGIN
  BLOCK \"StringFileInfo\"
  BEGIN
    BLOCK \"040704E4\"
    BEGIN
      VALUE \"CompanyName\", \"Brenmoor\"
      VALUE \"FileDescription\", \"${description}\"
      VALUE \"FileVersion\", \"V001.000.015\"
      VALUE \"OriginalFilename\", \"${name}.exe\"
      VALUE \"ProductName\", \"Karvelo\"
      VALUE \"ProductVersion\", \"V001.000.015\"
    END
  END
  BLOCK \"VarFileInfo\"
  BEGIN
    VALUE \"Translation\", 0x407, 1252
  END
END
")
    target_sources(${target} PRIVATE "${rc}")
endfunction()
