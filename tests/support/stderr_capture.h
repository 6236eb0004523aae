#pragma once

#include <QByteArray>

// Captures what the process writes to standard error (file descriptor 2) while it lives,
// from every thread, into a temporary file.
class StderrCapture
{
public:
    StderrCapture();
    ~StderrCapture() { Finish(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    // Restores standard error and returns everything written meanwhile.
    QByteArray Finish();

private:
    int savedFd = -1, captureFd = -1;
    QByteArray captured;
};
