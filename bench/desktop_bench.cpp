// The real program on a desktop: Xvfb with openbox (so that maximising works); the sound
// server is whichever the environment names (tools/bench.sh runs PulseAudio on a null sink).
//  - Start-up: from exec to the first frame of the main window (OVELUNE_BENCH_REPORT), with
//    a fresh store each time and a warm file cache, beside a bare QQuickView (the floor) and,
//    when installed, KDE Minuet (first "Frame rendered" line of QSG_RENDER_TIMING).
//  - Idle cost: CPU time of the whole program over a while with the window open, no session.
//  - A whole level-12 session answered by clicking keys: CPU time during it, and the
//    resident set at its end, against the bare view's.
//  - With --before-program and --before-bare (another build of the program and its bare
//    view, e.g. an older Qt's): that program's start-up, floor and idle cost as well, each
//    round starting the two builds alternately, the same figures with ids "before-...".
//
//   desktop_bench --program PATH --bare PATH [--minuet PATH] [--startup-runs N]
//                 [--idle-seconds S] [--no-session]
//                 [--before-program PATH --before-bare PATH]
#include "figure_report.h"
#include "samples.h"

#include "app/first_frame_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <unistd.h>
#include <memory>

namespace {

const int ScreenWidth = 1920;
const int ScreenHeight = 1080;
const int LevelTwelveQuestions = 84;

void Fail(const QString& message)
{
    std::fprintf(stderr, "desktop_bench: %s\n", qPrintable(message));
    std::exit(1);
}

void Stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(2000);
}

double ResidentMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    const QRegularExpression rss(QStringLiteral("^VmRSS:\\s+(\\d+) kB"), QRegularExpression::MultilineOption);
    const auto match = rss.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toDouble() / 1024.0 : 0.0;
}

// CPU time of the whole process in seconds, every thread included, also those that have
// ended (the audio output's thread comes and goes).
double CpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0.0;
    // After the command name in parentheses: state is field 3, utime and stime 14 and 15.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return 0.0;
    return (fields.at(11).toDouble() + fields.at(12).toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The desktop the programs run on, and the programs.
class Desktop
{
public:
    ~Desktop()
    {
        for (QProcess* process : {&windowManager, &display})
            Stop(*process);
    }

    void Start()
    {
        display.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                              QStringLiteral("0"),
                                              QStringLiteral("%1x%2x24").arg(ScreenWidth).arg(ScreenHeight),
                                              QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (!display.waitForStarted(10000))
            Fail(QStringLiteral("Xvfb did not start"));
        QByteArray number;
        QElapsedTimer clock;
        clock.start();
        while (!number.contains('\n') && clock.elapsed() < 20000) {
            display.waitForReadyRead(500);
            number += display.readAllStandardOutput();
        }
        if (!number.contains('\n'))
            Fail(QStringLiteral("Xvfb gave no display number"));

        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":") + QString::fromLatin1(number.trimmed()));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("QT_QUICK_BACKEND"));
        env.remove(QStringLiteral("OVELUNE_AUDIO_DRIVER")); // the program picks the default output
        env.insert(QStringLiteral("OVELUNE_BENCH_REPORT"), QStringLiteral("1"));
        // The compiled-QML cache stays from run to run, as on a desktop; the store does not.
        env.insert(QStringLiteral("XDG_CACHE_HOME"), scratch.filePath(QStringLiteral("cache")));

        windowManager.setProcessEnvironment(env);
        windowManager.setStandardOutputFile(QProcess::nullDevice());
        windowManager.setStandardErrorFile(QProcess::nullDevice());
        windowManager.start(QStringLiteral("openbox"), QStringList());
        if (!windowManager.waitForStarted(10000))
            Fail(QStringLiteral("openbox did not start"));

        QThread::msleep(1500); // the window manager settles
    }

    // A fresh store for the next program.
    QString FreshConfig()
    {
        const QString dir = scratch.filePath(QStringLiteral("config-%1").arg(++configs));
        QDir().mkpath(dir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir);
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir + QStringLiteral("/data")); // the practice history
        return dir;
    }

    QProcessEnvironment env;

private:
    QTemporaryDir scratch;
    int configs = 0;
    QProcess display;
    QProcess windowManager;
};

// One start of a program, timed from just before exec.
class Launch
{
public:
    // `marker`: a line of standard error that counts as the first frame, for programs
    // that do not report it themselves.
    Launch(const QProcessEnvironment& env, const QString& program, const QString& marker = QString())
        : marker(marker)
    {
        process.setProcessEnvironment(env);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setReadChannel(QProcess::StandardError);
        startNs = MonotonicNanoseconds();
        process.start(program, QStringList());
        if (!process.waitForStarted(10000))
            Fail(QStringLiteral("%1 did not start").arg(program));
    }
    ~Launch() { Stop(process); }

