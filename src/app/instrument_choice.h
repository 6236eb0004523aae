#pragma once

#include <random>
#include <vector>

// The General MIDI program that sounds the notes: the learner's choice among the offered
// instruments, or a different one at each new question. GUI thread only.
class InstrumentChoice
{
public:
    // `stored` is the store's value: an offered program, a negative value for a different
    // instrument each note; anything else plays the piano (and stays stored as it is).
    explicit InstrumentChoice(int stored);

    // The choice's row in the list the learner picks from: the offered instruments in
    // their order, then the changing instrument.
    int Row() const { return row; }
    // Takes the choice in `row`; false when there is no such row. `stored` gets the value
    // for the store.
    bool Choose(int row, int& stored);

    // The program of a new question: the chosen one, or in the changing mode the next of
    // all offered instruments in a shuffled order, never the same twice in a row.
    int NextQuestion();
    // The program of the current question, for its replays and the key echo.
    int Program() const { return program; }

private:
    bool IsChanging() const;

    int row;
    int program;
    std::vector<int> unplayed; // changing mode: programs not yet played in this round
    std::mt19937 random;
};
