#include "core/au_server.h"

#include "core/au_bucket.h"
#include "core/sound.h"

#include <QList>

namespace Core {

namespace {

// The live servers, most recent first; exists only while there are some. GUI thread only.
QList<AuServer*>* servers = nullptr;

} // namespace

AuServer::AuServer()
{
    if (!servers)
        servers = new QList<AuServer*>;
    servers->prepend(this);
}

AuServer::~AuServer()
{
    if (!servers)
        return;
    servers->removeAll(this);
    if (servers->isEmpty()) {
        delete servers;
        servers = nullptr;
    }
}

void AuServer::init(Sound*)
{
}

void AuServer::setBucket(Sound* sound, AuBucket* bucket)
{
    if (sound->bucket == bucket)
        return;
    delete sound->bucket;
    sound->bucket = bucket;
}

AuBucket* AuServer::bucket(Sound* sound)
{
    return sound->bucket;
}

AuServer* server()
{
    if (!servers || servers->isEmpty())
        return new_audio_server();
    return servers->first();
}

} // namespace Core
