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

    // GUI thread, after Init. Loads the finer sets of `density` (2 or 3) on the first call;
    // density 1 is loaded by Init.
    void LoadDensity(int density);

    // Fills `set` with the 14 images of one state from ":/res/GKC/<directory>/", at `density`
    // image pixels per native pixel ("NAME@2x.png" for 2).
    static void LoadResources(QVector<QImage*>& set, const QString& directory,
                              const QString& state, int density = 1);

private:
    bool initialized;
};

extern GKCinitializer GKCini;
