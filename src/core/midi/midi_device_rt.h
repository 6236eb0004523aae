#pragma once

#include "core/midi/midi_device.h"
#include "core/midi/midi_setup_watcher.h"

#include <QMutex>
#include <QString>
#include <QStringList>
#include <boost/shared_ptr.hpp>

#include <memory>
#include <vector>

class RtMidiIn;
class RtMidiOut;

namespace Core {

class JackMidiInput;

// The MIDI back end in use, chosen once per process: OVELUNE_MIDI_API ("alsa", "jack",
// "none") forces one; otherwise the ALSA sequencer where it opens, else JACK where a server
// answers, else none (no input ports; the program runs with the on-screen keyboard).
MidiBackend CurrentMidiBackend();
// "ALSA", "JACK" or "none".
QString MidiApiName();
// Turns MIDI input off for the rest of the process (after a back-end failure): port counts
// are 0 from then on and the set-up notification client is stopped.
void DisableMidiApi();

// The names of the input ports a user can pick, in port order: the back end's ports less
// ALSA's "Midi Through" loopback and the output ports this program opens itself. Port
// numbers of MidiInRtDevice count in this list. An empty list when the back end fails.
QStringList ListMidiInputPorts();
// Whether a port of that name ("client:port", as the back end lists it) belongs in that
// list: not ALSA's "Midi Through" loopback, nor a port of a client this process opened.
bool IsSelectableMidiInput(const QString& portName);

// What an output device sends to silence everything: for each channel 0..15, All Sound Off,
// Reset All Controllers and Channel Volume to maximum, 48 messages in all.
constexpr unsigned int SilencingMessageCount = 48;
MidiMessage SilencingMessage(unsigned int index);

// An external MIDI input port (a MIDI keyboard): read through RtMidi on ALSA, through a
// JACK client of its own on JACK (RtMidi closes JACK ports in an order libjack cannot take).
// When the port in use goes away, the set-up watcher is told, whatever the port names are
// afterwards, so a keyboard plugged back under the same name is opened afresh.
//
// Threads: constructed, reset, closed and named on the GUI thread; received messages are
// processed on the back end's callback thread, possibly until Close() returns. Close()
// waits until a callback in progress has finished (the back-end client is closed), so
// `elapsed` is written by one thread at a time.
class MidiInRtDevice : public MidiInDeviceBase
{
public:
    explicit MidiInRtDevice(unsigned int port);
    ~MidiInRtDevice() override;

    QString GetName() const override;
    void Reset() override;
    void Close() override;
    bool IsOk() const override;

    // The number of selectable input ports. A failure of the back end in use throws Error
    // with code 768 + RtMidi's error type.
    static unsigned int GetPortCount();

    // The back end's thread: one received message with the seconds since the previous one.
    void OnRtEvent(double deltaTime, std::vector<unsigned char>* message);

private:
    boost::shared_ptr<RtMidiIn> midiIn;  // ALSA
    std::unique_ptr<JackMidiInput> jackIn; // JACK
    std::shared_ptr<void> alsaSource;      // watches the ALSA port in use for its exit
    double elapsed;
    unsigned int port;
    QString name; // the port's name, learnt when it was opened
};

// Holds the callback given to RtMidi.
class RtEventHandler
{
public:
    static void OnRtEvent(double deltaTime, std::vector<unsigned char>* message, void* userData);
};

// An external MIDI output port opened through RtMidi. When the port could not be opened,
// messages are dropped and nothing fails.
//
// Threads: SendMessage and Stop may come from several threads at once (timer, GUI, MIDI);
// portMutex serialises them with each other and with Reset and Close.
class MidiOutRtDevice : public MidiOutDevice
{
public:
    explicit MidiOutRtDevice(unsigned int port);
    ~MidiOutRtDevice() override;

    QString GetName() const override;
    void Reset() override;
    void Stop() override;
    void SendMessage(const MidiMessage& message) override;
    double GetVolume() const override;
    void SetVolume(double volume) override;
    void Close();
    bool IsOk() const;

    // The back end's output port count; 0 when it fails.
    static unsigned int GetPortCount();

private:
    mutable QMutex portMutex; // guards midiOut and name
    boost::shared_ptr<RtMidiOut> midiOut;
    unsigned int port;
    QString name;
};

} // namespace Core
