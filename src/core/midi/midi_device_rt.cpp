#include "core/midi/midi_device_rt.h"

#include "core/midi/engine_assert.h"
#include "core/midi/error.h"

#include <QByteArray>
#include <QMutexLocker>

#include <rtmidi/RtMidi.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

namespace Core {

namespace {

const char* const SourceUnit = "src/core/midi/midi_device_rt";
const char* const InputClientName = "RtMidi Input Client";
const char* const OutputClientName = "RtMidi Output Client";
const char* const OutputPortName = "RtMidi Output";
const unsigned int InputQueueLimit = 100;

std::atomic<bool> midiDisabled{false};

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

} // namespace

bool IsSelectableMidiInput(const QString& portName)
{
    if (portName.contains(QLatin1String("Midi Through")))
        return false;
    const int colon = portName.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return true;
    const bool ourClient = portName.leftRef(colon).startsWith(QLatin1String(OutputClientName));
    const bool ourPort = portName.midRef(colon + 1).startsWith(QLatin1String(OutputPortName));
    return !(ourClient && ourPort);
}

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
        RtMidiIn in(ApiOf(backend), InputClientName, InputQueueLimit);
        for (const auto& port : SelectablePorts(in))
            names.append(QString::fromUtf8(port.second.c_str()));
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
    try {
        boost::shared_ptr<RtMidiIn> in(new RtMidiIn(ApiOf(backend), InputClientName, InputQueueLimit));
        in->setCallback(&RtEventHandler::OnRtEvent, this);
        in->ignoreTypes(false, false, false);
        // The port number counts selectable ports; resolve it on this very object so that
        // the number and the name belong to the same listing.
        const auto ports = SelectablePorts(*in);
        if (port >= ports.size())
            return;
        in->openPort(ports[port].first, "RtMidi Input");
        name = QString::fromUtf8(ports[port].second.c_str());
        midiIn = in;
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
}

bool MidiInRtDevice::IsOk() const
{
    return static_cast<bool>(midiIn);
}

unsigned int MidiInRtDevice::GetPortCount()
{
    const MidiBackend backend = CurrentMidiBackend();
    if (backend == MidiBackend::None)
        return 0;
    try {
        RtMidiIn in(ApiOf(backend), InputClientName, InputQueueLimit);
        return static_cast<unsigned int>(SelectablePorts(in).size());
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
        boost::shared_ptr<RtMidiOut> out(new RtMidiOut(ApiOf(backend), OutputClientName));
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
