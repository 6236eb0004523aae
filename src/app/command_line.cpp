#include "app/command_line.h"

#include "app/history_store.h"

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

int Run(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    // The same names as the window's program: the same data folder.
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Ovelune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(OVELUNE_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Ear training for absolute (perfect) pitch: name single notes by playing the very key.\n"
                       "Without options the training window opens; the Qt toolkit's options apply to it."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exportHistory(
        QStringLiteral("export-history"),
        QStringLiteral("Write every recorded answer to <file> as CSV (one line each, with a header), then exit."),
        QStringLiteral("file"));
    parser.addOption(exportHistory);
    parser.process(application); // --help, --version and mistakes end here

    if (!parser.isSet(exportHistory))
        return 0;
    QString error;
    if (!HistoryStore::ExportCsv(HistoryStore::DefaultPath(), parser.value(exportHistory), &error)) {
        std::fprintf(stderr, "Ovelune: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

} // namespace CommandLine
