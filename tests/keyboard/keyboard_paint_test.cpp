// Painting: renders the item offscreen and reads back, for every key, which of the six
// key images was drawn there and whether it was faded.
#include "keyboard/key_images.h"
#include "keyboard/key_table.h"
#include "probe_keyboard.h"

#include <QtTest>

#include <array>
#include <cstdlib>

namespace {

enum Look { Normal, Hover, Pressed, Green, Blue, Red, Unknown };
const char* const lookNames[] = {"normal", "hover", "pressed", "green", "blue", "red", "?"};

struct Seen
{
    Look look = Unknown;
    bool faded = false;
    bool operator==(const Seen& o) const { return look == o.look && faded == o.faded; }
};

using Expected = std::array<Seen, 88>;

const QVector<QImage*>& setOf(Look look)
{
    switch (look) {
    case Hover: return KeyResourcesHover;
    case Pressed: return KeyResourcesPressed;
    case Green: return KeyResourcesGreen;
    case Blue: return KeyResourcesBlue;
    case Red: return KeyResourcesRed;
    default: return KeyResources;
    }
}

// The place inside a key's image that identifies its state: the front part of a white
// key, the middle of a black one.
QPoint probeInImage(int key)
{
    return KeysCache.at(key).isWhite ? QPoint(17, 140) : QPoint(9, 54);
}

// What 120/255 black over a colour gives.
QColor faded(const QColor& c)
{
    auto f = [](int v) { return (v * (255 - 120) + 127) / 255; };
    return QColor(f(c.red()), f(c.green()), f(c.blue()));
}

int distance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
        + std::abs(a.blue() - b.blue());
}

Seen seenAt(const QImage& render, QPointF scale, int key)
{
    const QPoint local = probeInImage(key);
    const QPointF native = KeysCache.at(key).imagePos + QPointF(local);
    const QColor actual = render.pixelColor(int(native.x() * scale.x()),
                                            int(native.y() * scale.y()));
    Seen best;
    int bestDistance = 24;  // anything further is not a key image at all
    for (int look = Normal; look <= Red; ++look) {
        const QColor drawn = setOf(Look(look)).at(KeysCache.at(key).imageIndex)->pixelColor(local);
        for (bool fade : {false, true}) {
            const int d = distance(actual, fade ? faded(drawn) : drawn);
            if (d < bestDistance) {
                bestDistance = d;
                best.look = Look(look);
                best.faded = fade;
            }
        }
    }
    return best;
}

Expected allNormal()
{
    Expected e;
    e.fill(Seen{Normal, false});
    return e;
}

QString describe(const Seen& s)
{
    return QString(lookNames[s.look]) + (s.faded ? " faded" : "");
}

QtMessageHandler previousHandler = nullptr;
QStringList capturedWarnings;

void captureWarnings(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (type == QtWarningMsg)
        capturedWarnings << msg;
    else
        previousHandler(type, context, msg);
}

}  // namespace

class KeyboardPaintTest : public QObject
{
    Q_OBJECT

private:
    // Renders and compares every key with `expected`; reports the first difference.
    void verifyKeys(ProbeKeyboard& item, const Expected& expected)
    {
        const QImage render = item.render();
        for (int key = 0; key < 88; ++key) {
            const Seen seen = seenAt(render, item.getScale(), key);
            if (!(seen == expected[size_t(key)]))
                QFAIL(qPrintable(QString("key %1: drawn %2, expected %3")
                                     .arg(key)
                                     .arg(describe(seen), describe(expected[size_t(key)]))));
        }
    }

private slots:
    void initTestCase()
    {
        ProbeKeyboard loader;
        QCOMPARE(KeysCache.size(), 88);
    }

    void freshItemDrawsEveryKeyNormalAndHidesItsLabel()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        verifyKeys(item, allNormal());
        for (int key = 0; key < 88; ++key)
            QVERIFY(!item.getKeyState(key).changed);  // painting clears the marks

