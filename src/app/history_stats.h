#pragma once

#include "app/history_store.h"

#include <QVariantMap>

#include <vector>

// Pure computation, no database: the statistics view's numbers for answers and sessions.
// Any thread; nothing is shared.
class HistoryStats
{
public:
    // days: 7, 30, or 0 for all; only items with time >= nowMs - days*86400000 count (a
    // session's time is its end). Days are local calendar days.
    //   "answers", "right": counts in range
    //   "pitchClasses": 12 {right, total}, index = asked % 12 (C = 0)
    //   "octaves": 7 {octave (1..7 = asked/12 - 1), right, total}
    //   "confusion": 144 counts, [askedPc * 12 + answeredPc]
    //   "octaveErrors": right pitch class, wrong note; "octaveErrorShare": their share of answers
    //   "keys": 84 {note (24..107), right, total}
    //   "sessions": {time (end, ms), level, nextLevel, score (percent)} in time order
    //   "days": per local day with answers, in date order: {date "yyyy-MM-dd", time (local
    //           midnight, ms), answers, right, medianResponseMs, practiceMinutes}
    // A day's practice time is, per session answered that day, the span from its first to
    // its last answer that day plus the first one's response time.
    static QVariantMap Compute(const std::vector<HistoryAnswer>& answers, const std::vector<HistorySession>& sessions,
                               qint64 nowMs, int days);
};
