#pragma once

// Sounds the desktop's alert beep: the X server's bell when there is a display, else the
// terminal's bell. Does nothing where neither exists; never blocks for long.
void qt_mac_beep();
