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
    // Sends until `arrived(milliseconds)` is true, `attempts` times at most: JACK drops a
    // cycle's MIDI when a client runs late on a loaded machine.
    bool SendUntil(const std::vector<unsigned char>& bytes,
                   const std::function<bool(unsigned long)>& arrived, int attempts = 5);
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
