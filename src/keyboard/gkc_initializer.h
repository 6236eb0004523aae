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

    // GUI thread. Builds the key table and loads the native image sets; a finer set loads
    // when first asked for (KeyImageSet). Calls after the first do nothing.
    void Init();

    // Fills `set` with the 14 images of one state from ":/res/GKC/<directory>/", at `density`
    // image pixels per native pixel ("NAME@2x.png" for 2).
    static void LoadResources(QVector<QImage*>& set, const QString& directory,
                              const QString& state, int density = 1);

private:
    bool initialized;
};

extern GKCinitializer GKCini;
