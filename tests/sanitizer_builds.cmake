# ThreadSanitizer builds: the session and endurance tests, like the engine tests, see the
# system Qt's mutexes through annotations (the library itself is not instrumented). The
# suppressions come from TSAN_OPTIONS, which tools/sanitize.sh sets for the whole run.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=thread")
    foreach(t tst_app_settings tst_session tst_timer_endurance tst_input_endurance)
        if(TARGET ${t})
            target_sources(${t} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/core/midi/tsan_qt_mutex_annotations.cpp)
            target_link_libraries(${t} PRIVATE ${CMAKE_DL_LIBS})
        endif()
    endforeach()
endif()
