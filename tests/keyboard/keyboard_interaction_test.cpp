// Mouse and hover handling, modes, repaint requests and the item's QML interface. The
// application object offers onChangeCursor like the real one, so cursor calls are seen.
#include "keyboard/key_table.h"
#include "probe_keyboard.h"

#include <QGuiApplication>
#include <QMetaProperty>
#include <QQmlEngine>
#include <QQuickView>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtTest>

class CursorRecordingApp : public QGuiApplication
{
    Q_OBJECT

public:
    CursorRecordingApp(int& argc, char** argv) : QGuiApplication(argc, argv) {}

    QList<int> cursors;

public slots:
    void onChangeCursor(QVariant cursor) { cursors << cursor.toInt(); }
};

namespace {

CursorRecordingApp* recordingApp()
{
    return static_cast<CursorRecordingApp*>(QCoreApplication::instance());
}

QList<int> takeCursors()
{
    QList<int> cursors = recordingApp()->cursors;
    recordingApp()->cursors.clear();
    return cursors;
}

QList<int> args(QSignalSpy& spy)
{
    QList<int> values;
    for (const QList<QVariant>& call : spy)
        values << call.at(0).toInt();
    spy.clear();
    return values;
}

constexpr int arrow = Qt::ArrowCursor;
constexpr int hand = Qt::PointingHandCursor;

}  // namespace

class KeyboardInteractionTest : public QObject
{
    Q_OBJECT

private:
    struct Spies
    {
        explicit Spies(Keyboard* item)
            : pressed(item, SIGNAL(keyPressed(int))),
              released(item, SIGNAL(keyReleased(int))),
              hover(item, SIGNAL(hover(int)))
        {
        }
        QSignalSpy pressed;
        QSignalSpy released;
        QSignalSpy hover;
    };

private slots:
    void initTestCase()
    {
        qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
    }

    void init()
    {
        takeCursors();
    }

