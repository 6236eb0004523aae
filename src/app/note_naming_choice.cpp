#include "app/note_naming_choice.h"

#include "app/app_settings.h"

#include <QSettings>

namespace {
const char* const StoreKey = "NoteNames";
}

NoteNamingChoice::NoteNamingChoice(AppSettings* settings, QLocale::Language language, QObject* parent)
    : QObject(parent), settings(settings), language(language)
{
    SetLanguage(language);
}

void NoteNamingChoice::SetLanguage(QLocale::Language newLanguage)
{
    language = newLanguage;
    const QString stored = settings ? settings->settings->value(QStringLiteral("GlobalSetting/") + QLatin1String(StoreKey)).toString()
                                    : QString();
    naming = Core::NoteNaming(Core::NoteNaming::FromStoreWord(stored, language), language);
    emit namingChanged();
}

void NoteNamingChoice::SetSystem(int row)
{
    if (row < 0 || row >= Core::NoteNaming::SystemCount || row == naming.GetSystem())
        return;
    naming = Core::NoteNaming(Core::NoteNaming::System(row), language);
    if (settings)
        settings->SaveChoice(QLatin1String(StoreKey), Core::NoteNaming::StoreWord(naming.GetSystem()));
    emit namingChanged();
}

QStringList NoteNamingChoice::GetSystemLabels() const
{
    return {tr("Letters (C D E)"), tr("German (C D E … H)"), tr("Solfège (Do Re Mi)"), tr("Japanese (ハ ニ ホ)")};
}

QStringList NoteNamingChoice::GetPitchClassNames() const
{
    QStringList names;
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass)
        names << naming.PitchClassName(pitchClass);
    return names;
}

QStringList NoteNamingChoice::GetLevelNames() const
{
    QStringList names;
    for (unsigned int base : AppSettings::maturityMidiBase)
        names << naming.PitchClassName(int(base % 12));
    return names;
}

QString NoteNamingChoice::keyName(int midiNote) const
{
    return naming.KeyName(midiNote);
}
