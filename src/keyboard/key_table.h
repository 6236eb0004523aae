#pragma once

#include "keyboard/gkc_key_position.h"

#include <QVector>

// Native keyboard space: 52 white keys of 35 units side by side.
constexpr double NativeKeyboardWidth = 1820.0;
constexpr double NativeKeyboardHeight = 180.0;
constexpr int KeyCount = 88;
constexpr int KeyImageCount = 14;

// Two floats per image index: the upper strip (offset, width) of a white key relative to
// its image, or the offset of a black key from the start of its octave group.
extern const float KeyOffs[2 * KeyImageCount];

// The 88 keys by key index (0 = A0, 87 = C8); filled once by GKCinitializer::Init.
extern QVector<GKCKeyPositon> KeysCache;

// Appends the 88 key records, in key-index order, to `cache`.
void AppendKeyTable(QVector<GKCKeyPositon>& cache);