    // Reads standard error until the first frame (and, when `withSynth`, the synthesizer's
    // report) arrived; false after `timeoutMs`.
    bool WaitStarted(bool withSynth, int timeoutMs = 30000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs && (firstFrameMs < 0 || (withSynth && synthReadyMs < 0))) {
            if (!process.canReadLine() && !process.waitForReadyRead(50)) {
                if (process.state() == QProcess::NotRunning)
                    return false;
                continue;
            }
            while (process.canReadLine()) {
                const qint64 arrivedNs = MonotonicNanoseconds();
                const QString line = QString::fromLocal8Bit(process.readLine()).trimmed();
                const QStringList words = line.split(QLatin1Char(' '));
                if (line.startsWith(QLatin1String("ovelune-bench first-frame-ns")) && words.size() >= 3)
                    firstFrameMs = (words[2].toLongLong() - startNs) / 1e6;
                else if (line.startsWith(QLatin1String("ovelune-bench synth-ready-ns")) && words.size() >= 7) {
                    synthReadyMs = (words[2].toLongLong() - startNs) / 1e6;
                    audible = words[4] == QLatin1String("1");
                    driver = words[6];
                } else if (!marker.isEmpty() && firstFrameMs < 0 && line.contains(marker))
                    firstFrameMs = (arrivedNs - startNs) / 1e6;
            }
        }
        return firstFrameMs >= 0 && (!withSynth || synthReadyMs >= 0);
    }

    qint64 Pid() const { return process.processId(); }

    QProcess process;
    QString marker;
    qint64 startNs = 0;
    double firstFrameMs = -1.0;
    double synthReadyMs = -1.0;
    bool audible = false;
    QString driver;
};

QString Tool(const QProcessEnvironment& env, const QString& name, const QStringList& args)
{
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(name, args);
    tool.waitForFinished(20000);
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// The program's main window once maximised, and where its controls are.
struct Window
{
    QString id;
    int width = 0;
    int height = 0;

    // "Begin here", below the speaker in the centre band (the window document's layout).
    QPointF BeginButton() const
    {
        const qreal levelPictureWidth = width - 60.0;
        const qreal levelPictureBottom = 87.0 + levelPictureWidth * 102.0 / 2434.0;
        const qreal levelAreaBottom = levelPictureBottom + 45.0 + 35.0;
        const qreal footerTop = height - height / 3.85;
        const qreal speakerTop = (height - 243.0 - (height - footerTop) + 60.0 + (levelAreaBottom - 60.0)) / 2.0;
        return {width / 2.0, (speakerTop + 243.0 + footerTop - 40.0) / 2.0 + 20.0};
    }

    // The lower half of a white key (white keys share the keyboard's width equally).
    QPointF WhiteKey(int note) const
    {
        static const int whiteOfPitch[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
        const int whiteIndex = 2 + 7 * (note / 12 - 2) + whiteOfPitch[note % 12];
        const qreal keyboardTop = height - height / 3.85 + 57.0;
        const qreal keyWidth = (width - 60.0) / 52.0;
        return {30.0 + (whiteIndex + 0.5) * keyWidth, keyboardTop + (height - keyboardTop) * 0.85};
    }
};

bool FindMaximisedWindow(const QProcessEnvironment& env, qint64 pid, Window& window)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        const QStringList ids = Tool(env, QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                      QString::number(pid)})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (!ids.isEmpty()) {
            window.id = ids.last();
            const auto size = QRegularExpression(QStringLiteral("Geometry: (\\d+)x(\\d+)"))
                                  .match(Tool(env, QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), window.id}));
            if (size.hasMatch()) {
                window.width = size.captured(1).toInt();
                window.height = size.captured(2).toInt();
                if (window.width >= ScreenWidth - 10 && window.height >= ScreenHeight - 80)
                    return true;
            }
        }
        QThread::msleep(200);
    }
    return false;
}

void Click(const QProcessEnvironment& env, const Window& window, QPointF at)
{
    Tool(env, QStringLiteral("xdotool"),
         {QStringLiteral("mousemove"), QStringLiteral("--window"), window.id, QString::number(qRound(at.x())),
          QString::number(qRound(at.y())), QStringLiteral("click"), QStringLiteral("1")});
}

struct Store
{
    int level = 0;
    int answered = 0;
    QVector<int> questions;
};

