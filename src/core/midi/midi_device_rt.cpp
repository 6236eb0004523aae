#include "core/midi/midi_device_rt.h"

#include "core/midi/engine_assert.h"
#include "core/midi/error.h"

#include <QByteArray>
#include <QMutexLocker>

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <rtmidi/RtMidi.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>

#include <semaphore.h>
#include <unistd.h>

namespace Core {

namespace {

const char* const SourceUnit = "src/core/midi/midi_device_rt";
const char* const InputClientName = "RtMidi Input Client";
const char* const OutputClientName = "RtMidi Output Client";
const char* const InputPortName = "RtMidi Input";
const char* const OutputPortName = "RtMidi Output";
const unsigned int InputQueueLimit = 100;

std::atomic<bool> midiDisabled{false};

// The clients this process opened that may own MIDI source ports. Their names are unique
// on the system (they carry the process id and a count), so a port is recognised as ours by
// its client, never by a port name that other programs may share.
std::mutex ownClientsMutex; // guards ownClients and ownClientCount
std::set<std::string> ownClients;
unsigned int ownClientCount = 0;

std::string NewOwnClientName(const char* base)
{
    std::lock_guard<std::mutex> lock(ownClientsMutex);
    std::string name = std::string(base) + " " + std::to_string(getpid()) + "-"
                       + std::to_string(++ownClientCount);
    ownClients.insert(name);
    return name;
}

bool IsOwnClient(const std::string& client)
{
    std::lock_guard<std::mutex> lock(ownClientsMutex);
    return ownClients.count(client) > 0;
}

// "client:port" (JACK) or "client:port c:p" (ALSA): client names hold no colon.
std::string ClientPart(const std::string& portName)
{
    return portName.substr(0, portName.find(':'));
}

void SilentJackMessage(const char*) {}

// Opens a JACK client that never starts a server and, where none runs, prints nothing.
// A running server may refuse a client for a moment while it is busy (another client
// closing): that is asked again a few times.
jack_client_t* OpenJackClient(const char* name)
{
    static std::mutex messageMutex; // the message functions are process-wide
    std::lock_guard<std::mutex> lock(messageMutex);
    void (*error)(const char*) = jack_error_callback;
    void (*info)(const char*) = jack_info_callback;
    jack_set_error_function(SilentJackMessage);
    jack_set_info_function(SilentJackMessage);
    jack_client_t* client = nullptr;
    for (int attempt = 0; attempt < 5 && !client; ++attempt) {
        jack_status_t status = JackFailure;
        client = jack_client_open(name, JackNoStartServer, &status);
        if (client || !(status & JackServerError))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20 << attempt));
    }
    jack_set_error_function(error);
    jack_set_info_function(info);
    return client;
}

// The MIDI source ports of a JACK server, in its order. The listing client is never
// activated, so it receives no notifications while it lives.
std::vector<std::string> JackSourcePorts()
{
    std::vector<std::string> names;
    jack_client_t* client = OpenJackClient(InputClientName);
    if (!client)
        return names;
    if (const char** ports = jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput)) {
        for (const char** port = ports; *port; ++port)
            names.emplace_back(*port);
        jack_free(ports);
    }
    jack_client_close(client);
    return names;
}

MidiBackend ChooseBackend(const QByteArray& forced)
{
    if (forced == "alsa")
        return MidiBackend::Alsa;
    if (forced == "jack")
        return MidiBackend::Jack;
    if (forced == "none")
        return MidiBackend::None;
    if (!forced.isEmpty())
        std::fprintf(stderr,
                     "Ovelune: OVELUNE_MIDI_API=\"%s\" is not one of alsa, jack, none; "
                     "choosing the MIDI back end automatically.\n",
                     forced.constData());
    if (Detail::AlsaSequencerOpens())
        return MidiBackend::Alsa;
    if (Detail::JackServerAnswers())
        return MidiBackend::Jack;
    return MidiBackend::None;
}

RtMidi::Api ApiOf(MidiBackend backend)
{
    return backend == MidiBackend::Alsa ? RtMidi::LINUX_ALSA : RtMidi::UNIX_JACK;
}

