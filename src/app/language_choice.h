#pragma once

#include <QLocale>
#include <QObject>
#include <QStringList>
#include <QTranslator>

class AppSettings;

// The language of the interface ("languageChoice"): the desktop's (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG: the order in which Qt reads them for the interface's languages) or the
// one the learner chose, stored as "Language" in "GlobalSetting" (empty: the desktop's).
// Installs Ovelune's translation and Qt's own for its dialogs and the command line's help;
// a new choice takes effect at once. GUI thread only.
class LanguageChoice : public QObject
{
    Q_OBJECT
    // A row of labels: 0 the desktop's language, then English and the translations.
    Q_PROPERTY(int row READ GetRow WRITE SetRow NOTIFY languageChanged)
    Q_PROPERTY(QStringList labels READ GetLabels NOTIFY languageChanged)

public:
    static const char* const StoreKey;
    // The codes of the rows: "" (the desktop's), "en", then one per translation ("de", "pt_BR", …).
    static const QStringList& Codes();
    // The translation for a list of preferred languages (QLocale::uiLanguages()): the first
    // language that is English (the source: "") or has a translation; "" when none has.
    static QString Match(const QStringList& uiLanguages);
    // The stored choice, read straight from the store (before the application's model
    // exists); "" when there is none or it names no language offered.
    static QString StoredCode();

    // Reads the stored choice and installs its translations into the running application.
    explicit LanguageChoice(QObject* parent = nullptr);
    ~LanguageChoice() override;

    // Where a new choice is stored; until set (or when null) it is not.
    void SetStore(AppSettings* store) { settings = store; }
    // The translation installed: "" for English.
    QString Installed() const { return installed; }
    // The language the note names follow by default.
    QLocale::Language NoteLanguage() const;

    int GetRow() const;
    // A row outside labels changes nothing.
    void SetRow(int row);
    QStringList GetLabels() const;

signals:
    void languageChanged();

private:
    void Install();

    AppSettings* settings = nullptr;
    QString chosen; // a code of Codes()
    QString installed;
    QTranslator own;
    QTranslator qt;
    bool ownInstalled = false;
    bool qtInstalled = false;
};
