# tests of the naming tables, MIDI files and sound files
ovelune_add_test(tst_music_names SOURCES tst_music_names.cpp LIBS ovelune_core LABELS core periphery)
