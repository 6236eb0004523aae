#pragma once

#include "app/history_store.h"

#include <QVariantMap>

#include <array>
#include <vector>

// "Test my pitch": every pitch class three times over the whole range, answered without
// any feedback, so that what it measures is the learner's own memory of the pitches,
// not what the last verdicts taught. Pure functions: any thread.
class PitchTest
{
public:
    static constexpr int PerPitchClass = 3;
    static constexpr int Notes = 12 * PerPitchClass;

    // 36 notes from 24 to 107: each pitch class in three different octaves, the seven
    // octaves used about equally, in a random order.
    static std::vector<unsigned int> Questions(quint32 seed);

    // The result card of a run: `answered` and `responseMs` in the order of `asked`.
    struct Result
    {
        int notes = 0;
        int right = 0;
        int octaveOff = 0;      // right pitch class, wrong octave
        double meanError = 0;   // mean distance in semitones between asked and answered
        int medianResponseMs = 0;
        std::array<int, 12> classRight{}; // C first
        std::array<int, 12> classAsked{};
    };
    static Result Score(const std::vector<unsigned int>& asked, const std::vector<unsigned int>& answered,
                        const std::vector<int>& responseMs);
    // As the history keeps it, ending at `endMs`.
    static HistoryTest ToHistory(const Result& result, qint64 endMs);
    // For the interface: "notes", "rightPercent", "octaveOffPercent", "meanError",
    // "medianSeconds", and "classes", a list of [right, asked] per pitch class, C first.
    static QVariantMap ToVariant(const Result& result);
};
