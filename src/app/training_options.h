#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QVariantList>

#include <vector>

class Application;

// The options beside the session, for the interface ("appoptions"): the reference pitch,
// the time limit of a fluent answer, whether a level passes only on fluent answers, and
// whether the ear is cleared before each question.
// Each change is stored at once, alone, and the reference pitch is applied to the
// synthesizer. Also hands out the fluency figures of the twelve pitch classes.
//
// GUI thread only; the figures are computed on a worker thread. Like the main bridge its
// properties do not notify: the interface reads them when it shows them.
class TrainingOptions : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int referencePitch READ getReferencePitch WRITE setReferencePitch)
    Q_PROPERTY(int lowestReferencePitch READ getLowestReferencePitch CONSTANT)
    Q_PROPERTY(int highestReferencePitch READ getHighestReferencePitch CONSTANT)
    Q_PROPERTY(double fluentSeconds READ getFluentSeconds WRITE setFluentSeconds)
    Q_PROPERTY(QVariantList fluentSecondsChoices READ getFluentSecondsChoices CONSTANT)
    Q_PROPERTY(bool passWhenFluent READ getPassWhenFluent WRITE setPassWhenFluent)
    Q_PROPERTY(bool clearTheEar READ getClearTheEar WRITE setClearTheEar)

public:
    explicit TrainingOptions(QObject* parent = nullptr);
    ~TrainingOptions() override;

    // Not owned. Null detaches: waits for a computation under way (it reads the history) and
    // drops the waiting receivers; properties then read as their defaults.
    void SetApplication(Application* app);
    // Tunes the output device to the stored reference pitch.
    void ApplyReferencePitch();

    int getReferencePitch() const;
    // Out of range: nothing changes.
    void setReferencePitch(int hz);
    int getLowestReferencePitch() const;
    int getHighestReferencePitch() const;
    double getFluentSeconds() const;
    // Only one of the offered limits is taken.
    void setFluentSeconds(double seconds);
    QVariantList getFluentSecondsChoices() const;
    bool getPassWhenFluent() const;
    void setPassWhenFluent(bool on);
    bool getClearTheEar() const;
    // From the next question on; the order of questions from the next new list on.
    void setClearTheEar(bool on);

public slots:
    // `receiver`'s showFluency(figures) is called with Fluency::ToVariant's list once the
    // figures are computed from the history as it stands now.
    void requestFluency(QObject* receiver);

private:
    void Compute();

    Application* application = nullptr;
    QFutureWatcher<QVariantList> watcher;
    std::vector<QPointer<QObject>> waiting; // for the computation under way
    std::vector<QPointer<QObject>> next;    // for one started after it
};
