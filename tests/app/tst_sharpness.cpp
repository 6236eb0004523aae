// The window at twice the device pixel ratio: pictures and keys drawn from images of that
// density, not from the 1x images scaled up. The real application renders at scale 1 in this
// process, and at scale 2 (QT_SCALE_FACTOR) in a child process of this test. The offscreen
// screen has 1280 x 800 logical pixels in both, so the maximised window has the same layout.
#include "app_harness.h"

#include <QProcess>

namespace {

char* selfPath = nullptr;

// Edge energy of a grey image: sum of squared Laplacians over sum of squared gradients. A
// picture scaled up smoothly loses its sharpest steps, and with them most of the Laplacian.
double SharpnessOf(const QImage& image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    auto at = [&grey](int x, int y) { return double(grey.constScanLine(y)[x]); };
    double laplacian = 0, gradient = 0;
    for (int y = 1; y + 1 < grey.height(); ++y)
        for (int x = 1; x + 1 < grey.width(); ++x) {
            const double l = 4 * at(x, y) - at(x - 1, y) - at(x + 1, y) - at(x, y - 1) - at(x, y + 1);
            const double dx = at(x + 1, y) - at(x, y), dy = at(x, y + 1) - at(x, y);
            laplacian += l * l;
            gradient += dx * dx + dy * dy;
        }
    return gradient > 0 ? laplacian / gradient : 0;
}

// Child mode: the window as the scale in the environment shows it, saved to `file`; the
// keyboard's image density printed for the parent.
int GrabWindow(const char* file)
{
    ResetStore();
    AppUnderTest t;
    if (!t.app->IsPrimary())
        return 2;
    std::printf("density %d\n", t.Keys().getImageDensity());
    return t.app->GetView().grabWindow().save(QString::fromLocal8Bit(file)) ? 0 : 1;
}

// The offscreen platform on a screen of 1280 x 800 logical pixels at `scale`, described in a
// file in `dir`. (The platform's own "dpr" setting is not applied by Qt 6.4.)
QByteArray ScreenAtScale(const QTemporaryDir& dir, int scale)
{
    const QString file = dir.filePath(QStringLiteral("screen%1.json").arg(scale));
    QFile config(file);
    if (!config.open(QIODevice::WriteOnly))
        return QByteArray();
    config.write(QStringLiteral(R"({"windowFrameMargins": false, "screens": [{"name": "s", "x": 0, "y": 0,)"
                                R"( "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96}]})")
                     .arg(1280 * scale).arg(800 * scale).toUtf8());
    return "offscreen:configfile=" + QFile::encodeName(file);
}

} // namespace

class TestSharpness : public QObject
{
    Q_OBJECT

private slots:
    void twiceTheScaleDrawsTwiceTheDetail()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("scale2.png");
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", QString::fromLocal8Bit(ScreenAtScale(dir, 2)));
        environment.insert("QT_SCALE_FACTOR", "2");
        child.setProcessEnvironment(environment);
        child.start(QString::fromLocal8Bit(selfPath), {"--grab", file});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        const QString childOutput = QString::fromLocal8Bit(child.readAllStandardOutput());
        const QImage twice(file);
        QCOMPARE(twice.size(), QSize(2560, 1600));

        qputenv("QT_QPA_PLATFORM", ScreenAtScale(dir, 1));
        ResetStore();
        AppUnderTest t;
        QVERIFY(t.app->IsPrimary());
        const QImage once = t.app->GetView().grabWindow();
        QCOMPARE(once.size(), QSize(1280, 800));

        // The keyboard at scale 2 spans more than one device pixel per native pixel.
        QVERIFY(t.Keys().getScale().x() > 0.5 && t.Keys().getScale().x() <= 1);
        QVERIFY2(childOutput.contains("density 2"), qPrintable(childOutput));

        for (const char* name : {"closeButton", "minimizeButton", "helpButton", "statsButton", "levelPicture", "Keyboard"}) {
            QQuickItem* item = t.Item(name);
            QVERIFY2(item, name);
            const QRect r = item->mapRectToScene(item->boundingRect()).toAlignedRect();
            const QImage scaledUp = once.copy(r).scaled(r.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            const double sharp = SharpnessOf(twice.copy(QRect(r.topLeft() * 2, r.size() * 2)));
            const double blurred = SharpnessOf(scaledUp);
            qInfo("%-15s scale 2: %.3f, scale 1 scaled up: %.3f, ratio %.2f", name, sharp, blurred, sharp / blurred);
            QVERIFY2(sharp > 2 * blurred, name);
        }
    }
};

int main(int argc, char** argv)
{
    if (argc == 3 && !qstrcmp(argv[1], "--grab"))
        return GrabWindow(argv[2]);
    selfPath = argv[0];
    TestSharpness test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharpness.moc"