Store ReadStore(const QString& configDir)
{
    QSettings settings(configDir + QStringLiteral("/Quorvex/Ovelune.conf"), QSettings::IniFormat);
    Store store;
    store.level = settings.value(QStringLiteral("GlobalSetting/MaturityLevel")).toInt();
    store.answered = settings.value(QStringLiteral("GlobalSetting/CorrectStats")).toInt()
                     + settings.value(QStringLiteral("GlobalSetting/InCorrectStats")).toInt();
    settings.beginGroup(QStringLiteral("StatsAndQuestions"));
    const int count = qMin(settings.beginReadArray(QStringLiteral("questions")), 1000);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        store.questions << settings.value(QStringLiteral("question")).toInt();
    }
    settings.endArray();
    return store;
}

bool IsWhite(int note)
{
    const int pitch = note % 12;
    return pitch != 1 && pitch != 3 && pitch != 6 && pitch != 8 && pitch != 10;
}

QString Option(const QStringList& args, const QString& name, const QString& fallback = QString())
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

// One build: the program and its bare view. Its figures' ids and labels carry `id` and
// `label` in front ("" for ours, "before-" and "Before: " for the other build).
struct Build
{
    QString program;
    QString bare;
    QByteArray id;
    QByteArray label;

    void Info(const char* figure, const char* text, double value, const char* unit) const
    {
        ReportInfo((id + figure).constData(), (label + text).constData(), value, unit);
    }
};

// The scene graph the program picks here (src/app/scene_graph_choice.cpp): the software one
// where there is no GPU.
bool ProgramDrawsInSoftware()
{
    if (!qEnvironmentVariableIsEmpty("LIBGL_ALWAYS_SOFTWARE"))
        return true;
    return QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty();
}

struct Floors
{
    double rss = 0.0;         // the bare view as Qt draws it by default here
    double softwareRss = 0.0; // the bare view with the software scene graph
};

// One round of `build`: its bare view drawn by Qt's default (when `withDefault`) and by the
// software scene graph, then its program; each with a fresh store.
void StartRound(Desktop& desktop, const Build& build, bool counted, bool withDefault, Samples& bareRss,
                Samples& bareSoftwareRss)
{
    double bareMs = 0.0;
    double bareSoftwareMs = 0.0;
    if (withDefault) {
        desktop.FreshConfig();
        Launch launch(desktop.env, build.bare);
        if (!launch.WaitStarted(false))
            Fail(QStringLiteral("the bare view drew no frame"));
        bareMs = launch.firstFrameMs;
        QThread::msleep(1500);
        if (counted) {
            bareRss.Add(ResidentMegabytes(launch.Pid()));
            build.Info("bare-start", "Bare QQuickView: exec to first frame", bareMs, "ms");
        }
    }
    {
        // The same floor drawn by the software scene graph, which the program picks on a
        // machine without a GPU: the fairer comparison of what is ours.
        desktop.FreshConfig();
        QProcessEnvironment env = desktop.env;
        env.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("software"));
        Launch launch(env, build.bare);
        if (!launch.WaitStarted(false))
            Fail(QStringLiteral("the software-drawn bare view drew no frame"));
        bareSoftwareMs = launch.firstFrameMs;
        if (counted) {
            build.Info("bare-sw-start", "Bare QQuickView, software scene graph: first frame", bareSoftwareMs, "ms");
            QThread::msleep(1500);
            bareSoftwareRss.Add(ResidentMegabytes(launch.Pid()));
        }
    }
    desktop.FreshConfig();
    Launch launch(desktop.env, build.program);
    if (!launch.WaitStarted(true))
        Fail(QStringLiteral("%1 drew no frame or its synthesizer never got ready").arg(build.program));
    if (!counted)
        return;
    // The floor of the same scene graph as the program's.
    const bool software = ProgramDrawsInSoftware();
    const double floorMs = software ? bareSoftwareMs : bareMs;
    if (build.id.isEmpty()) {
        ReportFigure("start", "Start-up: exec to first frame (fresh store)", launch.firstFrameMs, "ms", "<=", 250.0);
        ReportFigure("start-ratio", "Start-up: ratio to the bare QQuickView of the same scene graph",
                     launch.firstFrameMs / floorMs, "x", "<=", 2.0);
        ReportFigure("synth-ready", "Synthesizer ready, ms before the first frame", launch.firstFrameMs - launch.synthReadyMs,
                     "ms", ">=", 0.0);
        ReportFigure("synth-audible", "Synthesizer has its soundfont (1 = yes)", launch.audible ? 1 : 0, "", ">=", 1.0);
    } else {
        // The other build's figures only inform: its targets are not ours to meet.
        build.Info("start", "Start-up: exec to first frame (fresh store)", launch.firstFrameMs, "ms");
        build.Info("start-ratio", "Start-up: ratio to the bare QQuickView of the same scene graph",
                   launch.firstFrameMs / floorMs, "x");
        build.Info("synth-ready", "Synthesizer ready, ms before the first frame", launch.firstFrameMs - launch.synthReadyMs,
                   "ms");
    }
    std::fprintf(stderr, "desktop_bench: %sfirst frame %.1f ms (bare view %.1f ms, %s), synthesizer ready %.1f ms (driver %s)\n",
                 build.label.constData(), launch.firstFrameMs, floorMs, software ? "software" : "default",
                 launch.synthReadyMs, qPrintable(launch.driver));
}

