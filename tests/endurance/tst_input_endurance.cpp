// A million system real-time messages (MIDI clock and active sensing, as a keyboard sends
// them for as long as it is plugged in) through a real input port on the test's JACK
// server, the input device and the answer listener. Memory must stay bounded and the
// answers played in between must still get through.

#include "core/midi/midi_connector.h"
#include "core/midi/midi_device_rt.h"

#include "support/test_keyboard.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QThread>

#include <atomic>
#include <cstdio>

#include <unistd.h>

using namespace Core;

namespace {

const long MessageCount = 1000000;
const long AnswerEvery = 10000; // a note-on in place of every 10000th message
const int Batch = 200; // sent at once; at most two batches are on their way

// What the application would get; called on the MIDI back end's thread.
class AnswerCounter : public MidiAnswerReceiver
{
public:
    void processMidiEvent(const MidiEvent& event) override
    {
        ++events;
        if (event.GetMessage().IsNoteAudible())
            ++answers;
    }
    std::atomic<long> events{0};
    std::atomic<long> answers{0};
};

long ResidentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Waits until `count` reaches `target` or no progress for a while (JACK drops a cycle's
// MIDI when a client runs late on a loaded machine). Returns the shortfall then: those
// messages are lost, not late.
long WaitFor(const std::atomic<long>& count, long target)
{
    QElapsedTimer idle;
    idle.start();
    long seen = count.load();
    while (count.load() < target && idle.elapsed() < 500) {
        QThread::usleep(200);
        if (count.load() != seen) {
            seen = count.load();
            idle.restart();
        }
    }
    return qMax(0L, target - count.load());
}

} // namespace

class TestInputEndurance : public QObject
{
    Q_OBJECT

private slots:
    void aMillionRealTimeMessagesKeepMemoryBounded();
};

void TestInputEndurance::aMillionRealTimeMessagesKeepMemoryBounded()
{
    qputenv("OVELUNE_MIDI_API", "jack");
    TestKeyboard keyboard;
    QVERIFY(keyboard.IsOpen());
    boost::shared_ptr<MidiInRtDevice> device(new MidiInRtDevice(0)); // the only port
    QVERIFY(device->IsOk() && keyboard.Names(device->GetName()));
    AnswerCounter receiver;
    MidiAnswerListener listener(&receiver, device);

    QElapsedTimer clock;
    clock.start();
    long sent = 0, sentAnswers = 0, lost = 0;
    long residentAfterWarmUp = 0, residentMax = 0;
    const std::vector<unsigned char> timingClock{0xF8}, activeSensing{0xFE}, noteOn{0x90, 60, 100};
    while (sent < MessageCount) {
        for (int i = 0; i < Batch && sent < MessageCount; ++i, ++sent) {
            if (sent % AnswerEvery == AnswerEvery - 1) {
                keyboard.Send(noteOn);
                ++sentAnswers;
            } else {
                keyboard.Send(sent % 2 ? activeSensing : timingClock);
            }
        }
        // One batch may still be on its way while the next is sent: the JACK cycles stay
        // busy without flooding them. Messages a late cycle dropped are not waited for again.
        lost += WaitFor(receiver.events, sent - Batch - lost);
        if (sent == MessageCount / 10)
            residentAfterWarmUp = ResidentKiB();
        if (sent > MessageCount / 10 && sent % 50000 == 0)
            residentMax = qMax(residentMax, ResidentKiB());
    }
    WaitFor(receiver.events, sent - lost);
    const qint64 ms = clock.elapsed();
    const long received = receiver.events.load();
    std::printf("endurance: %ld of %ld messages received in %lld ms (%.0f/s), %ld of %ld answers; "
                "resident %ld KiB after 10 %%, at most %ld KiB after\n",
                received, sent, static_cast<long long>(ms), received * 1000.0 / qMax<qint64>(ms, 1),
                receiver.answers.load(), sentAnswers, residentAfterWarmUp, residentMax);

    // JACK may drop a cycle now and then on a loaded machine; nearly all must arrive.
    QVERIFY2(received >= MessageCount * 9 / 10, qPrintable(QString::number(received)));
    QVERIFY(receiver.answers.load() >= sentAnswers * 8 / 10);
    // The device keeps a bounded recording of the most recent events.
    MidiStream recording;
    device->GetStream(recording);
    QCOMPARE(recording.GetEvents().size(), MidiInDeviceBase::RecordingLimit);
    // 900 000 messages after the warm-up add no more than a few MiB.
    QVERIFY2(residentMax - residentAfterWarmUp < 16 * 1024,
             qPrintable(QStringLiteral("%1 KiB -> %2 KiB").arg(residentAfterWarmUp).arg(residentMax)));
}

QTEST_GUILESS_MAIN(TestInputEndurance)
#include "tst_input_endurance.moc"
