#pragma once

#include <QtGlobal>

// The letter keys of a computer keyboard as two piano rows, laid out as virtual MIDI
// keyboards and trackers on Linux do: the lower row Z S X D C V G B H N J M , L . ; / plays
// C up to the E an octave higher, the upper row Q 2 W 3 E R 5 T 6 Y 7 U I 9 O 0 P [ = ]
// plays from the next C up to the G above (the rows share C..E). Keys are found by their
// place on the keyboard, so the rows stay where they are on AZERTY, QWERTZ or Dvorak.
class TypingKeys
{
public:
    // Semitones above the rows' first C for a key, -1 for a key that plays nothing.
    // `nativeScanCode` is the XKB key code (evdev code + 8) that X11 and Wayland report;
    // where there is none (0) the key is taken by its meaning on a US layout.
    static int Semitone(quint32 nativeScanCode, int qtKey);
    // The highest semitone the rows reach.
    static constexpr int Reach = 31;
};