// The selectable ports of `in`: the back end's port number and name of each.
std::vector<std::pair<unsigned int, std::string>> SelectablePorts(RtMidiIn& in)
{
    std::vector<std::pair<unsigned int, std::string>> ports;
    const unsigned int count = in.getPortCount();
    for (unsigned int i = 0; i < count; ++i) {
        std::string name = in.getPortName(i);
        if (!name.empty() && IsSelectableMidiInput(QString::fromUtf8(name.c_str())))
            ports.emplace_back(i, std::move(name));
    }
    return ports;
}

// The names of the selectable input ports of `backend` (ALSA or JACK).
std::vector<std::string> SelectablePortNames(MidiBackend backend)
{
    std::vector<std::string> names;
    if (backend == MidiBackend::Jack) {
        for (std::string& name : JackSourcePorts())
            if (IsSelectableMidiInput(QString::fromUtf8(name.c_str())))
                names.push_back(std::move(name));
        return names;
    }
    RtMidiIn in(ApiOf(backend), InputClientName, InputQueueLimit);
    for (auto& port : SelectablePorts(in))
        names.push_back(std::move(port.second));
    return names;
}

} // namespace

bool IsSelectableMidiInput(const QString& portName)
{
    if (portName.contains(QLatin1String("Midi Through")))
        return false;
    return !IsOwnClient(ClientPart(portName.toStdString()));
}

// A JACK MIDI input port of a client of its own, connected to one source port. JACK's
// process callback only copies each received message, with its time, into a lock-free ring
// buffer and wakes a delivery thread of ours; that thread hands the messages to the device
// in order, with the seconds since the previous one. Whatever the device's observers do
// (judge an answer, stop the synthesizer, wait for a lock) never delays a JACK cycle.
//
// Closing deactivates the client before its port goes and the client closes: libjack's
// notification thread walks the client's port list after any graph change while the client
// is active, and a port unregistered meanwhile would be freed under it.
//
// Threads: opened and closed on the caller's thread (the GUI thread); Process runs on JACK's
// real-time process thread and OnConnect on its notification thread, both only while
// active; Deliver runs on the delivery thread from opening to closing.
class JackMidiInput
{
public:
    static std::unique_ptr<JackMidiInput> Open(const std::string& source, MidiInRtDevice* device)
    {
        std::unique_ptr<JackMidiInput> input(new JackMidiInput(device));
        if (!input->ring)
            return nullptr;
        input->client = OpenJackClient(InputClientName);
        if (!input->client)
            return nullptr;
        input->port = jack_port_register(input->client, InputPortName, JACK_DEFAULT_MIDI_TYPE,
                                         JackPortIsInput, 0);
        jack_set_process_callback(input->client, &JackMidiInput::Process, input.get());
        jack_set_port_connect_callback(input->client, &JackMidiInput::OnConnect, input.get());
        jack_on_shutdown(input->client, &JackMidiInput::OnShutdown, input.get());
        input->delivery = std::thread(&JackMidiInput::Deliver, input.get());
        if (!input->port || jack_activate(input->client) != 0
            || jack_connect(input->client, source.c_str(), jack_port_name(input->port)) != 0)
            return nullptr;
        input->connected = true;
        return input;
    }

    ~JackMidiInput()
    {
        connected = false;
        if (client)
            jack_deactivate(client); // no process callback runs from here on
        if (delivery.joinable()) {
            closing = true;
            sem_post(&ready);
            delivery.join(); // after delivering what was received
        }
        if (client)
            jack_client_close(client); // releases the port after the client has stopped
        if (ring)
            jack_ringbuffer_free(ring);
        sem_destroy(&ready);
    }

private:
    // One received message in the ring buffer, followed by its bytes.
    struct Record
    {
        jack_time_t time;
        uint32_t size;
    };
    static constexpr size_t RingBytes = 1 << 18; // about 17 000 three-byte messages
    static constexpr size_t LongestMessage = 4096; // longer system-exclusive messages are cut

