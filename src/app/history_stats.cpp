#include "app/history_stats.h"

#include "app/history_store.h"

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>
#include <QVariant>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <unordered_map>
#include <vector>

namespace {

const qint64 DayMs = 86400000;
const int PitchClasses = 12;
const int Octaves = 7;
const int LowestKey = 24; // C1
const int KeyCount = 84;  // up to B7

bool IsNote(int midi)
{
    return midi >= 0 && midi <= 127;
}

struct Tallies
{
    std::array<StatisticsTally, PitchClasses> pitchClasses;
    std::array<StatisticsTally, Octaves> octaves;
    std::array<StatisticsTally, KeyCount> keys;
    std::array<int, PitchClasses * PitchClasses> confusion{};
};

// Answers by what was asked and answered: a few hundred rows however long the history.
bool ReadTallies(QSqlQuery& query, qint64 since, StatisticsFigures& f, Tallies& t)
{
    if (!query.prepare(QStringLiteral("SELECT asked, answered, \"right\" != 0, count(*) FROM answers "
                                      "WHERE time >= ? GROUP BY 1, 2, 3")))
        return false;
    query.addBindValue(since);
    if (!query.exec())
        return false;
    const auto add = [](StatisticsTally& t, bool right, int count) {
        t.total += count;
        t.right += right ? count : 0;
    };
    while (query.next()) {
        const int asked = query.value(0).toInt();
        const int answered = query.value(1).toInt();
        const bool right = query.value(2).toBool();
        const int count = query.value(3).toInt();
        f.answers += count;
        f.right += right ? count : 0;
        if (!IsNote(asked))
            continue; // not a note: counted in the totals only
        const int askedPc = asked % PitchClasses;
        add(t.pitchClasses[askedPc], right, count);
        const int octave = asked / 12 - 1;
        if (octave >= 1 && octave <= Octaves)
            add(t.octaves[octave - 1], right, count);
        if (asked >= LowestKey && asked < LowestKey + KeyCount)
            add(t.keys[asked - LowestKey], right, count);
        if (IsNote(answered)) {
            const int answeredPc = answered % PitchClasses;
            t.confusion[askedPc * PitchClasses + answeredPc] += count;
            if (askedPc == answeredPc && asked != answered)
                f.octaveErrors += count;
        }
    }
    return !query.lastError().isValid();
}

// Every list at its full length, zeros included, so the view never looks past an end.
void Publish(Tallies& t, StatisticsFigures& f)
{
    for (int i = 0; i < PitchClasses; ++i) {
        t.pitchClasses[i].at = i;
        f.pitchClasses.append(QVariant::fromValue(t.pitchClasses[i]));
    }
    for (int i = 0; i < Octaves; ++i) {
        t.octaves[i].at = i + 1;
        f.octaves.append(QVariant::fromValue(t.octaves[i]));
    }
    for (int i = 0; i < KeyCount; ++i) {
        t.keys[i].at = LowestKey + i;
        f.keys.append(QVariant::fromValue(t.keys[i]));
    }
    f.confusion = QList<int>(t.confusion.begin(), t.confusion.end());
    f.octaveErrorShare = f.answers > 0 ? static_cast<double>(f.octaveErrors) / f.answers : 0.0;
}

struct SessionSpan
{
    qint64 first;
    qint64 last;
    int firstResponseMs;
};

struct Day
{
    QDate date;
    qint64 midnightMs = 0;
    int answers = 0;
    int right = 0;
    std::vector<int> responses;
    std::unordered_map<qint64, SessionSpan> sessions;
};

// Mean of the two middle values for an even count.
double Median(std::vector<int>& values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    if (values.size() % 2 == 1)
        return *middle;
    const int lower = *std::max_element(values.begin(), middle);
    return (static_cast<double>(lower) + *middle) / 2.0;
}

qint64 LocalMidnight(const QDate& date)
{
    return QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch();
}

// Per local day: the answers, the right ones, the median response time and the practice
// time. Not grouped by SQLite: its local date per row and a median per day by a window
// function took four times as long as streaming the rows through here.
bool ReadDays(QSqlQuery& query, qint64 since, StatisticsFigures& f)
{
    if (!query.prepare(QStringLiteral("SELECT time, session, response_ms, \"right\" != 0 FROM answers WHERE time >= ?")))
        return false;
    query.addBindValue(since);
    if (!query.exec())
        return false;
    std::map<qint64, Day> days; // by Julian day: date order
    // Local dates cost a time-zone conversion; answers come in time order, so the current
    // day's bounds answer nearly every lookup.
    Day* day = nullptr;
    qint64 dayBegin = 0, dayEnd = 0;
    while (query.next()) {
        const qint64 time = query.value(0).toLongLong();
        const qint64 session = query.value(1).toLongLong();
        const int responseMs = query.value(2).toInt();
        if (!day || time < dayBegin || time >= dayEnd) {
            const QDate date = QDateTime::fromMSecsSinceEpoch(time).date();
            day = &days[date.toJulianDay()];
            day->date = date;
            day->midnightMs = LocalMidnight(date);
            // Kept around the answer even where a time-zone change moves midnight.
            dayBegin = std::min(day->midnightMs, time);
            dayEnd = std::max(LocalMidnight(date.addDays(1)), time + 1);
        }
        ++day->answers;
        day->right += query.value(3).toBool() ? 1 : 0;
        day->responses.push_back(responseMs);
        // Rows come in the order recorded: of answers at the same time, the first recorded
        // is the session's first.
        const auto span = day->sessions.try_emplace(session, SessionSpan{time, time, responseMs});
        if (!span.second) {
            SessionSpan& s = span.first->second;
            if (time < s.first) {
                s.first = time;
                s.firstResponseMs = responseMs;
            }
            s.last = std::max(s.last, time);
        }
    }
    if (query.lastError().isValid())
        return false;
    for (auto& entry : days) {
        Day& d = entry.second;
        qint64 practiceMs = 0;
        for (const auto& s : d.sessions)
            practiceMs += s.second.last - s.second.first + s.second.firstResponseMs;
        StatisticsDay shown;
        shown.date = d.date.toString(QStringLiteral("yyyy-MM-dd"));
        shown.time = static_cast<double>(d.midnightMs);
        shown.answers = d.answers;
        shown.right = d.right;
        shown.medianResponseMs = Median(d.responses);
        shown.practiceMinutes = practiceMs / 60000.0;
        f.days.append(QVariant::fromValue(shown));
    }
    return true;
}

} // namespace

