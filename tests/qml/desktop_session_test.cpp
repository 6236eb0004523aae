// The real program in a real X session (Xvfb with openbox), used as a learner would:
// mouse clicks through xdotool, the screen read back from screenshots, the progress read
// from the store the program writes.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

namespace {

const int screenWidth = 1600;
const int screenHeight = 1000;

// Layout of the main window, as the window document places its items.
const int margin = 30;
const qreal levelSourceWidth = 2434, levelSourceHeight = 102, emblemSourceWidth = 263;

struct Store {
    int level = 0;
    int correct = 0;
    int incorrect = 0;
    bool showHelp = true;
    QVector<int> questions;
};

Store readStore()
{
    QSettings settings(QStringLiteral("Quorvex"), QStringLiteral("Ovelune"));
    Store s;
    s.level = settings.value(QStringLiteral("GlobalSetting/MaturityLevel"), 0).toInt();
    s.correct = settings.value(QStringLiteral("GlobalSetting/CorrectStats"), 0).toInt();
    s.incorrect = settings.value(QStringLiteral("GlobalSetting/InCorrectStats"), 0).toInt();
    s.showHelp = settings.value(QStringLiteral("GlobalSetting/ShowHelpOnStartup"), true).toBool();
    settings.beginGroup(QStringLiteral("StatsAndQuestions"));
    const int count = qMin(settings.beginReadArray(QStringLiteral("questions")), 1000);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        s.questions << settings.value(QStringLiteral("question")).toInt();
    }
    settings.endArray();
    return s;
}

bool colourNear(QRgb pixel, const QColor& expected, int tolerance = 12)
{
    return qAbs(qRed(pixel) - expected.red()) <= tolerance && qAbs(qGreen(pixel) - expected.green()) <= tolerance
           && qAbs(qBlue(pixel) - expected.blue()) <= tolerance;
}

class DesktopSession
{
public:
    ~DesktopSession()
    {
        stopProgram();
        for (QProcess* p : {&openbox, &xserver}) {
            if (p->state() != QProcess::NotRunning) {
                p->terminate();
                if (!p->waitForFinished(5000))
                    p->kill();
                p->waitForFinished(2000);
            }
        }
    }

