# The naming tables, MIDI files and sound-file playback.
target_sources(ovelune_core PRIVATE
    music_names.h music_names.cpp
    guitar_position.h guitar_position.cpp
    tempo_table.h tempo_table.cpp
)
