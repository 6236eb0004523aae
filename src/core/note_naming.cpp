#include "core/note_naming.h"

namespace Core {

namespace {

const char* const StoreWords[NoteNaming::SystemCount] = {"letters", "german", "solfege", "japanese"};

// A value cast from a number read elsewhere may lie outside the enumeration.
bool Valid(NoteNaming::System system)
{
    const int value = static_cast<int>(system);
    return value >= 0 && value < NoteNaming::SystemCount;
}

// The seven naturals C D E F G A B of each table; the black keys are built from them but for
// German, which names every key by a word of its own.
const char* const LetterNaturals[7] = {"C", "D", "E", "F", "G", "A", "B"};
const char* const JapaneseNaturals[7] = {"ハ", "ニ", "ホ", "ヘ", "ト", "イ", "ロ"};
const char* const ItalianSolfege[7] = {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
const char* const FrenchSolfege[7] = {"Do", "Ré", "Mi", "Fa", "Sol", "La", "Si"};
const char* const PortugueseSolfege[7] = {"Dó", "Ré", "Mi", "Fá", "Sol", "Lá", "Si"};
const char* const RussianSolfege[7] = {"До", "Ре", "Ми", "Фа", "Соль", "Ля", "Си"};
const char* const GermanNames[12] = {"C", "Cis", "D", "Dis", "E", "F", "Fis", "G", "Gis", "A", "B", "H"};

// Pitch class to its natural (the one below for a black key) and whether it is sharp.
const int NaturalOf[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
const bool IsSharp[12] = {false, true, false, true, false, false, true, false, true, false, true, false};

const char* const Sharp = "\u266F";
const char* const JapaneseSharp = "嬰"; // written before the name

const char* const* SolfegeFor(QLocale::Language language)
{
    switch (language) {
    case QLocale::French:
        return FrenchSolfege;
    case QLocale::Portuguese:
        return PortugueseSolfege;
    case QLocale::Russian:
        return RussianSolfege;
    default:
        return ItalianSolfege;
    }
}

} // namespace

NoteNaming::NoteNaming(System system, QLocale::Language language)
    : system(Valid(system) ? system : Letters), language(language)
{
}

QString NoteNaming::PitchClassName(int pitchClass) const
{
    if (pitchClass < 0 || pitchClass > 11)
        return QString();
    if (system == German)
        return QString::fromLatin1(GermanNames[pitchClass]);
    const int natural = NaturalOf[pitchClass];
    if (system == Japanese)
        return QString::fromUtf8(IsSharp[pitchClass] ? JapaneseSharp : "") + QString::fromUtf8(JapaneseNaturals[natural]);
    const char* const* naturals = system == Solfege ? SolfegeFor(language) : LetterNaturals;
    return QString::fromUtf8(naturals[natural]) + QString::fromUtf8(IsSharp[pitchClass] ? Sharp : "");
}

QString NoteNaming::KeyName(int midiNote) const
{
    if (midiNote < 0 || midiNote > 127)
        return QString();
    return PitchClassName(midiNote % 12) + QString::number(midiNote / 12 - 1);
}

NoteNaming::System NoteNaming::DefaultFor(QLocale::Language language)
{
    switch (language) {
    case QLocale::German:
        return German;
    case QLocale::French:
    case QLocale::Italian:
    case QLocale::Spanish:
    case QLocale::Portuguese:
    case QLocale::Russian:
        return Solfege;
    case QLocale::Japanese:
        return Japanese;
    default:
        return Letters;
    }
}

QString NoteNaming::StoreWord(System system)
{
    return QString::fromLatin1(StoreWords[Valid(system) ? system : Letters]);
}

NoteNaming::System NoteNaming::FromStoreWord(const QString& word, QLocale::Language language)
{
    for (int i = 0; i < SystemCount; ++i)
        if (word == QLatin1String(StoreWords[i]))
            return System(i);
    return DefaultFor(language);
}

} // namespace Core
