# The naming tables, MIDI files and sound-file playback.
target_sources(ovelune_core PRIVATE
    music_names.h music_names.cpp
    guitar_position.h guitar_position.cpp
    tempo_table.h tempo_table.cpp
)
target_sources(ovelune_core PRIVATE
    midi/midi_file.h midi/midi_file.cpp
)
target_link_libraries(ovelune_core PRIVATE PkgConfig::SMF PkgConfig::GLIB)
