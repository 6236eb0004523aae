#include "app/first_frame_report.h"

#include <QQuickWindow>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

void ReportFirstFrameIfAsked(QQuickWindow& window)
{
    if (!std::getenv("OVELUNE_BENCH_REPORT"))
        return;
    // frameSwapped comes from the render thread when the scene graph renders threaded.
    auto reported = std::make_shared<std::atomic<bool>>(false);
    QObject::connect(
        &window, &QQuickWindow::frameSwapped, &window,
        [reported] {
            if (reported->exchange(true))
                return;
            std::fprintf(stderr, "ovelune-bench first-frame-ns %lld\n", MonotonicNanoseconds());
            std::fflush(stderr);
        },
        Qt::DirectConnection);
}
