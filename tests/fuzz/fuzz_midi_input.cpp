// Arbitrary MIDI input as a keyboard might send it: byte sequences of any length (system
// exclusive included, notes 120..127, data bytes above 127) with any time deltas, handed to
// the input device exactly as the MIDI back end hands them over, through the answer
// listener into the running application. Checked against a model of what each message
// must do: the keyboard states, the times of the events, the volume scaling, and which
// messages the session takes as answers.
//
// Input: records of [control byte][delta bytes][length byte][message bytes].
//   control bits 0..2: how the delta is given (see ReadDelta)
//   control bit 3: set the device volume from the next byte (/ 200, times 1.5 with bit 6;
//                  values above 1 are clamped)
//   control bit 4: reset the device (all keys released, clock back to 0)

#include "app/app_settings.h"
#include "app/application.h"
#include "core/midi/midi_connector.h"
#include "core/midi/midi_device_rt.h"

#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

using namespace Core;

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_midi_input: %s\n", what);
    std::abort();
}

struct Input
{
    Input(const std::uint8_t* data, std::size_t size) : pos(data), end(data + size) {}
    bool AtEnd() const { return pos >= end; }
    std::uint8_t Byte() { return pos < end ? *pos++ : 0; }
    unsigned int Word() { return static_cast<unsigned int>(Byte()) << 8 | Byte(); }
    std::vector<unsigned char> Bytes(std::size_t count)
    {
        const std::size_t n = std::min<std::size_t>(count, static_cast<std::size_t>(end - pos));
        std::vector<unsigned char> bytes(pos, pos + n);
        pos += n;
        return bytes;
    }
    const std::uint8_t* pos;
    const std::uint8_t* end;
};

// Deltas the back end could deliver, and some it never should, up to clocks far beyond what
// 64 bits of pulses hold.
double ReadDelta(int how, Input& in)
{
    const double infinity = std::numeric_limits<double>::infinity();
    switch (how) {
    case 0: return in.Word() / 1000.0;
    case 1: return 0.0;
    case 2: return -(in.Word() / 1000.0);
    case 3: return std::numeric_limits<double>::quiet_NaN();
    case 4: return infinity;
    case 5: return -infinity;
    case 6: return in.Byte() * 1e-9;
    default: return in.Word() * 3600.0 * std::pow(10.0, in.Byte() % 16);
    }
}

// Sees what the device hands on.
struct Observer : MidiDeviceObserver
{
    void OnMidiEvent(const MidiEvent& event) override
    {
        last = event;
        ++count;
    }
    MidiEvent last;
    unsigned long count = 0;
};

Application* app = nullptr;

