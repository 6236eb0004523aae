#include "core/midi/synth_bridge.h"

#include "core/midi/midi_setup_watcher.h"

#include <QByteArray>
#include <QFileInfo>
#include <QStringList>

#include <fluidsynth.h>

#include <dlfcn.h>

#include <algorithm>
#include <chrono>
#include <array>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace Core {

namespace {

const double FilterCutoffHz = 6900.0;
const double Pi = 3.14159265358979323846;
// Messages kept while the soundfont loads (about 40 ms), or between two blocks of the audio
// output; more are dropped.
const std::size_t MaxPendingMessages = 4096;
// Without an audio driver: messages after which the synthesizer's event queue is drained by
// rendering (and dropping) DrainFrames frames, about 1.5 ms. The queue holds 64 events per
// voice of polyphony (4096), and a note-on that has to steal a voice takes up to about 50:
// with 256 such notes between drains it overflowed, events were lost, and a voice went on
// sounding after Stop.
const unsigned int MessagesBetweenDrains = 32;
const unsigned int DrainFrames = 64;
// After this much silence the audio output is closed, and opened again (about 1 to 3 ms)
// by the next message: an open output wakes its thread every period, a few percent of a
// core for nothing while the program waits.
const auto QuietBeforeOutputSleeps = std::chrono::seconds(3);
const char* const SystemSoundfonts[] = {
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
};
// The desktop's sound servers first: FluidSynth's default, ALSA, reaches them through their
// ALSA plug-in, a second thread and copy for every period. Then the system's default, then
// the rest, in this order.
const char* const PreferredDrivers[] = {"pipewire", "pulseaudio"};
const char* const FallbackDrivers[] = {"alsa", "jack", "sdl2"};

// Second-order low-pass (Butterworth: Q = 1/sqrt(2), no resonance peak), as in the
// audio EQ cookbook, transposed direct form II in double precision.
class LowPass
{
public:
    void Design(double sampleRate, double cutoff)
    {
        const double w0 = 2.0 * Pi * std::min(cutoff, 0.45 * sampleRate) / sampleRate;
        const double alpha = std::sin(w0) / (2.0 * (1.0 / std::sqrt(2.0)));
        const double c = std::cos(w0);
        const double a0 = 1.0 + alpha;
        b0 = (1.0 - c) / 2.0 / a0;
        b1 = (1.0 - c) / a0;
        b2 = b0;
        a1 = -2.0 * c / a0;
        a2 = (1.0 - alpha) / a0;
        z1 = z2 = 0.0;
    }

    void Process(float* samples, unsigned int count)
    {
        for (unsigned int i = 0; i < count; ++i) {
            const double x = samples[i];
            const double y = b0 * x + z1;
            z1 = b1 * x - a1 * y + z2;
            z2 = b2 * x - a2 * y;
            samples[i] = static_cast<float>(y);
        }
        // Keep the decaying tail out of the slow denormal range.
        if (std::fabs(z1) < 1e-25)
            z1 = 0.0;
        if (std::fabs(z2) < 1e-25)
            z2 = 0.0;
    }

