#pragma once

#include <QStringList>

// The command line of the program beyond the toolkit's own options:
//   --help, --version, --export-history FILE.csv
// None of them needs the window, the sound or the single-instance guard.
namespace CommandLine {

// True when the arguments ask for one of the above: the program then runs Run() alone.
bool WantsCommandLineOnly(int argc, char** argv);
// Answers the command line and returns the process's exit code.
int Run(int argc, char** argv);
// For the window's program, given the arguments the toolkit left: what is wrong with them
// as the command-line parser says it ("Unknown option 'x'."), or empty when nothing is.
QString Mistake(const QStringList& arguments);
// Says the mistake on standard error; returns the exit code of a mistaken command line, 2.
int ReportMistake(const QString& mistake);

} // namespace CommandLine
