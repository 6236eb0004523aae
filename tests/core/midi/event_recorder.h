#pragma once

// A MIDI device observer that keeps what it receives, with the arrival time and thread, and
// an end-of-playback observer that counts reports. Safe to read from the test thread while a
// device notifies from its own thread.

#include "core/midi/midi.h"
#include "core/midi/subject.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

struct ReceivedEvent
{
    Core::MidiEvent event;
    qint64 atMs = 0; // since the recorder's clock was started
    std::thread::id thread;
};

class EventRecorder : public Core::MidiDeviceObserver
{
public:
    EventRecorder() { clock.start(); }

    void RestartClock()
    {
        QMutexLocker lock(&mutex);
        clock.restart();
    }

    void OnMidiEvent(const Core::MidiEvent& event) override
    {
        {
            QMutexLocker lock(&mutex);
            received.push_back({event, clock.elapsed(), std::this_thread::get_id()});
        }
        if (onEvent)
            onEvent(event);
    }

    std::vector<ReceivedEvent> Events() const
    {
        QMutexLocker lock(&mutex);
        return received;
    }

    int Count() const
    {
        QMutexLocker lock(&mutex);
        return static_cast<int>(received.size());
    }

    // Polls until at least count events have arrived or timeoutMs has passed.
    bool WaitForCount(int count, int timeoutMs = 10000) const
    {
        QElapsedTimer waited;
        waited.start();
        while (Count() < count) {
            if (waited.elapsed() > timeoutMs)
                return false;
            QThread::msleep(1);
        }
        return true;
    }

    // Runs after the event is stored, on the notifying thread. Set before notifications start.
    std::function<void(const Core::MidiEvent&)> onEvent;

private:
    mutable QMutex mutex; // guards clock and received
    QElapsedTimer clock;
    std::vector<ReceivedEvent> received;
};

class CompletionCounter : public Core::MidiInStreamDeviceObserver
{
public:
    void OnPlaybackComplete() override
    {
        ++count;
        if (onComplete)
            onComplete();
    }

    bool WaitForCount(int expected, int timeoutMs = 10000) const
    {
        QElapsedTimer waited;
        waited.start();
        while (count.load() < expected) {
            if (waited.elapsed() > timeoutMs)
                return false;
            QThread::msleep(1);
        }
        return true;
    }

    std::atomic<int> count{0};
    // Runs on the notifying thread. Set before notifications start.
    std::function<void()> onComplete;
};
