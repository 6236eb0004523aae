#pragma once

#include <functional>
#include <memory>
#include <string>

namespace Core {

// The MIDI back ends this program can read input ports from.
enum class MidiBackend
{
    None,
    Alsa,
    Jack,
};

namespace Detail {

// Whether an ALSA sequencer client can be opened on this machine (quiet, cheap).
bool AlsaSequencerOpens();
// Whether a JACK server answers right now; never starts one and prints nothing.
bool JackServerAnswers();

} // namespace Detail

// The platform client "Falmiro" that hears about MIDI ports coming and going: an ALSA
// sequencer client subscribed to the system announce port, or a JACK client with a port
// registration callback. It is process-wide and lives until Stop() or the end of the
// application object.
//
// Threads: Start and Stop are called on the GUI thread. The platform reports on its own
// thread (ALSA: the watcher's reader thread; JACK: the client's notification thread); each
// report only schedules one call of `check` on the thread that called Start, so `check`
// always runs there, one at a time, and reports arriving while one is pending fold into it.
// `check` decides whether anything a user would care about changed.
class MidiSetupWatcher
{
public:
    // Starts the client for `backend` unless one already runs. Returns false when the
    // platform client could not be created (no notifications then; not an error).
    static bool Start(MidiBackend backend, std::function<void()> check);
    static void Stop();
    static bool IsRunning();

    // Any thread: an input in use lost its source port. The next check is told so
    // (TakeInputLost), so that the input is opened afresh even when a port of the same name
    // is back by then.
    static void ReportInputLost();
    // The check's thread: whether an input was lost since the last call.
    static bool TakeInputLost();
    // While the returned handle lives, the exit of that ALSA port (named as RtMidi lists it,
    // ending in "client:port") is reported as the loss of an input. Empty for other names.
    static std::shared_ptr<void> WatchAlsaSource(const std::string& portName);
};

} // namespace Core