    // No sound left in the filter's memory.
    bool IsAtRest() const { return z1 == 0.0 && z2 == 0.0; }

private:
    double b0 = 1.0, b1 = 0.0, b2 = 0.0, a1 = 0.0, a2 = 0.0;
    double z1 = 0.0, z2 = 0.0;
};

// FluidSynth, opened at run time by the first synthesizer's loader thread: the library and
// the dozens it depends on load beside the program's start-up instead of before main. The
// functions are set once, before any synthesizer is created, and only read after.
#define OVELUNE_FLUID_FUNCTIONS(F)                                                                                     \
    F(new_fluid_settings) F(delete_fluid_settings) F(fluid_settings_setint) F(fluid_settings_setnum)                   \
    F(fluid_settings_setstr) F(fluid_settings_getint) F(fluid_settings_getnum) F(fluid_settings_dupstr) F(fluid_free)   \
    F(fluid_set_log_function) F(new_fluid_synth) F(delete_fluid_synth) F(fluid_is_soundfont) F(fluid_synth_sfload)    \
    F(fluid_synth_count_midi_channels) F(fluid_synth_set_channel_type) F(fluid_synth_program_select)                  \
    F(fluid_synth_noteon) F(fluid_synth_noteoff) F(fluid_synth_key_pressure) F(fluid_synth_cc)                        \
    F(fluid_synth_program_change) F(fluid_synth_channel_pressure) F(fluid_synth_pitch_bend)                           \
    F(fluid_synth_write_float) F(fluid_synth_get_active_voice_count) F(fluid_synth_activate_key_tuning)               \
    F(fluid_synth_activate_tuning) F(fluid_synth_deactivate_tuning) F(new_fluid_audio_driver)                         \
    F(new_fluid_audio_driver2) F(delete_fluid_audio_driver)

struct FluidLibrary
{
#define OVELUNE_FLUID_MEMBER(name) decltype(&::name) name = nullptr;
    OVELUNE_FLUID_FUNCTIONS(OVELUNE_FLUID_MEMBER)
#undef OVELUNE_FLUID_MEMBER
};

FluidLibrary lib;

// Any thread; the first call opens the library. False, with one message on standard error,
// when it or one of its functions is missing. The handle stays open: FluidSynth's threads
// and drivers cannot be unloaded safely.
bool OpenFluidLibrary()
{
    static std::once_flag once;
    static bool opened = false;
    std::call_once(once, [] {
        void* handle = dlopen(OVELUNE_FLUIDSYNTH_SONAME, RTLD_NOW | RTLD_LOCAL);
        const char* missing = nullptr;
        FluidLibrary found;
#define OVELUNE_FLUID_FIND(name)                                                                                       \
    if (handle && !missing) {                                                                                          \
        found.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));                                        \
        if (!found.name)                                                                                               \
            missing = #name;                                                                                           \
    }
        OVELUNE_FLUID_FUNCTIONS(OVELUNE_FLUID_FIND)
#undef OVELUNE_FLUID_FIND
        if (!handle || missing) {
            const char* error = dlerror();
            std::fprintf(stderr,
                         "Ovelune: the synthesizer library %s could not be loaded (%s); notes will be silent. "
                         "Install the package that provides it (Debian: libfluidsynth3).\n",
                         OVELUNE_FLUIDSYNTH_SONAME, error ? error : missing ? missing : "unknown error");
            return;
        }
        lib = found;
        opened = true;
    });
    return opened;
}

// FluidSynth's messages go to standard error, except while this thread tries audio
// drivers one after another: those failures are summed up in one message of our own.
thread_local bool quietFluid = false;

void FluidLog(int level, const char* message, void*)
{
    if (level > FLUID_WARN || quietFluid)
        return;
    std::fprintf(stderr, "fluidsynth: %s\n", message);
}

void InstallFluidLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            lib.fluid_set_log_function(level, FluidLog, nullptr);
    });
}

} // namespace

struct AudioSystem
{
    // Made by the loader thread; read by others only once `ready`, or a loaded soundfont,
    // says loading has finished.
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    // The open audio output: the loader thread's alone (it opens and closes it), and
    // ReleaseMacMidiDevice's once that thread has ended.
    fluid_audio_driver_t* driver = nullptr;
    std::string driverName; // set once by the loader, before `ready`
    bool hasOutput = false; // likewise: an audio output was found (it may be asleep)
    std::atomic<int> callbackFrames{0};     // frames of the audio driver's latest callback
    std::thread loader;

    std::mutex readyMutex; // guards ready
    std::condition_variable readyChanged;
    bool ready = false; // the loader has finished

    // Messages that arrive while the soundfont loads wait here and are played, in order,
    // once it is loaded (or dropped when there is none).
    std::mutex pendingMutex; // guards pending, referencePitch, loadFinished and soundfontLoaded's writes
    std::vector<std::array<unsigned char, 3>> pending;
    double referencePitch = 440.0; // asked for while loading; tuned before the kept messages play
    bool loadFinished = false;
    std::atomic<bool> soundfontLoaded{false};

    // True once it is settled that no audio driver runs: then time only moves when someone
    // renders, and FluidSynth's event queue would overflow if many messages came with no
    // rendering in between (a session of some 30 questions); every so many messages a few
    // milliseconds are rendered and dropped to drain it.
    std::atomic<bool> rendersOnDemand{false};
    std::atomic<unsigned int> messagesSinceRender{0};

