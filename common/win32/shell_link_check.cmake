# The links that shell_helpers_wintest writes are read back from outside, on Linux, with
# lnkinfo (Debian package liblnk-utils), which knows neither our code nor Wine's.
if(KARVELO_TESTS AND TARGET shell_helpers_wintest)
    find_program(KARVELO_LNKINFO lnkinfo)
    set(link_folder "${CMAKE_CURRENT_BINARY_DIR}/shell-links")
    set_property(TEST shell_helpers_wintest APPEND PROPERTY
        ENVIRONMENT "KARVELO_LINK_CHECK_FOLDER=Z:${link_folder}")
    set_property(TEST shell_helpers_wintest APPEND PROPERTY FIXTURES_SETUP shell_links)
    add_test(NAME shell_links_lnkinfo
        COMMAND ${CMAKE_COMMAND} -D "LNKINFO=${KARVELO_LNKINFO}" -D "FOLDER=${link_folder}"
                -P ${CMAKE_CURRENT_LIST_DIR}/check_shell_links.cmake)
    set_tests_properties(shell_links_lnkinfo PROPERTIES FIXTURES_REQUIRED shell_links LABELS wine)
endif()
