#include "app/app_settings.h"

#include "app/fluency.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

const char* const OrganizationName = "Quorvex";
const char* const ApplicationName = "Ovelune";

const double PassRatio = 0.65;

// Reads the array's elements into `values` only when its stored size is `expectedSize`;
// otherwise `values` is left empty. Returns the stored size.
int ReadArray(QSettings& settings, const QString& array, const QString& key, int expectedSize,
              std::vector<unsigned int>& values)
{
    values.clear();
    const int size = settings.beginReadArray(array);
    if (size == expectedSize && size > 0) {
        values.reserve(static_cast<size_t>(size));
        for (int i = 0; i < size; ++i) {
            settings.setArrayIndex(i);
            values.push_back(static_cast<unsigned int>(settings.value(key, 0).toInt()));
        }
    }
    settings.endArray();
    return size;
}

unsigned long long SumOf(const std::vector<unsigned int>& values)
{
    unsigned long long sum = 0;
    for (unsigned int value : values)
        sum += value;
    return sum;
}

// Reorders the shuffled notes so that successive ones lie at least `leap` semitones apart:
// each next note drawn at random among those far enough from the one before, afresh when
// the draw gets stuck (about one draw in eight at level 12). False, the list unchanged,
// when no draw succeeds.
bool SpreadApart(std::vector<unsigned int>& notes, unsigned int leap)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::vector<unsigned int> left = notes, order;
        order.reserve(notes.size());
        std::vector<size_t> candidates;
        while (!left.empty()) {
            candidates.clear();
            for (size_t i = 0; i < left.size(); ++i)
                if (order.empty() || std::max(left[i], order.back()) - std::min(left[i], order.back()) >= leap)
                    candidates.push_back(i);
            if (candidates.empty())
                break;
            const size_t pick = candidates[static_cast<size_t>(std::rand()) % candidates.size()];
            order.push_back(left[pick]);
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(pick));
        }
        if (order.size() == notes.size()) {
            notes.swap(order);
            return true;
        }
    }
    return false;
}

void WriteArray(QSettings& settings, const QString& array, const QString& key, const std::vector<unsigned int>& values)
{
    settings.beginWriteArray(array, static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        settings.setArrayIndex(static_cast<int>(i));
        settings.setValue(key, values[i]);
    }
    settings.endArray();
}

} // namespace

const unsigned int AppSettings::maturityMidiBase[AppSettings::LevelCount] = {
    24, 26, 28, 29, 31, 33, 35, // C D E F G A B
    25, 27, 30, 32, 34          // C# D# F# G# A#
};

AppSettings::AppSettings()
    : settings(new QSettings(QSettings::NativeFormat, QSettings::UserScope,
                             QString::fromLatin1(OrganizationName), QString::fromLatin1(ApplicationName)))
{
    ReadState();
}

AppSettings::~AppSettings()
{
    if (writePending)
        WriteThrough();
}

void AppSettings::SetMaturity(unsigned int level)
{
    if (level == 0 || level > LevelCount)
        level = 1;
    maturityLevel = level;
    ReGenerateQuestions();
}

void AppSettings::ReGenerateQuestions()
{
    questionCount = OctaveCount * maturityLevel;
    questions.assign(questionCount, 0);
    for (unsigned int i = 0; i < maturityLevel; ++i)
        for (unsigned int j = 0; j < OctaveCount; ++j)
            questions[i * OctaveCount + j] = maturityMidiBase[i] + 12 * j;

    // Seeded once per process; later lists continue the same sequence.
    static bool seedPending = true;
    if (seedPending) {
        std::srand(static_cast<unsigned int>(std::time(nullptr)));
        seedPending = false;
    }
    for (size_t k = 1; k < questions.size(); ++k) {
        const size_t r = static_cast<size_t>(std::rand()) % (k + 1);
        std::swap(questions[k], questions[r]);
    }
    if (clearTheEar)
        SpreadApart(questions, MinimumLeap);

    correctCount = 0;
    incorrectCount = 0;
    fluentCount = 0;
    noteStats.assign(maturityLevel, 0);
    currentQuestion = 0;
    SaveState();
}

bool AppSettings::AnalyzeStatsAndApplyMaturity()
{
    unsigned int nextLevel = maturityLevel;
    bool perfectPitch = false;

    const double asked = static_cast<double>(questions.size());
    const bool passed = passWhenFluent ? static_cast<double>(fluentCount) >= Fluency::FluentShare * asked
                                       : static_cast<double>(correctCount) >= PassRatio * asked;
    if (passed) {
        if (maturityLevel < LevelCount)
            nextLevel = maturityLevel + 1;
        else
            perfectPitch = true;
    } else if (maturityLevel >= 1 && noteStats.size() >= maturityLevel) {
        // The newest note known better than an older one means the older ones need work.
        const unsigned int newest = noteStats[maturityLevel - 1];
        bool newestAhead = false;
        for (unsigned int i = 0; i + 1 < maturityLevel; ++i)
            if (newest > noteStats[i])
                newestAhead = true;
        if (newestAhead && maturityLevel > 2)
            nextLevel = maturityLevel - 1;
    }

    SetMaturity(nextLevel);
    return perfectPitch;
}

