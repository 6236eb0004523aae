// The statistics view over a long practice history, in the real application: from the
// click on its button, and from a click on a range button, to the first frame with the
// figures drawn; meanwhile the longest time the GUI thread did not get to its event loop
// (the figures are computed on a worker).
//
//   stats_view_bench [--answers N] [--opens N]     (1 000 000 answers by default)
#include "app_probe.h"
#include "bench_arguments.h"
#include "figure_report.h"
#include "samples.h"
#include "thread_cpu.h"

#include "app/application.h"
#include "app/history_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QQuickItem>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

// `count` answers over the last year, in sessions of 84, the learner right two times in three.
// Written in one transaction of the benchmark's own: through the store, a million answers
// would take minutes.
bool FillHistory(int count)
{
    { HistoryStore store; } // creates the database with its current schema
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(HistoryStore::DefaultPath());
        QSqlQuery q(db.open() ? db : QSqlDatabase());
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 span = 365LL * 86400000;
        ok = q.exec(QStringLiteral("DELETE FROM answers")) && q.exec(QStringLiteral("DELETE FROM sessions")) &&
             db.transaction() &&
             q.prepare(QStringLiteral("INSERT INTO answers(time, level, session, question, asked, answered, \"right\", "
                                      "input, response_ms, instrument) VALUES (?, ?, ?, ?, ?, ?, ?, 0, ?, 0)"));
        QSqlQuery finished(db);
        ok = ok && finished.prepare(QStringLiteral("INSERT INTO sessions(session, \"end\", level, \"right\", total, "
                                                   "next_level) VALUES (?, ?, ?, 56, 84, ?)"));
        for (int i = 0; ok && i < count; ++i) {
            const qint64 time = now - span + span * i / count;
            const qint64 session = time - (i % 84) * 3000;
            const int level = 1 + (i / 8400) % 12;
            const int asked = 24 + (i * 37) % 84;
            const int answered = i % 3 ? asked : asked + (i % 2 ? 12 : 1);
            for (const QVariant& v : {QVariant(time), QVariant(level), QVariant(session), QVariant(i % 84),
                                      QVariant(asked), QVariant(answered), QVariant(asked == answered ? 1 : 0),
                                      QVariant(700 + (i * 131) % 2000)})
                q.addBindValue(v);
            ok = q.exec();
            if (ok && i % 84 == 83) {
                for (const QVariant& v : {QVariant(session), QVariant(time), QVariant(level), QVariant(level)})
                    finished.addBindValue(v);
                ok = finished.exec();
            }
        }
        ok = ok && db.commit();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
    return ok;
}

// The GUI thread's longest gap between two turns of its event loop, from a timer that asks
// for a turn every millisecond: in wall time, as a learner sees it, and in the thread's own
// processor time, which a loaded machine does not inflate.
class StallWatch
{
public:
    StallWatch()
    {
        timer.setInterval(1);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const Clock::time_point now = Clock::now();
            const double cpu = ThreadCpuMs();
            longest = std::max(longest, std::chrono::duration<double, std::milli>(now - last).count());
            longestCpu = std::max(longestCpu, cpu - lastCpu);
            last = now;
            lastCpu = cpu;
        });
    }
    void Start()
    {
        longest = longestCpu = 0;
        last = Clock::now();
        lastCpu = ThreadCpuMs();
        timer.start();
    }
    // The longest gaps since Start: wall, processor.
    std::pair<double, double> Stop()
    {
        timer.stop();
        return {longest, longestCpu};
    }

private:
    QTimer timer;
    Clock::time_point last;
    double lastCpu = 0;
    double longest = 0;
    double longestCpu = 0;
};

