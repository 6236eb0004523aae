#pragma once

#include "core/midi/midi.h"
#include "core/midi/subject.h"

#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QWaitCondition>

#include <vector>

// Records the events a device reports, with the thread each arrived on.
// Threads: filled on the device's thread, read from the test's thread; guarded by mutex.
class EventLog : public Core::MidiDeviceObserver
{
public:
    void OnMidiEvent(const Core::MidiEvent& event) override
    {
        QMutexLocker lock(&mutex);
        events.push_back(event);
        threads.push_back(QThread::currentThread());
        arrived.wakeAll();
    }
    // Waits until at least `count` events have arrived; false on time-out.
    bool WaitForCount(std::size_t count, unsigned long milliseconds)
    {
        QMutexLocker lock(&mutex);
        while (events.size() < count && arrived.wait(&mutex, milliseconds)) {} // woken: count again
        return events.size() >= count;
    }
    std::vector<Core::MidiEvent> Events() const { QMutexLocker lock(&mutex); return events; }
    std::vector<QThread*> Threads() const { QMutexLocker lock(&mutex); return threads; }

private:
    mutable QMutex mutex; // guards events and threads
    QWaitCondition arrived;
    std::vector<Core::MidiEvent> events;
    std::vector<QThread*> threads;
};