    // Guards the filters and the render path: the audio driver's thread and Render.
    std::mutex renderMutex;
    LowPass filters[2];
    bool filterEnabled = true;
    // Under renderMutex: the latest render left no voice and nothing in the filters. The
    // audio thread then writes silence without asking the synthesizer until a message
    // comes (`delivered`, set by any thread): rendering silence would cost the waiting
    // program a few percent of a core.
    bool silent = false;
    std::atomic<bool> delivered{false};
    // Set by the loader once an audio driver renders through OnAudio. From then on messages
    // wait in `queued` for the audio thread, which plays them before its next block: a
    // sender never waits while a block renders (the synthesizer's lock is held for a whole
    // block, milliseconds when many voices sound).
    std::atomic<bool> queueForAudio{false};
    std::mutex queueMutex; // guards queued; held only to add or take messages
    std::vector<std::array<unsigned char, 3>> queued;
    std::vector<std::array<unsigned char, 3>> draining; // the audio thread's
    std::atomic<long long> lastSoundNs{0}; // steady clock of the latest sound or message

    // The loader thread keeps the output after loading: closes it after a quiet spell and
    // opens it again for the next message.
    std::mutex keeperMutex; // guards stopping and wakeOutput
    std::condition_variable keeperWake;
    bool stopping = false;
    bool wakeOutput = false;
    bool reopenFailureReported = false; // the loader thread's
    std::atomic<bool> outputAsleep{false};

    void WaitReady()
    {
        std::unique_lock<std::mutex> lock(readyMutex);
        readyChanged.wait(lock, [this] { return ready; });
    }

    double SampleRate() const
    {
        double rate = 44100.0;
        if (settings)
            lib.fluid_settings_getnum(settings, "synth.sample-rate", &rate);
        return rate;
    }

    // Under renderMutex.
    void RenderLocked(float* left, float* right, unsigned int frames)
    {
        lib.fluid_synth_write_float(synth, static_cast<int>(frames), left, 0, 1, right, 0, 1);
        if (filterEnabled) {
            filters[0].Process(left, frames);
            filters[1].Process(right, frames);
        }
        silent = lib.fluid_synth_get_active_voice_count(synth) == 0 && filters[0].IsAtRest() && filters[1].IsAtRest();
    }

    // Renders and drops DrainFrames frames, so that FluidSynth's event queue is emptied.
    void Drain()
    {
        float left[DrainFrames], right[DrainFrames];
        std::lock_guard<std::mutex> lock(renderMutex);
        RenderLocked(left, right, DrainFrames);
        messagesSinceRender = 0;
    }

    void DesignFilters()
    {
        std::lock_guard<std::mutex> lock(renderMutex);
        for (LowPass& filter : filters)
            filter.Design(SampleRate(), FilterCutoffHz);
    }

    // The audio driver's thread.
    static int OnAudio(void* data, int len, int, float*[], int nout, float* out[])
    {
        auto* self = static_cast<AudioSystem*>(data);
        if (len <= 0 || nout < 2)
            return FLUID_OK;
        self->callbackFrames.store(len, std::memory_order_relaxed);
        std::lock_guard<std::mutex> lock(self->renderMutex);
        {
            std::lock_guard<std::mutex> queueLock(self->queueMutex);
            std::swap(self->queued, self->draining);
        }
        for (const auto& message : self->draining)
            self->Apply(message);
        self->draining.clear();
        // A message that comes after this exchange is rendered by the next callback.
        if (!self->delivered.exchange(false) && self->silent) {
            for (int i = 0; i < nout; ++i)
                std::fill(out[i], out[i] + len, 0.0f);
            return FLUID_OK;
        }
        self->RenderLocked(out[0], out[1], static_cast<unsigned int>(len));
        self->lastSoundNs = SteadyNanoseconds();
        for (int i = 2; i < nout; ++i)
            std::fill(out[i], out[i] + len, 0.0f);
        return FLUID_OK;
    }

    static long long SteadyNanoseconds()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }

    void Deliver(const std::array<unsigned char, 3>& message);
    void Apply(const std::array<unsigned char, 3>& message);
    void Tune(double hz);
    void Load();
    bool CreateSynth();
    void KeepOutput();
    void LoadSoundfont();
    void FinishLoading(bool loaded);
    void StartDriver();
    bool TryDriver(const char* name);
};

