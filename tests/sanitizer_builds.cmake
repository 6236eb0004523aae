# ThreadSanitizer builds: every test of the engine and session suites is told of the
# hand-overs inside the system's Qt and JACK (the libraries are not instrumented): the
# recursive mutex, the wait condition, JACK's ring buffer and process cycles. The
# suppressions come from TSAN_OPTIONS, which tools/sanitize.sh sets for the whole run.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=thread")
    set(annotations ${PROJECT_SOURCE_DIR}/tools/tsan_annotations.cpp)
    foreach(t tst_engine tst_synth tst_midi_ports tst_ports_backend tst_ports_stress tst_app_settings tst_history tst_session)
        if(TARGET ${t})
            get_target_property(sources ${t} SOURCES)
            if(NOT "${sources}" MATCHES "tsan_annotations")
                target_sources(${t} PRIVATE ${annotations})
                target_link_libraries(${t} PRIVATE ${CMAKE_DL_LIBS})
            endif()
        endif()
    endforeach()
endif()
