#pragma once

#include "core/midi/midi_device.h"

#include <QReadWriteLock>

namespace Core {

struct AudioSystem;

// The built-in General MIDI synthesizer as an output device, named "Apple DLS" in device
// lists whatever stands behind it. Every message it plays is also passed to its observers.
//
// Threads: SendMessage and Stop may come from several threads at once (multimedia timer,
// GUI, MIDI input); the synthesizer accepts that. synthLock keeps Close from releasing the
// synthesizer under a message in progress.
class MidiOutMacDevice : public MidiOutDevice
{
public:
    MidiOutMacDevice();
    ~MidiOutMacDevice() override;

    // For program start-up: while a Preparation lives, the synthesizer loads on its own
    // thread, and the first device made meanwhile takes it; one that no device took is
    // released with the Preparation.
    class Preparation
    {
    public:
        Preparation();
        ~Preparation();
        Preparation(const Preparation&) = delete;
        Preparation& operator=(const Preparation&) = delete;
    };

    QString GetName() const override;
    void Reset() override;
    void Stop() override;
    void SendMessage(const MidiMessage& message) override;
    double GetVolume() const override;
    void SetVolume(double volume) override;
    void Close();

    // Offline rendering, for listening in tests: the synthesizer followed by its filter,
    // into two buffers of `frames` samples. False when a live audio driver plays the
    // synthesizer (or it is closed). Waits until the soundfont is loaded.
    bool Render(float* left, float* right, unsigned int frames);
    // The sample rate of rendered audio in Hz; 0 once closed.
    double SampleRate() const;
    // Whether notes can sound (a soundfont is loaded). Waits until loading has finished.
    bool IsAudible() const;
    // Bypasses the output filter; for comparing with the unfiltered synthesizer.
    void SetFilterEnabled(bool enabled);
    // A4's frequency in Hz for every note from now on (and those sounding); 440 by default.
    void SetReferencePitch(double hz);
    // Seconds of audio buffered between the synthesizer and the audio output, as the audio
    // driver is configured (0 without one); the driver's name goes to `driverName`.
    double OutputLatency(QString* driverName = nullptr) const;

private:
    void Play(const MidiMessage& message);

    mutable QReadWriteLock synthLock; // guards synth: read to use it, written by Close
    AudioSystem* synth;
};

} // namespace Core
