#pragma once

#include <QString>

#include <vector>

// The training session as the program's store holds it, read from the file as it is on
// disk at one moment, and the rules by which one moment may follow another.
struct StoreSnapshot
{
    bool present = false; // the file exists and holds a level
    int level = 0;
    int current = 0;
    int correct = 0;
    int incorrect = 0;
    std::vector<unsigned int> stats;
    std::vector<unsigned int> questions;

    int Count() const { return static_cast<int>(questions.size()); }
    bool Finished() const { return present && current == Count(); }
    bool Fresh() const { return present && current == 0 && correct == 0 && incorrect == 0; }
    bool SameSession(const StoreSnapshot& other) const
    {
        return level == other.level && questions == other.questions;
    }
    bool operator==(const StoreSnapshot& other) const;
    bool operator!=(const StoreSnapshot& other) const { return !(*this == other); }
    QString Describe() const;

    // Reads a copy of the store file, so no cached view of the file can stand in for it.
    static StoreSnapshot Read(const QString& storeFile);
};

// Empty when `snapshot` is a session the program could have written: a level from 1 to 12,
// every trained note asked once, one statistic per trained note adding up to the right
// answers, and one recorded answer per question before the current one (no replays here).
QString CheckConsistent(const StoreSnapshot& snapshot);

// The level the program must choose after the finished session `s`.
int NextLevel(const StoreSnapshot& s);

// Empty when `next` may follow `previous` with nothing lost: the same state; one more
// answer to the same session (judged `expectRight` when known: 1 right, 0 wrong, -1 not
// known); a finished session followed by a fresh one at the level its results give
// (`lastAnswerRight` also allows the session's last answer to arrive in the same step); or a
// fresh, unanswered list replaced by another at its level.
QString CheckTransition(const StoreSnapshot& previous, const StoreSnapshot& next, int expectRight);
