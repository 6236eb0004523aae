# MIDI ports, the device manager and its notifications (JACK), and the choice of back end
if(NOT TARGET ovelune_test_support)
    add_subdirectory(${PROJECT_SOURCE_DIR}/tests/support ${PROJECT_BINARY_DIR}/tests/support)
endif()

ovelune_add_test(tst_midi_ports SOURCES tst_midi_ports.cpp
    LIBS ovelune_core ovelune_test_support PkgConfig::JACK JACK TIMEOUT 200 LABELS engine jack)
# The built-in synthesizer, rendered offline.
ovelune_add_test(tst_synth SOURCES tst_synth.cpp LIBS ovelune_core ovelune_test_support TIMEOUT 300 LABELS engine)
# It opens a damaged library by the name the program opens.
target_compile_definitions(tst_synth PRIVATE OVELUNE_FLUIDSYNTH_SONAME="${FLUIDSYNTH_SONAME}")
ovelune_add_test(tst_ports_backend SOURCES tst_ports_backend.cpp
    LIBS ovelune_core ovelune_test_support TIMEOUT 120 LABELS engine)
ovelune_add_test(tst_ports_stress SOURCES tst_ports_stress.cpp
    LIBS ovelune_core ovelune_test_support PkgConfig::JACK JACK TIMEOUT 600 LABELS engine jack reliability endurance)
# Short JACK cycles keep the 200 openings and closings and the million messages quick; on
# a loaded machine a run may still outlast Qt Test's own limit of 300 s per test function.
set_tests_properties(tst_ports_stress PROPERTIES COST 500
    ENVIRONMENT "QTEST_FUNCTION_TIMEOUT=590000;OVELUNE_TEST_JACK_PERIOD=256")
