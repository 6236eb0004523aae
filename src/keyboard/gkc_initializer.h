#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// Builds the shared key table and loads the key images, once per process.
class GKCinitializer
{
public:
    GKCinitializer();
    ~GKCinitializer();
    GKCinitializer(const GKCinitializer&) = delete;
    GKCinitializer& operator=(const GKCinitializer&) = delete;

    // GUI thread. Calls after the first do nothing, even if the first one failed part-way.
    void Init();

    // Fills `set` with the 14 images of one state from ":/res/GKC/<directory>/".
    static void LoadResources(QVector<QImage*>& set, const QString& directory,
                              const QString& state);

private:
    bool initialized;
};

extern GKCinitializer GKCini;
