#pragma once

#include <QObject>

namespace Core {

class AuServerMac;
class Sound;
class SoundFilePlayer;

// Created for one playback: takes the player's end-of-playback report and hands it to the
// server. Owns the player. GUI thread only.
class MacSoundDelegate : public QObject
{
    Q_OBJECT

public:
    MacSoundDelegate(Sound* qSound, AuServerMac* server, SoundFilePlayer* player);

    Sound* sound() const { return qSound; }
    SoundFilePlayer* player() const { return soundPlayer; }

private slots:
    void soundDidFinishPlaying();

private:
    Sound* qSound; // identifies the entry only: the sound may be gone by the end
    AuServerMac* server;
    SoundFilePlayer* soundPlayer;
};

} // namespace Core