unsigned int AppSettings::GetIndexForNote(unsigned int note) const
{
    const unsigned int base = 24 + note % 12;
    for (unsigned int i = 0; i < LevelCount; ++i)
        if (maturityMidiBase[i] == base)
            return i;
    return 0; // unreachable: every pitch class is in the table
}

bool AppSettings::ProcessAnswer(unsigned int answerNote, unsigned int& questionNote, int responseMs)
{
    if (questions.empty()) {
        questionNote = 0;
        return false;
    }
    questionNote = currentQuestion < questions.size() ? questions[currentQuestion] : questions.front();

    const bool right = answerNote == questionNote;
    if (right) {
        ++correctCount;
        const unsigned int index = GetIndexForNote(questionNote);
        if (index < noteStats.size())
            ++noteStats[index];
        if (Fluency::IsFluent(true, responseMs, fluentLimitMs))
            ++fluentCount;
    } else {
        ++incorrectCount;
    }

    // The store keeps the next question to ask, so a resumed session does not repeat
    // the one just answered; in memory the answered question stays current.
    ++currentQuestion;
    SaveState();
    --currentQuestion;
    return right;
}

bool AppSettings::HasQuestionsLeft() const
{
    return currentQuestion < questions.size();
}

void AppSettings::ReadState()
{
    settings->beginGroup(QStringLiteral("GlobalSetting"));
    inputDevice = settings->value(QStringLiteral("InputDevice"), QString()).toString();
    midiInstrument = static_cast<qint8>(settings->value(QStringLiteral("MidiInstrument"), 0).toInt());
    const int storedCurrent = settings->value(QStringLiteral("CurrentQuestion"), 0).toInt();
    const int storedLevel = settings->value(QStringLiteral("MaturityLevel"), 1).toInt();
    const int storedCorrect = settings->value(QStringLiteral("CorrectStats"), 0).toInt();
    const int storedIncorrect = settings->value(QStringLiteral("InCorrectStats"), 0).toInt();
    showHelpOnStartup = settings->value(QStringLiteral("ShowHelpOnStartup"), true).toBool();
    showColorMap = settings->value(QStringLiteral("ShowColorMap"), true).toBool();
    referencePitch = ReferencePitchFrom(settings->value(QStringLiteral("ReferencePitch")));
    fluentLimitMs = FluentLimitMsFrom(settings->value(QStringLiteral("FluentSeconds")));
    passWhenFluent = settings->value(QStringLiteral("PassWhenFluent"), false).toBool();
    clearTheEar = settings->value(QStringLiteral("ClearTheEar"), false).toBool();
    const int storedFluent = settings->value(QStringLiteral("FluentAnswers"), 0).toInt();
    settings->endGroup();
    // Fluent answers are right ones: a larger count is damage.
    fluentCount = storedFluent > 0 ? std::min(static_cast<unsigned int>(storedFluent),
                                              static_cast<unsigned int>(std::max(0, storedCorrect)))
                                   : 0;
    currentQuestion = static_cast<unsigned int>(storedCurrent);
    correctCount = static_cast<unsigned int>(storedCorrect);
    incorrectCount = static_cast<unsigned int>(storedIncorrect);
    maturityLevel = static_cast<unsigned int>(storedLevel);

    settings->beginGroup(QStringLiteral("StatsAndQuestions"));
    // Elements are read only when the size fits the level, so a damaged size entry
    // (millions of elements) is never allocated or walked.
    const bool levelValid = storedLevel >= 1 && storedLevel <= static_cast<int>(LevelCount);
    const int statsSize = ReadArray(*settings, QStringLiteral("stats"), QStringLiteral("stat"),
                                    levelValid ? storedLevel : -1, noteStats);
    const int questionsSize = ReadArray(*settings, QStringLiteral("questions"), QStringLiteral("question"),
                                        levelValid ? storedLevel * static_cast<int>(OctaveCount) : -1, questions);
    settings->endGroup();
    questionCount = static_cast<unsigned int>(questions.size());

    // A negative count cannot come from an answer: the store is damaged.
    const bool countsValid = storedCorrect >= 0 && storedIncorrect >= 0;
    if (!countsValid || !IsStoredSessionUsable(storedLevel, statsSize, questionsSize)) {
        SetMaturity(maturityLevel);
        return;
    }
    // The program stopped between a session's last answer and its analysis: judge the
    // session now, as its end would have, so its results count.
    if (currentQuestion == questions.size())
        AnalyzeStatsAndApplyMaturity();
}

