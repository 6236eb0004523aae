#include "app/language_choice.h"

#include "app/app_settings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

const char* const LanguageChoice::StoreKey = "Language";

const QStringList& LanguageChoice::Codes()
{
    static const QStringList codes{QString(),           QStringLiteral("en"), QStringLiteral("de"),
                                   QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("it"),
                                   QStringLiteral("pt_BR"), QStringLiteral("ru"), QStringLiteral("ja"),
                                   QStringLiteral("zh_CN"), QStringLiteral("ko")};
    return codes;
}

QString LanguageChoice::Match(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        switch (locale.language()) {
        case QLocale::English:
            return QString();
        case QLocale::German: return QStringLiteral("de");
        case QLocale::French: return QStringLiteral("fr");
        case QLocale::Spanish: return QStringLiteral("es");
        case QLocale::Italian: return QStringLiteral("it");
        // Portuguese speakers read Brazilian Portuguese more easily than English.
        case QLocale::Portuguese: return QStringLiteral("pt_BR");
        case QLocale::Russian: return QStringLiteral("ru");
        case QLocale::Japanese: return QStringLiteral("ja");
        case QLocale::Korean: return QStringLiteral("ko");
        case QLocale::Chinese:
            // Traditional characters are a different written language: look further.
            if (locale.script() != QLocale::TraditionalChineseScript)
                return QStringLiteral("zh_CN");
            break;
        default:
            break;
        }
    }
    return QString();
}

QString LanguageChoice::StoredCode()
{
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvex"),
                          QStringLiteral("Ovelune"));
    const QString code = store.value(QStringLiteral("GlobalSetting/") + QLatin1String(StoreKey)).toString();
    return Codes().contains(code) ? code : QString();
}

LanguageChoice::LanguageChoice(QObject* parent) : QObject(parent), chosen(StoredCode())
{
    Install();
}

LanguageChoice::~LanguageChoice()
{
    if (!QCoreApplication::instance())
        return; // gone with the application
    if (ownInstalled)
        QCoreApplication::removeTranslator(&own);
    if (qtInstalled)
        QCoreApplication::removeTranslator(&qt);
}

void LanguageChoice::Install()
{
    if (ownInstalled)
        QCoreApplication::removeTranslator(&own);
    if (qtInstalled)
        QCoreApplication::removeTranslator(&qt);
    ownInstalled = qtInstalled = false;
    if (chosen.isEmpty())
        installed = Match(QLocale::system().uiLanguages());
    else
        installed = chosen == QLatin1String("en") ? QString() : chosen;
    // Numbers and dates as the language writes them; the desktop's own settings otherwise.
    QLocale::setDefault(chosen.isEmpty() ? QLocale::system() : QLocale(chosen));
    if (installed.isEmpty())
        return; // English is the source
    if (own.load(QStringLiteral(":/i18n/ovelune_") + installed))
        ownInstalled = QCoreApplication::installTranslator(&own);
    // Qt's own texts (the command line's help, dialogs), when the system has them.
    if (qt.load(QStringLiteral("qtbase_") + installed, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        qtInstalled = QCoreApplication::installTranslator(&qt);
}

QLocale::Language LanguageChoice::NoteLanguage() const
{
    if (!installed.isEmpty())
        return QLocale(installed).language();
    if (chosen == QLatin1String("en"))
        return QLocale::English;
    return QLocale(QLocale::system().uiLanguages().value(0)).language();
}

int LanguageChoice::GetRow() const
{
    return int(Codes().indexOf(chosen));
}

void LanguageChoice::SetRow(int row)
{
    if (row < 0 || row >= Codes().size() || Codes().at(row) == chosen)
        return;
    chosen = Codes().at(row);
    if (settings)
        settings->SaveChoice(QLatin1String(StoreKey), chosen);
    Install();
    emit languageChanged();
}

QStringList LanguageChoice::GetLabels() const
{
    // Each language in its own words, so that a learner lost in a foreign one finds theirs.
    return {tr("The desktop's language"), QStringLiteral("English"), QStringLiteral("Deutsch"),
            QStringLiteral("Français"), QStringLiteral("Español"), QStringLiteral("Italiano"),
            QStringLiteral("Português (Brasil)"), QStringLiteral("Русский"), QStringLiteral("日本語"),
            QStringLiteral("简体中文"), QStringLiteral("한국어")};
}
