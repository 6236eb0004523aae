#include "core/au_server_mac.h"

#include "core/mac_sound_delegate.h"
#include "core/sound.h"
#include "core/sound_file_player.h"

#include <QCoreApplication>

namespace Core {

QHash<const Sound*, SoundFilePlayer*> AuServerMac::sounds;
QList<MacSoundDelegate*> AuServerMac::playing;

AuServer* new_audio_server()
{
    return new AuServerMac;
}

AuServerMac::AuServerMac()
{
    // Playback threads must not outlive the application object and the libraries it
    // takes down with it.
    qAddPostRoutine(&AuServerMac::StopAll);
}

AuServerMac::~AuServerMac()
{
    qRemovePostRoutine(&AuServerMac::StopAll);
    StopAll();
}

void AuServerMac::play(Sound* sound)
{
    SoundFilePlayer* player = new SoundFilePlayer(sound->data());
    MacSoundDelegate* delegate = new MacSoundDelegate(sound, this, player);
    playing.append(delegate);
    sounds.insert(sound, player);
    player->Start();
}

void AuServerMac::stop()
{
    // The entries stay until each player reports its end.
    for (MacSoundDelegate* delegate : qAsConst(playing))
        delegate->player()->Stop();
}

bool AuServerMac::IsPlaying(const Sound* sound)
{
    return sounds.contains(sound);
}

int AuServerMac::PlayingCount()
{
    return playing.size();
}

void AuServerMac::Finished(MacSoundDelegate* delegate)
{
    // A newer playback of the same sound keeps its entry.
    const auto entry = sounds.constFind(delegate->sound());
    if (entry != sounds.constEnd() && entry.value() == delegate->player())
        sounds.erase(entry);
    playing.removeOne(delegate);
    delegate->deleteLater();
}

void AuServerMac::StopAll()
{
    const QList<MacSoundDelegate*> all = playing;
    playing.clear();
    sounds.clear();
    for (MacSoundDelegate* delegate : all)
        delete delegate; // stops its player and waits for its thread
}

} // namespace Core
