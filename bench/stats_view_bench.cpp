// The statistics view over a long practice history: from the click on its button to the
// first frame with every chart drawn, in the real application, first opening and later
// ones, and what an answer's recording costs the GUI thread meanwhile.
//
//   stats_view_bench [--answers N] [--opens N]
#include "app_probe.h"
#include "figure_report.h"
#include "samples.h"

#include "app/application.h"
#include "app/history_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QQuickItem>
#include <QTest>

#include <chrono>
#include <cstdio>

namespace {

using Clock = std::chrono::steady_clock;

int Argument(const QStringList& args, const QString& name, int fallback)
{
    const int at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? qMax(1, args.at(at + 1).toInt()) : fallback;
}

// `count` answers over the last year, in sessions of 84, the learner right two times in three.
void FillHistory(int count)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 span = 365LL * 86400000;
    HistoryStore store;
    for (int i = 0; i < count; ++i) {
        HistoryAnswer a;
        a.timeMs = now - span + span * i / count;
        a.session = a.timeMs - (i % 84) * 3000;
        a.question = i % 84;
        a.level = 1 + (i / 8400) % 12;
        a.asked = 24 + (i * 37) % 84;
        a.answered = i % 3 ? a.asked : a.asked + (i % 2 ? 12 : 1);
        a.right = a.asked == a.answered;
        a.responseMs = 700 + (i * 131) % 2000;
        store.RecordAnswer(a);
        if (a.question == 83)
            store.RecordSession({a.session, a.timeMs, a.level, 56, 84, a.level});
    }
}

// Milliseconds from calling `function` of `item` to the end of the next frame.
double TimeToFrame(QQuickView& view, QObject* item, const char* function, bool& shown)
{
    bool swapped = false;
    const QMetaObject::Connection done = QObject::connect(&view, &QQuickWindow::frameSwapped, [&] { swapped = true; });
    const Clock::time_point start = Clock::now();
    QMetaObject::invokeMethod(item, function);
    view.update();
    shown = QTest::qWaitFor([&] { return swapped; }, 5000);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    QObject::disconnect(done);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QCoreApplication::setApplicationName(QStringLiteral("Ovelune"));
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const int answers = Argument(args, QStringLiteral("--answers"), 100000);
    const int opens = Argument(args, QStringLiteral("--opens"), 10);
    FillHistory(answers);

    AppProbe::SkipHelpAtStart();
    Application application(argc, argv);
    if (!application.IsPrimary() || !AppProbe::WaitReady(application)) {
        std::fprintf(stderr, "stats_view_bench: the window did not get ready\n");
        return 1;
    }
    QQuickItem* root = application.GetView().rootObject();
    Samples later, all;
    double first = 0;
    bool allShown = true;
    for (int i = 0; i <= opens; ++i) {
        bool shown = false;
        const double ms = TimeToFrame(application.GetView(), root, "showStatistics", shown);
        allShown = allShown && shown;
        if (i == 0)
            first = ms;
        else
            later.Add(ms);
        QObject* view = root->findChild<QObject*>(QStringLiteral("statsWindow"));
        if (!view)
            return 1;
        // The whole history rather than the last 30 days.
        view->setProperty("days", 0);
        all.Add(TimeToFrame(application.GetView(), view, "refresh", shown));
        allShown = allShown && shown;
        view->setProperty("days", 30);
        QMetaObject::invokeMethod(view, "close");
        QTest::qWait(100);
    }
    std::fprintf(stderr,
                 "stats_view_bench: %d answers; first opening %.1f ms, later ones median %.1f ms, max %.1f ms; "
                 "the whole history %.1f ms median%s\n",
                 answers, first, later.Median(), later.Max(), all.Median(), allShown ? "" : "; a frame never came");
    ReportFigure("stats-open-first", "Statistics view, 100 000 answers: first opening to its first frame", first, "ms",
                 "<=", 150);
    ReportFigure("stats-open-again", "Statistics view, 100 000 answers: later openings, median", later.Median(), "ms",
                 "<=", 150);
    ReportFigure("stats-all", "Statistics view, 100 000 answers: the whole history chosen, median", all.Median(), "ms",
                 "<=", 150);
    return allShown ? 0 : 1;
}
