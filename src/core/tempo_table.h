#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Tempo markings with their speed ranges. Texts are translated on every call (context
// "Core::Tempo"); the table holds the untranslated texts.

namespace Core {

struct tempoDescr
{
    std::uint32_t lower;   // beats per minute
    std::int32_t typical;  // beats per minute
    std::uint32_t upper;   // beats per minute
    const char* name;
    const char* description; // "&&" is literal: a toolkit label shows one ampersand
    const char* resource;    // image resource path, translatable like the texts
};

// Seven markings ordered by name, then an entry with zero numbers and empty texts.
constexpr std::size_t TempoDescriptionCount = 8;
extern const tempoDescr TempoDescription[TempoDescriptionCount];

// An index outside 0..7 reads the final empty entry.
void GetTempoBPM(int index, int& typical, int& lower, int& upper);
QString GetTempoString(int index);
QString GetTempoDescr(int index);
QString GetTempoResource(int index);

} // namespace Core
