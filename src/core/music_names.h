#pragma once

#include <QString>

#include <cstddef>

// Names of notes, intervals, chords and scales, and the white-key mapping of the piano.
// Keys are piano key indices: 0 is A0 (MIDI 21), 3 is C1, 39 is C4, 87 is C8.
//
// The tables hold the untranslated texts; the functions translate them on every call, so a
// translator installed after start-up applies to them. Translation context: "Core::MusicNames".

namespace Core {

constexpr std::size_t NoteNameCount = 12;
constexpr std::size_t ChordNameCount = 18;
constexpr std::size_t ScaleNameCount = 10;
constexpr std::size_t IntervalNameCount = 13;

// One row per pitch class, C = 0: the sharp form and the flat form.
struct NoteNamePair
{
    const char* sharp;
    const char* flat;
};

extern const NoteNamePair NotesNamesMap[NoteNameCount];
// Pitch-class index to note type: the identity 0..11.
extern const int NotesMap[NoteNameCount];
extern const char* const ChordNamesMap[ChordNameCount];
extern const char* const ScaleNamesMap[ScaleNameCount];
// Indexed by the interval's size in semitones, 0..12.
extern const char* const IntervalDescMap[IntervalNameCount];

// Row `type` of NotesNamesMap; "note error" when type is not 0..11.
QString GetNoteStringByType(int type, bool flat);
// The key's name with its octave number: A0, B♭0, C4, C8. "note error" for a negative key.
QString GetNoteString(int key, bool flat);
// Pitch class (C = 0) of a key; keys 87 and above give 0.
int GetNoteType(int key);

QString GetIntervalStringByType(int type);
// "C4 Major third" for key 39 and type 4.
QString GetIntervalString(int type, int key, bool flat);

// Chord suffix for types 0..14; the last three suffixes are reachable only by GetChordString.
QString GetChordStringType(int type);
// "Cmaj7 inv1\n(oct 4)" for type 4, key 39, inversion 1.
QString GetChordString(int type, int key, int inversion, bool flat);

QString GetScaleStringType(int type);
// "A2 Blues" for type 7 and key 24.
QString GetScaleString(int type, int key, bool flat);

// White key w (0 is A0) to its key index; -1 for a negative w.
int WhiteIndexToNote(int w);
// The key just below white key w (the white key itself for C and F); -1 for a negative w.
int WhiteIndexToPrevNote(int w);
// The white key at or below key k; -1 for a negative k.
int NoteToWhiteIndex(int k);
// The white key at or above key k; -1 for a negative k.
int NoteToNextWhiteIndex(int k);

} // namespace Core
