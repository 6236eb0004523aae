#include "core/music_names.h"

#include <QCoreApplication>

namespace Core {

namespace {

const char* const Context = "Core::MusicNames";

QString Translate(const char* text)
{
    return QCoreApplication::translate(Context, text);
}

bool InRange(int index, std::size_t count)
{
    return index >= 0 && static_cast<std::size_t>(index) < count;
}

// Division and remainder that round towards minus infinity, so that negative white-key and
// key numbers are never used as table indices.
int FloorMod(int value, int divisor)
{
    const int r = value % divisor;
    return r < 0 ? r + divisor : r;
}

// Splits a note name such as "C♯4" into "C♯" and "4". Octaves above 9 (keys beyond the piano)
// keep all their digits.
void SplitOctave(const QString& noteName, QString& pitch, QString& octaveNumber)
{
    int start = noteName.size();
    while (start > 0 && noteName.at(start - 1).isDigit())
        --start;
    pitch = noteName.left(start);
    octaveNumber = noteName.mid(start);
}

} // namespace

const NoteNamePair NotesNamesMap[NoteNameCount] = {
    {QT_TRANSLATE_NOOP("Core::MusicNames", "C"), QT_TRANSLATE_NOOP("Core::MusicNames", "C")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "C\u266F"), QT_TRANSLATE_NOOP("Core::MusicNames", "D\u266D")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "D"), QT_TRANSLATE_NOOP("Core::MusicNames", "D")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "D\u266F"), QT_TRANSLATE_NOOP("Core::MusicNames", "E\u266D")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "E"), QT_TRANSLATE_NOOP("Core::MusicNames", "E")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "F"), QT_TRANSLATE_NOOP("Core::MusicNames", "F")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "F\u266F"), QT_TRANSLATE_NOOP("Core::MusicNames", "G\u266D")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "G"), QT_TRANSLATE_NOOP("Core::MusicNames", "G")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "G\u266F"), QT_TRANSLATE_NOOP("Core::MusicNames", "A\u266D")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "A"), QT_TRANSLATE_NOOP("Core::MusicNames", "A")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "A\u266F"), QT_TRANSLATE_NOOP("Core::MusicNames", "B\u266D")},
    {QT_TRANSLATE_NOOP("Core::MusicNames", "B"), QT_TRANSLATE_NOOP("Core::MusicNames", "B")},
};

const int NotesMap[NoteNameCount] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

const char* const ChordNamesMap[ChordNameCount] = {
    QT_TRANSLATE_NOOP("Core::MusicNames", "maj"),   QT_TRANSLATE_NOOP("Core::MusicNames", "min"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "maj6"),  QT_TRANSLATE_NOOP("Core::MusicNames", "min6"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "maj7"),  QT_TRANSLATE_NOOP("Core::MusicNames", "min7"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "dom7"),  QT_TRANSLATE_NOOP("Core::MusicNames", "sus2"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "sus4"),  QT_TRANSLATE_NOOP("Core::MusicNames", "6sus2"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "6sus4"), QT_TRANSLATE_NOOP("Core::MusicNames", "7sus2"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "7sus4"), QT_TRANSLATE_NOOP("Core::MusicNames", "aug"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "aug6"),  QT_TRANSLATE_NOOP("Core::MusicNames", "aug7"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "dim"),   QT_TRANSLATE_NOOP("Core::MusicNames", "dim7"),
};

const char* const ScaleNamesMap[ScaleNameCount] = {
    QT_TRANSLATE_NOOP("Core::MusicNames", "Major"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Natural m"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Harmonic m"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Melodic m"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Pentatonic"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Pentatonic m"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Diminished"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Blues"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Augmented"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Whole Tone"),
};

const char* const IntervalDescMap[IntervalNameCount] = {
    QT_TRANSLATE_NOOP("Core::MusicNames", "Perfect Unison"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Minor second"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Major second"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Minor third"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Major third"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Perfect fourth"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Tritone"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Perfect fifth"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Minor sixth"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Major sixth"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Minor seventh"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Major seventh"),
    QT_TRANSLATE_NOOP("Core::MusicNames", "Perfect octave"),
};

QString GetNoteStringByType(int type, bool flat)
{
    if (!InRange(type, NoteNameCount))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "note error"));
    const NoteNamePair& names = NotesNamesMap[type];
    return Translate(flat ? names.flat : names.sharp);
}