// Starts of the bare view, the program and Minuet, one after the other, `runs` times after a
// discarded warm-up round; with a second build, its bare view and program too, the two
// builds taking turns to go first. Returns our bare view's median resident sets.
Floors MeasureStartUp(Desktop& desktop, const Build& ours, const Build* before, const QString& minuet, int runs)
{
    Samples bareRss, bareSoftwareRss, beforeBareRss, beforeBareSoftwareRss;
    // The other build's bare view drawn by Qt's default only where the program draws so.
    const bool beforeDefault = !ProgramDrawsInSoftware();
    for (int run = -1; run < runs; ++run) {
        const bool counted = run >= 0;
        if (before && run % 2 != 0)
            StartRound(desktop, *before, counted, beforeDefault, beforeBareRss, beforeBareSoftwareRss);
        StartRound(desktop, ours, counted, true, bareRss, bareSoftwareRss);
        if (before && run % 2 == 0)
            StartRound(desktop, *before, counted, beforeDefault, beforeBareRss, beforeBareSoftwareRss);
        if (!minuet.isEmpty()) {
            desktop.FreshConfig();
            QProcessEnvironment env = desktop.env;
            env.insert(QStringLiteral("QSG_RENDER_TIMING"), QStringLiteral("1"));
            Launch launch(env, minuet, QStringLiteral("Frame rendered"));
            if (launch.WaitStarted(false) && counted) {
                ReportInfo("minuet-start", "KDE Minuet: exec to first frame", launch.firstFrameMs, "ms");
                QThread::msleep(1500);
                ReportInfo("minuet-rss", "KDE Minuet: resident set after start", ResidentMegabytes(launch.Pid()), "MB");
            }
        }
    }
    ReportInfo("bare-rss", "Bare QQuickView: resident set", bareRss.Median(), "MB");
    ReportInfo("bare-sw-rss", "Bare QQuickView, software scene graph: resident set", bareSoftwareRss.Median(), "MB");
    if (before)
        before->Info("bare-sw-rss", "Bare QQuickView, software scene graph: resident set", beforeBareSoftwareRss.Median(),
                     "MB");
    return {bareRss.Median(), bareSoftwareRss.Median()};
}

