#pragma once

#include "core/note_naming.h"

#include <QObject>
#include <QStringList>

class AppSettings;

// The learner's note names, for the interface ("noteNaming"): the chosen system, the names
// the level strip and the statistics show, and key names for the verdict. The choice is
// stored as "NoteNames" in "GlobalSetting"; without one (or with a word that names no
// system) the learner's language picks it. GUI thread only.
class NoteNamingChoice : public QObject
{
    Q_OBJECT
    // 0 letters, 1 German, 2 solfège, 3 Japanese: a row of systemLabels.
    Q_PROPERTY(int system READ GetSystem WRITE SetSystem NOTIFY namingChanged)
    Q_PROPERTY(QStringList systemLabels READ GetSystemLabels NOTIFY namingChanged)
    // The twelve pitch classes from C, chromatically (C, C♯, D, …).
    Q_PROPERTY(QStringList pitchClassNames READ GetPitchClassNames NOTIFY namingChanged)
    // The twelve pitch classes in the order the levels add them (C, D, E, F, G, A, B, C♯, …).
    Q_PROPERTY(QStringList levelNames READ GetLevelNames NOTIFY namingChanged)

public:
    // `settings` is not owned and may be null (nothing is stored then).
    NoteNamingChoice(AppSettings* settings, QLocale::Language language, QObject* parent = nullptr);

    const Core::NoteNaming& Naming() const { return naming; }
    int GetSystem() const { return naming.GetSystem(); }
    // A row outside systemLabels changes nothing.
    void SetSystem(int row);
    // The interface's language has changed: the labels, the spelling of solfège and, unless
    // the learner chose a system, the system follow it.
    void SetLanguage(QLocale::Language newLanguage);
    QStringList GetSystemLabels() const;
    QStringList GetPitchClassNames() const;
    QStringList GetLevelNames() const;

    // MIDI note 60 is "C4" (or "Do4", "ハ4", …); empty outside 0..127.
    Q_INVOKABLE QString keyName(int midiNote) const;

signals:
    void namingChanged();

private:
    AppSettings* settings;
    QLocale::Language language;
    Core::NoteNaming naming;
};
