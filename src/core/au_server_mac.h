#pragma once

#include "core/au_server.h"

#include <QHash>
#include <QList>

namespace Core {

class MacSoundDelegate;
class SoundFilePlayer;

// The platform's audio server: each play() starts a SoundFilePlayer on the sound's bytes.
// Created by server() on first use and kept until the process ends; the players still
// running then are stopped when the application object goes. GUI thread only.
class AuServerMac : public AuServer
{
public:
    AuServerMac();
    ~AuServerMac() override;

    void play(Sound* sound) override;
    void stop() override;

    // Whether the sound's latest playback has not yet reported its end.
    static bool IsPlaying(const Sound* sound);
    // Playbacks that have not yet reported their end.
    static int PlayingCount();

private:
    friend class MacSoundDelegate;
    void Finished(MacSoundDelegate* delegate);
    static void StopAll();

    // The player of each sound's latest playback.
    static QHash<const Sound*, SoundFilePlayer*> sounds;
    // Every playback still running, also those that a later play() of the same sound
    // replaced in `sounds`, so that stop() reaches them all.
    static QList<MacSoundDelegate*> playing;
};

} // namespace Core
