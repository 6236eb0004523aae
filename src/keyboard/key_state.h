#pragma once

#include <QMap>
#include <QMetaType>

// Display state of one key of the keyboard item.
class KeyState
{
public:
    KeyState();

    // True when everything but `changed` is the same.
    bool Equal(const KeyState& other) const;

    int extraValue;  // carried and compared only
    bool extraFlag;  // carried and compared only
    bool pressed;    // pressed with the mouse and not yet cleared
    int highlight;   // 0 none, 1 green, 2 blue, anything else red
    bool changed;    // needs repainting
};

// New states by key index.
typedef QMap<int, KeyState> KeysStateMap;

Q_DECLARE_METATYPE(KeyState)
Q_DECLARE_METATYPE(KeysStateMap)