StatisticsFigures HistoryStats::Read(const QString& path, qint64 nowMs, int days, QString* error)
{
    const qint64 since = days > 0 ? nowMs - days * DayMs : std::numeric_limits<qint64>::min();
    StatisticsFigures f;
    Tallies tallies;
    QString reason;
    const bool read = HistoryStore::ReadWith(path, &reason, [&](QSqlQuery& query) {
        return ReadTallies(query, since, f, tallies) && ReadDays(query, since, f);
    });
    std::vector<HistorySession> sessions;
    std::vector<HistoryTest> tests;
    const qint64 sinceOrZero = since == std::numeric_limits<qint64>::min() ? 0 : since;
    if (read)
        sessions = HistoryStore::ReadSessions(path, sinceOrZero, &reason);
    if (read && reason.isEmpty())
        tests = HistoryStore::ReadTests(path, sinceOrZero, &reason);
    const bool failed = !read || !reason.isEmpty();
    if (failed) { // nothing half read is shown
        if (error)
            *error = reason;
        f = StatisticsFigures();
        tallies = Tallies();
    }
    Publish(tallies, f);
    if (failed)
        return f;
    for (const HistorySession& s : sessions) {
        StatisticsSession shown;
        shown.time = static_cast<double>(s.endMs);
        shown.level = s.level;
        shown.nextLevel = s.nextLevel;
        shown.score = s.total > 0 ? s.right * 100.0 / s.total : 0.0;
        f.sessions.append(QVariant::fromValue(shown));
    }
    for (const HistoryTest& t : tests) {
        const double notes = t.notes > 0 ? t.notes : 1;
        StatisticsTest shown;
        shown.time = static_cast<double>(t.timeMs);
        shown.rightPercent = 100.0 * t.right / notes;
        shown.octaveOffPercent = 100.0 * t.octaveOff / notes;
        shown.meanError = t.meanError;
        f.tests.append(QVariant::fromValue(shown));
    }
    return f;
}
