#pragma once

#include <QPointF>
#include <QRectF>

// One key of the 88-key table, in the native 1820 x 180 keyboard space.
struct GKCKeyPositon
{
    int imageIndex = 0;  // index 0..13 into every key image set
    QRectF upperRect;    // black key: whole key; white key: strip between its black neighbours
    QRectF lowerRect;    // white key only: full-width part below the black keys
    QPointF imagePos;    // top-left corner where the key image is drawn
    bool isWhite = false;
};
