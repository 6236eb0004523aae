#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QVarLengthArray>
#include <QWaitCondition>

#include <algorithm>
#include <thread>
#include <vector>

namespace Core {

class MidiEvent;

// Receives the events an input device produces (or an output device plays). Called on the
// thread that produced the event: the MIDI back end's thread or the multimedia timer thread.
class MidiDeviceObserver
{
public:
    virtual ~MidiDeviceObserver() = default;
    virtual void OnMidiEvent(const MidiEvent& event) = 0;
};

// Told when a stream player has played its stream to the end (on the multimedia timer thread).
class MidiInStreamDeviceObserver
{
public:
    virtual ~MidiInStreamDeviceObserver() = default;
    virtual void OnPlaybackComplete() = 0;
};

// Called by the multimedia timer thread about every 5 ms with a millisecond stamp of the
// monotonic clock.
class MultimediaTimerObserver
{
public:
    virtual ~MultimediaTimerObserver() = default;
    virtual void OnTimer(long long stamp) = 0;
};

// A list of raw observer pointers, notified one by one. The subject neither owns its
// observers nor tells them when it goes away.
//
// Threads: observers may be added, removed and notified from any thread. The lock is never
// held while an observer runs, so an observer may add or remove observers from inside its
// callback. Once RemoveObserver(o) has returned, no notification running on another thread
// calls o any more: removal waits for a call to o that is under way elsewhere, and every
// delivery checks, just before each call, that the observer is still registered. This lets
// an observer unregister itself in its destructor and be destroyed right after.
template <typename T>
class Subject
{
public:
    Subject() = default;
    virtual ~Subject() = default;

    Subject(const Subject&) = delete;
    Subject& operator=(const Subject&) = delete;

    void AddObserver(T* observer)
    {
        QMutexLocker lock(&observersMutex);
        if (std::find(observers.begin(), observers.end(), observer) == observers.end())
            observers.push_back(observer);
    }

    void RemoveObserver(T* observer)
    {
        QMutexLocker lock(&observersMutex);
        const auto it = std::find(observers.begin(), observers.end(), observer);
        if (it != observers.end())
            observers.erase(it);
        // A call to this observer in progress on this very thread is the caller itself
        // (removal from inside the callback): waiting for it would never end.
        const std::thread::id self = std::this_thread::get_id();
        while (IsBeingCalledElsewhere(observer, self))
            deliveryDone.wait(&observersMutex);
    }

    // Applies f to every observer registered when the notification starts, in registration
    // order, skipping those removed meanwhile.
    template <typename F>
    void Notify(F f)
    {
        Delivery delivery;
        delivery.thread = std::this_thread::get_id();
        QVarLengthArray<T*, 8> snapshot;
        {
            QMutexLocker lock(&observersMutex);
            for (T* observer : observers)
                snapshot.append(observer);
            deliveries.push_back(&delivery);
        }
        for (T* observer : snapshot) {
            {
                QMutexLocker lock(&observersMutex);
                if (std::find(observers.begin(), observers.end(), observer) == observers.end())
                    continue;
                delivery.current = observer;
            }
            f(observer);
            QMutexLocker lock(&observersMutex);
            delivery.current = nullptr;
            deliveryDone.wakeAll();
        }
        QMutexLocker lock(&observersMutex);
        deliveries.erase(std::find(deliveries.begin(), deliveries.end(), &delivery));
    }

protected:
    // For tests and diagnostics: the number of registered observers.
    int ObserverCount() const
    {
        QMutexLocker lock(&observersMutex);
        return static_cast<int>(observers.size());
    }

private:
    // One notification in progress, living on the notifying thread's stack.
    struct Delivery
    {
        std::thread::id thread;
        T* current = nullptr; // the observer being called right now, or null
    };

    bool IsBeingCalledElsewhere(T* observer, std::thread::id self) const
    {
        for (const Delivery* d : deliveries)
            if (d->current == observer && d->thread != self)
                return true;
        return false;
    }

    mutable QMutex observersMutex; // guards observers and deliveries
    QWaitCondition deliveryDone;   // signalled whenever a call to an observer returns
    std::vector<T*> observers;
    std::vector<Delivery*> deliveries;
};

} // namespace Core
