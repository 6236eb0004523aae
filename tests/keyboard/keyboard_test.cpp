// The keyboard item: hit testing over the key table at any size, mouse and hover handling,
// which key image the painting shows for each state, and at which density.
#include "keyboard/key_images.h"
#include "keyboard/key_table.h"
#include "keyboard/keyboard.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

namespace {

// An item whose event handlers are driven directly, in item coordinates.
class Probe : public Keyboard
{
public:
    explicit Probe(QSizeF size = QSizeF(1820, 180)) { setSize(size); }
    void press(QPoint p, Qt::MouseButton button = Qt::LeftButton, QEvent::Type type = QEvent::MouseButtonPress)
    {
        QMouseEvent event(type, p, p, button, type == QEvent::MouseButtonPress ? button : Qt::NoButton, Qt::NoModifier);
        type == QEvent::MouseButtonPress ? mousePressEvent(&event) : mouseReleaseEvent(&event);
    }
    void release(QPoint p) { press(p, Qt::LeftButton, QEvent::MouseButtonRelease); }
    void hover(QPoint p, QEvent::Type type = QEvent::HoverMove)
    {
        QHoverEvent event(type, p, p, p);
        type == QEvent::HoverMove ? hoverMoveEvent(&event) : hoverLeaveEvent(&event);
    }
    void leave() { hover(QPoint(-1, -1), QEvent::HoverLeave); }
    QImage render()
    {
        QImage image(int(width()), int(height()), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(&painter);
        return image;
    }
};

// Where a user aims, in native space: the front of a white key, the middle of a black one.
QPoint Centre(int key)
{
    const GKCKeyPositon& k = KeysCache.at(key);
    return (k.isWhite ? k.lowerRect.center() : k.upperRect.center()).toPoint();
}

enum Look { Normal, Hover, Pressed, Green, Blue, Red };

// Which image set a native-size render shows at the key, -1 for none; faded keys are darker.
int Shown(const QImage& render, int key)
{
    const QVector<QImage*>* sets[] = {&KeyResources, &KeyResourcesHover, &KeyResourcesPressed,
                                      &KeyResourcesGreen, &KeyResourcesBlue, &KeyResourcesRed};
    const QPoint inImage = Centre(key) - KeysCache.at(key).imagePos.toPoint();
    const QColor seen = render.pixelColor(Centre(key));
    for (int look = Normal; look <= Red; ++look) {
        const QColor drawn = sets[look]->at(KeysCache.at(key).imageIndex)->pixelColor(inImage);
        if (qAbs(seen.red() - drawn.red()) + qAbs(seen.green() - drawn.green()) + qAbs(seen.blue() - drawn.blue()) < 8)
            return look;
    }
    return -1;
}

QList<int> Take(QSignalSpy& spy)
{
    QList<int> keys;
    while (!spy.isEmpty())
        keys << spy.takeFirst().at(0).toInt();
    return keys;
}

} // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void hitTest_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("key");
        // At native size: A0's corner, A#0, C#1 and the last row of its body, C1's front, the
        // C1/C#1 edge and row 108 under C#1 (both C1), D1, A4, A#4, C8 and beyond it.
        const int native[][3] = {{0, 0, 0},     {40, 50, 1},    {100, 50, 4},   {100, 107, 4},
                                 {100, 150, 3}, {91, 10, 3},    {95, 108, 3},   {120, 150, 5},
                                 {1000, 50, 48}, {1020, 50, 49}, {1819, 10, 87}, {1821, 50, -1}};
        for (const auto& row : native)
            QTest::addRow("(%d, %d)", row[0], row[1]) << QSizeF(1820, 180) << QPoint(row[0], row[1]) << row[2];
        const QSizeF stretched(910, 360); // half as wide, twice as high
        QTest::newRow("stretched A#4") << stretched << QPoint(510, 100) << 49;
        QTest::newRow("stretched C1 front") << stretched << QPoint(50, 300) << 3;
        QTest::newRow("no size") << QSizeF(0, 0) << QPoint(0, 0) << -1;
    }

    void hitTest()
    {
        QFETCH(QSizeF, size);
        QFETCH(QPoint, at);
        QTEST(Probe(size).getKeyByPos(at.x(), at.y()), "key");
    }

    void clicksAndHover()
    {
        Probe item;
        QSignalSpy pressed(&item, SIGNAL(keyPressed(int))), released(&item, SIGNAL(keyReleased(int)));
        item.press(QPoint(100, 50));
        item.release(QPoint(300, 150)); // released wherever the pointer is
        QCOMPARE(Take(pressed), QList<int>{4});
        QCOMPARE(Take(released), QList<int>{4});

        item.press(QPoint(100, 50), Qt::RightButton);
        QCOMPARE(pressed.count(), 0);

        // A held key is let go when the pointer moves to another key or leaves the item.
        item.press(Centre(30));
        item.hover(Centre(31));
        item.press(Centre(31));
        item.leave();
        QCOMPARE(Take(pressed), (QList<int>{30, 31}));
        QCOMPARE(Take(released), (QList<int>{30, 31}));
    }

    void paintingShowsEachState()
    {
        Probe item;
        item.hover(Centre(5));
        QCOMPARE(Shown(item.render(), 5), int(Hover));
        item.press(Centre(5));
        QCOMPARE(Shown(item.render(), 5), int(Pressed));
        item.release(Centre(5));
        QCOMPARE(Shown(item.render(), 5), int(Normal)); // released: no hover image until cleaned

        // Answers: the asked key green, a wrong choice red; a key in both lists ends red.
        item.highlightKeys({48}, {50});
        item.highlightKeys({49}, {49});
        QImage render = item.render();
        QCOMPARE(Shown(render, 48), int(Green));
        QCOMPARE(Shown(render, 50), int(Red));
        QCOMPARE(Shown(render, 49), int(Red));
        QCOMPARE(Shown(render, 47), int(Normal));
        item.cleanAllKeys();
        render = item.render();
        for (int key = 0; key < 88; ++key)
            QVERIFY2(Shown(render, key) == Normal, qPrintable(QString::number(key)));
        // The item's colour shows nowhere, not even in the gaps between scaled-down keys.
        Probe small(QSizeF(1000, 100));
        small.setProperty("color", QColor(Qt::blue));
        const QImage blue = small.render();
        small.setProperty("color", QColor(Qt::red));
        QVERIFY(small.render() == blue);
    }

    // The letter rows play from the C of the typing octave, found by the key's place (52 is
    // where US keyboards have Z, AZERTY ones W); the arrows and Ctrl with a digit move them.
    void typedKeys()
    {
        Probe item;
        QSignalSpy typed(&item, SIGNAL(keyTyped(int)));
        const int xkbZ = 52, xkbQ = 24;
        QVERIFY(item.typeKey(xkbZ, Qt::Key_W, 0));                // C4
        item.typeKey(0, Qt::Key_Right, 0);
        item.typeKey(0, Qt::Key_Period, 0);                      // D6: the lower row's second D, from C5
        item.typeKey(0, Qt::Key_2, Qt::ControlModifier);
        item.typeKey(xkbQ, Qt::Key_A, 0);                        // C3: the upper row an octave up
        QVERIFY(!item.typeKey(xkbZ, Qt::Key_Z, Qt::ControlModifier) && !item.typeKey(0, Qt::Key_A, 0));
        QCOMPARE(Take(typed), (QList<int>{39, 65, 27}));
        QCOMPARE(item.getTypingOctave(), 2);
        item.typeKey(10 + 5, Qt::Key_Minus, Qt::ControlModifier); // Ctrl and AZERTY's 6 (a "-")
        QCOMPARE(item.getTypingOctave(), 6);
        // Reached from C2 to the G two octaves above: a mark at the front of each of these keys.
        item.setTypingOctave(2);
        const QImage marked = item.render();
        for (int key = 0; key < 88; ++key) {
            const GKCKeyPositon& k = KeysCache.at(key);
            const QPointF mark((k.isWhite ? k.lowerRect : k.upperRect).center().x(), (k.isWhite ? k.lowerRect : k.upperRect).bottom() - 12);
            QVERIFY2((marked.pixelColor(mark.toPoint()).blue() > 200 && marked.pixelColor(mark.toPoint()).red() < 150)
                         == (key >= 15 && key <= 46), qPrintable(QString::number(key)));
        }
    }

    void imagesOfTheDevicePixels()
    {
        // The least density that still gives each device pixel an image pixel of its own.
        const double devicePixels[] = {0.67, 1.0, 1.0000001, 1.005, 1.34, 2.0, 2.01, 6.0};
        const int density[] = {1, 1, 1, 2, 2, 2, 3, 3};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(Keyboard::imageDensityFor(devicePixels[i]), density[i]);
        // Finer images are read as they are first drawn (nothing in this test has drawn at 3
        // yet): the first frame reads the one look it shows, the event loop the others after
        // it, before a first hover or press needs them.
        {
            Probe item(QSizeF(1820 * 3, 540));
            for (int look = LookNormal; look < LookCount; ++look)
                QVERIFY(!IsKeyImageSetLoaded(KeyLook(look), 3));
            item.render();
            QVERIFY(IsKeyImageSetLoaded(LookNormal, 3) && !IsKeyImageSetLoaded(LookPressed, 3));
            QTRY_VERIFY(IsKeyImageSetLoaded(LookHover, 3) && IsKeyImageSetLoaded(LookPressed, 3)
                        && IsKeyImageSetLoaded(LookRed, 3) && IsKeyImageSetLoaded(LookGreen, 3)
                        && IsKeyImageSetLoaded(LookBlue, 3));
        }
        // Every finer image is there, at its density's multiple of the native size.
        for (int d = 2; d <= 3; ++d) {
            Probe item(QSizeF(1820 * d, 180 * d / 2)); // the larger of the two scales counts
            QCOMPARE(item.getImageDensity(), d);
            for (int look = LookNormal; look < LookCount; ++look)
                for (int i = 0; i < KeyImageSet(KeyLook(look), d).size(); ++i)
                    QCOMPARE(KeyImageSet(KeyLook(look), d).at(i)->size(), KeyImageSet(KeyLook(look), 1).at(i)->size() * d);
            QCOMPARE(KeyImageSet(LookRed, d).size(), 14);
        }
        // At twice the native size a black key is its 2x image, pixel for pixel.
        Probe item(QSizeF(3640, 360));
        item.highlightKeys({}, {4});
        const QImage& image = *KeyImageSet(LookRed, 2).at(KeysCache.at(4).imageIndex);
        const QImage shown = item.render().copy(QRect(KeysCache.at(4).imagePos.toPoint() * 2, image.size()));
        QVERIFY(shown.convertToFormat(QImage::Format_ARGB32) == image.convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
