// How the window is drawn where there is no GPU: the software scene graph, and animations
// stepped 30 times a second so that the speaker's rings cost half as much to repaint.
#include "app/paced_animation_driver.h"
#include "app/scene_graph_choice.h"

#include <QPropertyAnimation>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtTest>

namespace {

// Counts the steps of an animated property.
class Stepper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qreal value READ value WRITE setValue)

public:
    qreal value() const { return current; }
    void setValue(qreal v)
    {
        current = v;
        ++steps;
    }
    int steps = 0;

private:
    qreal current = 0.0;
};

int StepsInOneSecond()
{
    Stepper stepper;
    QPropertyAnimation animation(&stepper, "value");
    animation.setStartValue(0.0);
    animation.setEndValue(1.0);
    animation.setDuration(1000);
    animation.start();
    QElapsedTimer clock;
    clock.start();
    while (animation.state() != QAbstractAnimation::Stopped && clock.elapsed() < 10000)
        QTest::qWait(10);
    return animation.state() == QAbstractAnimation::Stopped ? stepper.steps : -1;
}

} // namespace

class RenderChoicesTest : public QObject
{
    Q_OBJECT

private slots:
    // The test wrapper asks for the software scene graph; a choice made by the user stands.
    void theUsersChoiceStands()
    {
        QCOMPARE(qgetenv("QT_QUICK_BACKEND"), QByteArray("software"));
        QVERIFY(ChooseSceneGraph());
        qputenv("QT_QUICK_BACKEND", "opengl");
        QVERIFY(!ChooseSceneGraph());
        qputenv("QT_QUICK_BACKEND", "software");
    }

    // About 30 steps a second rather than about 60, the animation still ending on time.
    void pacedAnimationsStepThirtyTimesASecond()
    {
        const int unpaced = StepsInOneSecond();
        auto* driver = new PacedAnimationDriver(this);
        driver->install();
        const int paced = StepsInOneSecond();
        driver->uninstall();
        qInfo("steps in one second: %d unpaced, %d paced", unpaced, paced);
        QVERIFY2(paced >= 15 && paced <= 35, qPrintable(QString::number(paced)));
        QVERIFY(paced < unpaced);
    }
};

QTEST_MAIN(RenderChoicesTest)
#include "tst_render_choices.moc"
