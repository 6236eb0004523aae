// Draws the keyboard's 84 key images (6 states x 14 keys), each at 1x, 2x and 3x, and their
// resource list:
//   ovelune_keyimages <output dir, normally res/GKC>
#include "key_image_painter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const QDir out(args.at(1));
    QStringList files;
    for (const KeyStateColours& state : keyStates()) {
        if (!out.mkpath(state.directory)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(out.filePath(state.directory)));
            return 1;
        }
        for (const KeyImageShape& shape : keyShapes(state)) {
            // NAME.png at the native size, NAME@2x.png and NAME@3x.png for the keyboard drawn
            // on that many device pixels per native pixel.
            for (int scale = 1; scale <= 3; ++scale) {
                const QImage image = paintKey(shape, state, scale);
                const QString problem = checkAlpha(image, shape);
                if (!problem.isEmpty()) {
                    std::fprintf(stderr, "%s/%s at %dx\n", qPrintable(state.directory),
                                 qPrintable(problem), scale);
                    return 1;
                }
                const QString file = state.directory + '/' + shape.name
                    + (state.plainNames ? QString() : '_' + state.directory)
                    + (scale > 1 ? QString("@%1x").arg(scale) : QString()) + ".png";
                if (!image.save(out.filePath(file), "PNG")) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(out.filePath(file)));
                    return 1;
                }
                files << file;
            }
        }
    }

    QFile qrc(out.filePath("key_images.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream qrcText(&qrc);
    qrcText << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/res/GKC\">\n";
    for (const QString& file : files)
        qrcText << "    <file>" << file << "</file>\n";
    qrcText << "</qresource>\n</RCC>\n";
    std::printf("wrote %d key images to %s\n", static_cast<int>(files.size()),
                qPrintable(out.absolutePath()));
    return 0;
}
