#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

// Colours of one display state of the keys.
struct KeyStateColours
{
    QString directory;  // resource directory, also the file name suffix unless `plainNames`
    bool plainNames;    // file names carry no "_<state>" suffix
    QColor whiteTop;    // white key body at the top, shading to...
    QColor whiteBottom; // ...this at the bottom
    QColor black;       // black key body
    QColor blackBorder; // black key outline
};

// One key image name with, for white keys, the opaque columns of rows 0..107.
struct KeyImageShape
{
    QString name;
    bool white;
    int firstColumn;
    int lastColumn;
};

constexpr int WhiteKeyWidth = 35;
constexpr int WhiteKeyHeight = 180;
constexpr int BlackKeyWidth = 19;
constexpr int BlackKeyHeight = 108;
constexpr int NotchRows = 108;

// The six states in the order the keyboard loads them.
QVector<KeyStateColours> keyStates();
// The 14 key images by image index; `state` adjusts the few state-specific shapes.
QVector<KeyImageShape> keyShapes(const KeyStateColours& state);

// Drawn with `scale` (1, 2 or 3) image pixels to each pixel of the native key grid.
QImage paintKey(const KeyImageShape& shape, const KeyStateColours& colours, int scale);

// Empty when `image` (of any scale) keeps its shape's alpha rule (0 outside, 255 inside),
// else why not.
QString checkAlpha(const QImage& image, const KeyImageShape& shape);
