#pragma once

#include <QString>

#include <cstddef>

// The General MIDI instruments a learner may train with: each sounds clear, at its own
// pitch, over the trained octaves with the default soundfont.
//
// The table holds the untranslated names; GetInstrumentName translates on every call.
// Translation context: "Core::InstrumentNames".

namespace Core {

struct OfferedInstrument
{
    int program; // General MIDI program number, 0-based
    const char* name;
};

constexpr std::size_t OfferedInstrumentCount = 14;
extern const OfferedInstrument OfferedInstruments[OfferedInstrumentCount];

// The stored value that asks for a different instrument at each note.
constexpr int ChangingInstrument = -1;

// Row `index` of the table, or the changing instrument's name for index
// OfferedInstrumentCount; empty text beyond.
QString GetInstrumentName(std::size_t index);
// The row of a program, or -1 when it is not offered.
int OfferedInstrumentIndex(int program);

} // namespace Core
