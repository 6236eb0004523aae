// The 84 key images in the resources: presence, sizes, the notch alpha rule, the outline
// and the body colours of every state; and the image sets loaded from them.
#include "keyboard/gkc_initializer.h"
#include "keyboard/key_images.h"

#include <QtTest>

#include <cstdlib>

namespace {

struct StateSpec
{
    const char* directory;
    const char* suffix;
    QColor whiteBody;
    QColor whiteBodyBottom;
    QColor blackBody;
};

const StateSpec states[] = {
    {"normal", "", QColor(188, 197, 207), QColor(196, 202, 210), QColor(50, 64, 73)},
    {"hover", "_hover", QColor(244, 253, 255), QColor(244, 253, 255), QColor(91, 109, 123)},
    {"pressed", "_pressed", QColor(127, 139, 150), QColor(112, 123, 135), QColor(44, 57, 67)},
    {"red", "_red", QColor(202, 55, 55), QColor(202, 55, 55), QColor(215, 76, 76)},
    {"green", "_green", QColor(33, 226, 106), QColor(33, 226, 106), QColor(37, 224, 122)},
    {"blue", "_blue", QColor(48, 165, 255), QColor(48, 165, 255), QColor(12, 149, 246)},
};

struct KeySpec
{
    const char* name;
    bool white;
    int firstOpaque;  // opaque columns of rows 0..107
    int lastOpaque;
};

const KeySpec keys[] = {
    {"Afirst", true, 0, 29}, {"C", true, 0, 20},       {"C_sharp", false, 0, 18},
    {"D", true, 5, 29},      {"D_sharp", false, 0, 18}, {"E", true, 14, 34},
    {"F", true, 0, 20},      {"F_sharp", false, 0, 18}, {"G", true, 5, 24},
    {"G_sharp", false, 0, 18}, {"A", true, 9, 30},     {"A_sharp", false, 0, 18},
    {"B", true, 14, 34},     {"Clast", true, 0, 34},
};

QString path(const StateSpec& state, const KeySpec& key)
{
    return QString(":/res/GKC/%1/%2%3.png").arg(state.directory, key.name, state.suffix);
}

int colourDistance(const QColor& a, const QColor& b)
{
    return qMax(std::abs(a.red() - b.red()),
                qMax(std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())));
}

// Closer than `tolerance` to the line between `from` and `to`, channel by channel.
bool nearShade(const QColor& c, const QColor& from, const QColor& to, int tolerance)
{
    auto within = [tolerance](int v, int a, int b) {
        return v >= qMin(a, b) - tolerance && v <= qMax(a, b) + tolerance;
    };
    return within(c.red(), from.red(), to.red()) && within(c.green(), from.green(), to.green())
        && within(c.blue(), from.blue(), to.blue());
}

int brightness(const QColor& c)
{
    return c.red() + c.green() + c.blue();
}

}  // namespace

class KeyImagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        GKCini.Init();
    }

    void everyImage_data()
    {
        QTest::addColumn<int>("stateIndex");
        QTest::addColumn<int>("keyIndex");
        for (int s = 0; s < 6; ++s)
            for (int k = 0; k < 14; ++k)
                QTest::newRow(qPrintable(path(states[s], keys[k]))) << s << k;
    }

    void everyImage()
    {
        QFETCH(int, stateIndex);
        QFETCH(int, keyIndex);
        const StateSpec& state = states[stateIndex];
        KeySpec key = keys[keyIndex];
        if (QByteArray(key.name) == "A" && QByteArray(state.directory) == "blue") {
            key.firstOpaque = 10;
            key.lastOpaque = 29;
        }
        QVERIFY(QFile::exists(path(state, key)));
        const QImage image = QImage(path(state, key)).convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), key.white ? QSize(35, 180) : QSize(19, 108));

        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool opaque = y >= 108 || (x >= key.firstOpaque && x <= key.lastOpaque);
                const int alpha = qAlpha(image.pixel(x, y));
                if (alpha != (opaque ? 255 : 0))
                    QFAIL(qPrintable(QString("alpha %1 at (%2, %3)").arg(alpha).arg(x).arg(y)));
            }
        }

        if (key.white) {
            for (int y = 178; y < 180; ++y)
                for (int x = 0; x < 35; ++x)
                    QCOMPARE(image.pixelColor(x, y), QColor(0, 4, 27));
            QVERIFY(image.pixelColor(17, 177) != QColor(0, 4, 27));
            // Middle of the front part and of the upper strip.
            const int stripMiddle = (key.firstOpaque + key.lastOpaque) / 2;
            const QColor front = image.pixelColor(17, 140);
            const QColor upper = image.pixelColor(stripMiddle, 60);
            QVERIFY2(nearShade(front, state.whiteBody, state.whiteBodyBottom, 10),
                     qPrintable(front.name()));
            QVERIFY2(nearShade(upper, state.whiteBody, state.whiteBodyBottom, 10),
                     qPrintable(upper.name()));
        } else {
            const QColor body = image.pixelColor(9, 54);
            QVERIFY2(colourDistance(body, state.blackBody) <= 10, qPrintable(body.name()));
            const QColor border[] = {image.pixelColor(0, 54), image.pixelColor(18, 54),
                                     image.pixelColor(9, 107)};
            for (const QColor& c : border)
                QVERIFY2(brightness(c) < brightness(body), qPrintable(c.name()));
            if (QByteArray(state.directory) == "normal")
                QVERIFY(colourDistance(border[0], QColor(30, 44, 53)) <= 6);
        }
    }

    // Side by side, the states must be told apart. The pressed black key is meant to be
    // only a little darker than the normal one.
    void statesAreDistinct()
    {
        for (int k : {1, 2}) {
            const QPoint probe = keys[k].white ? QPoint(17, 140) : QPoint(9, 54);
            const int least = keys[k].white ? 30 : 6;
            for (int a = 0; a < 6; ++a)
                for (int b = a + 1; b < 6; ++b) {
                    const QColor ca = QImage(path(states[a], keys[k])).pixelColor(probe);
                    const QColor cb = QImage(path(states[b], keys[k])).pixelColor(probe);
                    QVERIFY2(colourDistance(ca, cb) >= least,
                             qPrintable(QString("%1 %2/%3").arg(keys[k].name,
                                 states[a].directory, states[b].directory)));
                }
        }
    }

    void loadedSets()
    {
        const QVector<QImage*>* sets[] = {&KeyResources,    &KeyResourcesHover,
                                          &KeyResourcesPressed, &KeyResourcesRed,
                                          &KeyResourcesGreen, &KeyResourcesBlue};
        for (int s = 0; s < 6; ++s) {
            QCOMPARE(sets[s]->size(), 14);
            for (int k = 0; k < 14; ++k) {
                const QImage* image = sets[s]->at(k);
                QVERIFY(image && !image->isNull());
                QCOMPARE(*image, QImage(path(states[s], keys[k])));
            }
        }
        // No edge highlights are shipped: they load as null images.
        QVERIFY(HighlightLeft && HighlightLeft->isNull());
        QVERIFY(HighlightRight && HighlightRight->isNull());
        QCOMPARE(HighlightLeft->width(), 0);
    }

    void secondInitKeepsEverything()
    {
        const QImage* first = KeyResources.at(0);
        GKCini.Init();
        QCOMPARE(KeyResources.at(0), first);
    }

    void reloadingASetKeepsItsSize()
    {
        QVector<QImage*> set;
        GKCinitializer::LoadResources(set, "green", "green");
        GKCinitializer::LoadResources(set, "nonexistent", "x");
        QCOMPARE(set.size(), 14);
        for (QImage* image : set)
            QVERIFY(image->isNull());  // a missing file is a null image, not a failure
        qDeleteAll(set);
    }
};

QTEST_MAIN(KeyImagesTest)
#include "key_images_test.moc"