bool AppSettings::IsStoredSessionUsable(int storedLevel, int statsSize, int questionsSize) const
{
    if (storedLevel < 1 || storedLevel > static_cast<int>(LevelCount))
        return false;
    if (statsSize != storedLevel || questionsSize != storedLevel * static_cast<int>(OctaveCount))
        return false;
    if (currentQuestion > questions.size())
        return false;
    // Every question of a finished session has been answered at least once (a replay
    // during the answer display records one more), and the statistics hold the right ones.
    if (currentQuestion == questions.size()
        && (static_cast<unsigned long long>(correctCount) + incorrectCount < questions.size()
            || SumOf(noteStats) != correctCount))
        return false;
    return HoldsExactlyTheTrainedNotes();
}

bool AppSettings::HoldsExactlyTheTrainedNotes() const
{
    std::vector<unsigned int> expected;
    for (unsigned int i = 0; i < maturityLevel; ++i)
        for (unsigned int j = 0; j < OctaveCount; ++j)
            expected.push_back(maturityMidiBase[i] + 12 * j);
    std::vector<unsigned int> stored = questions;
    std::sort(expected.begin(), expected.end());
    std::sort(stored.begin(), stored.end());
    return stored == expected;
}

void AppSettings::SaveState()
{
    settings->beginGroup(QStringLiteral("GlobalSetting"));
    settings->setValue(QStringLiteral("InputDevice"), inputDevice);
    settings->setValue(QStringLiteral("MidiInstrument"), static_cast<int>(midiInstrument));
    settings->setValue(QStringLiteral("CurrentQuestion"), currentQuestion);
    settings->setValue(QStringLiteral("MaturityLevel"), maturityLevel);
    settings->setValue(QStringLiteral("CorrectStats"), correctCount);
    settings->setValue(QStringLiteral("InCorrectStats"), incorrectCount);
    settings->setValue(QStringLiteral("ShowHelpOnStartup"), showHelpOnStartup);
    settings->setValue(QStringLiteral("ShowColorMap"), showColorMap);
    if (passWhenFluent)
        settings->setValue(QStringLiteral("FluentAnswers"), fluentCount);
    settings->endGroup();

    settings->beginGroup(QStringLiteral("StatsAndQuestions"));
    WriteArray(*settings, QStringLiteral("stats"), QStringLiteral("stat"), noteStats);
    WriteArray(*settings, QStringLiteral("questions"), QStringLiteral("question"), questions);
    settings->endGroup();

    // Written through at the end of the current event rather than inside it: an answer is
    // judged, shown and its key sounds without waiting for the disk (a flush takes
    // milliseconds, more on a busy disk), and it is on disk within the same turn of the
    // event loop, so progress survives the program being killed or the machine losing
    // power. The store replaces its file atomically. Without an event loop: at once.
    if (writePending)
        return; // the pending write takes this change too
    QCoreApplication* application = QCoreApplication::instance();
    if (application && QThread::currentThread() == application->thread()) {
        writePending = true;
        QTimer::singleShot(0, settings.get(), [this] { WriteThrough(); });
    } else {
        WriteThrough();
    }
}

void AppSettings::SaveChoice(const QString& key, const QVariant& value)
{
    settings->setValue(QStringLiteral("GlobalSetting/") + key, value);
    WriteThrough();
}

int AppSettings::ReferencePitchFrom(const QVariant& stored)
{
    bool ok = false;
    const double hz = stored.toDouble(&ok);
    if (!ok || hz < LowestReferencePitch || hz > HighestReferencePitch || hz != static_cast<int>(hz))
        return DefaultReferencePitch;
    return static_cast<int>(hz);
}

int AppSettings::FluentLimitMsFrom(const QVariant& stored)
{
    bool ok = false;
    const double seconds = stored.toDouble(&ok);
    for (int limitMs : Fluency::LimitsMs)
        if (ok && seconds * 1000.0 == limitMs)
            return limitMs;
    return Fluency::DefaultLimitMs;
}

void AppSettings::WriteThrough()
{
    writePending = false;
    settings->sync();
    ReportStoreTrouble();
}

void AppSettings::ReportStoreTrouble()
{
    const QSettings::Status status = settings->status();
    if (status == QSettings::NoError || status == reportedStoreStatus)
        return;
    reportedStoreStatus = status;
    const QString file = QDir::toNativeSeparators(settings->fileName());
    if (status == QSettings::AccessError) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(settings->fileName()).absolutePath());
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can "
                                   "write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only "
                                   "while Ovelune runs.")
                                    .arg(file, folder)));
    } else {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: the progress file %1 was damaged; what could be read was checked "
                                   "and kept, and the file has been written afresh.")
                                    .arg(file)));
    }
}
