#include "app/instrument_choice.h"

#include "core/instrument_names.h"

#include <algorithm>

InstrumentChoice::InstrumentChoice(int stored)
    : row(0)
    , program(0)
    , random(std::random_device{}())
{
    if (stored < 0)
        row = static_cast<int>(Core::OfferedInstrumentCount);
    else
        row = std::max(0, Core::OfferedInstrumentIndex(stored));
    NextQuestion();
}

bool InstrumentChoice::IsChanging() const
{
    return row == static_cast<int>(Core::OfferedInstrumentCount);
}

bool InstrumentChoice::Choose(int newRow, int& stored)
{
    if (newRow < 0 || newRow > static_cast<int>(Core::OfferedInstrumentCount))
        return false;
    row = newRow;
    unplayed.clear();
    stored = IsChanging() ? Core::ChangingInstrument : Core::OfferedInstruments[row].program;
    NextQuestion();
    return true;
}

int InstrumentChoice::NextQuestion()
{
    if (!IsChanging()) {
        program = Core::OfferedInstruments[row].program;
        return program;
    }
    if (unplayed.empty()) {
        for (const Core::OfferedInstrument& instrument : Core::OfferedInstruments)
            unplayed.push_back(instrument.program);
        std::shuffle(unplayed.begin(), unplayed.end(), random);
        if (unplayed.back() == program) // the last of the round played is taken from the back
            std::swap(unplayed.front(), unplayed.back());
    }
    program = unplayed.back();
    unplayed.pop_back();
    return program;
}
