#include "app/history_stats.h"

#include "app/history_store.h"

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QTime>
#include <QVariant>

#include <array>
#include <limits>

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

// Per local day: the answers, the right ones, the median response time (the mean of the two
// middle ones for an even count) and the practice time. SQLite's 'localtime' and Qt's local
// time both follow the C library's time zone.
bool ReadDays(QSqlQuery& query, qint64 since, StatisticsFigures& f)
{
    if (!query.prepare(QStringLiteral(
            "WITH a AS MATERIALIZED (SELECT date(time / 1000, 'unixepoch', 'localtime') AS day, time, session, "
            "response_ms AS response, \"right\" != 0 AS ok FROM answers WHERE time >= ?), "
            "counts AS (SELECT day, count(*) AS answers, sum(ok) AS ok FROM a GROUP BY day), "
            "middles AS (SELECT day, avg(response) AS median FROM (SELECT day, response, "
            "row_number() OVER (PARTITION BY day ORDER BY response) AS n, count(*) OVER (PARTITION BY day) AS c "
            "FROM a) WHERE n IN ((c + 1) / 2, c / 2 + 1) GROUP BY day), "
            "spans AS (SELECT day, session, min(time) AS first, max(time) AS last FROM a GROUP BY day, session), "
            // The first answer's response: ties in time go to the one recorded first.
            "practice AS (SELECT day, sum(last - first + (SELECT response_ms FROM answers AS b "
            "WHERE b.time = spans.first AND b.session = spans.session ORDER BY b.id LIMIT 1)) AS ms "
            "FROM spans GROUP BY day) "
            "SELECT day, answers, ok, median, ms FROM counts JOIN middles USING (day) JOIN practice USING (day) "
            "ORDER BY day")))
        return false;
    query.addBindValue(since);
    if (!query.exec())
        return false;
    while (query.next()) {
        StatisticsDay d;
        d.date = query.value(0).toString();
        d.time = static_cast<double>(
            QDateTime(QDate::fromString(d.date, QStringLiteral("yyyy-MM-dd")), QTime(0, 0)).toMSecsSinceEpoch());
        d.answers = query.value(1).toInt();
        d.right = query.value(2).toInt();
        d.medianResponseMs = query.value(3).toDouble();
        d.practiceMinutes = query.value(4).toDouble() / 60000.0;
        f.days.append(QVariant::fromValue(d));
    }
    return !query.lastError().isValid();
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
    if (read)
        sessions = HistoryStore::ReadSessions(path, since == std::numeric_limits<qint64>::min() ? 0 : since, &reason);
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
    return f;
}