    void pressAndReleaseOneKey()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);
        int pressedKeyDuringSignal = 0;
        connect(&item, &Keyboard::keyPressed, &item,
                [&] { pressedKeyDuringSignal = item.getPressedKey(); });

        QVERIFY(item.press(100, 50));
        QCOMPARE(args(spies.pressed), QList<int>{4});
        QCOMPARE(pressedKeyDuringSignal, -1);  // the answer is judged before it is held
        QCOMPARE(item.getPressedKey(), 4);
        QVERIFY(item.getKeyState(4).pressed);

        // Dragging across keys neither presses nor releases.
        QMouseEvent drag(QEvent::MouseMove, QPointF(300, 150), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        item.mouseMoveEvent(&drag);
        QCOMPARE(spies.pressed.count() + spies.released.count(), 0);

        QVERIFY(item.release(300, 150));
        QCOMPARE(args(spies.released), QList<int>{4});
        QCOMPARE(item.getPressedKey(), -1);
        QVERIFY(item.getKeyState(4).pressed);  // kept until the keys are cleaned

        QVERIFY(item.release(100, 50));  // a second release has nothing to release
        QCOMPARE(spies.released.count(), 0);

        item.cleanAllKeys();
        QVERIFY(!item.getKeyState(4).pressed);
        QCOMPARE(spies.pressed.count(), 0);
    }

    void pressesThatDoNothing()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);

        QVERIFY(item.press(100, 50, Qt::RightButton));
        item.release(100, 50, Qt::RightButton);

        item.Enable(false);
        QVERIFY(item.press(100, 50));
        item.release(100, 50);
        item.Enable(true);

        for (Keyboard::KMode mode : {Keyboard::KModeView, Keyboard::KModeKeyHover,
                                     Keyboard::KModeOctaveHover}) {
            item.switchMode(mode);
            QVERIFY(item.press(100, 50));
            item.release(100, 50);
        }
        QCOMPARE(spies.pressed.count(), 0);
        QCOMPARE(spies.released.count(), 0);
        for (int key = 0; key < 88; ++key)
            QVERIFY(!item.getKeyState(key).pressed);
    }

    void releaseOfAKeyHeldAcrossAModeChange()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);
        item.press(100, 150);
        item.switchMode(Keyboard::KModeView);
        item.release(100, 150);
        QCOMPARE(args(spies.released), QList<int>{3});

        item.switchMode(Keyboard::KModePlay);
        item.press(100, 150);
        item.switchMode(Keyboard::KModeOctaveHover);
        item.release(100, 150);  // the hover modes keep their hands off held keys
        QCOMPARE(spies.released.count(), 0);
        QCOMPARE(item.getPressedKey(), 3);
    }

    void hoverInPlayMode()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);

        QTest::ignoreMessage(QtWarningMsg, "hoverEnterEvent");
        QHoverEvent enter(QEvent::HoverEnter, QPointF(100, 50), QPointF());
        item.hoverEnterEvent(&enter);
        QCOMPARE(item.getHoverKey(), -1);

        item.hoverTo(100, 50);
        QCOMPARE(item.getHoverKey(), 4);
        item.press(100, 50);
        item.hoverTo(102, 60);  // still on the held key
        QCOMPARE(spies.released.count(), 0);
        QCOMPARE(item.getPressedKey(), 4);

        item.hoverTo(120, 150);  // onto D1: the held key is let go
        QCOMPARE(args(spies.released), QList<int>{4});
        QCOMPARE(item.getPressedKey(), -1);
        QCOMPARE(item.getHoverKey(), 5);

        item.leave();
        QCOMPARE(spies.released.count(), 0);
        QCOMPARE(item.getHoverKey(), -1);
        QCOMPARE(takeCursors(), (QList<int>{hand, hand, hand, arrow}));

        // Leaving the item while a key is held lets it go and restores the arrow.
        item.hoverTo(120, 150);
        item.press(120, 150);
        item.leave();
        QCOMPARE(args(spies.released), QList<int>{5});
        QCOMPARE(item.getPressedKey(), -1);
        QCOMPARE(takeCursors(), (QList<int>{hand, arrow}));
        QCOMPARE(spies.hover.count(), 0);
    }

    void hoverInOctaveMode()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);
        item.switchMode(Keyboard::KModeOctaveHover);

        item.hoverTo(nativeKeyCentre(20));  // group 2
        QCOMPARE(args(spies.hover), QList<int>{20});
        QCOMPARE(item.getSelectedOctave(), 2);
        item.hoverTo(nativeKeyCentre(22));  // same group
        QCOMPARE(spies.hover.count(), 0);

        // Groups 0 and 8 are never selected, so every move there drops the selection again.
        item.hoverTo(nativeKeyCentre(1));
        item.hoverTo(nativeKeyCentre(2));
        item.hoverTo(nativeKeyCentre(87));
        QCOMPARE(args(spies.hover), (QList<int>{-1, -1, -1}));
        QCOMPARE(item.getSelectedOctave(), -1);

        item.hoverTo(nativeKeyCentre(40));
        QCOMPARE(args(spies.hover), QList<int>{40});
        QCOMPARE(item.getSelectedOctave(), 4);
        item.leave();
        QCOMPARE(args(spies.hover), QList<int>{-1});
        QCOMPARE(item.getSelectedOctave(), -1);
        QCOMPARE(takeCursors(), (QList<int>{hand, hand, hand, hand, hand, hand, arrow}));
        QCOMPARE(spies.pressed.count() + spies.released.count(), 0);
    }

    void hoverInKeyMode()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);
        item.switchMode(Keyboard::KModeKeyHover);

        item.hoverTo(nativeKeyCentre(10));
        item.hoverTo(nativeKeyCentre(10).x() + 1, nativeKeyCentre(10).y());
        item.hoverTo(nativeKeyCentre(11));
        QCOMPARE(args(spies.hover), (QList<int>{10, 11}));
        QCOMPARE(item.getSelectedKey(), 11);
        QCOMPARE(item.getSelectedOctave(), 1);

        item.hoverTo(-50, 50);  // off the keys: group 0 is selected
        QCOMPARE(args(spies.hover), QList<int>{-1});
        QCOMPARE(item.getSelectedOctave(), 0);

        item.leave();
        QCOMPARE(args(spies.hover), QList<int>{-1});
        QCOMPARE(item.getSelectedKey(), -1);
        QCOMPARE(item.getSelectedOctave(), -1);
    }

    void hoverInViewModeOnlySetsTheCursor()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        Spies spies(&item);
        item.switchMode(Keyboard::KModeView);
        item.hoverTo(100, 50);
        QCOMPARE(item.getHoverKey(), -1);
        QCOMPARE(item.getSelectedOctave(), -1);
        item.leave();
        QCOMPARE(takeCursors(), (QList<int>{hand, arrow}));
        QCOMPARE(spies.hover.count() + spies.pressed.count() + spies.released.count(), 0);
    }

    void switchModeAndEnable()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        QCOMPARE(item.getMode(), Keyboard::KModePlay);
        QVERIFY(item.areKeysEnabled());

        item.setEnabled(false);
        item.switchMode(Keyboard::KModePlay);  // same mode: still enables the item
        QVERIFY(item.isEnabled());
        QCOMPARE(item.getMode(), Keyboard::KModePlay);

        item.switchMode(Keyboard::KModeKeyHover);
        item.hoverTo(nativeKeyCentre(40));
        QCOMPARE(item.getSelectedKey(), 40);
        item.switchMode(Keyboard::KModeOctaveHover);
        QCOMPARE(item.getSelectedOctave(), -1);
        QCOMPARE(item.getSelectedKey(), 40);
        item.hoverTo(nativeKeyCentre(20));
        item.switchMode(Keyboard::KModeKeyHover);
        QCOMPARE(item.getSelectedKey(), -1);
        QCOMPARE(item.getSelectedOctave(), 2);

        item.setEnabled(false);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("unknown mode 9"));
        item.switchMode(static_cast<Keyboard::KMode>(9));
        QCOMPARE(item.getMode(), Keyboard::KModeKeyHover);
        QVERIFY(item.isEnabled());

        item.Enable(false);
        QVERIFY(!item.areKeysEnabled());
        QVERIFY(item.isEnabled());  // Enable only concerns the keys
    }

    void keyStateOperations()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        item.render();

        item.setPressedKey(true, 7);
        QVERIFY(item.getKeyState(7).pressed && item.getKeyState(7).changed);
        item.highlightKeys({7}, {});
        item.render();

        // cleanAllKeys marks only keys that were pressed without a colour.
        item.highlightKeys({}, {9});
        item.setPressedKey(true, 8);
        item.render();
        item.setPressedKey(true, 10);
        item.cleanAllKeys();
        for (int key = 0; key < 88; ++key) {
            QVERIFY(!item.getKeyState(key).pressed);
            QCOMPARE(item.getKeyState(key).highlight, 0);
            QVERIFY2(item.getKeyState(key).changed == (key == 8 || key == 10),
                     QByteArray::number(key));
        }

        // The private slot takes a whole map of new states.
        KeysStateMap map;
        KeyState blue;
        blue.highlight = 2;
        blue.extraValue = 5;
        map[20] = blue;
        map[21] = KeyState();
        item.render();
        QVERIFY(QMetaObject::invokeMethod(&item, "updateKeysState", Q_ARG(KeysStateMap, map)));
        QCOMPARE(item.getKeyState(20).highlight, 2);
        QCOMPARE(item.getKeyState(20).extraValue, 5);
        QVERIFY(item.getKeyState(20).changed);
        QVERIFY(!item.getKeyState(21).changed);  // equal to what it had: left alone
    }

    void outOfRangeKeysAreRefused()
    {
        ProbeKeyboard item;
        item.setSize(QSizeF(1820, 180));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("highlightKeys: key index -1"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("highlightKeys: key index 88"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("highlightKeys: key index 1000"));
        item.highlightKeys({-1, 88, 5}, {1000});
        QCOMPARE(item.getKeyState(5).highlight, 1);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("setPressedKey: key index 88"));
        item.setPressedKey(true, 88);

        KeysStateMap map;
        map[200] = KeyState();
        map[-3] = KeyState();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("changeKeysState: key index -3"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("changeKeysState: key index 200"));
        item.changeKeysState(map);
        QCOMPARE(item.getKeyState(5).highlight, 0);  // not in the map: cleared
    }

    void repaintRequests()
    {
        QQuickWindow window;
        window.resize(910, 90);
        ProbeKeyboard item(window.contentItem());
        item.setSize(QSizeF(910, 90));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(item.paintCount > 0);

        // A request shows as a paint soon after; none as no paint for a while.
        int painted = item.paintCount;
        auto repainted = [&]() {
            QElapsedTimer waited;
            waited.start();
            while (item.paintCount == painted && waited.elapsed() < 5000)
                QTest::qWait(20);
            const bool more = item.paintCount > painted;
            if (more)
                QTest::qWait(50);  // let a second frame show up as well
            painted = item.paintCount;
            return more;
        };
        auto stayedStill = [&]() {
            QTest::qWait(200);
            const bool still = item.paintCount == painted;
            painted = item.paintCount;
            return still;
        };
        QTest::qWait(150);
        painted = item.paintCount;
        QVERIFY(stayedStill());

        item.setColor(Qt::green);
        QVERIFY(stayedStill());
        item.Enable(true);
        QVERIFY(stayedStill());
        item.switchMode(Keyboard::KModePlay);
        QVERIFY(stayedStill());
        item.updateKeysState();  // painting cleared every mark
        QVERIFY(stayedStill());
        item.cleanAllKeys();  // its caller repaints
        QVERIFY(stayedStill());

        item.release(10, 10);  // nothing held, nothing marked
        QVERIFY(stayedStill());

        item.Enable(false);
        QVERIFY(repainted());
        item.switchMode(Keyboard::KModeView);
        QVERIFY(repainted());
        item.highlightKeys({48}, {});
        QVERIFY(repainted());
        item.setPressedKey(true, 3);
        QVERIFY(repainted());
        KeysStateMap map;
        item.changeKeysState(map);  // clears key 3 and A4
        QVERIFY(repainted());
        item.changeKeysState(map);
        QVERIFY(stayedStill());
    }

    // Through a real window and the QML type, as the application uses the item.
    void insideAQmlView()
    {
        QQuickView view;
        view.setSource(QUrl("qrc:/keyboard_view.qml"));
        QCOMPARE(view.status(), QQuickView::Ready);
        auto* item = view.rootObject()->findChild<Keyboard*>("Keyboard");
        QVERIFY(item);
        QCOMPARE(item->color(), QColor("blue"));
        const QMetaProperty colorProperty =
            item->metaObject()->property(item->metaObject()->indexOfProperty("color"));
        QVERIFY(colorProperty.isWritable() && !colorProperty.hasNotifySignal());
        QVERIFY(qAbs(item->getScale().x() - 940.0 / 1820) < 1e-6);
        QVERIFY(qAbs(item->getScale().y() - 150.0 / 180) < 1e-6);

        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        Spies spies(item);
        auto windowPoint = [item](double nx, double ny) {
            return item->mapToScene(QPointF(nx * 940 / 1820, ny * 150 / 180)).toPoint();
        };

        // The first move only enters the item; the next ones move over it.
        QTest::ignoreMessage(QtWarningMsg, "hoverEnterEvent");
        QTest::mouseMove(&view, windowPoint(980 + 10, 150));
        QTest::mouseMove(&view, windowPoint(980 + 17, 150));  // A4
        QTRY_COMPARE(item->getHoverKey(), 48);
        QVERIFY(recordingApp()->cursors.contains(hand));

        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, windowPoint(980 + 17, 150));
        QCOMPARE(args(spies.pressed), QList<int>{48});
        QCOMPARE(args(spies.released), QList<int>{48});

        QTest::mouseClick(&view, Qt::RightButton, Qt::NoModifier, windowPoint(100, 50));
        QCOMPARE(spies.pressed.count() + spies.released.count(), 0);

        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, windowPoint(100, 50));
        QCOMPARE(args(spies.pressed), QList<int>{4});

        // Beside the keyboard, in the margin: the item is not hit.
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(10, 75));
        QCOMPARE(spies.pressed.count(), 0);
    }
};

int main(int argc, char** argv)
{
    CursorRecordingApp app(argc, argv);
    KeyboardInteractionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "keyboard_interaction_test.moc"
