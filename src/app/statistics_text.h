#pragma once

#include "app/statistics_figures.h"
#include "core/note_naming.h"

#include <QLocale>
#include <QVariantMap>

// The statistics view's figures as text, for a screen reader and for a learner who would
// rather read than look at charts: a line per point of each chart, in the learner's note
// names, numbers and dates. GUI thread (it translates).
class StatisticsText
{
public:
    // The keys "summary", "sessions", "pitchClasses", "octaves", "confusions",
    // "responseTimes", "practice" and "keys" hold each part's lines, joined by line breaks;
    // "text" holds every part under its title, the notes first. A note or octave never asked
    // reads "—", not 0 %; the keys list only those asked; the confusions come most frequent
    // first.
    static QVariantMap Describe(const StatisticsFigures& figures, const Core::NoteNaming& naming,
                                const QLocale& locale = QLocale());
};
