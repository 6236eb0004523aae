#include "app/first_frame_report.h"

#include <QGuiApplication>
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
        [reported, &window] {
            if (reported->exchange(true))
                return;
            timespec thread{}, process{};
            clock_gettime(CLOCK_THREAD_CPUTIME_ID, &thread);
            clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &process);
            std::fprintf(stderr, "ovelune-bench first-frame-ns %lld\n", MonotonicNanoseconds());
            // The CPU time spent until then by the thread that swapped the frame (the main
            // thread with the software scene graph) and by the whole process: figures the
            // machine's load inflates far less than the wall clock.
            std::fprintf(stderr, "ovelune-bench first-frame-cpu-ns %lld %lld\n",
                         static_cast<long long>(thread.tv_sec) * 1000000000LL + thread.tv_nsec,
                         static_cast<long long>(process.tv_sec) * 1000000000LL + process.tv_nsec);
            std::fflush(stderr);
            // The window's own figures are read on its thread.
            QMetaObject::invokeMethod(
                &window,
                [&window] {
                    std::fprintf(stderr, "ovelune-bench window %s %g %dx%d\n", qPrintable(QGuiApplication::platformName()),
                                 window.devicePixelRatio(), window.width(), window.height());
                    std::fflush(stderr);
                },
                Qt::QueuedConnection);
        },
        Qt::DirectConnection);
}
