#pragma once

#include <QAnimationDriver>
#include <QBasicTimer>
#include <QElapsedTimer>

// Advances Qt's animations 30 times a second instead of about 60. Where the window is drawn
// in software every animation step repaints what the animation covers: the speaker's rings
// span nearly the whole window, and at 30 steps a second they cost half as much CPU time and
// look the same. GUI thread only.
class PacedAnimationDriver : public QAnimationDriver
{
public:
    explicit PacedAnimationDriver(QObject* parent = nullptr);

    qint64 elapsed() const override;

protected:
    void start() override;
    void stop() override;
    void timerEvent(QTimerEvent* event) override;

private:
    QBasicTimer steps;
    QElapsedTimer clock;
};
