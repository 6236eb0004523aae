#include "app/command_line.h"

#include "app/history_store.h"
#include "app/language_choice.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace CommandLine {

bool WantsCommandLineOnly(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version", "--export-history"})
            if (std::strcmp(argument, option) == 0 || (std::strncmp(argument, "--export-history=", 17) == 0))
                return true;
    }
    return false;
}

namespace {

struct Parser
{
    Parser()
        : exportHistory(QStringLiteral("export-history"),
                        QCoreApplication::translate("CommandLine", "Write every recorded answer to <file> as CSV (one line "
                                                                   "each, with a header), then exit."),
                        QCoreApplication::translate("CommandLine", "file"))
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("CommandLine",
                                        "Ear training for absolute (perfect) pitch: name single notes by playing the "
                                        "very key.\nWithout options the training window opens; the Qt toolkit's "
                                        "options apply to it."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(exportHistory);
    }
    QCommandLineParser parser;
    const QCommandLineOption exportHistory;
};

} // namespace

int ReportMistake(const QString& mistake)
{
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate("CommandLine", "Ovelune: %1\nTry 'ovelune --help'.").arg(mistake)));
    return 2;
}

QString Mistake(const QStringList& arguments)
{
    Parser p;
    return p.parser.parse(arguments) ? QString() : p.parser.errorText();
}

int Run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    // The same names as the window's program: the same data folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Ovelune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVELUNE_VERSION));
    const LanguageChoice language;

    Parser p;
    if (!p.parser.parse(QCoreApplication::arguments()))
        return ReportMistake(p.parser.errorText());
    p.parser.process(application); // --help, --help-all and --version end here
    if (!p.parser.isSet(p.exportHistory))
        return 0;
    QString error;
    if (!HistoryStore::ExportCsv(HistoryStore::DefaultPath(), p.parser.value(p.exportHistory), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(QCoreApplication::translate("CommandLine", "Ovelune: %1").arg(error)));
        return 1;
    }
    return 0;
}

} // namespace CommandLine
