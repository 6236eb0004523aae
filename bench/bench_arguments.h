#pragma once

#include <QString>
#include <QStringList>

// A benchmark's arguments. Its options are none of the program's: an application under test
// gets only the program's name (see ProgramOnly).
QStringList Arguments(int argc, char** argv);
constexpr int ProgramOnly = 1;

// The number after `name` among a benchmark's arguments (at least 1), or `fallback`.
int Argument(const QStringList& args, const QString& name, int fallback);
