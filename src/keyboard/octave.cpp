#include "keyboard/octave.h"

namespace Core {

int octave(int key)
{
    if (key < 3)
        return 0;
    if (key == 87)
        return 8;
    return (key - 3) / 12 + 1;
}

}  // namespace Core
