#include "support/stderr_capture.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

StderrCapture::StderrCapture()
{
    char path[] = "/tmp/ovelune-stderr-XXXXXX";
    captureFd = mkstemp(path);
    if (captureFd < 0)
        return;
    unlink(path);
    std::fflush(stderr);
    savedFd = dup(2);
    dup2(captureFd, 2);
}

StderrCapture::~StderrCapture()
{
    Finish();
}

QByteArray StderrCapture::Finish()
{
    if (savedFd < 0)
        return captured;
    std::fflush(stderr);
    dup2(savedFd, 2);
    close(savedFd);
    savedFd = -1;
    const off_t size = lseek(captureFd, 0, SEEK_END);
    if (size > 0) {
        captured.resize(static_cast<int>(size));
        if (pread(captureFd, captured.data(), static_cast<size_t>(size), 0) != size)
            captured.clear();
    }
    close(captureFd);
    captureFd = -1;
    return captured;
}
