# Input device base, multimedia timer, stream players, connector and answer listener.
target_sources(ovelune_core PRIVATE
    midi/midi_device.h midi/midi_device.cpp
    midi/multimedia_timer.h midi/multimedia_timer.cpp
    midi/midi_in_stream_device_base.h midi/midi_in_stream_device_base.cpp
    midi/midi_in_stream_device_auto.h midi/midi_in_stream_device_auto.cpp
    midi/midi_in_stream_device_manual.h midi/midi_in_stream_device_manual.cpp
    midi/midi_connector.h midi/midi_connector.cpp
)
