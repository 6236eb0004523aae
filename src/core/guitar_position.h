#pragma once

#include <cstddef>

namespace Core {

constexpr std::size_t GuitarStringCount = 6;

// Key index (0 = A0) of each open string, string 0 being the highest: E4 B3 G3 D3 A2 E2.
extern const int GuitarStringStart[GuitarStringCount];

// Where a piano key lies on a guitar in standard tuning: the highest string whose open note
// is at or below the key, and the fret on it.
struct GuitarPosition
{
    // A key below the lowest open string (E2, key 19) has no position: IsValid() is false.
    explicit GuitarPosition(int key);

    bool IsValid() const { return stringIndex >= 0; }
    // The key index played at this position; -1 without a position.
    int Note() const;

    int stringIndex = -1;
    int fret = 0;
};

} // namespace Core
