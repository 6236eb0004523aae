# tests of ports, synthesizer, device manager and notifications (JACK)
if(NOT TARGET ovelune_test_support)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${PROJECT_BINARY_DIR}/tests/support)
endif()

ovelune_add_test(tst_ports_input SOURCES tst_ports_input.cpp
    LIBS ovelune_core ovelune_test_support JACK TIMEOUT 120 LABELS engine jack)
ovelune_add_test(tst_synth SOURCES tst_synth.cpp
    LIBS ovelune_core ovelune_test_support JACK TIMEOUT 300 LABELS engine jack)
ovelune_add_test(tst_sound_controller SOURCES tst_sound_controller.cpp
    LIBS ovelune_core ovelune_test_support PkgConfig::JACK JACK TIMEOUT 120 LABELS engine jack)
ovelune_add_test(tst_ports_backend SOURCES tst_ports_backend.cpp
    LIBS ovelune_core ovelune_test_support TIMEOUT 120 LABELS engine)
ovelune_add_test(tst_ports_unplug SOURCES tst_ports_unplug.cpp
    LIBS ovelune_core ovelune_test_support JACK TIMEOUT 240 LABELS engine jack reliability)
