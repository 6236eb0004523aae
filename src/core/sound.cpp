#include "core/sound.h"

#include "core/au_bucket.h"
#include "core/au_server.h"

#include <QFile>

namespace Core {

namespace {

// A sound file is read whole; anything larger is not a sound this program plays.
constexpr qint64 MaxSoundFileSize = 128 * 1024 * 1024;

// The whole content, or nothing when it cannot be read or is too large. Devices and pipes
// report no size, so they are read in pieces up to the limit.
QByteArray ReadWhole(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    if (!file.isSequential())
        return file.size() <= MaxSoundFileSize ? file.readAll() : QByteArray();
    QByteArray content;
    while (content.size() <= MaxSoundFileSize) {
        const QByteArray piece = file.read(64 * 1024);
        if (piece.isEmpty())
            return content;
        content += piece;
    }
    return QByteArray();
}

} // namespace

Sound::Sound(const QString& fileName)
    : name(fileName)
{
    bytes = ReadWhole(fileName);
    server()->init(this);
}

Sound::~Sound()
{
    server()->stop();
    delete bucket;
}

void Sound::play()
{
    server()->play(this);
}

} // namespace Core
