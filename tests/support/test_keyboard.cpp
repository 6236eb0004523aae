#include "support/test_keyboard.h"

#include <rtmidi/RtMidi.h>

TestKeyboard::TestKeyboard(const QString& portName)
    : portName(portName)
{
    try {
        out.reset(new RtMidiOut(RtMidi::UNIX_JACK, "Ovelune Test"));
        out->openVirtualPort(portName.toStdString());
    } catch (const RtMidiError&) {
        out.reset();
    }
}

TestKeyboard::~TestKeyboard()
{
    Close();
}

bool TestKeyboard::IsOpen() const
{
    return static_cast<bool>(out);
}

bool TestKeyboard::Names(const QString& listedName) const
{
    return listedName.endsWith(QLatin1Char(':') + portName);
}

void TestKeyboard::Send(const std::vector<unsigned char>& bytes)
{
    if (!out)
        return;
    out->sendMessage(&bytes);
}

bool TestKeyboard::SendUntil(const std::vector<unsigned char>& bytes,
                             const std::function<bool(unsigned long)>& arrived, int attempts)
{
    for (int attempt = 0; attempt < attempts; ++attempt) {
        Send(bytes);
        if (arrived(1000))
            return true;
    }
    return false;
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

void TestKeyboard::Close()
{
    if (!out)
        return;
    out->closePort();
    out.reset();
}
