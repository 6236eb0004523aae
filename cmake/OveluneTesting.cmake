# ovelune_add_test(<name> SOURCES <files...> [LIBS <targets...>] [JACK] [TIMEOUT <s>] [LABELS <l...>])
#
# Builds a Qt Test executable and registers it with CTest. Every test runs through
# tests/run_isolated.sh: headless Qt, its own empty settings location, and with JACK
# a private JACK server on the dummy driver that lives exactly as long as the test.
function(ovelune_add_test name)
    cmake_parse_arguments(T "JACK" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    ovelune_target_warnings(${name})
    set(wrapper_args)
    if(T_JACK)
        list(APPEND wrapper_args --jack)
    endif()
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/run_isolated.sh ${wrapper_args} -- $<TARGET_FILE:${name}>)
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}")
endfunction()
