// MIDI input ports over JACK (private dummy server) closed and opened again and again while
// a keyboard floods notes, other clients come, connect and go, and both cores are busy: the
// program must neither crash nor hang, and the device manager must see every change.
#include "core/midi/midi_device_rt.h"
#include "core/midi/sound_controller.h"

#include "support/event_log.h"
#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <jack/jack.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace Core;

namespace {

int changes = 0; // GUI thread
void OnDevicesChanged()
{
    ++changes;
}

// Plays notes on a test keyboard from a thread of its own until stopped; the keyboard
// can be unplugged and replaced meanwhile.
class NoteFlood
{
public:
    NoteFlood() : player([this] { Run(); }) {}
    ~NoteFlood()
    {
        stop = true;
        player.join();
    }
    void Plug(const QString& portName = QStringLiteral("Test Keyboard"))
    {
        std::unique_ptr<TestKeyboard> fresh(new TestKeyboard(portName));
        std::lock_guard<std::mutex> lock(keyboardMutex);
        keyboard = std::move(fresh);
    }
    void Unplug()
    {
        std::lock_guard<std::mutex> lock(keyboardMutex);
        keyboard.reset(); // the port goes while notes are still being played into it
    }
    bool Names(const QString& listed)
    {
        std::lock_guard<std::mutex> lock(keyboardMutex);
        return keyboard && keyboard->Names(listed);
    }

private:
    void Run()
    {
        for (int note = 36; !stop; note = note == 96 ? 36 : note + 1) {
            {
                std::lock_guard<std::mutex> lock(keyboardMutex);
                if (keyboard) {
                    keyboard->NoteOn(note, 90);
                    keyboard->NoteOff(note);
                }
            }
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    }

    std::mutex keyboardMutex; // guards keyboard (the flood thread and the test's thread)
    std::unique_ptr<TestKeyboard> keyboard;
    std::atomic<bool> stop{false};
    std::thread player;
};

// Other JACK programs at work, in a process of their own (this very test run with
// --churn): one connects to and disconnects from the keyboard as fast as the server takes
// it, and now and then another client with ports comes and goes, so that the graph (and
// with it every client's port latencies) keeps changing. It stops when its input closes.
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
        if (rounds % 20 == 0) {
            if (jack_client_t* visitor = jack_client_open("Visitor", JackNoStartServer, nullptr)) {
                jack_port_register(visitor, "midi", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
                jack_port_register(visitor, "audio", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
                jack_activate(visitor);
                jack_client_close(visitor);
            }
        }
    }
    jack_client_close(client);
    std::printf("%d\n", rounds);
    return 0;
}

class GraphChurn
{
public:
    GraphChurn() { churn.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--churn")}); }
    // The rounds the churn made, once it has stopped.
    int Stop()
    {
        churn.closeWriteChannel();
        churn.waitForFinished(30000);
        return churn.readAllStandardOutput().trimmed().toInt();
    }

private:
    QProcess churn;
};

// Keeps both cores busy, as a user's machine may be, at the lowest priority: the JACK
// server of the test runs without real-time scheduling and must still get its cycles.
class BusyCores
{
public:
    BusyCores()
    {
        for (int i = 0; i < 2; ++i)
            loops.emplace_back([this] {
                setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
                while (!stop)
                    spin = spin + 1;
            });
    }
    ~BusyCores()
    {
        stop = true;
        for (auto& loop : loops)
            loop.join();
    }

private:
    std::atomic<bool> stop{false};
    std::atomic<unsigned long> spin{0};
    std::vector<std::thread> loops;
};

// The input device of the flooded keyboard, or null after a while: a server kept busy may
// refuse a client now and then.
std::unique_ptr<MidiInRtDevice> OpenFloodedDevice(NoteFlood& flood)
{
    QElapsedTimer clock;
    clock.start();
    do {
        for (unsigned int port = 0; port < MidiInRtDevice::GetPortCount(); ++port) {
            std::unique_ptr<MidiInRtDevice> device(new MidiInRtDevice(port));
            if (device->IsOk() && flood.Names(device->GetName()))
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
    void initTestCase()
    {
        qputenv("OVELUNE_MIDI_API", "jack");
        SoundController::SetMidiDeviceHandler(OnDevicesChanged);
    }

    // Input ports closed and opened again and again while notes arrive, other clients come,
    // connect and go, and both cores are busy: libjack must never be left walking a port
    // that is going away.
    void closingWhileNotesArriveAndTheGraphChanges()
    {
        NoteFlood flood;
        flood.Plug();
        GraphChurn churn;
        BusyCores busy;
        QElapsedTimer clock;
        clock.start();
        for (int closed = 0; closed < 200; ++closed) {
            EventLog log; // outlives the device
            std::unique_ptr<MidiInRtDevice> device = OpenFloodedDevice(flood);
            QVERIFY(device);
            device->AddObserver(&log);
            QVERIFY(log.WaitForCount(1 + static_cast<std::size_t>(closed % 5), 10000));
            if (closed % 2)
                device->Close();
        }
        const int rounds = churn.Stop();
        qInfo("200 ports closed under %d graph changes in %lld ms", rounds, static_cast<long long>(clock.elapsed()));
        QVERIFY(rounds > 0);
    }

    // The keyboard goes away while its notes arrive and the manager re-enumerates, many
    // times over; every plug-in and every unplugging the manager has not seen yet is
    // relayed (a lost input may be relayed once more), and the manager's list follows.
    void unplugAndReplugUnderTheDeviceManager()
    {
        NoteFlood flood;
        SoundController manager;
        QTest::qWait(1500); // earlier tests' ports
        auto inputsAfterUpdate = [&manager] {
            manager.UpdateDevices();
            return manager.GetInputMidiDeviceCount();
        };
        for (int cycle = 0; cycle < 25; ++cycle) {
            changes = 0;
            flood.Plug(QStringLiteral("Test Keyboard %1").arg(cycle % 3));
            QTRY_VERIFY_WITH_TIMEOUT(changes > 0, 20000);
            QTRY_COMPARE_WITH_TIMEOUT(inputsAfterUpdate(), std::size_t(1), 20000);
            EventLog log; // outlives the device
            boost::shared_ptr<MidiInDevice> device = manager.GetInputMidiDevice(0);
            device->AddObserver(&log);
            QVERIFY(log.WaitForCount(1, 5000));
            changes = 0;
            flood.Unplug();
            if (cycle % 2)
                manager.UpdateDevices(); // at once: what it saw needs no relay then
            else
                QTRY_VERIFY_WITH_TIMEOUT(changes > 0, 20000);
            device->RemoveObserver(&log);
            device.reset();
            QTRY_COMPARE_WITH_TIMEOUT(inputsAfterUpdate(), std::size_t(0), 20000);
        }
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
