# MIDI ports (RtMidi), the built-in synthesizer (FluidSynth), the device manager and the
# set-up notification client (ALSA sequencer or JACK).
target_sources(ovelune_core PRIVATE
    midi/midi_device_rt.h midi/midi_device_rt.cpp
    midi/synth_bridge.h midi/synth_bridge.cpp
    midi/midi_out_mac_device.h midi/midi_out_mac_device.cpp
    midi/sound_controller.h midi/sound_controller.cpp
    midi/midi_setup_watcher.h midi/midi_setup_watcher.cpp
)
target_link_libraries(ovelune_core PRIVATE
    PkgConfig::RTMIDI PkgConfig::FLUIDSYNTH PkgConfig::ALSA PkgConfig::JACK)
