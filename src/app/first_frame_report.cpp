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
            std::fprintf(stderr, "ovelune-bench first-frame-ns %lld\n", MonotonicNanoseconds());
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
