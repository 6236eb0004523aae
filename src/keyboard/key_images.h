#pragma once

#include <QImage>
#include <QVector>

// Key image sets, each indexed by GKCKeyPositon::imageIndex, and the octave edge
// highlights. Loaded once by GKCinitializer::Init, owned by GKCini, read-only afterwards.
extern QVector<QImage*> KeyResources;
extern QVector<QImage*> KeyResourcesHover;
extern QVector<QImage*> KeyResourcesPressed;
extern QVector<QImage*> KeyResourcesRed;
extern QVector<QImage*> KeyResourcesGreen;
extern QVector<QImage*> KeyResourcesBlue;
extern QImage* HighlightLeft;
extern QImage* HighlightRight;

// Image names by image index, as used in the resource paths.
extern const char* const KeyImageNames[];
