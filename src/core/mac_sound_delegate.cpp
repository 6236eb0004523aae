#include "core/mac_sound_delegate.h"

#include "core/au_server_mac.h"
#include "core/sound_file_player.h"

namespace Core {

MacSoundDelegate::MacSoundDelegate(Sound* qSound, AuServerMac* server, SoundFilePlayer* player)
    : qSound(qSound)
    , server(server)
    , soundPlayer(player)
{
    player->setParent(this);
    connect(player, SIGNAL(finished()), this, SLOT(soundDidFinishPlaying()));
}

void MacSoundDelegate::soundDidFinishPlaying()
{
    server->Finished(this);
}

} // namespace Core
