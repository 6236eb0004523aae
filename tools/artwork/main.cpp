// Draws every picture of the window and the help window, and the application icon,
// into the given res/ directory, and writes the resource list artwork.qrc beside them.
//   ovelune_artwork <res directory>
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Text is drawn with the system fonts, which need the GUI application.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <res directory>\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists()) {
        std::fprintf(stderr, "%s: no such directory\n", argv[1]);
        return 2;
    }

    // Every picture of the window also as NAME@2x.png and NAME@3x.png beside NAME.png: Qt Quick's
    // Image takes them by itself where the window's device pixel ratio asks for more pixels.
    QStringList resources;                // the 1x pictures in drawing order
    QHash<QString, QStringList> variants; // their @2x and @3x files
    int written = 0;
    for (int scale = 1; scale <= 3; ++scale) {
        ArtworkFiles files;
        addBrandArt(files, scale);
        addChromeArt(files, scale);
        addLevelArt(files, scale);
        addSpeakerArt(files, scale);
        addHelpArt(files, scale);
        for (ArtworkFile& file : files) {
            const QString onePath = file.path;
            if (scale > 1)
                file.path.insert(file.path.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(scale));
            const QString path = out.filePath(file.path);
            QDir().mkpath(QFileInfo(path).path());
            bool saved = false;
            if (!file.image.isNull()) {
                saved = file.image.save(path, "PNG");
                // Only the window's pictures and one icon size go into the program.
                if (!file.path.startsWith(QLatin1String("icons/")) || file.path == QLatin1String("icons/ovelune_256.png"))
                    (scale == 1 ? resources : variants[onePath]) << file.path;
            } else {
                QFile f(path);
                saved = f.open(QIODevice::WriteOnly) && f.write(file.bytes) == file.bytes.size();
            }
            if (!saved) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
            ++written;
        }
    }
    QFile qrc(out.filePath(QStringLiteral("artwork.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream s(&qrc);
    s << "<!-- Written by tools/artwork; regenerate rather than edit. -->\n<RCC>\n    <qresource prefix=\"/res\">\n";
    for (const QString& r : resources)
        for (const QString& file : QStringList(r) + variants.value(r))
            s << "        <file>" << file << "</file>\n";
    s << "    </qresource>\n</RCC>\n";
    std::printf("%d files written to %s\n", written, qPrintable(out.absolutePath()));
    return 0;
}
