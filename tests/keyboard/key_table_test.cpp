// The key table, octave groups and hit testing, checked against the piano layout
// worked out here independently of the table-building code.
#include "keyboard/gkc_initializer.h"
#include "keyboard/key_state.h"
#include "keyboard/key_table.h"
#include "keyboard/octave.h"
#include "probe_keyboard.h"

#include <QSignalSpy>
#include <QtTest>

#include <array>
#include <memory>
#include <vector>

namespace {

struct ExpectedKey
{
    int imageIndex;
    bool white;
    QRectF upper;
    QRectF lower;  // null for black keys
    double imageX;
};

bool isWhitePitch(int pitchClass)
{
    return pitchClass == 0 || pitchClass == 2 || pitchClass == 4 || pitchClass == 5
        || pitchClass == 7 || pitchClass == 9 || pitchClass == 11;
}

QRectF span(double left, double right, double top, double bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// A piano from A0: white keys 35 wide side by side; inside every C..B group (245 wide,
// the first one starting at 70) the black keys and the white keys' upper strips sit at
// fixed places. A0, A#0, B0 and C8 are placed on their own.
std::vector<ExpectedKey> expectedKeys()
{
    // Upper x range within a group, by pitch class C..B.
    const std::array<std::pair<double, double>, 12> groupSpans = {{
        {0, 21}, {21, 40}, {40, 65}, {65, 84}, {84, 105}, {105, 126},
        {126, 145}, {145, 165}, {165, 185}, {185, 205}, {206, 225}, {224, 245},
    }};
    std::vector<ExpectedKey> keys;
    int whitesSoFar = 0;
    for (int index = 0; index < 88; ++index) {
        const int pitchClass = (index + 21) % 12;
        ExpectedKey key;
        key.white = isWhitePitch(pitchClass);
        key.imageIndex = pitchClass + 1;
        double left = 0;
        double right = 0;
        if (index == 0) {
            key.imageIndex = 0;
            left = 0;
            right = 30;
        } else if (index == 1) {
            left = 30;
            right = 49;
        } else if (index == 2) {
            left = 49;
            right = 70;
        } else if (index == 87) {
            key.imageIndex = 13;
            left = 1785;
            right = 1820;
        } else {
            const double groupX = 70 + 245 * ((index - 3) / 12);
            left = groupX + groupSpans[pitchClass].first;
            right = groupX + groupSpans[pitchClass].second;
        }
        key.upper = span(left, right, 0, 108);
        if (key.white) {
            key.imageX = 35.0 * whitesSoFar++;
            key.lower = span(key.imageX, key.imageX + 35, 108, 180);
        } else {
            key.imageX = left;
        }
        keys.push_back(key);
    }
    return keys;
}

bool containsInclusive(const QRectF& r, int x, int y)
{
    return !r.isNull() && x >= r.left() && x <= r.right() && y >= r.top() && y <= r.bottom();
}

int expectedKeyAt(const std::vector<ExpectedKey>& keys, int nx, int ny)
{
    for (int i = 0; i < int(keys.size()); ++i)
        if (containsInclusive(keys[i].upper, nx, ny)
            || (keys[i].white && containsInclusive(keys[i].lower, nx, ny)))
            return i;
    return -1;
}

// Where a user would aim at a key: the middle of its black body, and for white keys the
// middle of the front part and of the upper strip.
std::vector<QPointF> keyCentres(const ExpectedKey& key)
{
    if (!key.white)
        return {key.upper.center()};
    return {key.lower.center(), key.upper.center()};
}

}  // namespace

class KeyTableTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Several items share one table.
        for (int i = 0; i < 3; ++i)
            ProbeKeyboard item;
        QCOMPARE(KeysCache.size(), 88);
    }

    void tableMatchesLayout()
    {
        const std::vector<ExpectedKey> expected = expectedKeys();
        QCOMPARE(int(expected.size()), 88);
        int whiteCount = 0;
        for (int i = 0; i < 88; ++i) {
            const GKCKeyPositon& key = KeysCache.at(i);
            const ExpectedKey& want = expected[size_t(i)];
            const QByteArray where = "key " + QByteArray::number(i);
            QVERIFY2(key.isWhite == want.white, where);
            QVERIFY2(key.imageIndex == want.imageIndex, where);
            QVERIFY2(key.upperRect == want.upper, where);
            QVERIFY2(key.imagePos == QPointF(want.imageX, 0), where);
            if (want.white) {
                ++whiteCount;
                QVERIFY2(key.lowerRect == want.lower, where);
            } else {
                QVERIFY2(key.lowerRect == QRectF(), where);
            }
        }
        QCOMPARE(whiteCount, 52);
    }

    void tableIrregularities()
    {
        QCOMPARE(KeysCache.at(1).upperRect, QRectF(30, 0, 19, 108));  // A#0 at 30, not 31
        for (int group = 0; group < 7; ++group) {
            const GKCKeyPositon& gSharp = KeysCache.at(3 + 12 * group + 8);
            QCOMPARE(gSharp.upperRect.width(), 20.0);
            QCOMPARE(gSharp.imageIndex, 9);
            const GKCKeyPositon& aSharp = KeysCache.at(3 + 12 * group + 10);
            const GKCKeyPositon& b = KeysCache.at(3 + 12 * group + 11);
            QCOMPARE(aSharp.upperRect.right() - b.upperRect.left(), 1.0);
        }
        QCOMPARE(KeysCache.at(39).imagePos, QPointF(805, 0));  // C4, MIDI 60
        QCOMPARE(KeysCache.at(39).imageIndex, 1);
        QCOMPARE(KeysCache.at(48).imagePos, QPointF(980, 0));  // A4
        QCOMPARE(KeysCache.at(48).upperRect, span(990, 1010, 0, 108));
        QCOMPARE(KeysCache.at(49).upperRect, span(1011, 1030, 0, 108));
        QCOMPARE(KeysCache.at(87).upperRect, QRectF(1785, 0, 35, 108));
        QCOMPARE(KeysCache.at(87).lowerRect, QRectF(1785, 108, 35, 72));
    }

    void keyOffsTable()
    {
        const float expected[28] = {0, 30, 0, 21, 21, 20, 5, 25, 65, 0, 14, 21, 0, 21,
                                    126, 0, 5, 20, 165, 0, 10, 20, 206, 0, 14, 21, 0, 35};
        for (int i = 0; i < 28; ++i)
            QVERIFY2(KeyOffs[i] == expected[i], QByteArray::number(i));
    }

    void octaveGroups()
    {
        const std::pair<int, int> cases[] = {{-1, 0}, {0, 0}, {1, 0}, {2, 0}, {3, 1},
                                             {14, 1}, {15, 2}, {39, 4}, {86, 7}, {87, 8}};
        for (const auto& c : cases)
            QVERIFY2(Core::octave(c.first) == c.second, QByteArray::number(c.first));
        // Every key's group is the drawing region its image lies in.
        for (int i = 0; i < 88; ++i) {
            const double x = KeysCache.at(i).imagePos.x();
            const int region = x < 70 ? 0 : x >= 1785 ? 8 : 1 + int((x - 70) / 245);
            QVERIFY2(Core::octave(i) == region, QByteArray::number(i));
        }
    }

    void keyStateDefaultsAndEquality()
    {
        const KeyState fresh;
        QCOMPARE(fresh.changed, true);
        QCOMPARE(fresh.pressed, false);
        QCOMPARE(fresh.highlight, 0);
        QCOMPARE(fresh.extraValue, 3);
        QCOMPARE(fresh.extraFlag, true);

        KeyState other;
        other.changed = false;
        QVERIFY(fresh.Equal(other));
        other.highlight = 1;
        QVERIFY(!fresh.Equal(other));
        other = KeyState();
        other.pressed = true;
        QVERIFY(!fresh.Equal(other));
        other = KeyState();
        other.extraFlag = false;
        QVERIFY(!fresh.Equal(other));
        other = KeyState();
        other.extraValue = 4;
        QVERIFY(!fresh.Equal(other));
    }

    void hitTestExamples_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<int>("key");
        const QSizeF native(1820, 180);
        QTest::newRow("C#1 upper") << native << QPoint(100, 50) << 4;
        QTest::newRow("C1 lower") << native << QPoint(100, 150) << 3;
        QTest::newRow("D1 lower") << native << QPoint(120, 150) << 5;
        QTest::newRow("C8 right edge") << native << QPoint(1819, 10) << 87;
        QTest::newRow("C8 corner") << native << QPoint(1820, 180) << 87;
        QTest::newRow("A0 origin") << native << QPoint(0, 0) << 0;
        QTest::newRow("C1/C#1 edge to C1") << native << QPoint(91, 10) << 3;
        QTest::newRow("row 108 under C#1 to C1") << native << QPoint(95, 108) << 3;
        QTest::newRow("A#/B overlap to A#1") << native << QPoint(295, 50) << 13;
        QTest::newRow("B1 after overlap") << native << QPoint(296, 50) << 14;
        QTest::newRow("A#0") << native << QPoint(40, 50) << 1;
        QTest::newRow("B0 upper") << native << QPoint(60, 50) << 2;
        QTest::newRow("beyond right") << native << QPoint(1821, 50) << -1;
        QTest::newRow("below") << native << QPoint(900, 181) << -1;
        QTest::newRow("left of item") << native << QPoint(-2, 50) << -1;
        QTest::newRow("half size C#1") << QSizeF(910, 90) << QPoint(50, 25) << 4;
        QTest::newRow("half size C8") << QSizeF(910, 90) << QPoint(909, 89) << 87;
        QTest::newRow("double size C#1") << QSizeF(3640, 360) << QPoint(200, 100) << 4;
        QTest::newRow("double size C1") << QSizeF(3640, 360) << QPoint(200, 300) << 3;
        QTest::newRow("stretched A4 strip") << QSizeF(910, 360) << QPoint(500, 100) << 48;
        QTest::newRow("stretched A#4") << QSizeF(910, 360) << QPoint(510, 100) << 49;
    }

    void hitTestExamples()
    {
        QFETCH(QSizeF, size);
        QFETCH(QPoint, pos);
        QFETCH(int, key);
        ProbeKeyboard item;
        item.setSize(size);
        QCOMPARE(item.getScale(), QPointF(size.width() / 1820, size.height() / 180));
        QCOMPARE(item.getKeyByPos(pos.x(), pos.y()), key);
    }

    // Every native point of the keyboard at its native size.
    void hitTestWholeNativeSpace()
    {
        const std::vector<ExpectedKey> expected = expectedKeys();
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        for (int y = 0; y <= 180; ++y)
            for (int x = 0; x <= 1820; ++x)
                if (item.getKeyByPos(x, y) != expectedKeyAt(expected, x, y))
                    QFAIL(qPrintable(QString("(%1, %2): got %3, want %4")
                                         .arg(x).arg(y).arg(item.getKeyByPos(x, y))
                                         .arg(expectedKeyAt(expected, x, y))));
    }

    void keyCentresHitTheirKeys_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("native") << QSizeF(1820, 180);
        QTest::newRow("half") << QSizeF(910, 90);
        QTest::newRow("laptop") << QSizeF(1306, 121);
        QTest::newRow("stretched tall") << QSizeF(910, 360);
        QTest::newRow("double") << QSizeF(3640, 360);
        QTest::newRow("odd") << QSizeF(2561.5, 299.25);
    }

    void keyCentresHitTheirKeys()
    {
        QFETCH(QSizeF, size);
        const std::vector<ExpectedKey> expected = expectedKeys();
        ProbeKeyboard item;
        item.setSize(size);
        const double sx = size.width() / 1820;
        const double sy = size.height() / 180;
        for (int i = 0; i < 88; ++i) {
            for (const QPointF& centre : keyCentres(expected[size_t(i)])) {
                const int x = qRound(centre.x() * sx);
                const int y = qRound(centre.y() * sy);
                QVERIFY2(item.getKeyByPos(x, y) == i,
                         qPrintable(QString("key %1 at (%2, %3)").arg(i).arg(x).arg(y)));
            }
        }
    }

    void zeroSizeMapsNothing_data()
    {
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("never sized") << QSizeF(-1, -1);
        QTest::newRow("empty") << QSizeF(0, 0);
        QTest::newRow("no width") << QSizeF(0, 180);
        QTest::newRow("no height") << QSizeF(1820, 0);
    }

    void zeroSizeMapsNothing()
    {
        QFETCH(QSizeF, size);
        ProbeKeyboard item;
        if (size.width() >= 0)
            item.setSize(size);
        QSignalSpy pressed(&item, SIGNAL(keyPressed(int)));
        const QPoint points[] = {{0, 0}, {100, 50}, {1819, 179}, {-3, -3}, {100000, 100000}};
        for (const QPoint& p : points) {
            QCOMPARE(item.getKeyByPos(p.x(), p.y()), -1);
            QVERIFY(item.press(p.x(), p.y()));
            item.release(p.x(), p.y());
        }
        QCOMPARE(pressed.count(), 0);
        QCOMPARE(item.getPressedKey(), -1);
    }

    void tinyItemStaysSafe()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1e-30, 1e-30));
        QCOMPARE(item.getKeyByPos(1, 1), -1);
        QCOMPARE(item.getKeyByPos(0, 0), 0);  // the origin is still A0's corner
        item.setSize(QSizeF(1e30, 1e30));
        QCOMPARE(item.getKeyByPos(2147483647, 2147483647), 0);
        QCOMPARE(item.getKeyByPos(-2147483647 - 1, 5), 0);
    }
};

QTEST_MAIN(KeyTableTest)
#include "key_table_test.moc"
