#include "core/sound_file_player.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <alsa/asoundlib.h>
#include <sndfile.h>

#include <cstring>
#include <vector>

namespace Core {

namespace {

Q_LOGGING_CATEGORY(lcSound, "ovelune.sound", QtWarningMsg)

bool OutputDisabled()
{
    return qgetenv("OVELUNE_AUDIO_DRIVER") == "none";
}

QByteArray OutputName()
{
    const QByteArray name = qgetenv("OVELUNE_SOUND_PCM");
    return name.isEmpty() ? QByteArray("default") : name;
}

// libsndfile reads the sound from memory through these.
struct MemoryFile
{
    const char* data;
    sf_count_t size;
    sf_count_t pos;
};

sf_count_t MemoryLength(void* user)
{
    return static_cast<MemoryFile*>(user)->size;
}

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user)
{
    MemoryFile* file = static_cast<MemoryFile*>(user);
    sf_count_t base = 0;
    if (whence == SEEK_CUR)
        base = file->pos;
    else if (whence == SEEK_END)
        base = file->size;
    const sf_count_t target = base + offset;
    if (target < 0 || target > file->size)
        return -1;
    file->pos = target;
    return file->pos;
}

sf_count_t MemoryRead(void* out, sf_count_t count, void* user)
{
    MemoryFile* file = static_cast<MemoryFile*>(user);
    const sf_count_t available = file->size - file->pos;
    const sf_count_t n = count < available ? count : available;
    if (n <= 0)
        return 0;
    std::memcpy(out, file->data + file->pos, static_cast<size_t>(n));
    file->pos += n;
    return n;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*)
{
    return 0;
}

sf_count_t MemoryTell(void* user)
{
    return static_cast<MemoryFile*>(user)->pos;
}

class Decoder
{
public:
    explicit Decoder(const QByteArray& bytes)
        : memory{bytes.constData(), bytes.size(), 0}
    {
        SF_VIRTUAL_IO io = {MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
        std::memset(&info, 0, sizeof info);
        if (!bytes.isEmpty())
            file = sf_open_virtual(&io, SFM_READ, &info, &memory);
    }
    ~Decoder()
    {
        if (file)
            sf_close(file);
    }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    bool IsOpen() const
    {
        return file && info.channels > 0 && info.channels <= 64 && info.samplerate > 0;
    }
    SNDFILE* Get() const { return file; }
    const SF_INFO& Info() const { return info; }

private:
    MemoryFile memory;
    SF_INFO info;
    SNDFILE* file = nullptr;
};

class Output
{
public:
    Output(const QByteArray& name, int channels, int rate)
    {
        // Opened without blocking: a busy device must not hold the playback thread.
        int err = snd_pcm_open(&pcm, name.constData(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
        if (err < 0) {
            qCDebug(lcSound) << "cannot open audio output" << name << snd_strerror(err);
            pcm = nullptr;
            return;
        }
        err = snd_pcm_nonblock(pcm, 0);
        if (err >= 0)
            err = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                                     static_cast<unsigned int>(channels), static_cast<unsigned int>(rate),
                                     1, 100000);
        if (err < 0) {
            qCDebug(lcSound) << "cannot set up audio output" << name << snd_strerror(err);
            snd_pcm_close(pcm);
            pcm = nullptr;
        }
    }
    ~Output()
    {
        if (pcm)
            snd_pcm_close(pcm);
    }
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    bool IsOpen() const { return pcm != nullptr; }

    bool Write(const short* frames, snd_pcm_uframes_t count, int channels)
    {
        while (count > 0) {
            snd_pcm_sframes_t written = snd_pcm_writei(pcm, frames, count);
            if (written < 0)
                written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
            if (written < 0) {
                qCDebug(lcSound) << "audio output failed" << snd_strerror(static_cast<int>(written));
                return false;
            }
            frames += written * channels;
            count -= static_cast<snd_pcm_uframes_t>(written);
        }
        return true;
    }

    void Finish(bool stopped)
    {
        if (stopped)
            snd_pcm_drop(pcm);
        else
            snd_pcm_drain(pcm);
    }

private:
    snd_pcm_t* pcm = nullptr;
};

} // namespace

SoundFilePlayer::SoundFilePlayer(const QByteArray& bytes, QObject* parent)
    : QObject(parent)
    , bytes(bytes)
{
}

SoundFilePlayer::~SoundFilePlayer()
{
    Stop();
    if (playback.joinable())
        playback.join();
}

void SoundFilePlayer::Start()
{
    if (started)
        return;
    started = true;
    if (OutputDisabled() || bytes.isEmpty()) {
        ReportEnd();
        return;
    }
    playback = std::thread([this] {
        Play();
        ReportEnd();
    });
}

void SoundFilePlayer::Stop()
{
    stopRequested = true;
}

// Playback thread.
void SoundFilePlayer::Play()
{
    Decoder decoder(bytes);
    if (!decoder.IsOpen()) {
        qCDebug(lcSound) << "cannot decode the sound:" << sf_strerror(decoder.Get());
        return;
    }
    const int channels = decoder.Info().channels;
    Output output(OutputName(), channels, decoder.Info().samplerate);
    if (!output.IsOpen())
        return;
    constexpr sf_count_t PieceFrames = 1024;
    std::vector<short> piece(static_cast<size_t>(PieceFrames * channels));
    while (!stopRequested) {
        const sf_count_t frames = sf_readf_short(decoder.Get(), piece.data(), PieceFrames);
        if (frames <= 0)
            break;
        if (!output.Write(piece.data(), static_cast<snd_pcm_uframes_t>(frames), channels))
            return;
    }
    output.Finish(stopRequested);
}

// Any thread: finished() is emitted on the player's own thread, and not at all once the
// player is gone.
void SoundFilePlayer::ReportEnd()
{
    QMetaObject::invokeMethod(this, &SoundFilePlayer::finished, Qt::QueuedConnection);
}

} // namespace Core
