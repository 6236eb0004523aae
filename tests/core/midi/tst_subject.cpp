#include "core/midi/error.h"
#include "core/midi/midi.h"
#include "core/midi/subject.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

using namespace Core;

namespace {

class CountingSubject : public Subject<MidiDeviceObserver>
{
public:
    void Send(int note)
    {
        const MidiEvent event(MidiMessage(NoteOn, 0, static_cast<unsigned char>(note), 1), 0, 0.0);
        Notify([&event](MidiDeviceObserver* observer) { observer->OnMidiEvent(event); });
    }
    int Count() const { return ObserverCount(); }
};

class Observer : public MidiDeviceObserver
{
public:
    void OnMidiEvent(const MidiEvent& event) override
    {
        notes.push_back(event.GetMessage().GetNote());
        if (action)
            action();
    }
    std::vector<int> notes;
    std::function<void()> action;
};

// Notices a call made after it was declared gone.
class GuardedObserver : public MidiDeviceObserver
{
public:
    void OnMidiEvent(const MidiEvent&) override
    {
        if (dead)
            calledWhenDead = true;
        ++calls;
        QThread::msleep(2); // stay inside long enough for the remover to meet the call
        if (dead)
            calledWhenDead = true;
    }
    std::atomic<bool> dead{false};
    std::atomic<bool> calledWhenDead{false};
    std::atomic<int> calls{0};
};

} // namespace

class TestSubject : public QObject
{
    Q_OBJECT

private slots:
    void registrationOrderAndDuplicates()
    {
        CountingSubject subject;
        std::vector<int> order;
        Observer first, second;
        first.action = [&order] { order.push_back(1); };
        second.action = [&order] { order.push_back(2); };
        subject.AddObserver(&second);
        subject.AddObserver(&first);
        subject.AddObserver(&second);
        QCOMPARE(subject.Count(), 2);
        subject.Send(60);
        QCOMPARE(order, (std::vector<int>{2, 1}));
        QCOMPARE(second.notes.size(), std::size_t(1));
    }

    void removingUnknownObserverChangesNothing()
    {
        CountingSubject subject;
        Observer known, unknown;
        subject.AddObserver(&known);
        subject.RemoveObserver(&unknown);
        QCOMPARE(subject.Count(), 1);
        subject.Send(61);
        QCOMPARE(known.notes, std::vector<int>{61});
        subject.RemoveObserver(&known);
        subject.RemoveObserver(&known);
        QCOMPARE(subject.Count(), 0);
        subject.Send(62);
        QCOMPARE(known.notes.size(), std::size_t(1));
    }

    void observerRemovingItselfGetsCurrentEventOnly()
    {
        CountingSubject subject;
        Observer self, other;
        self.action = [&] { subject.RemoveObserver(&self); };
        subject.AddObserver(&self);
        subject.AddObserver(&other);
        subject.Send(60); // must not deadlock
        subject.Send(61);
        QCOMPARE(self.notes, std::vector<int>{60});
        QCOMPARE(other.notes, (std::vector<int>{60, 61}));
    }

    void changesInsideCallbackApplyFromNextNotification()
    {
        CountingSubject subject;
        Observer adder, added, removed;
        bool once = true;
        adder.action = [&] {
            if (once) {
                subject.AddObserver(&added);
                once = false;
            }
        };
        subject.AddObserver(&adder);
        subject.Send(60);
        QVERIFY(added.notes.empty());
        subject.Send(61);
        QCOMPARE(added.notes, std::vector<int>{61});

        // An observer removed by an earlier one of the same notification is not called.
        CountingSubject second;
        Observer remover;
        remover.action = [&] { second.RemoveObserver(&removed); };
        second.AddObserver(&remover);
        second.AddObserver(&removed);
        second.Send(70);
        QVERIFY(removed.notes.empty());
    }

    void manyObserversAllNotified()
    {
        CountingSubject subject;
        std::vector<Observer> observers(40);
        for (Observer& o : observers)
            subject.AddObserver(&o);
        subject.Send(64);
        for (const Observer& o : observers)
            QCOMPARE(o.notes, std::vector<int>{64});
    }

