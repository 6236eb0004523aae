#pragma once

namespace Core {

class AuBucket;
class Sound;

// A process-wide audio server that plays whole sound files held in memory. Every live
// server is listed; server() gives the most recent one, creating the platform's server on
// first use. All calls come from the GUI thread.
class AuServer
{
public:
    AuServer();
    virtual ~AuServer();

    AuServer(const AuServer&) = delete;
    AuServer& operator=(const AuServer&) = delete;

    // Called by every new sound; does nothing by default.
    virtual void init(Sound* sound);
    virtual void play(Sound* sound) = 0;
    // Stops every sound the server is playing.
    virtual void stop() = 0;

    // Replaces the sound's bucket, deleting the previous one; the sound owns the new one.
    void setBucket(Sound* sound, AuBucket* bucket);
    AuBucket* bucket(Sound* sound);
};

AuServer* server();
// The platform's server; defined beside it.
AuServer* new_audio_server();

} // namespace Core