// Milliseconds from calling `function` of `item` to the end of the first frame drawn after
// the statistics view got its figures.
double TimeToFigures(QQuickView& view, QObject* item, const char* function, bool& shown)
{
    bool swapped = false;
    const QMetaObject::Connection done = QObject::connect(&view, &QQuickWindow::frameSwapped, [&] { swapped = true; });
    const Clock::time_point start = Clock::now();
    QMetaObject::invokeMethod(item, function);
    QObject* stats = view.rootObject()->findChild<QObject*>(QStringLiteral("statsWindow"));
    shown = QTest::qWaitFor([&] {
        if (!stats)
            stats = view.rootObject()->findChild<QObject*>(QStringLiteral("statsWindow"));
        if (stats && stats->property("computing").toBool())
            swapped = false; // a frame before the figures came does not count
        return stats && !stats->property("computing").toBool() && swapped;
    }, 120000);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    QObject::disconnect(done);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Ovelune"));
    const QStringList args = Arguments(argc, argv);
    const int answers = Argument(args, QStringLiteral("--answers"), 1000000);
    const int opens = Argument(args, QStringLiteral("--opens"), 5);
    if (!FillHistory(answers)) {
        std::fprintf(stderr, "stats_view_bench: the history could not be written\n");
        return 1;
    }

    AppProbe::SkipHelpAtStart();
    int programOnly = ProgramOnly;
    Application application(programOnly, argv);
    if (!application.IsPrimary() || !AppProbe::WaitReady(application)) {
        std::fprintf(stderr, "stats_view_bench: the window did not get ready\n");
        return 1;
    }
    QQuickItem* root = application.GetView().rootObject();
    Samples opened, ranged, stalls, cpuStalls;
    const auto addStall = [&](std::pair<double, double> stall) {
        stalls.Add(stall.first);
        cpuStalls.Add(stall.second);
    };
    bool allShown = true;
    StallWatch watch;
    for (int i = 0; i < opens; ++i) {
        bool shown = false;
        watch.Start();
        opened.Add(TimeToFigures(application.GetView(), root, "showStatistics", shown));
        addStall(watch.Stop());
        allShown = allShown && shown;
        QObject* view = root->findChild<QObject*>(QStringLiteral("statsWindow"));
        if (!view)
            return 1;
        // The whole history rather than the last 30 days, then the last 7.
        for (const int days : {0, 7}) {
            view->setProperty("days", days);
            watch.Start();
            ranged.Add(TimeToFigures(application.GetView(), view, "refresh", shown));
            addStall(watch.Stop());
            allShown = allShown && shown;
        }
        view->setProperty("days", 30);
        QMetaObject::invokeMethod(view, "close");
        QTest::qWait(100);
    }
    std::fprintf(stderr,
                 "stats_view_bench: %d answers; opening to the figures drawn median %.0f ms, a range chosen median "
                 "%.0f ms (max %.0f ms); the GUI thread's longest stall %.1f ms (median of the runs' longest %.1f ms), "
                 "of its own processor time %.1f ms (median %.1f ms)%s\n",
                 answers, opened.Median(), ranged.Median(), ranged.Max(), stalls.Max(), stalls.Median(), cpuStalls.Max(),
                 cpuStalls.Median(),
                 allShown ? "" : "; the figures were never drawn");
    const QString many = QLocale::c().toString(answers).replace(',', ' ');
    const QByteArray stallLabel =
        ("Statistics view, " + many + " answers: longest GUI-thread stall while opening and changing range").toUtf8();
    const QByteArray cpuLabel =
        ("Statistics view, " + many + " answers: longest GUI-thread turn, its own processor time").toUtf8();
    const QByteArray openLabel = ("Statistics view, " + many + " answers: opening to the figures drawn, median").toUtf8();
    const QByteArray rangeLabel = ("Statistics view, " + many + " answers: a range chosen to the figures drawn, median").toUtf8();
    ReportFigure("stats-gui-stall", stallLabel.constData(), stalls.Max(), "ms", "<=", 50);
    ReportFigure("stats-gui-stall-cpu", cpuLabel.constData(), cpuStalls.Max(), "ms", "<=", 50);
    ReportInfo("stats-open", openLabel.constData(), opened.Median(), "ms");
    ReportInfo("stats-range", rangeLabel.constData(), ranged.Median(), "ms");
    return allShown ? 0 : 1;
}