        item.setColor(Qt::blue);
        const QImage blueLabel = item.render();
        item.setColor(Qt::red);
        QCOMPARE(item.color(), QColor(Qt::red));
        QCOMPARE(item.render(), blueLabel);
    }

    void answerHighlights()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Expected expected = allNormal();

        item.highlightKeys({48}, {});
        expected[48].look = Green;
        verifyKeys(item, expected);

        item.highlightKeys({50}, {});  // A4 stays green until cleared
        expected[50].look = Green;
        verifyKeys(item, expected);

        item.cleanAllKeys();
        verifyKeys(item, allNormal());

        item.highlightKeys({48}, {50});
        expected = allNormal();
        expected[48].look = Green;
        expected[50].look = Red;
        verifyKeys(item, expected);

        item.cleanAllKeys();
        item.highlightKeys({0, 87, 49}, {49});  // a key in both lists ends red
        expected = allNormal();
        expected[0].look = Green;
        expected[87].look = Green;
        expected[49].look = Red;
        verifyKeys(item, expected);
    }

    void highlightValues()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        KeysStateMap states;
        const int values[] = {2, 3, 7, -1, 1};
        const Look looks[] = {Blue, Red, Red, Red, Green};
        Expected expected = allNormal();
        for (int i = 0; i < 5; ++i) {
            KeyState s;
            s.highlight = values[i];
            states[10 + i] = s;
            expected[size_t(10 + i)].look = looks[i];
        }
        item.changeKeysState(states);
        verifyKeys(item, expected);

        // Keys left out of a new map lose their colour.
        KeysStateMap onlyOne;
        onlyOne[12] = states[12];
        item.changeKeysState(onlyOne);
        expected = allNormal();
        expected[12].look = Red;
        verifyKeys(item, expected);
    }

    void pressedAndHoverImages()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Expected expected = allNormal();

        const QPoint d1 = nativeKeyCentre(5);
        item.hoverTo(d1.x(), d1.y());
        expected[5].look = Hover;
        verifyKeys(item, expected);

        item.press(d1.x(), d1.y());
        expected[5].look = Pressed;
        verifyKeys(item, expected);

        // Released but not cleared: neither pressed nor hover while the pointer stays.
        item.release(d1.x(), d1.y());
        expected[5].look = Normal;
        verifyKeys(item, expected);

        const QPoint e1 = nativeKeyCentre(7);
        item.hoverTo(e1.x(), e1.y());
        expected[7].look = Hover;
        verifyKeys(item, expected);
        item.hoverTo(d1.x(), d1.y());
        expected[7].look = Normal;
        verifyKeys(item, expected);

        // Outside mode 0 the hover image shows even on a key still marked pressed.
        item.switchMode(Keyboard::KModeView);
        expected[5].look = Hover;
        verifyKeys(item, expected);
        item.switchMode(Keyboard::KModePlay);

        item.hoverTo(e1.x(), e1.y());
        item.highlightKeys({}, {7});  // an answer colour hides the hover image
        expected[5].look = Normal;
        expected[7].look = Red;
        verifyKeys(item, expected);

        item.Enable(false);
        item.cleanAllKeys();
        item.hoverTo(nativeKeyCentre(9));
        verifyKeys(item, allNormal());
        item.Enable(true);
        expected = allNormal();
        expected[9].look = Hover;
        verifyKeys(item, expected);

        item.leave();
        verifyKeys(item, allNormal());
    }

    void pressedAnsweredKeyShowsItsColour()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        // Wired like the session: the click is judged while the press is delivered.
        connect(&item, &Keyboard::keyPressed, &item,
                [&item](int key) { item.highlightKeys({key + 1}, {key}); });
        const QPoint c = nativeKeyCentre(30);
        item.hoverTo(c.x(), c.y());
        item.press(c.x(), c.y());
        Expected expected = allNormal();
        expected[30].look = Red;
        expected[31].look = Green;
        verifyKeys(item, expected);
    }

    void octaveFades()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        item.switchMode(Keyboard::KModeOctaveHover);
        verifyKeys(item, allNormal());  // nothing selected yet

        const QPoint c4 = nativeKeyCentre(39);
        item.hoverTo(c4.x(), c4.y());
        QCOMPARE(item.getSelectedOctave(), 4);
        Expected expected;
        for (int key = 0; key < 88; ++key)
            expected[size_t(key)] = Seen{Normal, key < 39 || key > 50};
        verifyKeys(item, expected);

        // Mode 0 draws no fades, whatever was selected before.
        item.switchMode(Keyboard::KModePlay);
        verifyKeys(item, allNormal());

        item.switchMode(Keyboard::KModeOctaveHover);
        item.hoverTo(c4.x(), c4.y());
        verifyKeys(item, expected);
        item.hoverTo(nativeKeyCentre(1));  // group 0 is never selected
        verifyKeys(item, allNormal());
        item.hoverTo(c4.x(), c4.y());
        item.leave();
        verifyKeys(item, allNormal());

        item.switchMode(Keyboard::KModeKeyHover);
        item.hoverTo(nativeKeyCentre(87));
        for (int key = 0; key < 88; ++key)
            expected[size_t(key)] = Seen{Normal, key != 87};
        verifyKeys(item, expected);
        item.hoverTo(nativeKeyCentre(1));
        for (int key = 0; key < 88; ++key)
            expected[size_t(key)] = Seen{Normal, key > 2};
        verifyKeys(item, expected);
    }

    void scaledItem()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(910, 360));
        QCOMPARE(item.getScale(), QPointF(0.5, 2.0));
        item.highlightKeys({48}, {3});
        Expected expected = allNormal();
        expected[48].look = Green;
        expected[3].look = Red;
        verifyKeys(item, expected);

        // The images are stretched: A4's front is half as wide and twice as high.
        const QImage render = item.render();
        auto isGreen = [&render](int x, int y) {
            const QColor c = render.pixelColor(x, y);
            return c.green() > c.red() + 100;
        };
        QVERIFY(!isGreen(488, 300));
        QVERIFY(isGreen(491, 300));
        QVERIFY(isGreen(506, 300));
        QVERIFY(!isGreen(509, 300));
        QVERIFY(isGreen(498, 230));  // native row 115, near the top of the front part
        QCOMPARE(render.pixelColor(498, 357), QColor(0, 4, 27));
    }

    void hoverWithoutApplicationCursorSlotIsQuiet()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        capturedWarnings.clear();
        previousHandler = qInstallMessageHandler(captureWarnings);
        item.hoverTo(100, 50);
        item.hoverTo(1000, 150);
        item.leave();
        qInstallMessageHandler(previousHandler);
        QCOMPARE(capturedWarnings, QStringList());
    }
};

QTEST_MAIN(KeyboardPaintTest)
#include "keyboard_paint_test.moc"