// The loader thread.
void AudioSystem::Load()
{
    if (CreateSynth()) {
        LoadSoundfont();
        StartDriver();
        DesignFilters();
    } else {
        FinishLoading(false);
    }
    rendersOnDemand = driver == nullptr;
    hasOutput = driver != nullptr;
    queueForAudio = driver && driverName != "file";
    lastSoundNs = SteadyNanoseconds();
    {
        std::lock_guard<std::mutex> lock(readyMutex);
        ready = true;
        readyChanged.notify_all();
    }
    if (std::getenv("OVELUNE_BENCH_REPORT")) {
        // steady_clock is CLOCK_MONOTONIC here, the clock start-up benchmarks compare with.
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::fprintf(stderr, "ovelune-bench synth-ready-ns %lld audible %d driver %s\n",
                     static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                     soundfontLoaded ? 1 : 0, driver ? driverName.c_str() : "none");
        std::fflush(stderr);
    }
    KeepOutput();
}

// The loader thread, until ReleaseMacMidiDevice. The file driver renders by itself and
// must not start its file again: it stays open.
void AudioSystem::KeepOutput()
{
    if (!driver || driverName == "file")
        return;
    std::unique_lock<std::mutex> lock(keeperMutex);
    while (!stopping) {
        if (driver) {
            keeperWake.wait_for(lock, std::chrono::seconds(1));
            const auto quiet = std::chrono::nanoseconds(SteadyNanoseconds() - lastSoundNs.load());
            if (!stopping && quiet >= QuietBeforeOutputSleeps) {
                outputAsleep = true;
                lib.delete_fluid_audio_driver(driver); // no audio callback after this
                driver = nullptr;
                // A message that came as it closed opens it again.
                if (std::chrono::nanoseconds(SteadyNanoseconds() - lastSoundNs.load()) < QuietBeforeOutputSleeps)
                    wakeOutput = true;
            }
        } else {
            keeperWake.wait(lock, [this] { return stopping || wakeOutput; });
            wakeOutput = false;
            if (stopping)
                break;
            lastSoundNs = SteadyNanoseconds();
            outputAsleep = false; // messages meanwhile need not wait for this lock
            driver = lib.new_fluid_audio_driver2(settings, OnAudio, this);
            if (!driver) {
                outputAsleep = true; // the next message tries again
                if (!reopenFailureReported)
                    std::fprintf(stderr, "Ovelune: the audio output could not be opened again; notes are silent "
                                         "until it can.\n");
                reopenFailureReported = true;
            }
        }
    }
}

// The loader thread: the library, the settings and the synthesizer.
bool AudioSystem::CreateSynth()
{
    if (!OpenFluidLibrary())
        return false;
    InstallFluidLog();
    settings = lib.new_fluid_settings();
    if (!settings) {
        std::fprintf(stderr, "Ovelune: the synthesizer could not be created; notes will be silent.\n");
        return false;
    }
    lib.fluid_settings_setint(settings, "synth.reverb.active", 0);
    lib.fluid_settings_setint(settings, "synth.chorus.active", 0);
    // Samples are read as notes need them: a quarter of the start-up time and memory.
    lib.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    // A piano note at velocity 96 peaks near -10 dBFS at this gain (0.2 is far too quiet).
    lib.fluid_settings_setnum(settings, "synth.gain", 1.0);
    // One piano note at a time, with the release of the one before: 64 voices are plenty,
    // and every voice costs memory (256 by default).
    lib.fluid_settings_setint(settings, "synth.polyphony", 64);
    lib.fluid_settings_setint(settings, "synth.threadsafe-api", 1);
    // 2 x 512 frames, 23 ms at 44.1 kHz: as much as FluidSynth buffers by default, in
    // periods 8 times as long: while a note sounds the output's thread wakes 86 times a
    // second instead of 689, and the sound server's thread with it.
    lib.fluid_settings_setint(settings, "audio.period-size", 512);
    lib.fluid_settings_setint(settings, "audio.periods", 2);
    lib.fluid_settings_setint(settings, "audio.pulseaudio.adjust-latency", 0);
    lib.fluid_settings_setint(settings, "audio.jack.autoconnect", 1);
    lib.fluid_settings_setstr(settings, "audio.jack.id", "Ovelune");
    const QByteArray file = qgetenv("OVELUNE_AUDIO_FILE");
    if (!file.isEmpty())
        lib.fluid_settings_setstr(settings, "audio.file.name", file.constData());
    synth = lib.new_fluid_synth(settings);
    if (!synth)
        std::fprintf(stderr, "Ovelune: the synthesizer could not be created; notes will be silent.\n");
    return synth != nullptr;
}

