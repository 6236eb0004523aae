#pragma once

#include "app/statistics_figures.h"

#include <QString>

// The statistics view's figures, aggregated by SQLite from the practice history.
// Any thread, on a read-only connection of the caller's own; nothing is shared.
class HistoryStats
{
public:
    // days: 7, 30, or 0 for all; only items with time >= nowMs - days*86400000 count (a
    // session's time is its end). Days are local calendar days; a day's practice time is,
    // per session answered that day, the span from its first to its last answer that day
    // plus the first one's response time. A missing database gives empty figures; one that
    // cannot be read gives empty figures and *error says why.
    static StatisticsFigures Read(const QString& path, qint64 nowMs, int days, QString* error);
};
