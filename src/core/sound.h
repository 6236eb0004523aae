#pragma once

#include <QByteArray>
#include <QString>

namespace Core {

class AuBucket;

// A whole sound file held in memory, played through the process's audio server. A file
// that cannot be read leaves the sound empty; playing it ends at once. GUI thread only.
class Sound
{
public:
    explicit Sound(const QString& fileName);
    // Stops the server's sounds, then releases the data.
    ~Sound();

    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void play();
    QString fileName() const { return name; }
    // The file's bytes. A player shares them (no copy) for as long as it plays.
    const QByteArray& data() const { return bytes; }

private:
    friend class AuServer;

    QByteArray bytes;
    QString name;
    AuBucket* bucket = nullptr;
};

} // namespace Core
