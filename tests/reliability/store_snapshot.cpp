#include "store_snapshot.h"

#include <QFile>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const unsigned int Bases[12] = {24, 26, 28, 29, 31, 33, 35, 25, 27, 30, 32, 34};

std::vector<unsigned int> ReadArray(QSettings& store, const QString& array, const QString& key)
{
    std::vector<unsigned int> values;
    const int size = store.beginReadArray(array);
    for (int i = 0; i < size && i < 1000; ++i) {
        store.setArrayIndex(i);
        values.push_back(store.value(key).toUInt());
    }
    store.endArray();
    return values;
}

QString Join(const std::vector<unsigned int>& values)
{
    QStringList parts;
    for (unsigned int v : values)
        parts << QString::number(v);
    return parts.join(',');
}

int PositionOf(unsigned int note)
{
    for (int i = 0; i < 12; ++i)
        if (Bases[i] == 24 + note % 12)
            return i;
    return -1;
}

// `s` with one more answer to its current question.
StoreSnapshot Answered(StoreSnapshot s, bool right)
{
    if (right) {
        ++s.correct;
        const int position = PositionOf(s.questions.at(static_cast<size_t>(s.current)));
        ++s.stats.at(static_cast<size_t>(position));
    } else {
        ++s.incorrect;
    }
    ++s.current;
    return s;
}

QString CheckFreshAfter(const StoreSnapshot& finished, const StoreSnapshot& next)
{
    if (!next.Fresh())
        return QStringLiteral("after a finished session the next one is not fresh");
    const int expected = NextLevel(finished);
    if (next.level != expected)
        return QStringLiteral("a finished session (%1 right of %2) led to level %3, expected %4")
            .arg(finished.correct)
            .arg(finished.Count())
            .arg(next.level)
            .arg(expected);
    return QString();
}

} // namespace

bool StoreSnapshot::operator==(const StoreSnapshot& other) const
{
    return present == other.present && level == other.level && current == other.current &&
           correct == other.correct && incorrect == other.incorrect && stats == other.stats &&
           questions == other.questions;
}

QString StoreSnapshot::Describe() const
{
    if (!present)
        return QStringLiteral("(no store)");
    return QStringLiteral("level %1, question %2 of %3, %4 right, %5 wrong, stats [%6], questions [%7]")
        .arg(level)
        .arg(current)
        .arg(Count())
        .arg(correct)
        .arg(incorrect)
        .arg(Join(stats), Join(questions));
}

StoreSnapshot StoreSnapshot::Read(const QString& storeFile)
{
    StoreSnapshot s;
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("store.conf"));
    if (!QFile::copy(storeFile, copy))
        return s;
    QSettings store(copy, QSettings::IniFormat);
    store.beginGroup(QStringLiteral("GlobalSetting"));
    s.present = store.contains(QStringLiteral("MaturityLevel"));
    s.level = store.value(QStringLiteral("MaturityLevel")).toInt();
    s.current = store.value(QStringLiteral("CurrentQuestion")).toInt();
    s.correct = store.value(QStringLiteral("CorrectStats")).toInt();
    s.incorrect = store.value(QStringLiteral("InCorrectStats")).toInt();
    store.endGroup();
    store.beginGroup(QStringLiteral("StatsAndQuestions"));
    s.stats = ReadArray(store, QStringLiteral("stats"), QStringLiteral("stat"));
    s.questions = ReadArray(store, QStringLiteral("questions"), QStringLiteral("question"));
    store.endGroup();
    return s;
}

QString CheckConsistent(const StoreSnapshot& s)
{
    if (!s.present)
        return QStringLiteral("the store holds no session");
    if (s.level < 1 || s.level > 12)
        return QStringLiteral("level %1 is out of range").arg(s.level);
    std::vector<unsigned int> expected;
    for (int i = 0; i < s.level; ++i)
        for (unsigned int octave = 0; octave < 7; ++octave)
            expected.push_back(Bases[i] + 12 * octave);
    std::vector<unsigned int> asked = s.questions;
    std::sort(asked.begin(), asked.end());
    std::sort(expected.begin(), expected.end());
    if (asked != expected)
        return QStringLiteral("the questions are not the trained notes, each once");
    if (static_cast<int>(s.stats.size()) != s.level)
        return QStringLiteral("%1 statistics at level %2").arg(s.stats.size()).arg(s.level);
    unsigned int right = 0;
    for (unsigned int stat : s.stats)
        right += stat;
    if (static_cast<int>(right) != s.correct)
        return QStringLiteral("the statistics add up to %1, not %2 right answers").arg(right).arg(s.correct);
    if (s.current < 0 || s.current > s.Count())
        return QStringLiteral("current question %1 outside the list").arg(s.current);
    if (s.correct < 0 || s.incorrect < 0 || s.correct + s.incorrect != s.current)
        return QStringLiteral("%1 answers recorded for %2 questions asked").arg(s.correct + s.incorrect).arg(s.current);
    return QString();
}

int NextLevel(const StoreSnapshot& s)
{
    if (s.correct >= 0.65 * s.Count())
        return s.level < 12 ? s.level + 1 : 12;
    const unsigned int newest = s.stats.at(static_cast<size_t>(s.level - 1));
    bool newestAhead = false;
    for (int i = 0; i + 1 < s.level; ++i)
        if (newest > s.stats[static_cast<size_t>(i)])
            newestAhead = true;
    return newestAhead && s.level > 2 ? s.level - 1 : s.level;
}

QString CheckTransition(const StoreSnapshot& previous, const StoreSnapshot& next, int expectRight)
{
    const QString broken = CheckConsistent(next);
    if (!broken.isEmpty())
        return QStringLiteral("inconsistent store: ") + broken;
    if (previous == next || !previous.present)
        return QString();

    if (next.SameSession(previous) && next.current == previous.current + 1 && !previous.Finished()) {
        for (bool right : {true, false}) {
            if (expectRight >= 0 && right != (expectRight == 1))
                continue;
            if (Answered(previous, right) == next)
                return QString();
        }
        return QStringLiteral("the answer to question %1 was not recorded as given").arg(previous.current);
    }
    if (previous.Finished())
        return CheckFreshAfter(previous, next);
    if (previous.current == previous.Count() - 1) {
        // The session's last answer and the analysis came in one step.
        for (bool right : {true, false}) {
            if (expectRight >= 0 && right != (expectRight == 1))
                continue;
            if (CheckFreshAfter(Answered(previous, right), next).isEmpty())
                return QString();
        }
        return QStringLiteral("the last answer and the analysis do not account for the new session");
    }
    if (previous.Fresh() && next.Fresh() && next.level == previous.level)
        return QString(); // an unanswered list made again: nothing to lose
    return QStringLiteral("answers were lost or the level changed without a finished session");
}
