#include "core/midi/midi_setup_watcher.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QString>

#include <alsa/asoundlib.h>
#include <jack/jack.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace Core {

namespace {

const char* const ClientName = "Falmiro";

void Poke();

std::atomic<bool> inputLost{false};

// The ALSA addresses (client, port) of the input ports in use.
QMutex alsaSourcesMutex; // guards alsaSources
std::multiset<std::pair<int, int>> alsaSources;

bool IsAlsaSourceInUse(int client, int port)
{
    QMutexLocker lock(&alsaSourcesMutex);
    return alsaSources.count({client, port}) > 0;
}

// alsa-lib prints its own errors on standard error; we say what matters in our words.
void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// One platform client; destroying it guarantees that it reports nothing any more.
class PlatformClient
{
public:
    virtual ~PlatformClient() = default;
};

// ALSA: a sequencer client with one hidden port subscribed to the system announce port.
// A reader thread waits for announcements and pokes on every port start, exit or change.
class AlsaClient : public PlatformClient
{
public:
    static std::unique_ptr<AlsaClient> Open()
    {
        std::unique_ptr<AlsaClient> client(new AlsaClient);
        if (snd_seq_open(&client->seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK) < 0) {
            client->seq = nullptr;
            return nullptr;
        }
        snd_seq_set_client_name(client->seq, ClientName);
        const int port = snd_seq_create_simple_port(
            client->seq, ClientName,
            SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
            SND_SEQ_PORT_TYPE_APPLICATION);
        if (port < 0
            || snd_seq_connect_from(client->seq, port, SND_SEQ_CLIENT_SYSTEM,
                                    SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0
            || pipe2(client->wake, O_CLOEXEC | O_NONBLOCK) < 0)
            return nullptr;
        client->reader = std::thread([c = client.get()] { c->Read(); });
        return client;
    }

    ~AlsaClient() override
    {
        if (reader.joinable()) {
            const char byte = 0;
            while (write(wake[1], &byte, 1) < 0 && errno == EINTR) {
            }
            reader.join();
        }
        for (int fd : wake)
            if (fd >= 0)
                close(fd);
        if (seq)
            snd_seq_close(seq);
    }

private:
    AlsaClient() = default;

    // The reader thread: returns when a byte arrives on the wake pipe.
    void Read()
    {
        const int seqFds = snd_seq_poll_descriptors_count(seq, POLLIN);
        std::unique_ptr<pollfd[]> fds(new pollfd[seqFds + 1]);
        snd_seq_poll_descriptors(seq, fds.get(), seqFds, POLLIN);
        fds[seqFds].fd = wake[0];
        fds[seqFds].events = POLLIN;
        for (;;) {
            if (poll(fds.get(), seqFds + 1, -1) < 0) {
                if (errno == EINTR)
                    continue;
                return;
            }
            if (fds[seqFds].revents)
                return;
            bool changed = false;
            for (;;) {
                snd_seq_event_t* event = nullptr;
                const int result = snd_seq_event_input(seq, &event);
                if (result == -ENOSPC) { // events were lost: something may have changed
                    changed = true;
                    continue;
                }
                if (result < 0 || !event)
                    break;
                switch (event->type) {
                case SND_SEQ_EVENT_PORT_EXIT:
                    if (IsAlsaSourceInUse(event->data.addr.client, event->data.addr.port))
                        inputLost = true;
                    changed = true;
                    break;
                case SND_SEQ_EVENT_PORT_START:
                case SND_SEQ_EVENT_PORT_CHANGE:
                    changed = true;
                    break;
                default:
                    break;
                }
            }
            if (changed)
                Poke();
        }
    }

    snd_seq_t* seq = nullptr;
    int wake[2] = {-1, -1};
    std::thread reader;
};

void SilentJackMessage(const char*) {}

// Keeps libjack quiet while a client is opened where no server may be running.
class QuietJack
{
public:
    QuietJack() : error(jack_error_callback), info(jack_info_callback)
    {
        jack_set_error_function(SilentJackMessage);
        jack_set_info_function(SilentJackMessage);
    }
    ~QuietJack()
    {
        jack_set_error_function(error);
        jack_set_info_function(info);
    }

private:
    void (*error)(const char*);
    void (*info)(const char*);
};

// JACK: a client whose port registration callback pokes when a MIDI source port (an output
// port of MIDI type) appears or goes. Port types are learnt at registration, since an
// unregistered port's type can no longer be read; a port that existed before the client
// started is unknown and its removal pokes anyway (the check sorts it out).
// A client that closes announces its ports' end when it stops, while they are still listed,
// and removes them only afterwards: so the end of a client that had a source pokes again.
// Other clients' ends are not watched: this program's own enumeration opens and closes
// clients, which must not feed back into checks.
class JackClient : public PlatformClient
{
public:
    static std::unique_ptr<JackClient> Open()
    {
        std::unique_ptr<JackClient> client(new JackClient);
        {
            QuietJack quiet;
            client->client = jack_client_open(ClientName, JackNoStartServer, nullptr);
        }
        if (!client->client)
            return nullptr;
        jack_set_port_registration_callback(client->client, OnRegistration, client.get());
        jack_set_client_registration_callback(client->client, OnClientRegistration, client.get());
        jack_on_shutdown(client->client, OnShutdown, client.get());
        if (jack_activate(client->client) != 0)
            return nullptr;
        return client;
    }

