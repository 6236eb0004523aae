// MIDI input ports over JACK (private dummy server) under strain: closed and opened again
// and again while a keyboard floods notes and other clients come, connect and go; and a
// million messages through one port. The program must neither crash, hang nor grow.
#include "core/midi/midi_device_rt.h"

#include "support/event_log.h"
#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <QProcess>
#include <QtTest>

#include <jack/jack.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

using namespace Core;

namespace {

// Plays notes on a test keyboard from a thread of its own until destroyed.
struct NoteFlood
{
    ~NoteFlood()
    {
        stop = true;
        player.join();
    }
    TestKeyboard keyboard;
    std::atomic<bool> stop{false};
    std::thread player{[this] {
        for (int note = 36; !stop; note = note == 96 ? 36 : note + 1) {
            keyboard.NoteOn(note, 90);
            keyboard.NoteOff(note);
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    }};
};

// Other JACK programs at work, in a process of their own (this test run with --churn): the
// graph, and with it every client's port latencies, keeps changing until its input closes.
// A few milliseconds between rounds, still far busier than a studio: without any pause
// jackd 1.9.21 was seen (twice in about twenty runs) blocked for good writing a graph
// notification to the full socket of a client being closed, which no longer reads it,
// while that client's jack_client_close waited for the server's answer.
int RunChurn()
{
    jack_client_t* client = jack_client_open("Churn", JackNoStartServer, nullptr);
    jack_port_t* in = client ? jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0) : nullptr;
    if (!in || jack_activate(client) != 0)
        return 1;
    fcntl(STDIN_FILENO, F_SETFL, O_NONBLOCK);
    int rounds = 0;
    for (char byte; read(STDIN_FILENO, &byte, 1) != 0; ++rounds) {
        if (const char** sources = jack_get_ports(client, "Test Keyboard", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput)) {
            jack_connect(client, sources[0], jack_port_name(in));
            jack_disconnect(client, sources[0], jack_port_name(in));
            jack_free(sources);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (jack_client_t* visitor = rounds % 20 ? nullptr : jack_client_open("Visitor", JackNoStartServer, nullptr)) {
            jack_port_register(visitor, "midi", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
            jack_port_register(visitor, "audio", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
            jack_activate(visitor);
            jack_client_close(visitor);
        }
    }
    jack_client_close(client);
    std::printf("%d\n", rounds);
    return 0;
}

// Counts what an input device reports (the MIDI back end's thread).
struct Counter : MidiDeviceObserver
{
    void OnMidiEvent(const MidiEvent& event) override
    {
        ++events;
        if (event.GetMessage().IsNoteAudible())
            ++answers;
    }
    // Waits until `target` events have come or none came for half a second; the shortfall.
    long WaitFor(long target)
    {
        QElapsedTimer idle;
        idle.start();
        for (long seen = events; events < target && idle.elapsed() < 500; QThread::usleep(200))
            if (events != seen) {
                seen = events;
                idle.restart();
            }
        return qMax(0L, target - events.load());
    }
    std::atomic<long> events{0}, answers{0};
};

long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    return statm.open(QIODevice::ReadOnly) ? statm.readAll().split(' ').value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// The keyboard's input device, or null after a while: a server kept busy may refuse a
// client now and then.
std::unique_ptr<MidiInRtDevice> OpenDevice(TestKeyboard& keyboard)
{
    QElapsedTimer clock;
    clock.start();
    do {
        for (unsigned int port = 0; port < MidiInRtDevice::GetPortCount(); ++port) {
            std::unique_ptr<MidiInRtDevice> device(new MidiInRtDevice(port));
            if (device->IsOk() && keyboard.Names(device->GetName()))
                return device;
        }
    } while (clock.elapsed() < 20000);
    return nullptr;
}

} // namespace

class PortsStressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("OVELUNE_MIDI_API", "jack"); }

    // Input ports closed and opened again and again while notes arrive, other clients come,
    // connect and go, and both cores are busy: libjack must never be left walking a port
    // that is going away.
    void closingWhileNotesArriveAndTheGraphChanges()
    {
        NoteFlood flood;
        QProcess churn; // other JACK programs at work: see RunChurn
        churn.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--churn")});
        QElapsedTimer clock;
        clock.start();
        for (int closed = 0; closed < 200; ++closed) {
            EventLog log; // outlives the device
            std::unique_ptr<MidiInRtDevice> device = OpenDevice(flood.keyboard);
            QVERIFY(device);
            device->AddObserver(&log);
            // Longer than the server's client time-out (10 s), for which JACK may keep running
            // the graph without the new connection while a client has not finished its cycle.
            QElapsedTimer wait;
            wait.start();
            QVERIFY(log.WaitForCount(1 + static_cast<std::size_t>(closed % 5), 30000));
            if (wait.elapsed() > 2000)
                qInfo("round %d: the notes came after %lld ms", closed, static_cast<long long>(wait.elapsed()));
            if (closed % 2)
                device->Close();
        }
        churn.closeWriteChannel(); // the churn stops and prints its rounds
        churn.waitForFinished(30000);
        const int rounds = churn.readAllStandardOutput().trimmed().toInt();
        qInfo("200 ports closed under %d graph changes in %lld ms", rounds, static_cast<long long>(clock.elapsed()));
        QVERIFY(rounds > 0);
    }

    // A million system real-time messages (clock and active sensing, as a keyboard sends
    // them for as long as it is plugged in) with an answer now and then: the answers get
    // through and the device's memory stays bounded.
    void aMillionRealTimeMessagesKeepMemoryBounded()
    {
        TestKeyboard keyboard;
        std::unique_ptr<MidiInRtDevice> device = OpenDevice(keyboard);
        QVERIFY(device);
        Counter counter;
        device->AddObserver(&counter);
        long sent = 0, lost = 0, residentAfterWarmUp = 0, residentMax = 0;
        for (; sent < 1000000; sent += 200) {
            for (int i = 0; i < 200; ++i)
                keyboard.Send(i == 199 && sent % 10000 == 9800 ? std::vector<unsigned char>{0x90, 60, 100}
                              : std::vector<unsigned char>{static_cast<unsigned char>(i % 2 ? 0xFE : 0xF8)});
            lost += counter.WaitFor(sent - lost); // a late cycle's messages are lost, not late
            if (sent == 100000)
                residentAfterWarmUp = ResidentKiB();
            if (sent > 100000 && sent % 50000 == 0)
                residentMax = qMax(residentMax, ResidentKiB());
        }
        device->RemoveObserver(&counter);
        // What is lost is lost with a cycle that a client missed: JACK reports those as xruns.
        qInfo("%ld of %ld messages, %ld of 100 answers, %d xruns; resident %ld KiB, then at most %ld KiB",
              counter.events.load(), sent, counter.answers.load(), keyboard.Xruns(), residentAfterWarmUp, residentMax);
        QVERIFY(counter.events >= 900000 && counter.answers >= 80);
        QVERIFY2(residentMax - residentAfterWarmUp < 16 * 1024, "memory grew with the messages");
    }
};

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--churn") == 0)
        return RunChurn();
    QCoreApplication app(argc, argv);
    PortsStressTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ports_stress.moc"
