#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// The questions of a review of weak notes, chosen from the practice history: the keys
// (pitch class and octave) answered worst lately, and both notes of each pair of pitch
// classes often taken for one another, the weakest asked up to three times. Hard notes
// presented more often are learned better than with equal exposure for all.
// A spaced schedule across days keeps known keys out: a key answered wrong in a review
// comes back in the next one; one answered right in successive reviews waits 1, 3, 7, then
// 14 days before it is due again. Only the pitch classes of the learner's level are asked.
// Pure functions: any thread.
class ReviewPlan
{
public:
    static constexpr int Questions = 21;
    static constexpr int MostPerKey = 3;
    static constexpr int RecentPerPitchClass = 150; // latest answers read per pitch class
    static constexpr int RecentPerKey = 10;         // of which each key's latest count
    static constexpr std::array<int, 4> IntervalsDays = {1, 3, 7, 14};
    // A review is due somewhat before the full days are over: yesterday's evening review
    // is due again this evening.
    static constexpr qint64 GraceMs = 4 * 3600 * 1000;
    // Reviews older than this are not read: a key unseen for so long starts over at 1 day.
    static constexpr int ScheduleDays = 60;
    // Fewer answers than this per trained key on average: too short a history.
    static constexpr int MinimumAnswersPerKey = 2;
    // A pair is often confused with at least this many confusions making this share of
    // the pair's answers.
    static constexpr int PairMinimumConfusions = 3;
    static constexpr double PairMinimumShare = 0.15;

    struct Answer
    {
        qint64 timeMs = 0;
        qint64 session = 0;
        int asked = 0;    // MIDI note
        int answered = 0; // MIDI note
        bool right = false;
    };

    struct Plan
    {
        std::vector<unsigned int> questions; // MIDI notes, in the order asked
        bool even = false; // the history was too short: the trained keys asked evenly
    };

    // `recent`: the latest answers of the trained pitch classes, any order; `reviews`: the
    // review answers of the last ScheduleDays days, any order. `level` 1..12 gives the
    // trained pitch classes; `nowMs` is the clock; `seed` orders the questions.
    static Plan Choose(const std::vector<Answer>& recent, const std::vector<Answer>& reviews, unsigned int level,
                       qint64 nowMs, quint32 seed);
    // The same from the practice history at `path` (missing: too short), read on a
    // connection of the caller's own. `error`, if given, says why it could not be read.
    static Plan FromHistory(const QString& path, unsigned int level, qint64 nowMs, quint32 seed,
                            QString* error = nullptr);
    // When a key reviewed at these times (in time order, true for all right) is due next;
    // 0: at the next review.
    static qint64 DueAt(const std::vector<std::pair<qint64, bool>>& reviewResults);
};
