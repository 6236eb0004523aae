#pragma once

#include <QColor>

// The product's colours. The window paints its header, footer and level area in the
// first three; the pictures are drawn to sit on them.
namespace Palette {
inline const QColor slate{0x42, 0x4c, 0x53};       // header and footer
inline const QColor slateDeep{0x2e, 0x35, 0x3a};
inline const QColor sky{0xd4, 0xe8, 0xf4};         // level area
inline const QColor ice{0xd0, 0xef, 0xff};         // labels on slate
inline const QColor steel{0x89, 0xa1, 0xaf};       // neutral background
inline const QColor mutedText{0x71, 0x88, 0x97};
inline const QColor accent{0x3f, 0x8c, 0xc0};      // reached levels, ticks
inline const QColor accentLight{0x5c, 0xa8, 0xd8};
inline const QColor accentDeep{0x2f, 0x6f, 0x99};
inline const QColor gold{0xe9, 0xbb, 0x4f};
inline const QColor goldDeep{0xc0, 0x8c, 0x28};
inline const QColor paper{0xf4, 0xf9, 0xfc};
inline const QColor go{0x3c, 0xa5, 0x6a};          // the start button

// Colour hint per level-order index: C, D, E, F, G, A, B, C#, D#, F#, G#, A#.
inline const QColor hint[12] = {
    QColor(0x00, 0x10, 0xFF), QColor(0xFF, 0xCC, 0x00), QColor(0xFF, 0x00, 0x00), QColor(0x00, 0x9A, 0x00),
    QColor(0x73, 0x05, 0xE3), QColor(0xE1, 0x78, 0x00), QColor(0xFF, 0x86, 0x95), QColor(0x00, 0xA2, 0xFF),
    QColor(0xFF, 0xE2, 0x6F), QColor(0x59, 0xE5, 0x59), QColor(0xCF, 0x6B, 0xF0), QColor(0xFF, 0xAC, 0x62)};

inline const char* const noteNames[12] = {"C", "D", "E", "F", "G", "A", "B", "C#", "D#", "F#", "G#", "A#"};
} // namespace Palette
