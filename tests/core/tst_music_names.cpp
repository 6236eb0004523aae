#include "core/guitar_position.h"
#include "core/music_names.h"
#include "core/tempo_table.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

using namespace Core;

namespace {

const QString Sharp = QString(QChar(0x266F));
const QString Flat = QString(QChar(0x266D));

// A translator that answers every lookup of one context with a marked text, so the test can
// tell whether a function consults the translation at call time.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char* context) : context(context) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* ctx, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(ctx, context) != 0)
            return QString();
        return QLatin1String("<") + QString::fromUtf8(sourceText) + QLatin1String(">");
    }

private:
    const char* context;
};

} // namespace

class TestMusicNames : public QObject
{
    Q_OBJECT

private slots:
    void noteNamesOfEveryKey();
    void noteNameExamples();
    void noteNameErrors();
    void noteTypes();
    void intervals();
    void chords();
    void scales();
    void whiteKeyMappingRoundTrips();
    void whiteKeyExamples();
    void negativeWhiteKeysAndKeys();
    void guitarPositions();
    void tempoTable();
    void translationAppliesAfterStartUp();
};

void TestMusicNames::noteNamesOfEveryKey()
{
    // Derived independently: key index + 21 is the MIDI note; MIDI 12 * (o + 1) is C of octave o.
    const char* sharpNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    const char* flatNames[12] = {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"};
    for (int key = 0; key <= 87; ++key) {
        const int midi = key + 21;
        const QString octave = QString::number(midi / 12 - 1);
        QString sharp = QString::fromLatin1(sharpNames[midi % 12]).replace('#', Sharp);
        QString flat = QString::fromLatin1(flatNames[midi % 12]);
        if (flat.size() == 2)
            flat = flat.left(1) + Flat;
        QCOMPARE(GetNoteString(key, false), sharp + octave);
        QCOMPARE(GetNoteString(key, true), flat + octave);
        QCOMPARE(GetNoteType(key), midi % 12);
    }
}

void TestMusicNames::noteNameExamples()
{
    QCOMPARE(GetNoteString(0, false), QStringLiteral("A0"));
    QCOMPARE(GetNoteString(1, true), QStringLiteral("B") + Flat + QStringLiteral("0"));
    QCOMPARE(GetNoteString(2, false), QStringLiteral("B0"));
    QCOMPARE(GetNoteString(3, false), QStringLiteral("C1"));
    QCOMPARE(GetNoteString(4, false), QStringLiteral("C") + Sharp + QStringLiteral("1"));
    QCOMPARE(GetNoteString(39, false), QStringLiteral("C4"));
    QCOMPARE(GetNoteString(86, false), QStringLiteral("B7"));
    QCOMPARE(GetNoteString(87, true), QStringLiteral("C8"));
    // Beyond the piano the arithmetic simply continues.
    QCOMPARE(GetNoteString(99, false), QStringLiteral("C9"));
    QCOMPARE(GetNoteString(111, false), QStringLiteral("C10"));

    QCOMPARE(GetNoteStringByType(1, false), QStringLiteral("C") + Sharp);
    QCOMPARE(GetNoteStringByType(1, true), QStringLiteral("D") + Flat);
    QCOMPARE(GetNoteStringByType(10, true), QStringLiteral("B") + Flat);
    QCOMPARE(GetNoteStringByType(0, true), QStringLiteral("C"));
    // The accidentals are the music symbols, not '#' and 'b'.
    QCOMPARE(QString::fromUtf8(NotesNamesMap[6].sharp), QStringLiteral("F\u266F"));
    QCOMPARE(QString::fromUtf8(NotesNamesMap[6].flat), QStringLiteral("G\u266D"));
    for (int i = 0; i < 12; ++i)
        QCOMPARE(NotesMap[i], i);
}

void TestMusicNames::noteNameErrors()
{
    QCOMPARE(GetNoteStringByType(12, false), QStringLiteral("note error"));
    QCOMPARE(GetNoteStringByType(-1, true), QStringLiteral("note error"));
    QCOMPARE(GetNoteString(-1, false), QStringLiteral("note error"));
    QCOMPARE(GetNoteString(-100, true), QStringLiteral("note error"));
}

void TestMusicNames::noteTypes()
{
    QCOMPARE(GetNoteType(0), 9);
    QCOMPARE(GetNoteType(1), 10);
    QCOMPARE(GetNoteType(2), 11);
    QCOMPARE(GetNoteType(3), 0);
    QCOMPARE(GetNoteType(86), 11);
    QCOMPARE(GetNoteType(87), 0);
    QCOMPARE(GetNoteType(200), 0);
    // Below the piano: still a pitch class, never a table index out of range.
    QCOMPARE(GetNoteType(-1), 8);
    QCOMPARE(GetNoteType(-13), 8);
}

void TestMusicNames::intervals()
{
    QCOMPARE(GetIntervalString(4, 39, false), QStringLiteral("C4 Major third"));
    QCOMPARE(GetIntervalString(0, 0, false), QStringLiteral("A0 Perfect Unison"));
    QCOMPARE(GetIntervalString(12, 1, true), QStringLiteral("B") + Flat + QStringLiteral("0 Perfect octave"));
    QCOMPARE(GetIntervalString(13, 39, false), QStringLiteral("interval error"));
    QCOMPARE(GetIntervalString(-1, 39, false), QStringLiteral("interval error"));
    QCOMPARE(GetIntervalStringByType(6), QStringLiteral("Tritone"));
    QCOMPARE(GetIntervalStringByType(13), QStringLiteral("interval error"));
    const QStringList expected = {"Perfect Unison", "Minor second", "Major second", "Minor third",
                                  "Major third", "Perfect fourth", "Tritone", "Perfect fifth",
                                  "Minor sixth", "Major sixth", "Minor seventh", "Major seventh",
                                  "Perfect octave"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(GetIntervalStringByType(i), expected.at(i));
}

void TestMusicNames::chords()
{
    const QStringList expected = {"maj",   "min",   "maj6",  "min6", "maj7", "min7",
                                  "dom7",  "sus2",  "sus4",  "6sus2", "6sus4", "7sus2",
                                  "7sus4", "aug",   "aug6",  "aug7", "dim",  "dim7"};
    for (int i = 0; i < 15; ++i)
        QCOMPARE(GetChordStringType(i), expected.at(i));
    QCOMPARE(GetChordStringType(15), QStringLiteral("chord error"));
    QCOMPARE(GetChordStringType(17), QStringLiteral("chord error"));
    QCOMPARE(GetChordStringType(-1), QStringLiteral("chord error"));
    for (int i = 0; i < 18; ++i)
        QCOMPARE(GetChordString(i, 39, 0, false), QStringLiteral("C") + expected.at(i) + QStringLiteral("\n(oct 4)"));

    QCOMPARE(GetChordString(4, 39, 1, false), QStringLiteral("Cmaj7 inv1\n(oct 4)"));
    QCOMPARE(GetChordString(15, 39, 0, false), QStringLiteral("Caug7\n(oct 4)"));
    QCOMPARE(GetChordString(1, 1, 2, true), QStringLiteral("B") + Flat + QStringLiteral("min inv2\n(oct 0)"));
    QCOMPARE(GetChordString(0, 87, 0, false), QStringLiteral("Cmaj\n(oct 8)"));
    // A two-digit octave stays whole.
    QCOMPARE(GetChordString(0, 111, 0, false), QStringLiteral("Cmaj\n(oct 10)"));
    QCOMPARE(GetChordString(18, 39, 0, false), QStringLiteral("chord error"));
    QCOMPARE(GetChordString(0, -5, 0, false), QStringLiteral("note error"));
}

void TestMusicNames::scales()
{
    const QStringList expected = {"Major",      "Natural m",  "Harmonic m", "Melodic m", "Pentatonic",
                                  "Pentatonic m", "Diminished", "Blues",     "Augmented", "Whole Tone"};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(GetScaleStringType(i), expected.at(i));
    QCOMPARE(GetScaleStringType(10), QStringLiteral("scale error"));
    QCOMPARE(GetScaleString(7, 24, false), QStringLiteral("A2 Blues"));
    QCOMPARE(GetScaleString(0, 39, false), QStringLiteral("C4 Major"));
    QCOMPARE(GetScaleString(10, 24, false), QStringLiteral("scale error"));
    QCOMPARE(GetScaleString(-1, 24, false), QStringLiteral("scale error"));
}

void TestMusicNames::whiteKeyMappingRoundTrips()
{
    // White keys are the keys whose name has no accidental.
    QVector<int> whiteKeys;
    for (int key = 0; key <= 87; ++key)
        if (!GetNoteString(key, false).contains(Sharp))
            whiteKeys.append(key);
    QCOMPARE(whiteKeys.size(), 52);
    for (int w = 0; w < whiteKeys.size(); ++w) {
        QCOMPARE(WhiteIndexToNote(w), whiteKeys.at(w));
        QCOMPARE(NoteToWhiteIndex(whiteKeys.at(w)), w);
        QCOMPARE(NoteToNextWhiteIndex(whiteKeys.at(w)), w);
        const int previous = WhiteIndexToPrevNote(w);
        const int type = GetNoteType(whiteKeys.at(w));
        if (type == 0 || type == 5) // C and F have no black key below
            QCOMPARE(previous, whiteKeys.at(w));
        else
            QCOMPARE(previous, whiteKeys.at(w) - 1);
    }
    // A black key lies between the white keys on either side of it.
    for (int key = 0; key <= 87; ++key) {
        if (!GetNoteString(key, false).contains(Sharp))
            continue;
        QCOMPARE(WhiteIndexToNote(NoteToWhiteIndex(key)), key - 1);
        QCOMPARE(WhiteIndexToNote(NoteToNextWhiteIndex(key)), key + 1);
    }
}

void TestMusicNames::whiteKeyExamples()
{
    QCOMPARE(WhiteIndexToNote(0), 0);
    QCOMPARE(WhiteIndexToNote(2), 3);
    QCOMPARE(WhiteIndexToNote(51), 87);
    QCOMPARE(WhiteIndexToPrevNote(0), -1);
    QCOMPARE(WhiteIndexToPrevNote(1), 1);
    QCOMPARE(NoteToWhiteIndex(1), 0);
    QCOMPARE(NoteToNextWhiteIndex(1), 1);
    QCOMPARE(NoteToNextWhiteIndex(11), 7);
    QCOMPARE(NoteToWhiteIndex(87), 51);
}

void TestMusicNames::negativeWhiteKeysAndKeys()
{
    QCOMPARE(WhiteIndexToNote(-1), -1);
    QCOMPARE(WhiteIndexToPrevNote(-8), -1);
    QCOMPARE(NoteToWhiteIndex(-1), -1);
    QCOMPARE(NoteToNextWhiteIndex(-13), -1);
}

void TestMusicNames::guitarPositions()
{
    QCOMPARE(GuitarStringStart[0], 43);
    QCOMPARE(GuitarStringStart[5], 19);
    QCOMPARE(GetNoteString(GuitarStringStart[0], false), QStringLiteral("E4"));
    QCOMPARE(GetNoteString(GuitarStringStart[1], false), QStringLiteral("B3"));
    QCOMPARE(GetNoteString(GuitarStringStart[2], false), QStringLiteral("G3"));
    QCOMPARE(GetNoteString(GuitarStringStart[3], false), QStringLiteral("D3"));
    QCOMPARE(GetNoteString(GuitarStringStart[4], false), QStringLiteral("A2"));
    QCOMPARE(GetNoteString(GuitarStringStart[5], false), QStringLiteral("E2"));

    const GuitarPosition lowE(19);
    QCOMPARE(lowE.stringIndex, 5);
    QCOMPARE(lowE.fret, 0);
    const GuitarPosition highE(43);
    QCOMPARE(highE.stringIndex, 0);
    QCOMPARE(highE.fret, 0);
    const GuitarPosition belowHighE(42);
    QCOMPARE(belowHighE.stringIndex, 1);
    QCOMPARE(belowHighE.fret, 4);
    for (int key = 19; key <= 87; ++key) {
        const GuitarPosition position(key);
        QVERIFY(position.IsValid());
        QCOMPARE(position.Note(), key);
        QVERIFY(position.fret >= 0);
        // The highest string that reaches the key is chosen, so the fret stays short.
        if (position.stringIndex > 0)
            QVERIFY(key < GuitarStringStart[position.stringIndex - 1]);
    }
    const GuitarPosition tooLow(18);
    QVERIFY(!tooLow.IsValid());
    QCOMPARE(tooLow.Note(), -1);
}

void TestMusicNames::tempoTable()
{
    struct Row
    {
        const char* name;
        int lower, typical, upper;
        const char* description;
        const char* image;
    };
    const Row rows[] = {
        {"Adagio", 60, 70, 80, "Slow && stately\n (66-76 bpm)", ":/pixmap/exercise/adagio.png"},
        {"Allegro", 115, 120, 130, "Fast && bright\n (120-139 bpm)", ":/pixmap/exercise/allegro.png"},
        {"Andante", 80, 90, 100, "At a Walking Pace\n (76-108 bpm)", ":/pixmap/exercise/andante.png"},
        {"Largo", 0, 50, 60, "Very slow\n (40-60 bpm)", ":/pixmap/exercise/largo.png"},
        {"Moderato", 100, 110, 115, "Moderately\n (101-110 bpm)", ":/pixmap/exercise/moderato.png"},
        {"Presto", 155, 170, 185, "Very fast\n (168-200 bpm)", ":/pixmap/exercise/presto.png"},
        {"Vivace", 130, 140, 155, "Lively && fast\n (130-155 bpm)", ":/pixmap/exercise/vivace.png"},
        {"", 0, 0, 0, "", ""},
    };
    QCOMPARE(int(TempoDescriptionCount), 8);
    for (int i = 0; i < 8; ++i) {
        int typical = -1, lower = -1, upper = -1;
        GetTempoBPM(i, typical, lower, upper);
        QCOMPARE(typical, rows[i].typical);
        QCOMPARE(lower, rows[i].lower);
        QCOMPARE(upper, rows[i].upper);
        QCOMPARE(GetTempoString(i), QString::fromLatin1(rows[i].name));
        QCOMPARE(GetTempoDescr(i), QString::fromLatin1(rows[i].description));
        QCOMPARE(GetTempoResource(i), QString::fromLatin1(rows[i].image));
        QVERIFY(lower <= typical && typical <= upper);
    }
    // Sorted by speed, neighbouring ranges meet without gaps.
    QVector<int> byLower = {3, 0, 2, 4, 1, 6, 5};
    for (int i = 0; i + 1 < byLower.size(); ++i)
        QCOMPARE(TempoDescription[byLower[i]].upper, TempoDescription[byLower[i + 1]].lower);
    // An index outside the table reads the empty entry instead of foreign memory.
    int typical = -1, lower = -1, upper = -1;
    GetTempoBPM(8, typical, lower, upper);
    QCOMPARE(typical + lower + upper, 0);
    QVERIFY(GetTempoString(-1).isEmpty());
    QVERIFY(GetTempoDescr(1000).isEmpty());
}

void TestMusicNames::translationAppliesAfterStartUp()
{
    MarkingTranslator names("Core::MusicNames");
    MarkingTranslator tempo("Core::Tempo");
    QVERIFY(QCoreApplication::installTranslator(&names));
    QVERIFY(QCoreApplication::installTranslator(&tempo));
    const QString note = GetNoteString(39, false);
    const QString chord = GetChordString(4, 39, 1, false);
    const QString scale = GetScaleStringType(7);
    const QString error = GetIntervalStringByType(99);
    const QString tempoName = GetTempoString(0);
    const QString tempoDescription = GetTempoDescr(0);
    QCoreApplication::removeTranslator(&names);
    QCoreApplication::removeTranslator(&tempo);

    QCOMPARE(note, QStringLiteral("<C>4"));
    QCOMPARE(chord, QStringLiteral("<C><maj7>< inv>1<\n(oct %1)>").replace("%1", "4"));
    QCOMPARE(scale, QStringLiteral("<Blues>"));
    QCOMPARE(error, QStringLiteral("<interval error>"));
    QCOMPARE(tempoName, QStringLiteral("<Adagio>"));
    QCOMPARE(tempoDescription, QStringLiteral("<Slow && stately\n (66-76 bpm)>"));
    QCOMPARE(GetNoteString(39, false), QStringLiteral("C4"));
}

QTEST_GUILESS_MAIN(TestMusicNames)
#include "tst_music_names.moc"
