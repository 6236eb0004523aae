#pragma once

#include <QString>
#include <QStringList>

// The number after `name` among a benchmark's arguments (at least 1), or `fallback`.
int Argument(const QStringList& args, const QString& name, int fallback);
