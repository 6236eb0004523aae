#include "core/instrument_names.h"

#include <QCoreApplication>

namespace Core {

const OfferedInstrument OfferedInstruments[OfferedInstrumentCount] = {
    {0, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Acoustic grand piano")},
    {4, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Electric piano")},
    {6, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Harpsichord")},
    {12, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Marimba")},
    {20, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Reed organ")},
    {24, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Nylon guitar")},
    {46, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Harp")},
    {40, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Violin")},
    {42, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Cello")},
    {48, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Strings")},
    {52, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Choir")},
    {56, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Trumpet")},
    {71, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Clarinet")},
    {73, QT_TRANSLATE_NOOP("Core::InstrumentNames", "Flute")},
};

QString GetInstrumentName(std::size_t index)
{
    const char* name = index < OfferedInstrumentCount ? OfferedInstruments[index].name
                       : index == OfferedInstrumentCount
                           ? QT_TRANSLATE_NOOP("Core::InstrumentNames", "A different instrument each note")
                           : "";
    return QCoreApplication::translate("Core::InstrumentNames", name);
}

int OfferedInstrumentIndex(int program)
{
    for (std::size_t i = 0; i < OfferedInstrumentCount; ++i)
        if (OfferedInstruments[i].program == program)
            return static_cast<int>(i);
    return -1;
}

} // namespace Core
