# tests of input devices, stream players, timer, connector and listener
foreach(t tst_midi_device tst_stream_player tst_connector)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${t}.cpp)
        ovelune_add_test(${t} SOURCES ${t}.cpp LIBS ovelune_core LABELS engine)
    endif()
endforeach()