    ~JackClient() override
    {
        if (client)
            jack_client_close(client); // waits for a callback in progress
    }

private:
    JackClient() = default;

    // JACK's notification thread.
    static void OnRegistration(jack_port_id_t id, int registered, void* arg)
    {
        auto* self = static_cast<JackClient*>(arg);
        bool relevant = true;
        {
            QMutexLocker lock(&self->portsMutex);
            jack_port_t* port = jack_port_by_id(self->client, id);
            if (registered) {
                const char* type = port ? jack_port_type(port) : nullptr;
                relevant = type && std::strcmp(type, JACK_DEFAULT_MIDI_TYPE) == 0
                           && (jack_port_flags(port) & JackPortIsOutput);
                self->isSource[id] = relevant;
            } else {
                const auto it = self->isSource.find(id);
                if (it != self->isSource.end()) {
                    relevant = it->second;
                    self->isSource.erase(it);
                }
            }
            if (relevant && port)
                self->sourceClients.insert(ClientOf(jack_port_name(port)));
        }
        if (relevant)
            Poke();
    }

    // JACK's notification thread.
    static void OnClientRegistration(const char* name, int registered, void* arg)
    {
        auto* self = static_cast<JackClient*>(arg);
        if (registered || !name)
            return;
        bool hadSource = false;
        {
            QMutexLocker lock(&self->portsMutex);
            hadSource = self->sourceClients.erase(name) > 0;
        }
        if (hadSource)
            Poke();
    }

    // "client:port" names; client names hold no colon.
    static std::string ClientOf(const char* portName)
    {
        const std::string name = portName ? portName : "";
        return name.substr(0, name.find(':'));
    }

    // The server went away: every port of it is gone.
    static void OnShutdown(void*) { Poke(); }

