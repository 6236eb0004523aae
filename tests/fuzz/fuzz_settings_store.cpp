// Arbitrary contents of the store file, loaded by the training model. Whatever the file
// holds, the model must come up with a session it can play (level 1..12, 7 questions per
// level from the trained pitch classes, one statistic per trained pitch class, a current
// question inside the list), playing that session to its end must stay inside the model's
// lists, and what the model saves must load back unchanged.

#include "app/app_settings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

namespace {

// Everything a load decides; compared after a save and a second load.
auto Snapshot(const AppSettings& m)
{
    return std::make_tuple(m.questions, m.noteStats, m.correctCount, m.incorrectCount, m.maturityLevel,
                           m.currentQuestion, m.questionCount, m.showHelpOnStartup, m.showColorMap, m.inputDevice,
                           m.midiInstrument);
}

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_settings_store: %s\n", what);
    std::abort();
}

void CheckPlayable(const AppSettings& m)
{
    if (m.maturityLevel < 1 || m.maturityLevel > AppSettings::LevelCount)
        Fail("level outside 1..12");
    if (m.questions.size() != AppSettings::OctaveCount * m.maturityLevel)
        Fail("question list length is not 7 x level");
    if (m.questionCount != m.questions.size())
        Fail("questionCount differs from the list length");
    if (m.noteStats.size() != m.maturityLevel)
        Fail("statistics length differs from the level");
    for (unsigned int note : m.questions) {
        if (note < 24 || note > 107)
            Fail("question outside notes 24..107");
        if (m.GetIndexForNote(note) >= m.maturityLevel)
            Fail("question of a pitch class not yet trained");
    }
}

// Answers the next questions as the session state machine does (alternately right and
// wrong), then ends the session. Every answer saves the whole store, so only the first ten
// are played; the rest of the list is taken as answered.
void PlayToTheEnd(AppSettings& m)
{
    bool answerRight = true;
    for (int played = 0; played < 10 && m.currentQuestion < m.questionCount; ++played) {
        const unsigned int asked = m.questions[m.currentQuestion];
        unsigned int questionNote = 0;
        const unsigned int correctBefore = m.correctCount, incorrectBefore = m.incorrectCount;
        const bool right = m.ProcessAnswer(answerRight ? asked : asked + 12, questionNote);
        if (questionNote != asked || right != answerRight)
            Fail("answer judged against another question");
        if (m.correctCount + m.incorrectCount != correctBefore + incorrectBefore + 1)
            Fail("an answer was not counted exactly once");
        answerRight = !answerRight;
        ++m.currentQuestion;
    }
    m.currentQuestion = m.questionCount;
    m.AnalyzeStatsAndApplyMaturity();
    CheckPlayable(m);
    if (m.currentQuestion != 0 || m.correctCount != 0 || m.incorrectCount != 0)
        Fail("a new session does not start cleared");
}

QString root;
unsigned long long iteration = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // In memory where possible: the store syncs its file to disk on every save.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/ovelune-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/ovelune-fuzz-XXXXXX"));
    if (!dir.isValid())
        Fail("no temporary directory");
    root = dir.path();
    QDir().mkpath(root + QStringLiteral("/Quorvex"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    {
        QFile file(root + QStringLiteral("/Quorvex/Ovelune.conf"));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            Fail("cannot write the store file");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
        file.flush();
        // The store object caches a parsed file until its size or time changes: a time of
        // its own for every input (none of them a time the store itself could have written).
        file.setFileTime(QDateTime::fromSecsSinceEpoch(1000000000LL + static_cast<qint64>(++iteration)),
                         QFileDevice::FileModificationTime);
    }

    decltype(Snapshot(std::declval<AppSettings&>())) saved;
    {
        AppSettings model;
        CheckPlayable(model);
        if (model.currentQuestion >= model.questionCount)
            Fail("current question outside the list");
        // A preference change saves the whole state as loaded.
        model.SaveState();
        saved = Snapshot(model);
        model.settings->sync();
    }
    {
        AppSettings reloaded;
        if (Snapshot(reloaded) != saved)
            Fail("the saved state loads back differently");
        PlayToTheEnd(reloaded);
    }
    return 0;
}
