# tests of the naming tables, MIDI files and sound files
ovelune_add_test(tst_music_names SOURCES tst_music_names.cpp LIBS ovelune_core LABELS core periphery)
ovelune_add_test(tst_midi_file SOURCES tst_midi_file.cpp LIBS ovelune_core TIMEOUT 300 LABELS core periphery)
# libsmf is an uninstrumented system library: valgrind sees invalid accesses inside it that
# sanitizers cannot. Reading malformed and foreign files must leave it clean.
find_program(OVELUNE_VALGRIND valgrind)
if(OVELUNE_VALGRIND)
    add_test(NAME tst_midi_file_valgrind
             COMMAND ${PROJECT_SOURCE_DIR}/tests/run_isolated.sh --
                     ${OVELUNE_VALGRIND} -q --error-exitcode=1
                     --suppressions=${CMAKE_CURRENT_SOURCE_DIR}/tst_midi_file.supp
                     $<TARGET_FILE:tst_midi_file>
                     malformedFilesAreRejected truncatedFilesAreRejected mutatedFilesNeverCrash
                     readsHandAssembledFile readsFileWrittenByCsvmidi tempoChangesInAnyTrackApplyToAll
                     onlyMetaEventsGiveAnEmptyStream writeThenReadGivesTheSameEvents
                     writeSortsEventsAndLeavesOutSystemMessages failureTable)
    set_tests_properties(tst_midi_file_valgrind PROPERTIES TIMEOUT 600 LABELS "core;periphery;valgrind")
else()
    message(WARNING "valgrind not found: tst_midi_file_valgrind is not registered")
endif()
ovelune_add_test(tst_sound SOURCES tst_sound.cpp LIBS ovelune_core TIMEOUT 180 LABELS core periphery)
