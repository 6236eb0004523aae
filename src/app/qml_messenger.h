#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "app/statistics_figures.h"

class Application;
class AppSettings;

// The one object through which the QML interface reaches the application ("appmessenger")
// and through which the session state machine calls back into the interface's root item.
// GUI thread only. It has no signals and its properties no change signals: the interface
// reads them when it needs them.
class QMLMessenger : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool showHelpOnStart READ isShowHelpOnStart WRITE setShowHelpOnStart)
    Q_PROPERTY(bool showColorMap READ isShowColorMap WRITE setShowColorMap)
    Q_PROPERTY(int maturityLevel READ getMaturityLevel WRITE setMaturityLevel)
    Q_PROPERTY(int correctCount READ getCorrectCount)
    Q_PROPERTY(int incorrectCount READ getIncorrectCount)
    // The instruments the learner may choose, and the row of the chosen one.
    Q_PROPERTY(QStringList instrumentNames READ getInstrumentNames CONSTANT)
    Q_PROPERTY(int instrumentIndex READ getInstrumentIndex)

public:
    explicit QMLMessenger(QObject* parent = nullptr);
    ~QMLMessenger() override;

    // Links are not owned. Without an application the session slots do nothing; without a
    // model the properties read as their defaults and writes are dropped.
    void SetApplication(Application* app);
    void SetAppSettings(AppSettings* model);
    void SetRootObject(QObject* root);
    // The interface's item that shows the review and the pitch test.
    void SetSpecialItem(QObject* item);

    bool isShowHelpOnStart() const;
    void setShowHelpOnStart(bool show);
    bool isShowColorMap() const;
    void setShowColorMap(bool show);
    int getMaturityLevel() const;
    void setMaturityLevel(int level);
    int getCorrectCount() const;
    int getIncorrectCount() const;
    QStringList getInstrumentNames() const;
    int getInstrumentIndex() const;

    // Calls into the interface's root item.
    void currentNote(unsigned int noteIndex);
    void answerRecieved(bool correct, unsigned int questionIndex);
    // The notes of the answer just judged, for the verdict the window says (before
    // answerRecieved).
    void answerNotes(unsigned int askedNote, unsigned int answeredNote);
    void maturityLevelChanged(unsigned int level);
    void perfectPitchAcquired(unsigned int level);
    // Calls `function` of the item set by SetSpecialItem.
    void callSpecial(const char* function, const QVariant& first, const QVariant& second = QVariant());
    // The figures asked for, handed to the view that asked; plot() draws from them.
    void showStatistics(const StatisticsFigures& figures, QObject* view);

public slots:
    void startNewSession(uint maturityLevel);
    // Goes on with the stored session if it has questions left, else starts a new one at
    // the stored level.
    void continueSession();
    // A review of weak notes, and a pitch test without feedback.
    void startReview();
    void startPitchTest();
    void replayQuestion();
    // A row of "midiListModel", and a row of instrumentNames.
    void selectInputDevice(int row);
    void selectInstrument(int row);
    // Asks for the statistics view's figures for the last `days` days, 0 for all; `view`'s
    // showFigures(figures) gets them once they are computed.
    void requestStatistics(int days, QObject* view);
    // Replaces the points of a chart's line series by the records of the figures' list
    // `list` (as last shown), x from their property `xKey`, y from `yKey` times `yScale`.
    // Points appended one by one from QML would cost a relayout each.
    void plot(QObject* series, const QString& list, const QString& xKey, const QString& yKey, double yScale = 1.0);
    // The figures as last shown, as text in the learner's note names: see StatisticsText.
    QVariantMap describeStatistics() const;
    void changeCursor(QVariant cursor);
    void hideWindow();
    void showCompanyWebsite();

private:
    void CallInterface(const char* function, const QVariant& first, const QVariant& second = QVariant(),
                       QObject* target = nullptr);

    Application* application;
    QObject* rootObject;
    QPointer<QObject> specialItem;
    AppSettings* appSettings;
    StatisticsFigures lastFigures;
};

// The process's one bridge, created by the application and never deleted.
extern QMLMessenger* messenger;