QString GetNoteString(int key, bool flat)
{
    if (key < 0)
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "note error"));
    if (key == 87)
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "C")) + QLatin1String("8");
    // The keys below C1 (A0, A♯0, B0) are counted from the C of octave 0.
    int bump = 1;
    if (key < 3) {
        key += 12;
        bump = 0;
    }
    key -= 3;
    return GetNoteStringByType(key % 12, flat) + QString::number(key / 12 + bump);
}

int GetNoteType(int key)
{
    if (key >= 87)
        return 0;
    // A is pitch class 9; key 3 is the first C.
    if (key < 3)
        return FloorMod(key + 9, 12);
    return NotesMap[(key - 3) % 12];
}

QString GetIntervalStringByType(int type)
{
    if (!InRange(type, IntervalNameCount))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "interval error"));
    return Translate(IntervalDescMap[type]);
}

QString GetIntervalString(int type, int key, bool flat)
{
    if (!InRange(type, IntervalNameCount))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "interval error"));
    return GetNoteString(key, flat) + QLatin1Char(' ') + Translate(IntervalDescMap[type]);
}

QString GetChordStringType(int type)
{
    // Only the first fifteen suffixes are offered on their own.
    if (!InRange(type, 15))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "chord error"));
    return Translate(ChordNamesMap[type]);
}

QString GetChordString(int type, int key, int inversion, bool flat)
{
    if (!InRange(type, ChordNameCount))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "chord error"));
    if (key < 0)
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "note error"));
    QString pitch;
    QString octaveNumber;
    SplitOctave(GetNoteString(key, flat), pitch, octaveNumber);
    QString result = pitch + Translate(ChordNamesMap[type]);
    if (inversion != 0)
        result += Translate(QT_TRANSLATE_NOOP("Core::MusicNames", " inv")) + QString::number(inversion);
    result += Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "\n(oct %1)")).arg(octaveNumber);
    return result;
}

QString GetScaleStringType(int type)
{
    if (!InRange(type, ScaleNameCount))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "scale error"));
    return Translate(ScaleNamesMap[type]);
}

QString GetScaleString(int type, int key, bool flat)
{
    if (!InRange(type, ScaleNameCount))
        return Translate(QT_TRANSLATE_NOOP("Core::MusicNames", "scale error"));
    return GetNoteString(key, flat) + QLatin1Char(' ') + Translate(ScaleNamesMap[type]);
}

namespace {

// Maps white keys to keys and back: whole octaves scale by `step`, the rest goes through
// `offsets`. -1 ("no key") for a negative value.
int MapByOctave(int value, int period, int step, const int* offsets)
{
    if (value < 0)
        return -1;
    return (value / period) * step + offsets[value % period];
}

const int WhiteToKey[7] = {0, 2, 3, 5, 7, 8, 10};
const int WhiteToKeyBelow[7] = {-1, 1, 3, 4, 6, 8, 9};
const int KeyToWhiteAtOrBelow[12] = {0, 0, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};
const int KeyToWhiteAtOrAbove[12] = {0, 1, 1, 2, 3, 3, 4, 4, 5, 6, 6, 7};

} // namespace

int WhiteIndexToNote(int w)
{
    return MapByOctave(w, 7, 12, WhiteToKey);
}

int WhiteIndexToPrevNote(int w)
{
    return MapByOctave(w, 7, 12, WhiteToKeyBelow);
}

int NoteToWhiteIndex(int k)
{
    return MapByOctave(k, 12, 7, KeyToWhiteAtOrBelow);
}

int NoteToNextWhiteIndex(int k)
{
    return MapByOctave(k, 12, 7, KeyToWhiteAtOrAbove);
}

} // namespace Core