    jack_client_t* client = nullptr;
    QMutex portsMutex; // guards isSource and sourceClients (JACK's notification thread)
    std::map<jack_port_id_t, bool> isSource;
    std::set<std::string> sourceClients; // clients that had a source port, until they end
};

// Process-wide state of the watcher, leaked on purpose so that a platform thread still
// running at process exit never meets a destroyed object.
struct WatcherState
{
    QMutex mutex; // guards platform, context, check and checkPending
    std::unique_ptr<PlatformClient> platform;
    QObject* context = nullptr; // lives on the thread that called Start
    std::function<void()> check;
    bool checkPending = false;
    bool postRoutineAdded = false; // GUI thread only
};

WatcherState& State()
{
    static WatcherState* state = new WatcherState;
    return *state;
}

// The context's thread.
void RunCheck()
{
    WatcherState& state = State();
    std::function<void()> check;
    {
        QMutexLocker lock(&state.mutex);
        state.checkPending = false;
        check = state.check;
    }
    if (check)
        check();
}

// Any platform thread: schedules one check, unless one is pending already.
void Poke()
{
    WatcherState& state = State();
    QMutexLocker lock(&state.mutex);
    if (!state.context || state.checkPending)
        return;
    state.checkPending = true;
    QMetaObject::invokeMethod(state.context, RunCheck, Qt::QueuedConnection);
}

void StopAtApplicationEnd()
{
    State().postRoutineAdded = false;
    MidiSetupWatcher::Stop();
}

} // namespace

namespace Detail {

bool AlsaSequencerOpens()
{
    if (access("/dev/snd/seq", F_OK) != 0)
        return false; // no sequencer on this machine: nothing to say
    snd_lib_error_set_handler(SilentAlsaError);
    snd_seq_t* seq = nullptr;
    const int result = snd_seq_open(&seq, "default", SND_SEQ_OPEN_DUPLEX, SND_SEQ_NONBLOCK);
    if (result < 0) {
        static std::atomic<bool> said{false};
        if (!said.exchange(true))
            std::fprintf(stderr,
                         "Ovelune: the ALSA sequencer (/dev/snd/seq) cannot be opened (%s); "
                         "MIDI keyboards are looked for through JACK instead. Check that you "
                         "may use the sound devices (the \"audio\" group).\n",
                         snd_strerror(result));
        return false;
    }
    snd_seq_close(seq);
    return true;
}

bool JackServerAnswers()
{
    QuietJack quiet;
    jack_client_t* client = jack_client_open("Falmiro probe", JackNoStartServer, nullptr);
    if (!client)
        return false;
    jack_client_close(client);
    return true;
}

} // namespace Detail

bool MidiSetupWatcher::Start(MidiBackend backend, std::function<void()> check)
{
    WatcherState& state = State();
    {
        QMutexLocker lock(&state.mutex);
        if (state.platform) {
            state.check = std::move(check);
            return true;
        }
    }
    // The context is there before the client opens: a port announced while it starts
    // is checked, not dropped.
    {
        QMutexLocker lock(&state.mutex);
        state.context = new QObject;
        state.check = std::move(check);
        state.checkPending = false;
    }
    std::unique_ptr<PlatformClient> platform;
    if (backend == MidiBackend::Alsa)
        platform = AlsaClient::Open();
    else if (backend == MidiBackend::Jack)
        platform = JackClient::Open();
    QObject* unused = nullptr;
    {
        QMutexLocker lock(&state.mutex);
        if (platform) {
            state.platform = std::move(platform);
        } else {
            unused = state.context;
            state.context = nullptr;
            state.check = nullptr;
        }
    }
    if (unused) {
        delete unused;
        std::fprintf(stderr,
                     "Ovelune: MIDI keyboards plugged in or out while Ovelune runs will not be "
                     "noticed (the %s client for device changes could not start). The keyboards "
                     "found at start-up work; restart Ovelune after plugging one in.\n",
                     backend == MidiBackend::Alsa ? "ALSA sequencer" : "JACK");
        return false;
    }
    if (!state.postRoutineAdded) {
        state.postRoutineAdded = true;
        qAddPostRoutine(StopAtApplicationEnd);
    }
    return true;
}

void MidiSetupWatcher::Stop()
{
    WatcherState& state = State();
    std::unique_ptr<PlatformClient> platform;
    {
        QMutexLocker lock(&state.mutex);
        platform = std::move(state.platform);
    }
    // Closed outside the lock: a platform callback may be waiting for it in Poke.
    platform.reset();
    QObject* context = nullptr;
    {
        QMutexLocker lock(&state.mutex);
        context = state.context;
        state.context = nullptr;
        state.check = nullptr;
    }
    delete context; // drops a check still queued for it
}

void MidiSetupWatcher::ReportInputLost()
{
    inputLost = true;
    Poke();
}

bool MidiSetupWatcher::TakeInputLost()
{
    return inputLost.exchange(false);
}

std::shared_ptr<void> MidiSetupWatcher::WatchAlsaSource(const std::string& portName)
{
    // RtMidi names an ALSA port "client name:port name C:P"; the numbers are its address.
    int client = -1;
    int port = -1;
    const std::size_t space = portName.rfind(' ');
    if (space == std::string::npos
        || std::sscanf(portName.c_str() + space + 1, "%d:%d", &client, &port) != 2)
        return nullptr;
    const std::pair<int, int> address(client, port);
    {
        QMutexLocker lock(&alsaSourcesMutex);
        alsaSources.insert(address);
    }
    return std::shared_ptr<void>(nullptr, [address](void*) {
        QMutexLocker lock(&alsaSourcesMutex);
        alsaSources.erase(alsaSources.find(address));
    });
}

bool MidiSetupWatcher::IsRunning()
{
    WatcherState& state = State();
    QMutexLocker lock(&state.mutex);
    return static_cast<bool>(state.platform);
}

} // namespace Core
