#pragma once

#include <QString>
#include <QVariantList>

#include <array>
#include <vector>

// How one pitch class fares over its latest answers.
struct PitchClassFluency
{
    int answers = 0; // counted: the latest Fluency::Window at most
    int right = 0;
    int fluent = 0;  // right within the time limit
    int medianResponseMs = -1; // of the counted answers; -1 without any

    double Accuracy() const { return answers > 0 ? double(right) / answers : 0.0; }
    double Share() const { return answers > 0 ? double(fluent) / answers : 0.0; }
    // Marked fluent: enough answers, and nearly all of them right and quick.
    bool IsFluent() const;
};

// Fluency: an answer is fluent when it is right and given within a time limit from the
// start of the note; a pitch class is fluent when nearly all of its latest answers are.
// Quick right answers tell a note known by its sound from one worked out by its interval
// to the notes before it, which takes longer.
class Fluency
{
public:
    static constexpr int Window = 30;            // latest answers per pitch class
    static constexpr double FluentShare = 0.9;   // marks a pitch class, and passes a session
    static constexpr int MinimumAnswers = 10;    // fewer answers mark nothing yet
    static constexpr int DefaultLimitMs = 2000;
    static constexpr std::array<int, 3> LimitsMs = {1500, 2000, 3000};

    // A negative response time is unknown: never fluent.
    static bool IsFluent(bool right, int responseMs, int limitMs);

    // One answer's part in the figures.
    struct Answer
    {
        int asked = 0; // MIDI note
        bool right = false;
        int responseMs = 0;
    };
    // The figures of the chromatic pitch classes (0 = C ... 11 = B) from answers given
    // newest first; older ones beyond a class's Window are not counted.
    static std::array<PitchClassFluency, 12> Compute(const std::vector<Answer>& newestFirst, int limitMs);
    // The same from the practice history at `path`, read on a connection of the caller's
    // thread (any thread). All empty when there is no history; then `error`, if given, says
    // why it could not be read (empty for a missing one).
    static std::array<PitchClassFluency, 12> FromHistory(const QString& path, int limitMs, QString* error = nullptr);
    // For the interface: one map per pitch class, C first, with "answers", "accuracy",
    // "medianResponseMs", "share" and "fluent".
    static QVariantList ToVariant(const std::array<PitchClassFluency, 12>& figures);
};