// The program of `build` with a store at level 12, its window open and no session: its CPU
// time over `idleSeconds` and its resident set. For ours (`floors` given) and `withSession`,
// then a whole level-12 session answered by clicking keys.
void MeasureIdleAndSession(Desktop& desktop, const Build& build, const Floors* floors, int idleSeconds, bool withSession)
{
    const QString config = desktop.FreshConfig();
    {
        QSettings seed(config + QStringLiteral("/Quorvex/Ovelune.conf"), QSettings::IniFormat);
        seed.setValue(QStringLiteral("GlobalSetting/MaturityLevel"), 12);
        seed.setValue(QStringLiteral("GlobalSetting/ShowHelpOnStartup"), false);
    }
    Launch launch(desktop.env, build.program);
    if (!launch.WaitStarted(true))
        Fail(QStringLiteral("%1 did not start").arg(build.program));
    Window window;
    if (!FindMaximisedWindow(desktop.env, launch.Pid(), window))
        Fail(QStringLiteral("the program's window was not maximised"));
    QThread::msleep(5000);

    const double idleStart = CpuSeconds(launch.Pid());
    QThread::sleep(static_cast<unsigned long>(idleSeconds));
    const double idleCpu = CpuSeconds(launch.Pid()) - idleStart;
    const double idleRss = ResidentMegabytes(launch.Pid());
    if (!floors) {
        build.Info("idle-cpu", "Idle (window open, no session): CPU of one core", 100.0 * idleCpu / idleSeconds, "%");
        build.Info("idle-rss", "Resident set while idle, before a session", idleRss, "MB");
        return;
    }
    ReportFigure("idle-cpu", "Idle (window open, no session): CPU of one core", 100.0 * idleCpu / idleSeconds, "%", "<=",
                 0.5);
    ReportInfo("idle-rss", "Resident set while idle, before a session", idleRss, "MB");
    if (!withSession)
        return;

    QElapsedTimer sessionClock;
    sessionClock.start();
    const double sessionStart = CpuSeconds(launch.Pid());
    Store store;
    for (int attempt = 0; attempt < 5 && store.questions.size() != LevelTwelveQuestions; ++attempt) {
        Click(desktop.env, window, window.BeginButton());
        for (int wait = 0; wait < 20 && store.questions.size() != LevelTwelveQuestions; ++wait) {
            QThread::msleep(100);
            store = ReadStore(config);
        }
    }
    if (store.questions.size() != LevelTwelveQuestions || store.level != 12)
        Fail(QStringLiteral("no level-12 session started"));

    // Answer every question like a learner: white keys right, the others with a wrong
    // white key (A4). A click while no answer is awaited only sounds the key: it is
    // repeated until the store has the answer.
    const QVector<int> questions = store.questions;
    for (int asked = 0; asked < LevelTwelveQuestions; ++asked) {
        const int note = questions.at(asked);
        const QPointF key = window.WhiteKey(IsWhite(note) ? note : 69);
        QThread::msleep(asked == 0 ? 300 : 900);
        QElapsedTimer answerClock;
        answerClock.start();
        for (;;) {
            Click(desktop.env, window, key);
            QThread::msleep(150);
            store = ReadStore(config);
            if (store.answered > asked || store.questions != questions)
                break;
            if (answerClock.elapsed() > 15000)
                Fail(QStringLiteral("question %1 took no answer").arg(asked + 1));
        }
    }
    QThread::msleep(1500); // the last answer shown, the results analysed
    const double sessionSeconds = sessionClock.elapsed() / 1000.0;
    const double sessionCpu = CpuSeconds(launch.Pid()) - sessionStart;
    const double sessionRss = ResidentMegabytes(launch.Pid());
    ReportFigure("session-cpu", "Level-12 session: CPU of one core", 100.0 * sessionCpu / sessionSeconds, "%", "<=", 10.0);
    ReportInfo("session-rss", "Resident set after a level-12 session", sessionRss, "MB");
    ReportFigure("session-rss-over-bare", "Resident set after the session, above the bare QQuickView",
                 sessionRss - floors->rss, "MB", "<=", 40.0);
    ReportInfo("session-rss-over-sw", "Resident set after the session, above the software-drawn bare view",
               sessionRss - floors->softwareRss, "MB");
    std::fprintf(stderr, "desktop_bench: session of %d answers in %.0f s, level now %d\n", LevelTwelveQuestions,
                 sessionSeconds, ReadStore(config).level);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const Build ours{Option(args, QStringLiteral("--program")), Option(args, QStringLiteral("--bare")), {}, {}};
    const Build before{Option(args, QStringLiteral("--before-program")), Option(args, QStringLiteral("--before-bare")),
                       "before-", "Before: "};
    if (ours.program.isEmpty() || ours.bare.isEmpty() || before.program.isEmpty() != before.bare.isEmpty())
        Fail(QStringLiteral("usage: desktop_bench --program PATH --bare PATH [--minuet PATH] [--startup-runs N] "
                            "[--idle-seconds S] [--no-session] [--before-program PATH --before-bare PATH]"));
    const bool withBefore = !before.program.isEmpty();
    QString minuet = Option(args, QStringLiteral("--minuet"));
    if (!minuet.isEmpty() && !QFile::exists(minuet)) {
        std::fprintf(stderr, "desktop_bench: %s is not installed; no Minuet reference\n", qPrintable(minuet));
        minuet.clear();
    }
    const int runs = qMax(1, Option(args, QStringLiteral("--startup-runs"), QStringLiteral("5")).toInt());
    const int idleSeconds = qMax(1, Option(args, QStringLiteral("--idle-seconds"), QStringLiteral("30")).toInt());

    Desktop desktop;
    desktop.Start();
    const Floors floors = MeasureStartUp(desktop, ours, withBefore ? &before : nullptr, minuet, runs);
    if (withBefore)
        MeasureIdleAndSession(desktop, before, nullptr, idleSeconds, false);
    MeasureIdleAndSession(desktop, ours, &floors, idleSeconds, !args.contains(QStringLiteral("--no-session")));
    return 0;
}