void AudioSystem::LoadSoundfont()
{
    const QByteArray forced = qgetenv("OVELUNE_SOUNDFONT");
    QStringList candidates;
    if (!forced.isEmpty())
        candidates << QString::fromLocal8Bit(forced);
    else
        for (const char* path : SystemSoundfonts)
            candidates << QString::fromLatin1(path);

    // FluidSynth's soundfont loader shares state between synthesizers: one load at a time.
    static std::mutex loadMutex;
    std::lock_guard<std::mutex> loading(loadMutex);
    int id = FLUID_FAILED;
    for (const QString& candidate : candidates) {
        const QByteArray path = QFile::encodeName(candidate);
        if (!QFileInfo(candidate).isFile() || !lib.fluid_is_soundfont(path.constData()))
            continue;
        // No preset reset: it would load the percussion kit's samples for channel 10 only to
        // drop them again below (about 12 MB and a third of the loading time).
        id = lib.fluid_synth_sfload(synth, path.constData(), 0);
        if (id != FLUID_FAILED)
            break;
    }
    if (id == FLUID_FAILED) {
        if (!forced.isEmpty())
            std::fprintf(stderr,
                         "Ovelune: the soundfont \"%s\" named by OVELUNE_SOUNDFONT could not be "
                         "loaded; notes will be silent. Point OVELUNE_SOUNDFONT to a General MIDI "
                         ".sf2 file.\n",
                         forced.constData());
        else
            std::fprintf(stderr,
                         "Ovelune: no General MIDI soundfont found (looked for %s and %s); notes "
                         "will be silent. Install the package fluid-soundfont-gm or set "
                         "OVELUNE_SOUNDFONT to a .sf2 file.\n",
                         SystemSoundfonts[0], SystemSoundfonts[1]);
        FinishLoading(false);
        return;
    }
    // Acoustic grand piano everywhere, the percussion channel included.
    for (int channel = 0; channel < lib.fluid_synth_count_midi_channels(synth); ++channel) {
        lib.fluid_synth_set_channel_type(synth, channel, CHANNEL_TYPE_MELODIC);
        lib.fluid_synth_program_select(synth, channel, id, 0, 0);
    }
    FinishLoading(true);
}

// Plays what arrived meanwhile, in order; from then on messages go straight through.
void AudioSystem::FinishLoading(bool loaded)
{
    std::lock_guard<std::mutex> lock(pendingMutex);
    if (synth && referencePitch != 440.0)
        Tune(referencePitch);
    // No output runs yet: the kept messages, up to MaxPendingMessages at once, are drained
    // as messages without an output are.
    if (loaded)
        for (const auto& message : pending) {
            Deliver(message);
            if (++messagesSinceRender >= MessagesBetweenDrains)
                Drain();
        }
    pending.clear();
    pending.shrink_to_fit();
    loadFinished = true;
    soundfontLoaded = loaded;
}

void AudioSystem::StartDriver()
{
    const QByteArray forced = qgetenv("OVELUNE_AUDIO_DRIVER").trimmed();
    if (forced == "none")
        return;
    if (!forced.isEmpty()) {
        if (!TryDriver(forced.constData()))
            std::fprintf(stderr,
                         "Ovelune: the audio driver \"%s\" named by OVELUNE_AUDIO_DRIVER could not "
                         "be started; notes will be silent. Set OVELUNE_AUDIO_DRIVER to a working "
                         "FluidSynth audio driver (pulseaudio, pipewire, alsa, jack, file, ...).\n",
                         forced.constData());
        return;
    }
    QByteArrayList tried;
    for (const char* name : PreferredDrivers)
        tried << QByteArray(name);
    char* systemDefault = nullptr;
    if (lib.fluid_settings_dupstr(settings, "audio.driver", &systemDefault) == FLUID_OK && systemDefault) {
        if (!tried.contains(systemDefault))
            tried << QByteArray(systemDefault);
        lib.fluid_free(systemDefault);
    }
    for (const char* name : FallbackDrivers)
        if (!tried.contains(name))
            tried << QByteArray(name);
    for (const QByteArray& name : tried) {
        // The JACK driver would start a server of its own when none runs.
        if (name == "jack" && !Detail::JackServerAnswers())
            continue;
        if (TryDriver(name.constData()))
            return;
    }
    std::fprintf(stderr,
                 "Ovelune: no audio output could be opened (tried %s); notes will be silent. Set "
                 "OVELUNE_AUDIO_DRIVER to a working FluidSynth audio driver (pulseaudio, pipewire, "
                 "alsa, jack, file, ...).\n",
                 tried.join(", ").constData());
}