    explicit JackMidiInput(MidiInRtDevice* device)
        : device(device), ring(jack_ringbuffer_create(RingBytes))
    {
        sem_init(&ready, 0, 0);
        if (ring)
            jack_ringbuffer_mlock(ring);
        bytes.reserve(LongestMessage);
    }

    // JACK's process thread: copies, wakes, returns. Nothing here locks or allocates.
    static int Process(jack_nframes_t frames, void* arg)
    {
        auto* self = static_cast<JackMidiInput*>(arg);
        void* buffer = jack_port_get_buffer(self->port, frames);
        const jack_nframes_t cycleStart = jack_last_frame_time(self->client);
        const uint32_t count = jack_midi_get_event_count(buffer);
        bool queued = false;
        for (uint32_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) != 0 || event.size == 0)
                continue;
            const Record record{jack_frames_to_time(self->client, cycleStart + event.time),
                                static_cast<uint32_t>(std::min(event.size, LongestMessage))};
            if (jack_ringbuffer_write_space(self->ring) < sizeof record + record.size) {
                self->dropped.fetch_add(1, std::memory_order_relaxed);
                continue;
            }
            jack_ringbuffer_write(self->ring, reinterpret_cast<const char*>(&record), sizeof record);
            jack_ringbuffer_write(self->ring, reinterpret_cast<const char*>(event.buffer), record.size);
            queued = true;
        }
        if (queued)
            sem_post(&self->ready);
        return 0;
    }

    // The delivery thread's loop, until closing.
    void Deliver()
    {
        for (;;) {
            while (sem_wait(&ready) != 0 && errno == EINTR) {
            }
            DeliverQueued();
            if (closing)
                return;
        }
    }

    // The delivery thread: hands every queued message to the device, in order.
    void DeliverQueued()
    {
        Record record{};
        while (jack_ringbuffer_read_space(ring) >= sizeof record) {
            jack_ringbuffer_read(ring, reinterpret_cast<char*>(&record), sizeof record);
            bytes.resize(record.size);
            jack_ringbuffer_read(ring, reinterpret_cast<char*>(bytes.data()), record.size);
            double delta = 0.0;
            if (heardBefore && record.time > lastTime)
                delta = static_cast<double>(record.time - lastTime) * 1e-6;
            heardBefore = true;
            lastTime = record.time;
            device->OnRtEvent(delta, &bytes);
        }
    }

    // JACK's notification thread: the source port went away (unplugged, its program ended)
    // when our port has no connection left.
    static void OnConnect(jack_port_id_t, jack_port_id_t, int connect, void* arg)
    {
        auto* self = static_cast<JackMidiInput*>(arg);
        if (connect || !self->connected || jack_port_connected(self->port) > 0)
            return;
        self->connected = false;
        MidiSetupWatcher::ReportInputLost();
    }

    static void OnShutdown(void* arg)
    {
        static_cast<JackMidiInput*>(arg)->connected = false;
        MidiSetupWatcher::ReportInputLost();
    }

    MidiInRtDevice* device;
    jack_ringbuffer_t* ring; // written by the process thread, read by the delivery thread
    sem_t ready;             // posted by the process thread after queuing, and at closing
    jack_client_t* client = nullptr;
    jack_port_t* port = nullptr;
    std::atomic<bool> connected{false};
    std::atomic<bool> closing{false}; // set once, after the client is deactivated
    std::atomic<unsigned long> dropped{0}; // messages that found the ring buffer full
    std::thread delivery;
    // The delivery thread's own.
    bool heardBefore = false;
    jack_time_t lastTime = 0;
    std::vector<unsigned char> bytes;
};

MidiMessage SilencingMessage(unsigned int index)
{
    CORE_ASSERT(index < SilencingMessageCount);
    static const unsigned char controls[3][2] = {{120, 0}, {121, 0}, {7, 127}};
    const auto channel = static_cast<unsigned char>(index / 3);
    return MidiMessage(ControlChange, channel, controls[index % 3][0], controls[index % 3][1]);
}

