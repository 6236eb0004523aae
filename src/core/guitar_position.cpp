#include "core/guitar_position.h"

namespace Core {

const int GuitarStringStart[GuitarStringCount] = {43, 38, 34, 29, 24, 19};

GuitarPosition::GuitarPosition(int key)
{
    for (std::size_t s = 0; s < GuitarStringCount; ++s) {
        if (GuitarStringStart[s] <= key) {
            stringIndex = static_cast<int>(s);
            fret = key - GuitarStringStart[s];
            return;
        }
    }
}

int GuitarPosition::Note() const
{
    if (!IsValid())
        return -1;
    return GuitarStringStart[stringIndex] + fret;
}

} // namespace Core
