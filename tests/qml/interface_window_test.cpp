// The whole main window, loaded from the compiled-in resources offscreen, talking to a
// real bridge over a real training model and store.
#include "app/app_settings.h"
#include "app/qml_messenger.h"
#include "keyboard/keyboard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QSettings>
#include <QStringList>
#include <QtTest>

#include <memory>

static void initInterfaceResources()
{
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(artwork);
}

namespace {

// The main window as the application builds it, with the bridge over `model`.
class Window
{
public:
    explicit Window(AppSettings& model)
    {
        messenger.SetAppSettings(&model);
        view.setResizeMode(QQuickView::SizeRootObjectToView);
        view.resize(1280, 800);
        view.rootContext()->setContextProperty(QStringLiteral("appmessenger"), &messenger);
        view.setSource(QUrl(QStringLiteral("qrc:/appwin.qml")));
        view.rootContext()->setContextProperty(QStringLiteral("midiListModel"),
                                               QStringList{QStringLiteral("No MIDI found")});
        messenger.SetRootObject(view.rootObject());
        view.show();
    }

    QQuickItem* root() const { return view.rootObject(); }

    // Searches the visual tree: items made by a Repeater are not QObject children.
    static QQuickItem* find(QQuickItem* from, const QString& name)
    {
        for (QQuickItem* child : from->childItems()) {
            if (child->objectName() == name)
                return child;
            if (QQuickItem* found = find(child, name))
                return found;
        }
        return nullptr;
    }

    QQuickItem* item(const char* name) const
    {
        QQuickItem* found = find(root(), QLatin1String(name));
        if (!found)
            qFatal("no item named %s", name);
        return found;
    }

    QVariant call(const char* function, const QVariant& a = QVariant(), const QVariant& b = QVariant())
    {
        QVariant result;
        if (!b.isValid())
            QMetaObject::invokeMethod(root(), function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a));
        else
            QMetaObject::invokeMethod(root(), function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, a),
                                      Q_ARG(QVariant, b));
        return result;
    }

    void click(QQuickItem* target, QPointF at = QPointF(-1, -1))
    {
        QVERIFY(target);
        if (at.x() < 0)
            at = QPointF(target->width() / 2, target->height() / 2);
        const QPoint scene = target->mapToScene(at).toPoint();
        QTest::mouseMove(&view, scene);
        QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, scene);
    }

    QString text(const char* name) const { return item(name)->property("text").toString(); }

    // Colours of the strip's cells, left to right.
    QStringList cellColors() const
    {
        QStringList colors;
        for (QQuickItem* cell : item("cellRow")->childItems())
            if (!cell->inherits("QQuickRepeater"))
                colors << cell->property("color").value<QColor>().name();
        return colors;
    }

    QString background() const { return root()->property("color").value<QColor>().name(); }

    QMLMessenger messenger;
    QQuickView view;
};

QVariant stored(const char* key)
{
    QSettings settings(QStringLiteral("Quorvex"), QStringLiteral("Ovelune"));
    settings.beginGroup(QStringLiteral("GlobalSetting"));
    return settings.value(QLatin1String(key));
}

QStringList repeated(int count, const QString& text)
{
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << text;
    return list;
}

const QString transparent = QColor(Qt::transparent).name();
const QString green = QColor("green").name();
const QString red = QColor("red").name();
const QString earlier = QStringLiteral("#89a1af");

} // namespace

class InterfaceWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initInterfaceResources();
        qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
        qmlRegisterType<QMLMessenger>("QMLMessenger", 1, 0, "QMLMessenger");
    }

    void init()
    {
        QSettings settings(QStringLiteral("Quorvex"), QStringLiteral("Ovelune"));
        settings.clear();
        settings.sync();
    }

    void firstRunShowsLevelOneAndTheHelp()
    {
        AppSettings model;
        Window w(model);
        QVERIFY(w.root());
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 1);
        QCOMPARE(w.item("levelPicture")->property("source").toUrl().toString(), QStringLiteral("qrc:/res/level1.png"));
        QCOMPARE(w.cellColors(), repeated(7, transparent));
        QCOMPARE(w.text("scoreText"), QStringLiteral("0/7"));
        QCOMPARE(w.text("percentText"), QStringLiteral("0%"));
        QCOMPARE(w.text("replaySound"), QStringLiteral("Begin here"));
        QCOMPARE(w.background(), QStringLiteral("#89a1af"));
        QVERIFY(w.item("helpWindow")->isVisible());
        // The overlay hides the level area and the footer and disables the button.
        QVERIFY(!w.item("levelPicture")->isVisible());
        QVERIFY(!w.item("Keyboard")->isVisible());
        QVERIFY(!w.item("replaySound")->isEnabled());
        // The root fills the view.
        QCOMPARE(w.root()->width(), 1280.0);
        w.view.resize(900, 700);
        QTRY_COMPARE(w.root()->width(), 900.0);
        QCOMPARE(w.item("mdev")->property("currentText").toString(), QStringLiteral("No MIDI found"));
    }

    void closingTheHelpStoresTheBox_data()
    {
        QTest::addColumn<bool>("untick");
        QTest::addColumn<QByteArray>("closer");
        QTest::newRow("ticked, close button") << false << QByteArray("helpCloseTextButton");
        QTest::newRow("unticked, close button") << true << QByteArray("helpCloseTextButton");
        QTest::newRow("ticked, top corner") << false << QByteArray("helpCloseButton");
        QTest::newRow("unticked, top corner") << true << QByteArray("helpCloseButton");
    }

    void closingTheHelpStoresTheBox()
    {
        QFETCH(bool, untick);
        QFETCH(QByteArray, closer);
        {
            AppSettings model;
            Window w(model);
            QQuickItem* help = w.item("helpWindow");
            QVERIFY(help->isVisible());
            QVERIFY(w.item("doNotShow")->property("checked").toBool());
            if (untick) {
                w.click(w.item("doNotShow"));
                QVERIFY(!w.item("doNotShow")->property("checked").toBool());
            }
            w.click(w.item(closer.constData()));
            QTRY_VERIFY(!help->isVisible());
            QCOMPARE(stored("ShowHelpOnStartup").toBool(), untick);
            QVERIFY(w.item("levelPicture")->isVisible());
            QVERIFY(w.item("Keyboard")->isVisible());
            QVERIFY(w.item("replaySound")->isEnabled());
        }
        // The next start follows the stored choice.
        AppSettings model;
        Window w(model);
        QCOMPARE(w.item("helpWindow")->isVisible(), untick);
    }

    void helpPagesTurnAndReopenWhereLeft()
    {
        AppSettings model;
        Window w(model);
        QQuickItem* help = w.item("helpWindow");
        QCOMPARE(w.text("helpHeading"), QStringLiteral("Ovelune"));
        w.click(w.item("helpLeftArrow"));
        QCOMPARE(help->property("currentScreen").toInt(), 3);
        QCOMPARE(w.text("helpHeading"), QStringLiteral("Midi and graphical keyboard"));
        w.click(w.item("helpRightArrow"));
        QCOMPARE(help->property("currentScreen").toInt(), 0);
        w.click(w.item("helpRightArrow"));
        w.click(w.item("helpRightArrow"));
        QCOMPARE(w.text("helpHeading"), QStringLiteral("Color hint"));
        QVERIFY(!w.text("helpText").isEmpty());
        w.click(w.item("helpCloseTextButton"));
        QTRY_VERIFY(!help->isVisible());
        w.click(w.item("helpButton"));
        QTRY_VERIFY(help->isVisible());
        QCOMPARE(help->property("currentScreen").toInt(), 2);
    }

    void colourHintSwitchStoresAndRecolours()
    {
        AppSettings model;
        model.showHelpOnStartup = false;
        model.SaveState();
        Window w(model);
        QQuickItem* colorSwitch = w.item("colorswitch");
        QCOMPARE(colorSwitch->property("value").toInt(), 1);
        // Before the first session a toggle leaves the background alone.
        w.click(colorSwitch);
        QCOMPARE(colorSwitch->property("value").toInt(), 0);
        QCOMPARE(stored("ShowColorMap").toBool(), false);
        QCOMPARE(w.background(), QStringLiteral("#89a1af"));
        w.click(colorSwitch);
        QCOMPARE(stored("ShowColorMap").toBool(), true);

        w.call("onCurrentNote", 7u);
        QCOMPARE(w.background(), QStringLiteral("#00a2ff"));
        QCOMPARE(w.text("replaySound"), QStringLiteral("Replay note"));
        w.click(colorSwitch);
        QCOMPARE(w.background(), QStringLiteral("#89a1af"));
        QCOMPARE(stored("ShowColorMap").toBool(), false);
        w.call("onCurrentNote", 2u);
        QCOMPARE(w.background(), QStringLiteral("#89a1af"));

        // A window started with the hint off shows the switch off.
        AppSettings again;
        Window w2(again);
        QCOMPARE(w2.item("colorswitch")->property("value").toInt(), 0);
    }

    void answersFillTheStrip()
    {
        AppSettings model;
        Window w(model);
        w.call("onCurrentNote", 0u);
        QCOMPARE(w.text("scoreText"), QStringLiteral("1/7"));
        QCOMPARE(w.root()->property("currentNote").toInt(), 0);
        QVERIFY(w.item("speaker")->property("waitinguserinput").toBool());
        w.call("onAnswerRecieved", true, 0u);
        w.call("onCurrentNote", 3u);
        QCOMPARE(w.text("scoreText"), QStringLiteral("2/7"));
        w.call("onAnswerRecieved", false, 1u);
        w.call("onCurrentNote", 0u);
        w.call("onAnswerRecieved", true, 2u);
        QCOMPARE(w.root()->property("sessionCorrecAnswers").toInt(), 2);
        QCOMPARE(w.root()->property("sessionIncorrectAnswers").toInt(), 1);
        QCOMPARE(w.text("scoreText"), QStringLiteral("3/7"));
        QCOMPARE(w.text("percentText"), QStringLiteral("67%"));
        QCOMPARE(w.cellColors(), (QStringList{green, red, green, transparent, transparent, transparent, transparent}));

        // The markers stand on the right end of the third cell.
        QQuickItem* strip = w.item("strip");
        QQuickItem* marker = w.item("percentMarker");
        const qreal cellWidth = strip->property("cellWidth").toReal();
        QCOMPARE(cellWidth, (strip->width() - 8) / 7);
        QCOMPARE(marker->x() + marker->width() / 2, 4 + 3 * cellWidth);
        QCOMPARE(w.item("scoreMarker")->x(), marker->x());
    }

    void aNewLevelResetsTheWindow()
    {
        AppSettings model;
        Window w(model);
        w.call("onCurrentNote", 0u);
        w.call("onAnswerRecieved", true, 0u);
        w.call("onMaturityLevelChanged", 5u);
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 5);
        QCOMPARE(w.item("levelPicture")->property("source").toUrl().toString(), QStringLiteral("qrc:/res/level5.png"));
        QCOMPARE(w.cellColors(), repeated(35, transparent));
        QCOMPARE(w.text("scoreText"), QStringLiteral("0/35"));
        QCOMPARE(w.text("percentText"), QStringLiteral("0%"));
        QCOMPARE(w.root()->property("sessionCorrecAnswers").toInt(), 0);
        // A level outside 1..12 is shown as level 1, as the model treats it.
        w.call("onMaturityLevelChanged", 13u);
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 1);
    }

    void clicksOnTheLevelPicture()
    {
        AppSettings model;
        model.showHelpOnStartup = false;
        model.SaveState();
        Window w(model);
        QQuickItem* picture = w.item("levelPicture");
        const qreal width = picture->width();
        const qreal segment = (width - 263.0 * width / 2434) / 12;
        w.click(picture, QPointF(segment * 3.5, picture->height() / 2));
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 4);
        QCOMPARE(w.cellColors().size(), 28);
        QCOMPARE(w.text("scoreText"), QStringLiteral("0/28"));
        // The emblem picks nothing.
        w.click(picture, QPointF(width - 20, picture->height() / 2));
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 4);
        w.click(picture, QPointF(segment * 11.5, picture->height() / 2));
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 12);
    }

    void theLevelTooltipShowsOverTheNotesOnly()
    {
        AppSettings model;
        model.showHelpOnStartup = false;
        model.SaveState();
        Window w(model);
        QQuickItem* picture = w.item("levelPicture");
        QQuickItem* tooltip = w.item("levelTooltip");
        const auto moveTo = [&](qreal x) {
            QTest::mouseMove(&w.view, picture->mapToScene(QPointF(x, picture->height() / 2)).toPoint());
        };
        QVERIFY(!tooltip->isVisible());
        moveTo(100);
        QTRY_VERIFY(tooltip->isVisible());
        QCOMPARE(tooltip->property("color").value<QColor>().name(), QStringLiteral("#f5f4b4"));
        const QPointF placed = tooltip->position();
        moveTo(300);
        QCOMPARE(tooltip->position(), placed); // placed on entry, it does not follow
        moveTo(picture->width() - 10);         // the emblem
        QTRY_VERIFY(!tooltip->isVisible());
        QTest::mouseMove(&w.view, QPoint(5, 5)); // the header
        QVERIFY(!tooltip->isVisible());
    }

    void storedProgressIsShownAndKept()
    {
        {
            AppSettings model;
            model.SetMaturity(3);
            unsigned int asked = 0;
            QVERIFY(model.ProcessAnswer(model.questions.at(0), asked));
            QVERIFY(!model.ProcessAnswer(model.questions.at(1) + 1, asked));
            model.SaveState();
        }
        AppSettings model;
        QCOMPARE(model.maturityLevel, 3u);
        Window w(model);
        QCOMPARE(w.root()->property("difficultyLevel").toInt(), 3);
        QCOMPARE(w.item("levelPicture")->property("source").toUrl().toString(), QStringLiteral("qrc:/res/level3.png"));
        QStringList expected = repeated(21, transparent);
        expected[0] = earlier;
        expected[1] = earlier;
        QCOMPARE(w.cellColors(), expected);
        QCOMPARE(w.text("scoreText"), QStringLiteral("2/21"));
        QCOMPARE(w.text("percentText"), QStringLiteral("50%"));
        // The session goes on from there.
        w.call("onCurrentNote", 1u);
        QCOMPARE(w.text("scoreText"), QStringLiteral("3/21"));
        w.call("onAnswerRecieved", true, 2u);
        expected[2] = green;
        QCOMPARE(w.cellColors(), expected);
        QCOMPARE(w.text("percentText"), QStringLiteral("67%"));
    }

    void theStripHoldsAfterPerfectPitch()
    {
        AppSettings model;
        Window w(model);
        w.call("onMaturityLevelChanged", 12u);
        for (unsigned int i = 0; i < 84; ++i) {
            w.call("onCurrentNote", i % 12);
            w.call("onAnswerRecieved", true, i);
        }
        QCOMPARE(w.text("scoreText"), QStringLiteral("84/84"));
        w.call("onPerfectPitchAcquired", 12u);
        // The finished session stays on screen ...
        QCOMPARE(w.cellColors(), repeated(84, green));
        QCOMPARE(w.text("percentText"), QStringLiteral("100%"));
        // ... until the learner goes on, which begins a new round of the same size.
        w.call("onCurrentNote", 4u);
        QCOMPARE(w.text("scoreText"), QStringLiteral("1/84"));
        w.call("onAnswerRecieved", false, 0u);
        QStringList expected = repeated(84, transparent);
        expected[0] = red;
        QCOMPARE(w.cellColors(), expected);
        QCOMPARE(w.text("percentText"), QStringLiteral("0%"));
        // Answers beyond the last cell start a new row instead of being lost.
        for (unsigned int i = 1; i < 85; ++i)
            w.call("onAnswerRecieved", true, i);
        expected = repeated(84, transparent);
        expected[0] = green;
        QCOMPARE(w.cellColors(), expected);
        QCOMPARE(w.text("scoreText"), QStringLiteral("1/84"));
    }

    void theSpeakerAnimationHoldsTheButton()
    {
        AppSettings model;
        model.showHelpOnStartup = false;
        model.SaveState();
        Window w(model);
        QQuickItem* button = w.item("replaySound");
        QQuickItem* speaker = w.item("speaker");
        QVERIFY(button->isEnabled());
        w.call("onCurrentNote", 0u);
        QVERIFY(!button->isEnabled());
        QVERIFY(speaker->property("source").toUrl().toString().endsWith(QLatin1String("/speaker.png")));
        QElapsedTimer clock;
        clock.start();
        // The first ring grows at once, the third only after 1.5 s.
        QTRY_VERIFY_WITH_TIMEOUT(w.item("wave0")->width() > 100, 1400);
        QCOMPARE(w.item("wave2")->width(), 0.0);
        QTest::qWait(2000 - int(clock.elapsed()));
        // A second note during the animation does not restart it: the button comes back
        // 3 s after the first note, not 3 s after the second.
        w.call("onCurrentNote", 1u);
        QVERIFY(!button->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 10000);
        QVERIFY2(clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(speaker->property("source").toUrl().toString().endsWith(QLatin1String("/waitingspeaker.png")));
        for (const char* wave : {"wave0", "wave1", "wave2"}) {
            QCOMPARE(w.item(wave)->width(), 0.0);
            QCOMPARE(w.item(wave)->property("border").value<QObject*>()->property("width").toReal(), 40.0);
            QCOMPARE(w.item(wave)->opacity(), 0.17);
        }
    }
};

QTEST_MAIN(InterfaceWindowTest)
#include "interface_window_test.moc"
