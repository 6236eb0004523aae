# ThreadSanitizer builds: every test of the engine, session and endurance suites sees the
# system Qt's mutexes through annotations (the library itself is not instrumented), as the
# first engine tests do in tests/core/midi. The suppressions come from TSAN_OPTIONS, which
# tools/sanitize.sh sets for the whole run.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=thread")
    set(annotations ${CMAKE_CURRENT_LIST_DIR}/core/midi/tsan_qt_mutex_annotations.cpp)
    foreach(t tst_player_timing tst_ports_input tst_synth tst_sound_controller tst_ports_backend
              tst_ports_unplug tst_app_settings tst_session tst_timer_endurance tst_input_endurance)
        if(TARGET ${t})
            get_target_property(sources ${t} SOURCES)
            if(NOT "${sources}" MATCHES "tsan_qt_mutex_annotations")
                target_sources(${t} PRIVATE ${annotations})
                target_link_libraries(${t} PRIVATE ${CMAKE_DL_LIBS})
            endif()
        endif()
    endforeach()
endif()
