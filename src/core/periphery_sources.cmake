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
find_package(Threads REQUIRED)
pkg_check_modules(XCB REQUIRED IMPORTED_TARGET xcb)
target_sources(ovelune_core PRIVATE
    au_bucket.h au_bucket.cpp
    au_server.h au_server.cpp
    sound.h sound.cpp
    au_server_mac.h au_server_mac.cpp
    mac_sound_delegate.h mac_sound_delegate.cpp
    sound_file_player.h sound_file_player.cpp
    alert_beep.h alert_beep.cpp
)
target_link_libraries(ovelune_core PRIVATE PkgConfig::SNDFILE PkgConfig::ALSA PkgConfig::XCB Threads::Threads)
