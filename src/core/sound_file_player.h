#pragma once

#include <QByteArray>
#include <QObject>

#include <atomic>
#include <thread>

namespace Core {

// Plays one whole sound file held in memory (any format libsndfile reads) on the default
// audio output, on a thread of its own, and reports the end with finished().
//
// Output: ALSA, device "default" or the PCM named by OVELUNE_SOUND_PCM. With
// OVELUNE_AUDIO_DRIVER=none there is no output: the end is reported at once, as it is when
// the output cannot be opened or the bytes cannot be decoded.
//
// Threads: the owner's thread (the GUI thread) creates, starts, stops and destroys the
// player and receives finished(); the playback thread only decodes, writes to the output
// and reads the atomic stop request.
class SoundFilePlayer : public QObject
{
    Q_OBJECT

public:
    // The bytes are shared, not copied, and stay alive for the whole playback.
    explicit SoundFilePlayer(const QByteArray& bytes, QObject* parent = nullptr);
    // Stops the playback and waits for its thread.
    ~SoundFilePlayer() override;

    void Start();
    // Asks the playback to end soon; finished() follows.
    void Stop();

signals:
    void finished();

private:
    void Play();
    void ReportEnd();

    const QByteArray bytes;
    std::atomic<bool> stopRequested{false};
    std::thread playback;
    bool started = false;
};

} // namespace Core
