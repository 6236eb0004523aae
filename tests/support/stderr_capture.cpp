#include "support/stderr_capture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

StderrCapture::StderrCapture()
{
    char path[] = "/tmp/ovelune-stderr-XXXXXX";
    if ((captureFd = mkstemp(path)) < 0)
        return;
    unlink(path);
    std::fflush(stderr);
    savedFd = dup(2);
    dup2(captureFd, 2);
}

QByteArray StderrCapture::Finish()
{
    if (savedFd < 0)
        return captured;
    std::fflush(stderr);
    dup2(savedFd, 2);
    close(savedFd);
    savedFd = -1;
    captured.resize(static_cast<int>(std::max<off_t>(0, lseek(captureFd, 0, SEEK_END))));
    if (pread(captureFd, captured.data(), static_cast<size_t>(captured.size()), 0) != captured.size())
        captured.clear();
    close(captureFd);
    return captured;
}
