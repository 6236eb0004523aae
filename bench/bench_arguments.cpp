#include "bench_arguments.h"

#include <QtGlobal>

QStringList Arguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

int Argument(const QStringList& args, const QString& name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? qMax(1, args.at(at + 1).toInt()) : fallback;
}
