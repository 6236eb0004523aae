#include "app/paced_animation_driver.h"

#include <QTimerEvent>

namespace {

const int StepMs = 33;

} // namespace

PacedAnimationDriver::PacedAnimationDriver(QObject* parent)
    : QAnimationDriver(parent)
{
    clock.start();
}

qint64 PacedAnimationDriver::elapsed() const
{
    return clock.elapsed();
}

void PacedAnimationDriver::start()
{
    QAnimationDriver::start();
    steps.start(StepMs, Qt::PreciseTimer, this);
}

void PacedAnimationDriver::stop()
{
    steps.stop();
    QAnimationDriver::stop();
}

void PacedAnimationDriver::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == steps.timerId())
        advance();
    else
        QAnimationDriver::timerEvent(event);
}
