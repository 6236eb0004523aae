#pragma once

#include <QObject>
#include <QPointF>

class Application;

// Helpers for benchmarks that run the real application in their own process.
namespace AppProbe {

// Marks the store so that the help window does not cover the main window at start-up, as
// after a learner's first run. Call before the application exists.
void SkipHelpAtStart();

// Waits until the main window is exposed and the synthesizer has its soundfont; false when
// either does not happen within `timeoutMs`.
bool WaitReady(Application& application, int timeoutMs = 30000);

// The centre of the lower half of key `note` (a MIDI note of the keyboard item) in window
// coordinates, found by the keyboard's own hit test; a null point when it has no such key.
QPointF KeyCentre(Application& application, int note);

} // namespace AppProbe
