// MIDI keyboards unplugged and plugged in again over JACK (private dummy server), while
// their notes are arriving: input devices are closed and re-enumerated under way, and the
// program must neither crash nor hang.
#include "core/midi/midi_device_rt.h"
#include "core/midi/sound_controller.h"

#include "support/event_log.h"
#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QtTest>

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

using namespace Core;

namespace {

// Plays notes on a test keyboard from a thread of its own, as fast as JACK takes them,
// until stopped; the keyboard can be unplugged and replaced meanwhile.
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
        std::unique_ptr<TestKeyboard> gone;
        std::lock_guard<std::mutex> lock(keyboardMutex);
        gone = std::move(keyboard);
        gone.reset(); // the port goes while notes are still being played into it
    }
    bool Names(const QString& listed)
    {
        std::lock_guard<std::mutex> lock(keyboardMutex);
        return keyboard && keyboard->Names(listed);
    }

private:
    void Run()
    {
        int note = 36;
        while (!stop) {
            {
                std::lock_guard<std::mutex> lock(keyboardMutex);
                if (keyboard) {
                    keyboard->NoteOn(note, 90);
                    keyboard->NoteOff(note);
                }
            }
            note = note == 96 ? 36 : note + 1;
            std::this_thread::sleep_for(std::chrono::microseconds(300));
        }
    }

    std::mutex keyboardMutex; // guards keyboard (the flood thread and the test's thread)
    std::unique_ptr<TestKeyboard> keyboard;
    std::atomic<bool> stop{false};
    std::thread player;
};

// The input device of the flooded keyboard, or null.
std::unique_ptr<MidiInRtDevice> OpenFloodedDevice(NoteFlood& flood)
{
    const unsigned int count = MidiInRtDevice::GetPortCount();
    for (unsigned int port = 0; port < count; ++port) {
        std::unique_ptr<MidiInRtDevice> device(new MidiInRtDevice(port));
        if (device->IsOk() && flood.Names(device->GetName()))
            return device;
    }
    return nullptr;
}

// Counts the device-change relays, as the application's handler would start a detection.
int relays = 0; // GUI thread
void OnDevicesChanged()
{
    ++relays;
}

} // namespace

class PortsUnplugTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qputenv("OVELUNE_MIDI_API", "jack"); }

    // Closing an input device while its callback is being called: the back end must not
    // call into a device that has gone, nor call a callback that is being cancelled.
    void closingWhileNotesArrive()
    {
        NoteFlood flood;
        flood.Plug();
        QElapsedTimer clock;
        clock.start();
        int closed = 0;
        for (; closed < 100 && clock.elapsed() < 40000; ++closed) {
            EventLog log; // outlives the device
            std::unique_ptr<MidiInRtDevice> device = OpenFloodedDevice(flood);
            QVERIFY(device);
            device->AddObserver(&log);
            // Close at a moment when notes are surely under way.
            QVERIFY(log.WaitForCount(1 + static_cast<std::size_t>(closed % 5), 5000));
            if (closed % 2)
                device->Close();
            device.reset();
            QVERIFY(!log.Events().empty());
        }
        qInfo("closed %d devices receiving notes in %lld ms", closed, static_cast<long long>(clock.elapsed()));
        QVERIFY(closed >= 20);
    }

    // The keyboard goes away while its notes arrive and the device manager re-enumerates,
    // many times over; every plug-in and every unplugging is seen.
    void unplugAndReplugUnderTheDeviceManager()
    {
        NoteFlood flood;
        SoundController manager;
        SoundController::SetMidiDeviceHandler(OnDevicesChanged);
        QElapsedTimer clock;
        clock.start();
        int cycles = 0;
        for (; cycles < 25 && clock.elapsed() < 60000; ++cycles) {
            flood.Plug(QStringLiteral("Test Keyboard %1").arg(cycles % 3));
            QTRY_VERIFY_WITH_TIMEOUT(relays > 0, 10000);
            relays = 0;
            QVERIFY(manager.UpdateDevices());
            QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(1));
            EventLog log; // outlives the device
            boost::shared_ptr<MidiInDevice> device = manager.GetInputMidiDevice(0);
            QVERIFY(flood.Names(device->GetName()));
            device->AddObserver(&log);
            QVERIFY(log.WaitForCount(1, 5000));

            // Unplugged while playing; the device still held (as the listener's weak
            // pointer may briefly hold it) and the manager re-enumerating at once, or only
            // once the change has been relayed.
            flood.Unplug();
            if (cycles % 2) {
                manager.UpdateDevices();
                QTRY_VERIFY_WITH_TIMEOUT(relays > 0, 10000);
            } else {
                QTRY_VERIFY_WITH_TIMEOUT(relays > 0, 10000);
                manager.UpdateDevices();
            }
            relays = 0;
            device->RemoveObserver(&log);
            device.reset();
            manager.UpdateDevices();
            QCOMPARE(manager.GetInputMidiDeviceCount(), std::size_t(0));
        }
        SoundController::SetMidiDeviceHandler(nullptr);
        qInfo("%d unplug/replug cycles in %lld ms", cycles, static_cast<long long>(clock.elapsed()));
        QVERIFY(cycles >= 10);
    }
};

QTEST_GUILESS_MAIN(PortsUnplugTest)
#include "tst_ports_unplug.moc"
