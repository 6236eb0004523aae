#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// A MIDI keyboard for tests: a JACK MIDI output port of the client "Ovelune Test", listed
// as "<client>:<port name>". Needs a running JACK server (the test wrapper's --jack).
class TestKeyboard
{
public:
    explicit TestKeyboard(const QString& portName = QStringLiteral("Test Keyboard"));
    ~TestKeyboard();

    TestKeyboard(const TestKeyboard&) = delete;
    TestKeyboard& operator=(const TestKeyboard&) = delete;

    bool IsOpen() const;
    // True when `listedName` (as an input device names it) is this keyboard's port.
    bool Names(const QString& listedName) const;

    void Send(const std::vector<unsigned char>& bytes);
    // Waits until the port is connected and two cycles have passed (a new connection takes
    // effect with the next graph), sends once and returns whether `arrived(milliseconds)`
    // saw it. Nothing is sent again: a message a listener misses is a fault.
    bool SendOnce(const std::vector<unsigned char>& bytes, const std::function<bool(unsigned long)>& arrived);
    void NoteOn(int note, int velocity, int channel = 0);
    void NoteOff(int note, int velocity = 0, int channel = 0);
    // The server's reports of a cycle that a client did not finish in time (xruns), since
    // this keyboard opened.
    int Xruns() const;

private:
    void Close();
    struct Jack;
    QString portName;
    std::unique_ptr<Jack> jack;
};
