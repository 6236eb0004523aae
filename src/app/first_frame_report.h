#pragma once

class QQuickWindow;

// For start-up benchmarks: when the environment variable OVELUNE_BENCH_REPORT is set,
// prints to standard error, once, the CLOCK_MONOTONIC time of the first frame `window`
// puts on screen:
//   ovelune-bench first-frame-ns <nanoseconds>
// followed by the platform, the device pixel ratio and the logical size of the window:
//   ovelune-bench window <platform> <ratio> <width>x<height>
// Otherwise does nothing. Call before the event loop runs.
void ReportFirstFrameIfAsked(QQuickWindow& window);

// Nanoseconds of CLOCK_MONOTONIC, the clock the reports above use.
long long MonotonicNanoseconds();
