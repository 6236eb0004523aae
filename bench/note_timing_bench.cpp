// Note timing of the stream player: question notes (5.0 s) and key echoes (2.0 s) played
// through the multimedia timer, the connector and the built-in synthesizer while another
// thread keeps one core busy. For every note: how long after Play() its note-on reached the
// synthesizer, and how long after its 5.0 s (2.0 s) mark its note-off did.
//
// Several players run side by side, each with its own note number, so that a few hundred
// notes of several seconds fit in well under a minute; they share the one timer thread as
// the application's player does.
//
//   note_timing_bench [--notes N] [--players P]
#include "busy_core.h"
#include "figure_report.h"
#include "note_clock.h"
#include "samples.h"

#include "core/midi/midi.h"
#include "core/midi/midi_connector.h"
#include "core/midi/midi_in_stream_device_auto.h"
#include "core/midi/midi_out_mac_device.h"

#include <QCoreApplication>
#include <QStringList>

#include <boost/shared_ptr.hpp>

#include <cstdio>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = NoteClock::Clock;

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Voice
{
    int note = 0;
    boost::shared_ptr<Core::MidiInStreamDeviceAuto> player;
    std::unique_ptr<Core::MidiDeviceConnector> connector;
    int played = 0;
    bool sounding = false;
    double length = 0.0;          // seconds, of the note under way
    Clock::time_point playedAt;   // just before its Play()
    Clock::time_point nextStart;  // when the next note may start
};

boost::shared_ptr<Core::MidiStream> OneNote(int note, double seconds)
{
    boost::shared_ptr<Core::MidiStream> stream(new Core::MidiStream);
    const auto key = static_cast<unsigned char>(note);
    stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, 0, key, 96), 0, 0.0));
    stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOff, 0, key, 96), 0, seconds));
    return stream;
}

int IntOption(const QStringList& args, const QString& name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1).toInt() : fallback;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int notes = std::max(1, IntOption(args, QStringLiteral("--notes"), 200));
    const int players = std::max(1, IntOption(args, QStringLiteral("--players"), 20));

    boost::shared_ptr<Core::MidiOutMacDevice> synth(new Core::MidiOutMacDevice);
    if (!synth->IsAudible())
        std::fprintf(stderr, "note_timing_bench: no soundfont; timing the messages anyway\n");
    NoteClock clock;
    synth->AddObserver(&clock);

    std::mt19937 random(12345);
    std::uniform_int_distribution<int> gapMs(100, 400);
    std::vector<Voice> voices(static_cast<std::size_t>(players));
    const Clock::time_point begin = Clock::now();
    for (int i = 0; i < players; ++i) {
        Voice& voice = voices[static_cast<std::size_t>(i)];
        voice.note = 36 + i;
        voice.player.reset(new Core::MidiInStreamDeviceAuto(boost::shared_ptr<Core::MidiStream>(new Core::MidiStream)));
        voice.connector.reset(new Core::MidiDeviceConnector(voice.player, synth));
        voice.nextStart = begin + std::chrono::milliseconds(50 + 3500 * i / players);
    }

    Samples onDelay, offDelay;
    int missing = 0;
    {
        BusyCore busy;
        int started = 0;
        int finished = 0;
        while (finished < notes) {
            // The voice whose next step (a start, or the check of a note that has ended) is due first.
            Voice* due = nullptr;
            Clock::time_point dueAt = Clock::time_point::max();
            for (Voice& voice : voices) {
                if (!voice.sounding && started >= notes)
                    continue;
                const Clock::time_point at = voice.sounding
                    ? voice.playedAt + std::chrono::milliseconds(static_cast<int>(voice.length * 1000) + 60)
                    : voice.nextStart;
                if (at < dueAt) {
                    dueAt = at;
                    due = &voice;
                }
            }
            if (!due)
                break;
            std::this_thread::sleep_until(dueAt);
            if (due->sounding) {
                Clock::time_point on, off;
                const bool heard = clock.WaitOn(due->note, due->playedAt, std::chrono::seconds(1), on);
                const bool ended = clock.WaitOff(due->note, due->playedAt, std::chrono::seconds(1), off);
                if (heard && ended) {
                    onDelay.Add(Milliseconds(on - due->playedAt));
                    const auto mark = due->playedAt + std::chrono::microseconds(static_cast<long long>(due->length * 1e6));
                    offDelay.Add(Milliseconds(off - mark));
                } else {
                    ++missing;
                }
                due->sounding = false;
                due->nextStart = Clock::now() + std::chrono::milliseconds(gapMs(random));
                ++finished;
            } else {
                due->length = due->played % 2 == 0 ? 5.0 : 2.0;
                due->player->SetStream(OneNote(due->note, due->length));
                due->playedAt = Clock::now();
                due->player->Play();
                due->sounding = true;
                ++due->played;
                ++started;
            }
        }
    }
    synth->RemoveObserver(&clock);
    for (Voice& voice : voices)
        voice.connector.reset();

    // Drift: do notes end later (or earlier) as the run goes on?
    const std::size_t quarter = offDelay.Count() / 4;
    const double drift = offDelay.MeanOf(offDelay.Count() - quarter, offDelay.Count()) - offDelay.MeanOf(0, quarter);
    std::fprintf(stderr,
                 "note_timing_bench: %zu notes, %d lost; note-on after Play median %.2f ms max %.2f ms; "
                 "note-off after its mark median %.2f ms min %.2f ms max %.2f ms\n",
                 onDelay.Count(), missing, onDelay.Median(), onDelay.Max(), offDelay.Median(), offDelay.Min(),
                 offDelay.Max());
    ReportFigure("note-on", "Note-on after Play, p99 (other core busy)", onDelay.Percentile(99), "ms", "<=", 6.0);
    ReportFigure("note-off", "Note-off after its 5.0/2.0 s mark, p99", offDelay.Percentile(99), "ms", "<=", 6.0);
    ReportFigure("note-off-early", "Note-off after its mark, earliest", offDelay.Min(), "ms", ">=", -1.0);
    ReportFigure("note-drift", "Drift of note-off lateness, last vs first quarter", std::abs(drift), "ms", "<=", 1.0);
    ReportFigure("notes-lost", "Notes whose on or off never arrived", missing, "", "<=", 0.0);
    return 0;
}