    bool startDisplay()
    {
        xserver.setProcessChannelMode(QProcess::SeparateChannels);
        xserver.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                               QStringLiteral("0"),
                                               QStringLiteral("%1x%2x24").arg(screenWidth).arg(screenHeight),
                                               QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!xserver.waitForStarted(10000))
            return false;
        QElapsedTimer clock;
        clock.start();
        QByteArray out;
        while (!out.contains('\n') && clock.elapsed() < 20000) {
            xserver.waitForReadyRead(500);
            out += xserver.readAllStandardOutput();
        }
        if (!out.contains('\n'))
            return false;
        display = QStringLiteral(":") + QString::fromLatin1(out.trimmed());
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("QT_QUICK_BACKEND"));
        openbox.setProcessEnvironment(env);
        openbox.setStandardOutputFile(QProcess::nullDevice());
        openbox.setStandardErrorFile(QProcess::nullDevice());
        openbox.start(QStringLiteral("openbox"), QStringList());
        return openbox.waitForStarted(10000);
    }

    // Starts the program and waits for its maximised window.
    bool startProgram()
    {
        program = std::make_unique<QProcess>();
        program->setProcessEnvironment(env);
        program->setProcessChannelMode(QProcess::MergedChannels);
        program->start(QStringLiteral(OVELUNE_PROGRAM), QStringList());
        if (!program->waitForStarted(10000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            QTest::qWait(500);
            const QStringList ids = tool(QStringLiteral("xdotool"),
                                         {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                          QString::number(program->processId())})
                                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (ids.isEmpty())
                continue;
            window = ids.last();
            const QString geometry = tool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), window});
            const QRegularExpression size(QStringLiteral("Geometry: (\\d+)x(\\d+)"));
            const auto match = size.match(geometry);
            if (!match.hasMatch())
                continue;
            width = match.captured(1).toInt();
            height = match.captured(2).toInt();
            // Maximised: nearly the whole screen.
            if (width >= screenWidth - 10 && height >= screenHeight - 60) {
                QTest::qWait(1500); // let the first frame settle
                return true;
            }
        }
        return false;
    }

    void stopProgram()
    {
        if (program && program->state() != QProcess::NotRunning) {
            program->terminate();
            if (!program->waitForFinished(10000))
                program->kill();
            program->waitForFinished(2000);
        }
    }

    QString tool(const QString& name, const QStringList& args)
    {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(name, args);
        p.waitForFinished(20000);
        return QString::fromLocal8Bit(p.readAllStandardOutput());
    }

    // Clicks at a point of the window's content.
    void click(qreal x, qreal y)
    {
        tool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), window,
                                         QString::number(qRound(x)), QString::number(qRound(y))});
        QTest::qWait(150);
        tool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(150);
    }

    // The window's content as the screen shows it.
    QImage screenshot(const QString& keepAs = QString())
    {
        const QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                                 .filePath(QStringLiteral("ovelune-desktop-shot.png"));
        tool(QStringLiteral("scrot"), {QStringLiteral("-o"), file});
        QImage screen(file);
        QFile::remove(file);
        if (screen.isNull())
            return screen;
        // The window sits below the window manager's title bar, at the bottom of the screen.
        const QImage content = screen.copy(0, screen.height() - height, width, height);
        if (!keepAs.isEmpty())
            content.save(keepAs);
        return content;
    }

    // Positions derived from the window's layout rules.
    qreal levelPictureWidth() const { return width - 2 * margin; }
    qreal levelPictureTop() const { return 60 + 5 + 17 + 5; }
    qreal levelPictureHeight() const { return levelPictureWidth() * levelSourceHeight / levelSourceWidth; }
    QPointF levelSegmentCentre(int level) const
    {
        const qreal segment = (levelPictureWidth() - emblemSourceWidth * levelPictureWidth() / levelSourceWidth) / 12;
        return {margin + (level - 0.5) * segment, levelPictureTop() + levelPictureHeight() / 2};
    }
    qreal stripCentreY() const { return levelPictureTop() + levelPictureHeight() + 10 + 35; }
    qreal footerTop() const { return height - height / 3.85; }
    QPointF startButton() const
    {
        const qreal levelAreaBottom = stripCentreY() + 35;
        const qreal speakerTop = (height - 243 - (height - footerTop()) + 60 + (levelAreaBottom - 60)) / 2;
        return {width / 2.0, (speakerTop + 243 + footerTop() - 40) / 2 + 20};
    }
    QPointF helpCloseButton() const { return {(width - 930) / 2.0 + 885, (height - 570) / 2.0 + 545}; }
    QPointF closeButton() const { return {width - margin - 18.5, 30}; }
    // A white key's lower half: white keys are equally wide across the keyboard.
    QPointF whiteKey(int note) const
    {
        static const int whiteOfPitch[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6}; // C D E F G A B
        const int octave = note / 12 - 1;
        const int whiteIndex = 2 + 7 * (octave - 1) + whiteOfPitch[note % 12]; // A0, B0, then C1...
        const qreal keyboardTop = footerTop() + 57;
        const qreal keyWidth = (width - 2 * margin) / 52.0;
        return {margin + (whiteIndex + 0.5) * keyWidth, keyboardTop + (height - keyboardTop) * 0.85};
    }

    QString display;
    QProcessEnvironment env;
    QProcess xserver;
    QProcess openbox;
    std::unique_ptr<QProcess> program;
    QString window;
    int width = 0;
    int height = 0;
};

// Answers the question the session is asking by clicking its key; true once the store
// has recorded the answer. A click while no answer is awaited only sounds the key, so it
// is repeated until the answer lands.
bool answerCurrentQuestion(DesktopSession& session, bool right)
{
    const Store before = readStore();
    const int asked = before.correct + before.incorrect;
    if (asked >= before.questions.size())
        return false;
    int note = before.questions.at(asked);
    if (!right)
        note += note % 12 == 0 ? 2 : -2; // a neighbouring white key
    for (int attempt = 0; attempt < 10; ++attempt) {
        const QPointF key = session.whiteKey(note);
        session.click(key.x(), key.y());
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 3000) {
            const Store now = readStore();
            if (now.correct + now.incorrect != asked || now.level != before.level)
                return true;
            QTest::qWait(100);
        }
    }
    return false;
}

} // namespace

class DesktopSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (const char* tool : {"Xvfb", "openbox", "xdotool", "scrot"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(tool))));
        QVERIFY(session.startDisplay());
        shotDir = qEnvironmentVariable("OVELUNE_SCREENSHOT_DIR");
    }

    void aWholeLevelOneSessionRaisesTheLevel()
    {
        QVERIFY(session.startProgram());
        QImage shot = session.screenshot(keep("help-window.png"));
        QVERIFY(!shot.isNull());
        // The help overlay covers the middle of the window on a first run.
        QVERIFY(colourNear(shot.pixel(session.width / 2, session.height / 2 + 200), QColor(0x42, 0x4c, 0x53)));

        const QPointF close = session.helpCloseButton();
        session.click(close.x(), close.y());
        QTRY_VERIFY_WITH_TIMEOUT(!readStore().showHelp, 10000);

        const QPointF start = session.startButton();
        session.click(start.x(), start.y());
        QTRY_COMPARE_WITH_TIMEOUT(readStore().questions.size(), 7, 10000);
        QCOMPARE(readStore().level, 1);

        for (int i = 0; i < 7; ++i)
            QVERIFY2(answerCurrentQuestion(session, i != 2), qPrintable(QStringLiteral("answer %1").arg(i + 1)));
        // 6 of 7 right passes level 1.
        QTRY_COMPARE_WITH_TIMEOUT(readStore().level, 2, 10000);
        QTest::qWait(800);
        shot = session.screenshot();
        const QPointF second = session.levelSegmentCentre(2);
        const QPointF third = session.levelSegmentCentre(3);
        const QRgb reached = shot.pixel(qRound(second.x()), qRound(second.y() - session.levelPictureHeight() * 0.3));
        const QRgb ahead = shot.pixel(qRound(third.x()), qRound(third.y() - session.levelPictureHeight() * 0.3));
        QVERIFY2(qBlue(reached) > qRed(reached) + 60, "the D segment is lit on the level-2 picture");
        QVERIFY2(qRed(ahead) > 200 && qGreen(ahead) > 200, "the E segment is not lit");
    }

    void aSessionGoesOnAfterARestart()
    {
        // The level-2 session from before is running: answer three of its questions.
        for (int i = 0; i < 3; ++i)
            QVERIFY(answerCurrentQuestion(session, true));
        const Store before = readStore();
        QCOMPARE(before.level, 2);
        QCOMPARE(before.correct + before.incorrect, 3);
        QTest::qWait(1500);
        session.screenshot(keep("main-window.png"));

        const QPointF close = session.closeButton();
        session.click(close.x(), close.y());
        QTRY_VERIFY_WITH_TIMEOUT(session.program->state() == QProcess::NotRunning, 15000);

        QVERIFY(session.startProgram());
        QImage shot = session.screenshot();
        // No help this time, and the three earlier answers stand as neutral cells.
        const qreal cellWidth = (session.levelPictureWidth() - 8) / 14;
        const QRgb firstCell = shot.pixel(qRound(margin + 4 + cellWidth / 2), qRound(session.stripCentreY()));
        const QRgb freeCell = shot.pixel(qRound(margin + 4 + cellWidth * 5.5), qRound(session.stripCentreY()));
        QVERIFY2(colourNear(firstCell, QColor(0x89, 0xa1, 0xaf), 20), "an earlier answer is shown neutral");
        QVERIFY2(qRed(freeCell) > 230 && qGreen(freeCell) > 230, "an open question is shown empty");

        const QPointF start = session.startButton();
        session.click(start.x(), start.y());
        QVERIFY(answerCurrentQuestion(session, true));
        const Store after = readStore();
        QCOMPARE(after.level, 2);
        QCOMPARE(after.questions, before.questions);
        QCOMPARE(after.correct, before.correct + 1);
        QCOMPARE(after.incorrect, before.incorrect);
    }

private:
    QString keep(const char* name) const
    {
        return shotDir.isEmpty() ? QString() : QDir(shotDir).filePath(QLatin1String(name));
    }

    DesktopSession session;
    QString shotDir;
};

QTEST_MAIN(DesktopSessionTest)
#include "desktop_session_test.moc"
