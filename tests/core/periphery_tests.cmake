# tests of the naming tables, MIDI files and sound files
