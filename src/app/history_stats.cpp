#include "app/history_stats.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QVariantList>

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <unordered_map>

namespace {

const qint64 DayMs = 86400000;
const int PitchClasses = 12;
const int Octaves = 7;
const int LowestKey = 24; // C1
const int KeyCount = 84;  // up to B7

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

struct Tally
{
    int right = 0;
    int total = 0;
    void Add(bool isRight)
    {
        ++total;
        right += isRight ? 1 : 0;
    }
};

QVariantMap Counts(const Tally& tally)
{
    return {{QStringLiteral("right"), tally.right}, {QStringLiteral("total"), tally.total}};
}

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

bool IsNote(int midi)
{
    return midi >= 0 && midi <= 127;
}

} // namespace

QVariantMap HistoryStats::Compute(const std::vector<HistoryAnswer>& answers,
                                  const std::vector<HistorySession>& sessions, qint64 nowMs, int days)
{
    const qint64 since = days > 0 ? nowMs - days * DayMs : std::numeric_limits<qint64>::min();
    Tally all;
    int octaveErrors = 0;
    std::array<Tally, PitchClasses> pitchClasses;
    std::array<Tally, Octaves> octaves;
    std::array<Tally, KeyCount> keys;
    std::array<int, PitchClasses * PitchClasses> confusion{};
    std::map<qint64, Day> dayMap; // by Julian day: date order

    // Local dates cost a time-zone conversion; answers come in time order, so the current
    // day's bounds answer nearly every lookup.
    Day* day = nullptr;
    qint64 dayBegin = 0, dayEnd = 0;
    for (const HistoryAnswer& a : answers) {
        if (a.timeMs < since)
            continue;
        all.Add(a.right);
        if (!day || a.timeMs < dayBegin || a.timeMs >= dayEnd) {
            const QDate date = QDateTime::fromMSecsSinceEpoch(a.timeMs).date();
            day = &dayMap[date.toJulianDay()];
            day->date = date;
            day->midnightMs = LocalMidnight(date);
            // Kept around the answer even where a time-zone change moves midnight.
            dayBegin = std::min(day->midnightMs, a.timeMs);
            dayEnd = std::max(LocalMidnight(date.addDays(1)), a.timeMs + 1);
        }
        ++day->answers;
        day->right += a.right ? 1 : 0;
        day->responses.push_back(a.responseMs);
        const auto span = day->sessions.try_emplace(a.session, SessionSpan{a.timeMs, a.timeMs, a.responseMs});
        if (!span.second) {
            SessionSpan& s = span.first->second;
            if (a.timeMs < s.first) {
                s.first = a.timeMs;
                s.firstResponseMs = a.responseMs;
            }
            s.last = std::max(s.last, a.timeMs);
        }

        if (!IsNote(a.asked))
            continue; // not a note: counted in the totals only
        const int askedPc = a.asked % PitchClasses;
        pitchClasses[askedPc].Add(a.right);
        const int octave = a.asked / 12 - 1;
        if (octave >= 1 && octave <= Octaves)
            octaves[octave - 1].Add(a.right);
        if (a.asked >= LowestKey && a.asked < LowestKey + KeyCount)
            keys[a.asked - LowestKey].Add(a.right);
        if (IsNote(a.answered)) {
            const int answeredPc = a.answered % PitchClasses;
            ++confusion[askedPc * PitchClasses + answeredPc];
            if (askedPc == answeredPc && a.asked != a.answered)
                ++octaveErrors;
        }
    }

    QVariantList pitchClassList, octaveList, keyList, confusionList, sessionList, dayList;
    for (const Tally& t : pitchClasses)
        pitchClassList.append(Counts(t));
    for (int i = 0; i < Octaves; ++i) {
        QVariantMap entry = Counts(octaves[i]);
        entry.insert(QStringLiteral("octave"), i + 1);
        octaveList.append(entry);
    }
    for (int i = 0; i < KeyCount; ++i) {
        QVariantMap entry = Counts(keys[i]);
        entry.insert(QStringLiteral("note"), LowestKey + i);
        keyList.append(entry);
    }
    for (int count : confusion)
        confusionList.append(count);

    std::vector<const HistorySession*> inRange;
    for (const HistorySession& s : sessions)
        if (s.endMs >= since)
            inRange.push_back(&s);
    std::stable_sort(inRange.begin(), inRange.end(),
                     [](const HistorySession* a, const HistorySession* b) { return a->endMs < b->endMs; });
    for (const HistorySession* s : inRange) {
        sessionList.append(QVariantMap{
            {QStringLiteral("time"), static_cast<double>(s->endMs)},
            {QStringLiteral("level"), s->level},
            {QStringLiteral("nextLevel"), s->nextLevel},
            {QStringLiteral("score"), s->total > 0 ? s->right * 100.0 / s->total : 0.0}});
    }

    for (auto& entry : dayMap) {
        Day& d = entry.second;
        qint64 practiceMs = 0;
        for (const auto& s : d.sessions)
            practiceMs += s.second.last - s.second.first + s.second.firstResponseMs;
        dayList.append(QVariantMap{{QStringLiteral("date"), d.date.toString(QStringLiteral("yyyy-MM-dd"))},
                                   {QStringLiteral("time"), static_cast<double>(d.midnightMs)},
                                   {QStringLiteral("answers"), d.answers},
                                   {QStringLiteral("right"), d.right},
                                   {QStringLiteral("medianResponseMs"), Median(d.responses)},
                                   {QStringLiteral("practiceMinutes"), practiceMs / 60000.0}});
    }

    return {{QStringLiteral("answers"), all.total},
            {QStringLiteral("right"), all.right},
            {QStringLiteral("pitchClasses"), pitchClassList},
            {QStringLiteral("octaves"), octaveList},
            {QStringLiteral("confusion"), confusionList},
            {QStringLiteral("octaveErrors"), octaveErrors},
            {QStringLiteral("octaveErrorShare"), all.total > 0 ? static_cast<double>(octaveErrors) / all.total : 0.0},
            {QStringLiteral("keys"), keyList},
            {QStringLiteral("sessions"), sessionList},
            {QStringLiteral("days"), dayList}};
}
