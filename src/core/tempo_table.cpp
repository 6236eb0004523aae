#include "core/tempo_table.h"

#include <QCoreApplication>

namespace Core {

const tempoDescr TempoDescription[TempoDescriptionCount] = {
    {60, 70, 80, QT_TRANSLATE_NOOP("Core::Tempo", "Adagio"),
     QT_TRANSLATE_NOOP("Core::Tempo", "Slow && stately\n (66-76 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/adagio.png")},
    {115, 120, 130, QT_TRANSLATE_NOOP("Core::Tempo", "Allegro"),
     QT_TRANSLATE_NOOP("Core::Tempo", "Fast && bright\n (120-139 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/allegro.png")},
    {80, 90, 100, QT_TRANSLATE_NOOP("Core::Tempo", "Andante"),
     QT_TRANSLATE_NOOP("Core::Tempo", "At a Walking Pace\n (76-108 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/andante.png")},
    {0, 50, 60, QT_TRANSLATE_NOOP("Core::Tempo", "Largo"),
     QT_TRANSLATE_NOOP("Core::Tempo", "Very slow\n (40-60 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/largo.png")},
    {100, 110, 115, QT_TRANSLATE_NOOP("Core::Tempo", "Moderato"),
     QT_TRANSLATE_NOOP("Core::Tempo", "Moderately\n (101-110 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/moderato.png")},
    {155, 170, 185, QT_TRANSLATE_NOOP("Core::Tempo", "Presto"),
     QT_TRANSLATE_NOOP("Core::Tempo", "Very fast\n (168-200 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/presto.png")},
    {130, 140, 155, QT_TRANSLATE_NOOP("Core::Tempo", "Vivace"),
     QT_TRANSLATE_NOOP("Core::Tempo", "Lively && fast\n (130-155 bpm)"), QT_TRANSLATE_NOOP("Core::Tempo", ":/pixmap/exercise/vivace.png")},
    {0, 0, 0, "", "", ""},
};

namespace {

const tempoDescr& Entry(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= TempoDescriptionCount)
        index = static_cast<int>(TempoDescriptionCount) - 1;
    return TempoDescription[index];
}

QString Translate(const char* text)
{
    // The empty entry stays empty: an empty source text is no translation key.
    if (*text == '\0')
        return QString();
    return QCoreApplication::translate("Core::Tempo", text);
}

} // namespace

void GetTempoBPM(int index, int& typical, int& lower, int& upper)
{
    const tempoDescr& entry = Entry(index);
    typical = entry.typical;
    lower = static_cast<int>(entry.lower);
    upper = static_cast<int>(entry.upper);
}

QString GetTempoString(int index)
{
    return Translate(Entry(index).name);
}

QString GetTempoDescr(int index)
{
    return Translate(Entry(index).description);
}

QString GetTempoResource(int index)
{
    return Translate(Entry(index).resource);
}

} // namespace Core