bool TakesAnswers()
{
    const Application::AppState state = app->GetState();
    return state == Application::PlayingQuestion || state == Application::AwaitingAnswer;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    // Headless, no MIDI back end, no audio output, and a store of its own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("OVELUNE_MIDI_API", "none");
    qputenv("OVELUNE_AUDIO_DRIVER", "none");
    static QTemporaryDir store;
    if (!store.isValid())
        Fail("no temporary directory");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    // Key highlights of notes outside the keyboard are refused with a warning per answer.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            Fail(qPrintable(message));
    });
    // Only the program's name: libFuzzer's options and corpus folders are not the
    // application's, which refuses options it does not know.
    static int appArgc = 1;
    static char* appArgv[] = {(*argv)[0], nullptr};
    app = new Application(appArgc, appArgv);
    if (!app->IsPrimary())
        Fail("the application did not start");
    app->StartNewSession(QVariant(12u));
    if (!TakesAnswers())
        Fail("the session did not start");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    boost::shared_ptr<MidiInRtDevice> device(new MidiInRtDevice(0));
    MidiAnswerListener listener(app, device);
    Observer observer;
    device->AddObserver(&observer);
    AppSettings& model = *app->GetAppSettings();

    unsigned char keys[MidiChannelCount][MidiKeyCount] = {};
    double elapsed = 0.0;
    double volume = 1.0;
    unsigned long delivered = 0;
    bool wasReset = false; // a reset restarts the clock but keeps the recording

    Input in(data, size);
    while (!in.AtEnd()) {
        const std::uint8_t control = in.Byte();
        const double delta = ReadDelta(control & 7, in);
        if (control & 8) {
            const double requested = in.Byte() / 200.0 * (control & 0x40 ? 1.5 : 1.0);
            device->SetVolume(requested);
            volume = std::min(requested, 1.0); // above 1 is clamped
        }
        if (control & 16) {
            device->Reset();
            std::memset(keys, 0, sizeof keys);
            elapsed = 0.0;
            wasReset = true;
        }
        std::vector<unsigned char> message = in.Bytes(in.Byte());

        if (!TakesAnswers())
            app->ReplayQuestion(); // the learner asks to hear the note again
        const unsigned int correctBefore = model.correctCount, incorrectBefore = model.incorrectCount;
        const unsigned int asked = model.questions.at(model.currentQuestion);

        RtEventHandler::OnRtEvent(delta, &message, device.get());

        if (message.empty()) {
            if (observer.count != delivered)
                Fail("an empty message was delivered");
            continue;
        }
        if (++delivered != observer.count)
            Fail("a message was not delivered exactly once");

        // Times: the clock before this message in pulses (wrapping in 32 bits), after it in
        // seconds.
        const unsigned int pulses = static_cast<unsigned int>(std::fmod(elapsed * 768, 4294967296.0));
        if (std::isfinite(delta) && delta > 0.0)
            elapsed += delta;
        if (observer.last.GetTime() != elapsed || observer.last.GetTimePulses() != pulses)
            Fail("wrong event time");

        // What arrives: at most three bytes; note-on velocities scaled by the volume.
        const MidiMessage& got = observer.last.GetMessage();
        const std::size_t length = std::min<std::size_t>(message.size(), 3);
        if (got.GetLength() != length)
            Fail("wrong message length");
        unsigned char expected[3] = {message[0], 0, 0};
        std::copy(message.begin(), message.begin() + static_cast<std::ptrdiff_t>(length), expected);
        const unsigned char command = expected[0] & 0xF0;
        if (command == NoteOn && length == 3)
            expected[2] = static_cast<unsigned char>(expected[2] * volume);
        if (std::memcmp(got.GetRawData(), expected, length) != 0)
            Fail("the message changed on its way");

        // Keys: note messages with both data bytes, notes 0..119 only, unscaled.
        if (length == 3 && message[1] < MidiKeyCount) {
            unsigned char& key = keys[message[0] & 0x0F][message[1]];
            if (command == NoteOn || command == Aftertouch)
                key = message[2];
            else if (command == NoteOff)
                key = 0;
        }
        for (std::size_t channel = 0; channel < MidiChannelCount; ++channel) {
            MidiKeyboardState state;
            device->GetKeybardState(channel, state);
            if (std::memcmp(state.GetRaw(), keys[channel], MidiKeyCount) != 0)
                Fail("keyboard state differs");
        }

        // Answers: an audible note-on is judged once, against the asked note; nothing else is.
        const bool answer = command == NoteOn && length == 3 && expected[2] > 0;
        const unsigned int answers = model.correctCount + model.incorrectCount - correctBefore - incorrectBefore;
        if (answers != (answer ? 1u : 0u))
            Fail("an answer was taken wrongly");
        if (answer && (model.correctCount > correctBefore) != (message[1] == asked))
            Fail("an answer was judged wrongly");
        if (answer && app->GetState() != Application::ShowingAnswer)
            Fail("an answer is not being shown");
    }

    MidiStream recorded;
    device->GetStream(recorded);
    const unsigned long kept = std::min<unsigned long>(delivered, MidiInDeviceBase::RecordingLimit);
    if (static_cast<unsigned long>(recorded.GetEvents().size()) != kept)
        Fail("the recording holds the wrong number of events");
    for (int i = 1; !wasReset && i < recorded.GetEvents().size(); ++i)
        if (recorded.GetEvents()[i].GetTime() < recorded.GetEvents()[i - 1].GetTime())
            Fail("the recording is out of order");
    return 0;
}
