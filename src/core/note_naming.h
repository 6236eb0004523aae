#pragma once

#include <QLocale>
#include <QString>

namespace Core {

// Note names as learners in different countries know them, with octave numbers in
// scientific pitch notation (C4 is middle C, MIDI 60) whatever the system:
// letters (C C♯ D … B), German (C Cis D … A B H, B being the key the letters call A♯),
// fixed-do solfège (Do Do♯ Ré …, spelt as the language writes it) and the Japanese names
// (ハ 嬰ハ ニ … イ 嬰イ ロ). The tables are the names musicians use, not texts to translate.
class NoteNaming
{
public:
    enum System { Letters = 0, German = 1, Solfege = 2, Japanese = 3 };
    static constexpr int SystemCount = 4;

    // `language` chooses the spelling of the solfège syllables (French Ré, Italian Re,
    // Portuguese Dó, Russian До); other systems ignore it.
    explicit NoteNaming(System system = Letters, QLocale::Language language = QLocale::English);

    System GetSystem() const { return system; }
    // Pitch class (C = 0) without octave; empty outside 0..11.
    QString PitchClassName(int pitchClass) const;
    // The key's name with its octave: C4 for MIDI 60, A0 for 21; empty outside 0..127.
    QString KeyName(int midiNote) const;

    // The system musicians of `language` learn first.
    static System DefaultFor(QLocale::Language language);
    // The word the store keeps for a system: "letters", "german", "solfege", "japanese".
    static QString StoreWord(System system);
    // The system a stored word names; anything else (empty, misspelt, damaged) gives the
    // default for `language`.
    static System FromStoreWord(const QString& word, QLocale::Language language);

private:
    System system;
    QLocale::Language language;
};

} // namespace Core