    // After RemoveObserver returns, a delivery running on another thread never calls the
    // observer again, so the observer may be destroyed right away.
    void removalWaitsForDeliveryOnOtherThread()
    {
        for (int round = 0; round < 20; ++round) {
            CountingSubject subject;
            GuardedObserver observer;
            subject.AddObserver(&observer);
            std::atomic<bool> stop{false};
            std::thread notifier([&] {
                while (!stop)
                    subject.Send(60);
            });
            while (observer.calls.load() == 0)
                QThread::usleep(100);
            QThread::usleep(static_cast<unsigned long>(round * 150)); // vary the moment
            subject.RemoveObserver(&observer);
            observer.dead = true;
            const int callsAtRemoval = observer.calls.load();
            QThread::msleep(10);
            stop = true;
            notifier.join();
            QVERIFY(!observer.calledWhenDead);
            QCOMPARE(observer.calls.load(), callsAtRemoval);
        }
    }

    // Threads registering, removing and notifying at once.
    void concurrentRegistrationAndNotification()
    {
        CountingSubject subject;
        std::atomic<bool> stop{false};
        std::vector<std::thread> notifiers;
        for (int i = 0; i < 2; ++i)
            notifiers.emplace_back([&] {
                while (!stop)
                    subject.Send(60);
            });
        std::vector<std::thread> churners;
        std::atomic<int> churnFailures{0};
        for (int t = 0; t < 4; ++t)
            churners.emplace_back([&] {
                for (int i = 0; i < 300; ++i) {
                    GuardedObserver observer;
                    subject.AddObserver(&observer);
                    QThread::usleep(50);
                    subject.RemoveObserver(&observer);
                    observer.dead = true;
                    QThread::usleep(50);
                    if (observer.calledWhenDead)
                        ++churnFailures;
                }
            });
        for (std::thread& t : churners)
            t.join();
        stop = true;
        for (std::thread& t : notifiers)
            t.join();
        QCOMPARE(churnFailures.load(), 0);
        QCOMPARE(subject.Count(), 0);
    }

    void removingSelfFromCallbackOnOtherThreadDoesNotHang()
    {
        CountingSubject subject;
        Observer self;
        self.action = [&] { subject.RemoveObserver(&self); };
        subject.AddObserver(&self);
        std::thread notifier([&] { subject.Send(60); });
        notifier.join();
        QCOMPARE(self.notes, std::vector<int>{60});
        QCOMPARE(subject.Count(), 0);
    }

    void errorValues()
    {
        const Error none;
        QVERIFY(!none.IsError());
        QVERIFY(!none);
        QCOMPARE(none.GetCode(), 0u);
        QVERIFY(none.GetMessage().isEmpty());
        QVERIFY(none.GetTag().file == nullptr);

        const Error raised(Detail::BuildLineTag("src/core/midi/midi_device_rt", "GetPortCount", 42),
                           768 + 3, QStringLiteral("driver failed"));
        Error copy = raised;
        Error assigned;
        assigned = copy;
        for (const Error* e : std::vector<const Error*>{&raised, &copy, &assigned}) {
            QVERIFY(e->IsError());
            QCOMPARE(e->GetCode(), 771u);
            QCOMPARE(e->GetMessage(), QStringLiteral("driver failed"));
            QCOMPARE(e->GetTag().line, 42u);
            // The tag's strings are shared, never copied.
            QCOMPARE(static_cast<const void*>(e->GetTag().file),
                     static_cast<const void*>(raised.GetTag().file));
            QCOMPARE(QString(e->GetTag().function), QStringLiteral("GetPortCount"));
        }
        // Thrown by value and caught intact.
        try {
            throw raised;
        } catch (const Error& caught) {
            QCOMPARE(caught.GetCode(), 771u);
        }
        // Releasing copies leaves the others intact.
        copy = Error();
        QVERIFY(!copy.IsError());
        QCOMPARE(assigned.GetCode(), 771u);
    }
};

QTEST_GUILESS_MAIN(TestSubject)

#include "tst_subject.moc"
