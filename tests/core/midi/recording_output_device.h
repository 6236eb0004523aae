#pragma once

// An output device that keeps the messages it is asked to play, with the sending thread.

#include "core/midi/midi_device.h"

#include <QMutexLocker>

#include <thread>
#include <vector>

class RecordingOutputDevice : public Core::MidiOutDevice
{
public:
    QString GetName() const override { return QStringLiteral("recording output"); }
    void Reset() override {}
    void Stop() override {}
    void SendMessage(const Core::MidiMessage& message) override
    {
        QMutexLocker lock(&mutex);
        sent.push_back(message);
        threads.push_back(std::this_thread::get_id());
    }
    double GetVolume() const override { return 1.0; }
    void SetVolume(double) override {}

    std::vector<Core::MidiMessage> Sent() const
    {
        QMutexLocker lock(&mutex);
        return sent;
    }
    std::vector<std::thread::id> Threads() const
    {
        QMutexLocker lock(&mutex);
        return threads;
    }

private:
    mutable QMutex mutex; // guards sent and threads
    std::vector<Core::MidiMessage> sent;
    std::vector<std::thread::id> threads;
};