MidiBackend CurrentMidiBackend()
{
    if (midiDisabled)
        return MidiBackend::None;
    // Chosen again only when the variable changes (tests switch it within one process).
    static QMutex choiceMutex; // guards lastForced and lastChoice
    static QByteArray lastForced;
    static MidiBackend lastChoice = MidiBackend::None;
    static bool chosen = false;
    const QByteArray forced = qgetenv("OVELUNE_MIDI_API").trimmed().toLower();
    QMutexLocker lock(&choiceMutex);
    if (!chosen || forced != lastForced) {
        lastChoice = ChooseBackend(forced);
        lastForced = forced;
        chosen = true;
    }
    return lastChoice;
}

QString MidiApiName()
{
    switch (CurrentMidiBackend()) {
    case MidiBackend::Alsa:
        return QStringLiteral("ALSA");
    case MidiBackend::Jack:
        return QStringLiteral("JACK");
    case MidiBackend::None:
        break;
    }
    return QStringLiteral("none");
}

void DisableMidiApi()
{
    midiDisabled = true;
    MidiSetupWatcher::Stop();
}

QStringList ListMidiInputPorts()
{
    QStringList names;
    const MidiBackend backend = CurrentMidiBackend();
    if (backend == MidiBackend::None)
        return names;
    try {
        for (const std::string& name : SelectablePortNames(backend))
            names.append(QString::fromUtf8(name.c_str()));
    } catch (const RtMidiError&) {
        names.clear();
    }
    return names;
}

// MidiInRtDevice -------------------------------------------------------------------------

MidiInRtDevice::MidiInRtDevice(unsigned int port)
    : elapsed(0.0)
    , port(port)
{
    Reset();
}

MidiInRtDevice::~MidiInRtDevice()
{
    Close();
}

QString MidiInRtDevice::GetName() const
{
    return name;
}

void MidiInRtDevice::Reset()
{
    Close();
    MidiInDeviceBase::Reset();
    elapsed = 0.0;
    const MidiBackend backend = CurrentMidiBackend();
    if (backend == MidiBackend::None)
        return;
    if (backend == MidiBackend::Jack) {
        const std::vector<std::string> ports = SelectablePortNames(backend);
        // A server short of time may fail an activation or a connection once.
        for (int attempt = 0; attempt < 3 && port < ports.size() && !jackIn; ++attempt)
            jackIn = JackMidiInput::Open(ports[port], this);
        if (jackIn)
            name = QString::fromUtf8(ports[port].c_str());
        return;
    }
    try {
        boost::shared_ptr<RtMidiIn> in(new RtMidiIn(ApiOf(backend), InputClientName, InputQueueLimit));
        in->setCallback(&RtEventHandler::OnRtEvent, this);
        in->ignoreTypes(false, false, false);
        // The port number counts selectable ports; resolve it on this very object so that
        // the number and the name belong to the same listing.
        const auto ports = SelectablePorts(*in);
        if (port >= ports.size())
            return;
        in->openPort(ports[port].first, InputPortName);
        name = QString::fromUtf8(ports[port].second.c_str());
        midiIn = in;
        alsaSource = MidiSetupWatcher::WatchAlsaSource(ports[port].second);
    } catch (const RtMidiError&) {
        // The device stays closed and reports !IsOk().
    }
}

void MidiInRtDevice::Close()
{
    // The callback is never cancelled: RtMidi clears the callback's function pointer before
    // the flag that says a callback is set, and the back end's thread, still running until
    // the client is closed, would call a null function in between. Destroying the back-end
    // object closes the port, then the client, which waits for a callback in progress; this
    // device, and so the callback's target, lives until then.
    midiIn.reset();
    jackIn.reset(); // returns once the process and delivery threads have left the device
    alsaSource.reset();
}

bool MidiInRtDevice::IsOk() const
{
    return midiIn || jackIn;
}

unsigned int MidiInRtDevice::GetPortCount()
{
    const MidiBackend backend = CurrentMidiBackend();
    if (backend == MidiBackend::None)
        return 0;
    try {
        return static_cast<unsigned int>(SelectablePortNames(backend).size());
    } catch (const RtMidiError& error) {
        throw Error(Detail::BuildLineTag(SourceUnit, "GetPortCount", __LINE__),
                    768u + static_cast<unsigned int>(error.getType()),
                    QString::fromUtf8(error.getMessage().c_str()));
    }
}

