#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class QSettings;

// The training model and its persisted store: the level order, the question list of the
// current session, per-note statistics, the judging of answers and the level rules.
// Everything here runs on the GUI thread. The whole state is written to the store after
// every change; the members are public because the session state machine and the QML
// bridge read and write them directly.
class AppSettings
{
    Q_DECLARE_TR_FUNCTIONS(AppSettings)

public:
    static constexpr unsigned int LevelCount = 12;
    static constexpr unsigned int OctaveCount = 7;
    // The lowest trained octave of each pitch class, in the order the levels add them:
    // C D E F G A B, then C# D# F# G# A#.
    static const unsigned int maturityMidiBase[LevelCount];

    AppSettings();
    ~AppSettings();
    AppSettings(const AppSettings&) = delete;
    AppSettings& operator=(const AppSettings&) = delete;

    // A level of 0 or above 12 becomes 1; always regenerates the question list.
    void SetMaturity(unsigned int level);
    void ReGenerateQuestions();
    // Judges the finished session, picks the next level and starts its list. Returns true
    // when level 12 has been passed: perfect pitch acquired.
    bool AnalyzeStatsAndApplyMaturity();
    // Position 0..11 of the note's pitch class in the level order.
    unsigned int GetIndexForNote(unsigned int note) const;
    // Records the answer to the current question; hands back the asked note. Does not
    // advance the question, but the store gets the index of the next question to ask.
    // `responseMs` (from the start of the note; negative: unknown) decides whether a right
    // answer was fluent.
    bool ProcessAnswer(unsigned int answerNote, unsigned int& questionNote, int responseMs = -1);
    // True when the list holds a question at currentQuestion that has not been answered.
    bool HasQuestionsLeft() const;

    void ReadState();
    void SaveState();
    // Writes one preference of the "GlobalSetting" group alone, at once. A choice made while
    // an answer is shown must not write the whole state: its question index is then one
    // behind the store's, which already points past the answered question.
    void SaveChoice(const QString& key, const QVariant& value);

    std::vector<unsigned int> questions;
    std::vector<unsigned int> noteStats;
    unsigned int correctCount = 0;
    unsigned int incorrectCount = 0;
    unsigned int maturityLevel = 1;
    unsigned int currentQuestion = 0;
    unsigned int questionCount = 0;
    bool showHelpOnStartup = true;
    bool showColorMap = true;
    QString inputDevice;
    qint8 midiInstrument = 0;
    // Options beside the session, each stored alone by SaveChoice when the learner changes
    // it; a store without them gives these defaults.
    int referencePitch = 440;    // "ReferencePitch": A4 in Hz, 415..466
    int fluentLimitMs = 2000;    // "FluentSeconds": 1.5, 2 or 3 s
    bool passWhenFluent = false; // "PassWhenFluent": a session passes on fluent answers
    // "ClearTheEar": a masking sound and a pause before each question, and successive
    // questions of a new list at least MinimumLeap semitones apart.
    bool clearTheEar = false;
    static constexpr unsigned int MinimumLeap = 7; // a fifth
    // Fluent answers in the current session; kept in the store ("FluentAnswers") only while
    // passWhenFluent is on, so a store without the options stays as it was.
    unsigned int fluentCount = 0;
    std::unique_ptr<QSettings> settings;

    static constexpr int DefaultReferencePitch = 440;
    static constexpr int LowestReferencePitch = 415;
    static constexpr int HighestReferencePitch = 466;
    // The stored values as the model takes them: anything else gives the default.
    static int ReferencePitchFrom(const QVariant& stored);
    static int FluentLimitMsFrom(const QVariant& stored);

private:
    // Flushes the store to disk now.
    void WriteThrough();
    // Tells the user once on standard error when the store cannot be written or was damaged.
    void ReportStoreTrouble();
    bool IsStoredSessionUsable(int storedLevel, int statsSize, int questionsSize) const;
    bool HoldsExactlyTheTrainedNotes() const;

    int reportedStoreStatus = 0; // the QSettings::Status last reported; 0: none
    bool writePending = false; // a write-through is posted to the event loop
};