bool AudioSystem::TryDriver(const char* name)
{
    quietFluid = true;
    lib.fluid_settings_setstr(settings, "audio.driver", name);
    fluid_audio_driver_t* started = lib.new_fluid_audio_driver2(settings, OnAudio, this);
    if (!started && std::strcmp(name, "file") == 0) {
        // The file driver renders the synthesizer itself, without our filter.
        started = lib.new_fluid_audio_driver(settings, synth);
    }
    quietFluid = false;
    driver = started;
    if (started)
        driverName = name;
    return started != nullptr;
}

namespace {

std::mutex preparedMutex; // guards prepared
AudioSystem* prepared = nullptr; // made by PrepareMacMidiDevice, not yet taken

AudioSystem* NewAudioSystem()
{
    auto* system = new AudioSystem;
    system->loader = std::thread([system] { system->Load(); });
    return system;
}

} // namespace

void PrepareMacMidiDevice()
{
    std::lock_guard<std::mutex> lock(preparedMutex);
    if (!prepared)
        prepared = NewAudioSystem();
}

void DiscardPreparedMacMidiDevice()
{
    AudioSystem* unclaimed = nullptr;
    {
        std::lock_guard<std::mutex> lock(preparedMutex);
        std::swap(unclaimed, prepared);
    }
    ReleaseMacMidiDevice(unclaimed);
}

AudioSystem* CreateMacMidiDevice()
{
    {
        std::lock_guard<std::mutex> lock(preparedMutex);
        if (prepared)
            return std::exchange(prepared, nullptr);
    }
    return NewAudioSystem();
}

void SendMacMidiDeviceMessage(AudioSystem* system, const unsigned char* data, unsigned int size)
{
    if (!system || !data || size == 0)
        return;
    const unsigned char status = data[0];
    if (status < 0x80 || status >= 0xF0)
        return; // running status and system messages are not for the synthesizer
    const std::array<unsigned char, 3> message = {
        status, static_cast<unsigned char>(size > 1 ? data[1] & 0x7F : 0),
        static_cast<unsigned char>(size > 2 ? data[2] & 0x7F : 0)};
    if (!system->soundfontLoaded) {
        std::lock_guard<std::mutex> lock(system->pendingMutex);
        if (!system->loadFinished) {
            if (system->pending.size() < MaxPendingMessages)
                system->pending.push_back(message);
            return;
        }
        if (!system->soundfontLoaded)
            return; // no soundfont: nothing can sound
    }
    system->Deliver(message);
    if (system->rendersOnDemand && ++system->messagesSinceRender >= MessagesBetweenDrains)
        system->Drain();
}

void AudioSystem::Deliver(const std::array<unsigned char, 3>& message)
{
    if (queueForAudio) {
        std::lock_guard<std::mutex> lock(queueMutex);
        if (queued.size() < MaxPendingMessages)
            queued.push_back(message);
    } else {
        Apply(message);
    }
    delivered = true;
    lastSoundNs = SteadyNanoseconds();
    if (outputAsleep) {
        std::lock_guard<std::mutex> lock(keeperMutex);
        wakeOutput = true;
        keeperWake.notify_one();
    }
}

