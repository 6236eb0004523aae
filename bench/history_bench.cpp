// Practice history: reading a long history and computing the statistics view's numbers
// from it (all of it, and the last 30 days), exporting it as CSV, what recording an answer
// costs the calling thread, and the file size per answer.
//
//   history_bench [--answers N] [--runs N]
#include "bench_arguments.h"
#include "figure_report.h"
#include "samples.h"
#include "thread_cpu.h"

#include "app/history_stats.h"
#include "app/history_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
const qint64 DayMs = 86400000;
const int AnswersPerDay = 500;
const int SessionLength = 84; // the questions of level 12

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Answer i of a history that ends now: AnswersPerDay a day in sessions of SessionLength,
// 2.5 s apart, the learner right about two times in three.
HistoryAnswer Generated(int i, int count, qint64 nowMs)
{
    const int days = (count + AnswersPerDay - 1) / AnswersPerDay;
    const int day = i / AnswersPerDay, inDay = i % AnswersPerDay;
    const qint64 session = nowMs - (days - day) * DayMs + (inDay / SessionLength) * 3600000;
    HistoryAnswer a;
    a.question = inDay % SessionLength;
    a.timeMs = session + 2500 * (a.question + 1);
    a.session = session;
    a.level = 1 + (i / 5000) % 12;
    a.asked = 24 + (i * 37) % 84;
    a.answered = i % 3 == 0 ? a.asked + 12 * (i % 2 ? 1 : -1) : a.asked;
    a.right = a.asked == a.answered;
    a.input = i % 4 == 0 ? AnswerInput::Midi : AnswerInput::Mouse;
    a.responseMs = 600 + (i * 131) % 1900;
    a.instrument = i % 5 == 0 ? 24 : 0;
    return a;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    const int count = Argument(args, QStringLiteral("--answers"), 100000);
    const int runs = Argument(args, QStringLiteral("--runs"), 7);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();

    // Filling: as fast as the calling thread can, so the writer commits all along.
    Samples burst, paced;
    int sessions = 0;
    {
        HistoryStore store(path);
        for (int i = 0; i < count; ++i) {
            const HistoryAnswer answer = Generated(i, count, nowMs);
            const Clock::time_point start = Clock::now();
            store.RecordAnswer(answer);
            burst.Add(MsSince(start));
            if (answer.question == SessionLength - 1) {
                store.RecordSession({answer.session, answer.timeMs + 1000, answer.level, SessionLength * 2 / 3,
                                     SessionLength, answer.level});
                ++sessions;
            }
        }
        store.Flush();
        // As in training, each answer committed before the next, but 1 ms apart rather
        // than 700 ms, so the writer is still busy with one when the next comes.
        QTemporaryDir pacedDir;
        HistoryStore pacedStore(pacedDir.filePath(QStringLiteral("history.sqlite")));
        for (int i = 0; i < 1000; ++i) {
            const HistoryAnswer answer = Generated(i, count, nowMs);
            const Clock::time_point start = Clock::now();
            pacedStore.RecordAnswer(answer);
            paced.Add(MsSince(start));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    const double bytesPerAnswer = static_cast<double>(QFileInfo(path).size()) / count;

    Samples totalAll, total30, cpuAll;
    int answersAll = 0, answers30 = 0;
    for (int run = 0; run < runs; ++run) {
        for (const int days : {0, 30}) {
            const Clock::time_point start = Clock::now();
            const double cpuStart = ThreadCpuMs();
            const StatisticsFigures stats = HistoryStats::Read(path, nowMs, days, nullptr);
            const double total = MsSince(start);
            if (!days)
                cpuAll.Add(ThreadCpuMs() - cpuStart);
            (days ? total30 : totalAll).Add(total);
            (days ? answers30 : answersAll) = stats.answers;
        }
    }

    Samples exports;
    QString error;
    for (int run = 0; run < qMax(1, runs / 2); ++run) {
        const Clock::time_point start = Clock::now();
        if (!HistoryStore::ExportCsv(path, dir.filePath(QStringLiteral("history.csv")), &error)) {
            std::fprintf(stderr, "history_bench: %s\n", qPrintable(error));
            return 1;
        }
        exports.Add(MsSince(start));
    }

    std::fprintf(stderr, "history_bench: %d answers (%d in the last 30 days), %d sessions, %d runs\n", answersAll, answers30,
                sessions, runs);
    std::fprintf(stderr, "history_bench: all: %.1f ms, processor time %.1f ms (medians); export %.0f ms; record p50 %.4f ms, p99 %.4f ms, "
                "max %.3f ms (paced p99 %.4f ms, max %.3f ms)\n",
                totalAll.Median(), cpuAll.Median(), exports.Median(), burst.Median(), burst.Percentile(99),
                burst.Max(), paced.Percentile(99), paced.Max());
    ReportFigure("history-stats-all", "history: the statistics of every answer, aggregated by SQLite, median",
                 totalAll.Median(), "ms", "<=", 60);
    ReportInfo("history-stats-all-cpu", "history: of which the thread's processor time, median", cpuAll.Median(),
               "ms");
    ReportFigure("history-stats-30d", "history: the statistics of the last 30 days, median", total30.Median(), "ms",
                 "<=", 60);
    ReportFigure("history-export", "history: export every answer as CSV, median", exports.Median(), "ms", "<=", 1000);
    ReportFigure("history-record-p99", "history: RecordAnswer on the calling thread while the writer works, p99",
                 burst.Percentile(99), "ms", "<=", 1);
    ReportInfo("history-record-p50", "history: RecordAnswer on the calling thread, p50", burst.Median(), "ms");
    ReportFigure("history-record-paced-p99", "history: RecordAnswer, one answer committed per call, p99",
                 paced.Percentile(99), "ms", "<=", 1);
    ReportFigure("history-bytes", "history: database file size per answer", bytesPerAnswer, "bytes", "<=", 100);
    return 0;
}
