#pragma once

namespace Core {

// Octave group 0..8 of a key index: 0 for A0..B0 (and for -1, "no key"), 1..7 for the
// groups C..B, 8 for C8. Meant for -1..87.
int octave(int key);

}  // namespace Core
