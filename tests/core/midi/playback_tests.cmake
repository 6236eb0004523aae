# tests of input devices, stream players, timer, connector and listener
foreach(t tst_midi_device tst_stream_player tst_connector tst_player_timing)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${t}.cpp)
        ovelune_add_test(${t} SOURCES ${t}.cpp LIBS ovelune_core LABELS engine)
    endif()
endforeach()

# ThreadSanitizer builds: make the uninstrumented system Qt's mutexes visible to the
# sanitizer, and pass over what happens inside Qt alone.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=thread")
    foreach(t tst_midi_values tst_subject tst_midi_device tst_stream_player tst_connector)
        if(TARGET ${t})
            target_sources(${t} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tsan_qt_mutex_annotations.cpp)
            target_link_libraries(${t} PRIVATE ${CMAKE_DL_LIBS})
            set_tests_properties(${t} PROPERTIES ENVIRONMENT
                "TSAN_OPTIONS=halt_on_error=0 exitcode=66 suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tsan.supp")
        endif()
    endforeach()
endif()
