#include "support/test_keyboard.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

// Messages wait in a ring buffer (a size byte, then the bytes) until the next process
// cycle writes them to the port. The client is closed without unregistering its port
// first: closing deactivates it before the port goes, which is the order libjack needs.
struct TestKeyboard::Jack
{
    jack_client_t* client = nullptr;
    jack_port_t* port = nullptr;
    jack_ringbuffer_t* queue = nullptr;
    std::atomic<int> xruns{0};

    // JACK's notification thread.
    static int OnXrun(void* arg)
    {
        ++static_cast<Jack*>(arg)->xruns;
        return 0;
    }

    // JACK's process thread.
    static int Process(jack_nframes_t frames, void* arg)
    {
        auto* self = static_cast<Jack*>(arg);
        void* buffer = jack_port_get_buffer(self->port, frames);
        jack_midi_clear_buffer(buffer);
        unsigned char size = 0;
        while (jack_ringbuffer_peek(self->queue, reinterpret_cast<char*>(&size), 1) == 1
               && jack_ringbuffer_read_space(self->queue) >= 1u + size) {
            // A full port buffer leaves the rest for the next cycle.
            jack_midi_data_t* slot = jack_midi_max_event_size(buffer) >= size
                                         ? jack_midi_event_reserve(buffer, 0, size) : nullptr;
            if (!slot)
                break;
            jack_ringbuffer_read_advance(self->queue, 1);
            jack_ringbuffer_read(self->queue, reinterpret_cast<char*>(slot), size);
        }
        return 0;
    }
};

namespace {

// Says which process a JACK message comes from when a test's output mixes the program's in.
void TestProcessMessage(const char* message)
{
    std::fprintf(stderr, "JACK (test process): %s\n", message);
}

} // namespace

TestKeyboard::TestKeyboard(const QString& portName)
    : portName(portName)
    , jack(new Jack)
{
    jack_set_error_function(&TestProcessMessage);
    // A busy server may refuse a client for a moment: ask again.
    for (int attempt = 0; attempt < 10 && !jack->client; ++attempt) {
        jack_status_t status = JackFailure;
        jack->client = jack_client_open("Ovelune Test", JackNoStartServer, &status);
        if (!jack->client && !(status & JackServerError))
            return;
        if (!jack->client)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    if (!jack->client)
        return;
    jack->queue = jack_ringbuffer_create(1 << 20);
    jack->port = jack_port_register(jack->client, portName.toUtf8().constData(),
                                    JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(jack->client, &Jack::Process, jack.get());
    jack_set_xrun_callback(jack->client, &Jack::OnXrun, jack.get());
    if (!jack->port || jack_activate(jack->client) != 0)
        Close();
}

TestKeyboard::~TestKeyboard()
{
    Close();
}

bool TestKeyboard::IsOpen() const
{
    return jack->client != nullptr;
}

bool TestKeyboard::Names(const QString& listedName) const
{
    return listedName.endsWith(QLatin1Char(':') + portName);
}

void TestKeyboard::Send(const std::vector<unsigned char>& bytes)
{
    if (!jack->client || bytes.empty() || bytes.size() > 255
        || jack_ringbuffer_write_space(jack->queue) < bytes.size() + 1)
        return;
    // The process thread takes a record only once all its bytes are there.
    std::vector<unsigned char> record(1, static_cast<unsigned char>(bytes.size()));
    record.insert(record.end(), bytes.begin(), bytes.end());
    jack_ringbuffer_write(jack->queue, reinterpret_cast<const char*>(record.data()), record.size());
}

bool TestKeyboard::SendOnce(const std::vector<unsigned char>& bytes, const std::function<bool(unsigned long)>& arrived)
{
    if (!jack->client)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (jack_port_connected(jack->port) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const double cycle = double(jack_get_buffer_size(jack->client)) / jack_get_sample_rate(jack->client);
    std::this_thread::sleep_for(std::chrono::microseconds(long(2 * cycle * 1e6)));
    Send(bytes);
    return arrived(30000);
}

void TestKeyboard::NoteOn(int note, int velocity, int channel)
{
    Send({static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(note),
          static_cast<unsigned char>(velocity)});
}

void TestKeyboard::NoteOff(int note, int velocity, int channel)
{
    Send({static_cast<unsigned char>(0x80 | channel), static_cast<unsigned char>(note),
          static_cast<unsigned char>(velocity)});
}

int TestKeyboard::Xruns() const
{
    return jack->xruns.load();
}

void TestKeyboard::Close()
{
    if (jack->client)
        jack_client_close(jack->client);
    jack->client = nullptr;
    jack->port = nullptr;
    if (jack->queue)
        jack_ringbuffer_free(jack->queue);
    jack->queue = nullptr;
}