void MidiInRtDevice::OnRtEvent(double deltaTime, std::vector<unsigned char>* message)
{
    CORE_ASSERT(message);
    if (message->empty())
        return; // nothing to make an event of
    // 768 pulses per second; wraps in 32 bits like the stored stamp, for any time a device
    // may be given (converting a count past 64 bits would be undefined).
    const double pulseCount = std::fmod(elapsed * 384 * 2, 4294967296.0);
    const auto pulses = std::isfinite(pulseCount) ? static_cast<unsigned int>(pulseCount) : 0u;
    if (std::isfinite(deltaTime) && deltaTime > 0.0)
        elapsed += deltaTime;
    const MidiMessage received(message->data(), message->size());
    ProcessEvent(MidiEvent(received, pulses, elapsed));
}

void RtEventHandler::OnRtEvent(double deltaTime, std::vector<unsigned char>* message, void* userData)
{
    CORE_ASSERT(userData);
    static_cast<MidiInRtDevice*>(userData)->OnRtEvent(deltaTime, message);
}

// MidiOutRtDevice ------------------------------------------------------------------------

MidiOutRtDevice::MidiOutRtDevice(unsigned int port)
    : port(port)
{
    Reset();
}

MidiOutRtDevice::~MidiOutRtDevice()
{
    Close();
}

QString MidiOutRtDevice::GetName() const
{
    QMutexLocker lock(&portMutex);
    return name;
}

void MidiOutRtDevice::Reset()
{
    Close();
    const MidiBackend backend = CurrentMidiBackend();
    if (backend == MidiBackend::None)
        return;
    QMutexLocker lock(&portMutex);
    try {
        boost::shared_ptr<RtMidiOut> out(new RtMidiOut(ApiOf(backend), NewOwnClientName(OutputClientName)));
        if (port >= out->getPortCount())
            return;
        const std::string portName = out->getPortName(port);
        out->openPort(port, OutputPortName);
        name = QString::fromUtf8(portName.c_str());
        midiOut = out;
    } catch (const RtMidiError&) {
        // No usable port: messages are dropped.
    }
}

void MidiOutRtDevice::Close()
{
    QMutexLocker lock(&portMutex);
    if (!midiOut)
        return;
    try {
        midiOut->closePort();
    } catch (const RtMidiError&) {
    }
    midiOut.reset();
}

bool MidiOutRtDevice::IsOk() const
{
    QMutexLocker lock(&portMutex);
    return static_cast<bool>(midiOut);
}

void MidiOutRtDevice::Stop()
{
    QMutexLocker lock(&portMutex);
    if (!midiOut)
        return;
    for (unsigned int i = 0; i < SilencingMessageCount; ++i) {
        const MidiMessage message = SilencingMessage(i);
        std::vector<unsigned char> bytes(message.GetRawData(), message.GetRawData() + 3);
        try {
            midiOut->sendMessage(&bytes);
        } catch (const RtMidiError&) {
        }
    }
}

void MidiOutRtDevice::SendMessage(const MidiMessage& message)
{
    if (message.GetLength() == 0)
        return;
    const std::vector<unsigned char> bytes(message.GetRawData(),
                                           message.GetRawData() + message.GetLength());
    QMutexLocker lock(&portMutex);
    if (!midiOut)
        return;
    try {
        midiOut->sendMessage(&bytes);
    } catch (const RtMidiError&) {
    }
}

double MidiOutRtDevice::GetVolume() const
{
    return 1.0; // no volume control
}

void MidiOutRtDevice::SetVolume(double)
{
}

unsigned int MidiOutRtDevice::GetPortCount()
{
    const MidiBackend backend = CurrentMidiBackend();
    if (backend == MidiBackend::None)
        return 0;
    try {
        RtMidiOut out(ApiOf(backend), OutputClientName);
        return out.getPortCount();
    } catch (const RtMidiError&) {
        return 0;
    }
}

} // namespace Core
