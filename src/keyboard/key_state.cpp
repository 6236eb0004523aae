#include "keyboard/key_state.h"

KeyState::KeyState()
    : extraValue(3), extraFlag(true), pressed(false), highlight(0), changed(true)
{
}

bool KeyState::Equal(const KeyState& other) const
{
    return highlight == other.highlight && pressed == other.pressed
        && extraFlag == other.extraFlag && extraValue == other.extraValue;
}
