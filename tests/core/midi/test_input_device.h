#pragma once

// An input device whose events the test produces itself, on whatever thread it likes.

#include "core/midi/midi_device.h"

class TestInputDevice : public Core::MidiInDeviceBase
{
public:
    static constexpr int Limit = RecordingLimit;

    QString GetName() const override { return QStringLiteral("test input"); }
    void Emit(const Core::MidiEvent& event) { ProcessEvent(event); }
    void Emit(const Core::MidiMessage& message, unsigned int pulses = 0, double time = 0.0)
    {
        ProcessEvent(Core::MidiEvent(message, pulses, time));
    }
    int Observers() const { return ObserverCount(); }
};
