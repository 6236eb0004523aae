// The real program in a real X session (Xvfb with openbox), used as a learner would: mouse
// clicks through xdotool where the window's layout puts its controls, the screen read back
// from screenshots, the progress read from the store the program writes.
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

namespace {

const int ScreenWidth = 1600, ScreenHeight = 1000, Margin = 30, LevelTop = 60 + 5 + 17 + 5; // header, label

QVariant Stored(const QString& key) { return QSettings("Quorvex", "Ovelune").value(key); }

} // namespace

class DesktopSessionTest : public QObject
{
    Q_OBJECT

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess xserver, openbox, program;
    QString window;
    qreal w = 0, h = 0;

    QString Run(const QString& tool, const QStringList& args)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(tool, args);
        p.waitForFinished(20000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }
    void Click(QPointF at)
    {
        Run("xdotool", {"mousemove", "--window", window, QString::number(qRound(at.x())), QString::number(qRound(at.y())),
                        "sleep", "0.2", "click", "1"});
    }
    // The window's content as the screen shows it, below the window manager's title bar.
    QImage Screenshot()
    {
        const QString file = QDir::temp().filePath("ovelune-desktop-test.png");
        Run("scrot", {"-o", file});
        return QImage(file).copy(0, int(ScreenHeight - h), int(w), int(h));
    }
    // Positions from the window's layout rules.
    qreal LevelHeight() const { return (w - 2 * Margin) * 102 / 2434; }
    qreal FooterTop() const { return h - h / 3.85; }
    QPointF LevelSegment(int level) const // twelve segments left of the emblem
    {
        return {Margin + (level - 0.5) * (w - 2 * Margin) * (1 - 263.0 / 2434) / 12, LevelTop + LevelHeight() * 0.2};
    }
    QPointF StartButton() const
    {
        const qreal levelBottom = LevelTop + LevelHeight() + 10 + 70;
        const qreal speakerTop = (h - 243 - (h - FooterTop()) + levelBottom) / 2;
        return {w / 2, (speakerTop + 243 + FooterTop() - 40) / 2 + 20};
    }
    QPointF WhiteKey(int note) const // the front of a white key: all are equally wide
    {
        static const int whiteOfPitch[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
        const int index = 2 + 7 * (note / 12 - 2) + whiteOfPitch[note % 12]; // A0 and B0 come first
        const qreal top = FooterTop() + 57;
        return {Margin + (index + 0.5) * (w - 2 * Margin) / 52, top + (h - top) * 0.85};
    }
    // Starts the program and waits for its window, maximised: nearly the whole screen.
    bool StartProgram()
    {
        program.setProcessEnvironment(env);
        program.start(OVELUNE_PROGRAM, QStringList());
        const bool shown = QTest::qWaitFor([&] {
            const QStringList ids = Run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(program.processId())})
                                        .split('\n', Qt::SkipEmptyParts);
            window = ids.isEmpty() ? QString() : ids.last();
            const auto size = QRegularExpression("Geometry: (\\d+)x(\\d+)").match(Run("xdotool", {"getwindowgeometry", window}));
            w = size.captured(1).toInt();
            h = size.captured(2).toInt();
            return w >= ScreenWidth - 10 && h >= ScreenHeight - 60;
        }, 60000);
        QTest::qWait(1500); // the first frames
        return shown;
    }
    // Clicks the asked key, or its neighbour; true once the store has the answer.
    bool Answer(bool right)
    {
        const int current = Stored("GlobalSetting/CurrentQuestion").toInt();
        const int asked = Stored(QString("StatsAndQuestions/questions/%1/question").arg(current + 1)).toInt();
        for (int attempt = 0; attempt < 10; ++attempt) { // a click while no question is asked only sounds
            Click(WhiteKey(right ? asked : asked + 2));
            if (QTest::qWaitFor([&] { return Stored("GlobalSetting/CurrentQuestion").toInt() != current; }, 3000))
                return true;
        }
        return false;
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool", "scrot"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(QString("%1 is not installed").arg(tool)));
        xserver.start("Xvfb", {"-displayfd", "1", "-screen", "0", QString("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight),
                               "-nolisten", "tcp"});
        // Xvfb writes the number and the line break apart, then closes its output: once it is
        // closed, waiting for more data fails at once, though the whole line may be read.
        QVERIFY2(QTest::qWaitFor([&] { return xserver.canReadLine() || (xserver.waitForReadyRead(100) && xserver.canReadLine()); },
                                 20000),
                 xserver.readAllStandardError().constData());
        env.insert("DISPLAY", ":" + QString::fromLatin1(xserver.readLine().trimmed()));
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("QT_QUICK_BACKEND");
        openbox.setProcessEnvironment(env);
        openbox.start("openbox", QStringList());
        QVERIFY(openbox.waitForStarted());
    }

    void aLevelOneSessionRaisesTheLevel()
    {
        QVERIFY(StartProgram());
        // The help covers the middle on a first run; its Close button stores not to show it again.
        QCOMPARE(Screenshot().pixelColor(int(w / 2), int(h / 2 + 200)), QColor("#424c53"));
        Click({(w - 930) / 2 + 885, (h - 570) / 2 + 545});
        QTRY_COMPARE_WITH_TIMEOUT(Stored("GlobalSetting/ShowHelpOnStartup").toBool(), false, 10000);

        Click(StartButton());
        QTRY_COMPARE_WITH_TIMEOUT(Stored("StatsAndQuestions/questions/size").toInt(), 7, 10000);
        for (int i = 0; i < 7; ++i) // 6 of 7 right passes level 1
            QVERIFY2(Answer(i != 2), qPrintable(QString("answer %1").arg(i + 1)));
        QTRY_COMPARE_WITH_TIMEOUT(Stored("GlobalSetting/MaturityLevel").toInt(), 2, 10000);
        QTest::qWait(800);
        const QImage shot = Screenshot();
        const QColor reached = shot.pixelColor(LevelSegment(2).toPoint()), ahead = shot.pixelColor(LevelSegment(3).toPoint());
        QVERIFY2(reached.blue() > reached.red() + 60, "the D segment of the level picture is lit");
        QVERIFY2(ahead.red() > 200 && ahead.green() > 200, "the E segment is not");

        Click({w - Margin - 18.5, 30}); // the close button
        QVERIFY(program.waitForFinished(15000));
        QCOMPARE(program.exitCode(), 0);
    }

    // The letter rows answer from the octave that the arrows, or Ctrl and a digit, choose; the
    // history says the answers were typed.
    void typedAnswers()
    {
        QVERIFY(StartProgram());
        Run("xdotool", {"key", "Return"}); // "Begin here": the stored level-2 session
        QTRY_COMPARE_WITH_TIMEOUT(Stored("StatsAndQuestions/questions/size").toInt(), 14, 10000);
        const char* lowerRow[12] = {"z", "s", "x", "d", "c", "v", "g", "b", "h", "n", "j", "m"};
        int octave = 4; // the rows start at C4
        for (int i = 0; i < 2; ++i) {
            const int current = Stored("GlobalSetting/CurrentQuestion").toInt();
            const int asked = Stored(QString("StatsAndQuestions/questions/%1/question").arg(current + 1)).toInt();
            if (i == 0) {
                for (; octave != asked / 12 - 1; octave += asked / 12 - 1 > octave ? 1 : -1)
                    Run("xdotool", {"key", asked / 12 - 1 > octave ? "Right" : "Left"});
            } else {
                Run("xdotool", {"key", QString("ctrl+%1").arg(asked / 12 - 1)});
            }
            bool answered = false;
            for (int attempt = 0; attempt < 10 && !answered; ++attempt) { // a key while no question is asked only sounds
                Run("xdotool", {"key", lowerRow[asked % 12]});
                answered = QTest::qWaitFor([&] { return Stored("GlobalSetting/CurrentQuestion").toInt() != current; }, 3000);
            }
            QVERIFY2(answered, qPrintable(QString("typed answer %1").arg(i + 1)));
        }
        const QString csv = QDir::temp().filePath("ovelune-desktop-test.csv");
        QProcess exporter;
        exporter.setProcessEnvironment(env);
        exporter.start(OVELUNE_PROGRAM, {"--export-history", csv});
        QVERIFY(exporter.waitForFinished(30000) && exporter.exitCode() == 0);
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().trimmed().split('\n');
        for (const QByteArray& row : rows.mid(rows.size() - 2)) // both right, both typed
            QVERIFY2(row.contains(",1,keyboard,"), row.constData());
        Click({w - Margin - 18.5, 30});
        QVERIFY(program.waitForFinished(15000));
    }

    void cleanupTestCase()
    {
        for (QProcess* p : {&program, &openbox, &xserver}) {
            p->terminate();
            p->waitForFinished(5000); // what is left is killed with its QProcess
        }
    }
};

QTEST_GUILESS_MAIN(DesktopSessionTest)
#include "desktop_session_test.moc"