void AudioSystem::Apply(const std::array<unsigned char, 3>& message)
{
    const int channel = message[0] & 0x0F;
    const int data1 = message[1];
    const int data2 = message[2];
    switch (message[0] & 0xF0) {
    case 0x80:
        lib.fluid_synth_noteoff(synth, channel, data1);
        break;
    case 0x90:
        lib.fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case 0xA0:
        lib.fluid_synth_key_pressure(synth, channel, data1, data2);
        break;
    case 0xB0:
        lib.fluid_synth_cc(synth, channel, data1, data2);
        break;
    case 0xC0:
        lib.fluid_synth_program_change(synth, channel, data1);
        break;
    case 0xD0:
        lib.fluid_synth_channel_pressure(synth, channel, data1);
        break;
    case 0xE0:
        lib.fluid_synth_pitch_bend(synth, channel, data1 | (data2 << 7));
        break;
    default:
        break;
    }
}

void ReleaseMacMidiDevice(AudioSystem* system)
{
    if (!system)
        return;
    {
        std::lock_guard<std::mutex> lock(system->keeperMutex);
        system->stopping = true;
        system->keeperWake.notify_one();
    }
    if (system->loader.joinable())
        system->loader.join();
    if (system->driver)
        lib.delete_fluid_audio_driver(system->driver); // no audio callback after this
    if (system->synth)
        lib.delete_fluid_synth(system->synth);
    if (system->settings)
        lib.delete_fluid_settings(system->settings);
    delete system;
}

bool RenderMacMidiDevice(AudioSystem* system, float* left, float* right, unsigned int frames)
{
    if (!system || !left || !right)
        return false;
    system->WaitReady();
    if (!system->synth || system->hasOutput)
        return false;
    std::lock_guard<std::mutex> lock(system->renderMutex);
    system->RenderLocked(left, right, frames);
    system->messagesSinceRender = 0;
    return true;
}

double GetMacMidiDeviceSampleRate(AudioSystem* system)
{
    if (!system)
        return 0.0;
    system->WaitReady();
    return system->SampleRate();
}

bool IsMacMidiDeviceAudible(AudioSystem* system)
{
    if (!system)
        return false;
    system->WaitReady();
    return system->soundfontLoaded;
}

double GetMacMidiDeviceOutputLatency(AudioSystem* system, std::string* driverName)
{
    if (!system)
        return 0.0;
    system->WaitReady();
    if (driverName)
        *driverName = system->hasOutput ? system->driverName : std::string("none");
    if (!system->hasOutput)
        return 0.0;
    const double rate = system->SampleRate();
    if (system->driverName == "jack") {
        // JACK hands over one period per callback and plays it while the next is computed:
        // two periods between a message and its sound. The period is the server's; it is
        // known once the first callback has run.
        for (int wait = 0; wait < 100 && system->callbackFrames.load() == 0; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return 2.0 * system->callbackFrames.load() / rate;
    }
    int periodSize = 0;
    int periods = 0;
    lib.fluid_settings_getint(system->settings, "audio.period-size", &periodSize);
    lib.fluid_settings_getint(system->settings, "audio.periods", &periods);
    return static_cast<double>(periodSize) * periods / rate;
}

void SetMacMidiDeviceReferencePitch(AudioSystem* system, double hz)
{
    if (!system || !(hz > 0.0))
        return;
    std::lock_guard<std::mutex> lock(system->pendingMutex);
    if (!system->loadFinished)
        system->referencePitch = hz; // tuned once the synthesizer is made
    else if (system->synth)
        system->Tune(hz);
}

void AudioSystem::Tune(double hz)
{
    const int channels = lib.fluid_synth_count_midi_channels(synth);
    if (hz == 440.0) {
        for (int channel = 0; channel < channels; ++channel)
            lib.fluid_synth_deactivate_tuning(synth, channel, 1);
        return;
    }
    // One tuning for all keys: key k at 100 k cents plus the offset of A4 from 440 Hz.
    const double offset = 1200.0 * std::log2(hz / 440.0);
    double cents[128];
    for (int key = 0; key < 128; ++key)
        cents[key] = 100.0 * key + offset;
    lib.fluid_synth_activate_key_tuning(synth, 0, 0, "Ovelune reference pitch", cents, 1);
    for (int channel = 0; channel < channels; ++channel)
        lib.fluid_synth_activate_tuning(synth, channel, 0, 0, 1);
}

void SetMacMidiDeviceFilter(AudioSystem* system, bool enabled)
{
    if (!system)
        return;
    std::lock_guard<std::mutex> lock(system->renderMutex);
    system->filterEnabled = enabled;
}

} // namespace Core
