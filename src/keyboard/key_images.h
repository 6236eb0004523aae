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

// The looks of a key: one image set each.
enum KeyLook { LookNormal, LookHover, LookPressed, LookRed, LookGreen, LookBlue, LookCount };

// Image pixels per native pixel of the finest set ("NAME@3x.png").
constexpr int MaxKeyImageDensity = 3;

// The set of `look` with `density` (1..MaxKeyImageDensity) image pixels per native pixel. Its
// images carry the density as their device pixel ratio, so each draws at the native size.
// Density 1 is one of the sets above. A finer set is read at the first call for it (a few
// milliseconds): a window shows one of the densities, and its first frame one of the looks.
// GUI thread, or the render thread while the GUI thread waits for it.
const QVector<QImage*>& KeyImageSet(KeyLook look, int density);
bool IsKeyImageSetLoaded(KeyLook look, int density);
