// The practice history: recording from any thread, surviving damage, migration,
// the statistics view's numbers and the CSV export.
#include "app/fluency.h"
#include "app/history_stats.h"
#include "app/history_store.h"
#include "support/stderr_capture.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <ctime>
#include <thread>

#include <sys/resource.h>
#include <tuple>

auto Fields(const HistoryAnswer& a)
{
    return std::make_tuple(a.timeMs, a.level, a.session, a.question, a.asked, a.answered, a.right, a.input, a.responseMs,
                           a.instrument, a.referencePitch);
}
auto Fields(const HistorySession& s) { return std::tie(s.session, s.endMs, s.level, s.right, s.total, s.nextLevel); }
bool operator==(const HistoryAnswer& a, const HistoryAnswer& b) { return Fields(a) == Fields(b); }
bool operator==(const HistorySession& a, const HistorySession& b) { return Fields(a) == Fields(b); }

namespace {

using Answers = std::vector<HistoryAnswer>;

HistoryAnswer Answer(qint64 time, int asked, int answered, int responseMs = 900, qint64 session = 1000)
{
    return {time, 1 + int(time % 12), session, int(time % 84), asked, answered, asked == answered, AnswerInput(time % 3),
            responseMs, int(time % 128), 415 + int(time % 52)};
}

Answers Series(int count, qint64 from)
{
    Answers answers;
    for (int i = 0; i < count; ++i)
        answers.push_back(Answer(from + i * 1000, 24 + i % 84, 24 + (i * 7) % 84, 500 + i, from));
    return answers;
}

// Records the answers in a store of its own, closed at once.
void Record(const QString& path, const Answers& answers)
{
    HistoryStore store(path);
    for (const HistoryAnswer& answer : answers)
        store.RecordAnswer(answer);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Statements on a connection of the test's own; returns the last one's first value.
QVariant Sql(const QString& path, const QStringList& statements)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "raw");
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        for (const QString& statement : statements)
            if (!query.exec(statement))
                qWarning() << statement << query.lastError().text();
        value = query.next() ? query.value(0) : QVariant();
    }
    QSqlDatabase::removeDatabase("raw");
    return value;
}

qint64 Local(int day, const char* time)
{
    return QDateTime(QDate(2026, 1, day), QTime::fromString(time, "hh:mm:ss")).toMSecsSinceEpoch();
}

QVariantMap Day(int day, int answers, int right, double medianMs, qint64 practiceMs)
{
    return {{"date", QDate(2026, 1, day).toString("yyyy-MM-dd")},
            {"time", double(QDateTime(QDate(2026, 1, day), QTime(0, 0)).toMSecsSinceEpoch())},
            {"answers", answers}, {"right", right}, {"medianResponseMs", medianMs},
            {"practiceMinutes", practiceMs / 60000.0}};
}

QVariantMap Score(const HistorySession& s, double score)
{
    return {{"time", double(s.endMs)}, {"level", s.level}, {"nextLevel", s.nextLevel}, {"score", score}};
}

// The figures as QML reads them: a record's property by name, records as maps.
QVariant Property(const QVariant& record, const QString& name)
{
    const QMetaObject* meta = record.metaType().metaObject();
    const int at = meta ? meta->indexOfProperty(qPrintable(name)) : -1;
    return at < 0 ? QVariant() : meta->property(at).readOnGadget(record.constData());
}
QVariant Plain(const QVariant& value)
{
    if (const QMetaObject* meta = value.metaType().metaObject()) {
        QVariantMap map;
        for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
            map.insert(meta->property(i).name(), meta->property(i).readOnGadget(value.constData()));
        return map;
    }
    if (value.metaType() == QMetaType::fromType<QVariantList>()) {
        QVariantList list;
        for (const QVariant& item : value.toList())
            list.append(Plain(item));
        return list;
    }
    return value;
}

} // namespace

class TestHistory : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QString Db() const { return dir.filePath("history.sqlite"); }

    // Four sessions over four local days, one across midnight, one without answers.
    const HistorySession a{Local(12, "10:00:00"), Local(12, "10:00:12"), 2, 1, 3, 2};
    const HistorySession b{Local(13, "20:00:00"), Local(13, "20:00:06"), 2, 2, 2, 3};
    const HistorySession c{Local(13, "21:00:00"), Local(13, "21:00:09"), 3, 0, 0, 3};
    const HistorySession d{Local(19, "23:59:50"), Local(20, "00:00:12"), 3, 1, 3, 3};
    const Answers known{
        Answer(Local(12, "10:00:02"), 60, 60, 800, a.session), Answer(Local(12, "10:00:05"), 62, 50, 1200, a.session),
        Answer(Local(12, "10:00:09"), 64, 65, 1000, a.session), Answer(Local(13, "20:00:01"), 24, 24, 500, b.session),
        Answer(Local(13, "20:00:04"), 107, 107, 700, b.session), Answer(Local(13, "21:00:00"), 36, 48, 300, c.session),
        Answer(Local(13, "21:00:03"), 71, 72, 900, c.session), Answer(Local(19, "23:59:58"), 61, 61, 400, d.session),
        Answer(Local(20, "00:00:04"), 61, 73, 600, d.session), Answer(Local(20, "00:00:10"), 130, 3, 1000, d.session)};

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName("Quorvex"); // where DefaultPath points
        QCoreApplication::setApplicationName("Ovelune");
        QVERIFY(dir.isValid());
    }
    void init() { QVERIFY(QDir(dir.path()).removeRecursively() && QDir().mkpath(dir.path())); }

    void roundTrip()
    {
        QCOMPARE(HistoryStore::DefaultPath(), qEnvironmentVariable("XDG_DATA_HOME") + "/Quorvex/Ovelune/history.sqlite");
        const Answers first = Series(300, 1000), second = Series(300, 900000);
        const HistorySession s1{1000, 400000, 4, 200, 300, 5}, s2{900000, 1300000, 5, 100, 300, 4};
        const HistoryAnswer late = Answer(2000000, 300, -2); // not notes: read apart
        {
            HistoryStore store(Db());
            const auto record = [&store](const Answers& answers, const HistorySession& session) {
                for (const HistoryAnswer& answer : answers)
                    store.RecordAnswer(answer);
                store.RecordSession(session);
            };
            std::thread other(record, std::cref(second), std::cref(s2));
            record(first, s1);
            other.join();
            store.Flush();
            Answers all = first;
            all.insert(all.end(), second.begin(), second.end());
            QVERIFY(HistoryStore::ReadAnswers(Db()) == all);
            QVERIFY(HistoryStore::ReadAnswers(Db(), second[10].timeMs) == Answers(second.begin() + 10, second.end()));
            QVERIFY(HistoryStore::ReadSessions(Db()) == std::vector<HistorySession>({s1, s2}));
            QVERIFY(HistoryStore::ReadSessions(Db(), 400001) == std::vector<HistorySession>({s2}));
            store.RecordAnswer(late); // destroyed at once: still written
            QCOMPARE(store.Problem(), QString());
        }
        QVERIFY(HistoryStore::ReadAnswers(Db()).back() == late);
    }

    // Damage is moved aside and recording goes on; where nothing can be recorded, training
    // goes on without it. Either way the user is told once.
    void trouble_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        for (const char* kind : {"not a database", "truncated", "folder"})
            QTest::newRow(kind) << kind << "could not be read";
        QTest::newRow("read-only") << "read-only" << "for now";
        QTest::newRow("no folder") << "no folder" << "cannot be created"; // a file in the folder's place
        QTest::newRow("newer version") << "newer" << "newer Ovelune";
    }
    void trouble()
    {
        QFETCH(QString, kind);
        QFETCH(QString, message);
        QVERIFY(Write(dir.filePath("blocker"), "a file where a folder would go"));
        if (kind == "truncated" || kind == "read-only") {
            Record(Db(), Series(kind == "truncated" ? 3000 : 5, 0));
            QFile file(Db());
            QVERIFY(kind == "read-only" ? file.setPermissions(QFile::ReadOwner) : file.resize(file.size() / 2));
            if (kind == "read-only" && file.open(QIODevice::ReadWrite))
                QSKIP("permission bits do not stop this user (root) from writing");
        } else if (kind == "folder") {
            QVERIFY(QDir().mkpath(Db()) && Write(Db() + "/kept", "kept"));
        } else if (kind == "not a database") {
            QVERIFY(Write(Db(), QByteArray(20000, '\x5a')));
        } else if (kind == "newer") {
            Sql(Db(), {"CREATE TABLE answers(time INTEGER, level INTEGER, future TEXT)",
                       QString("PRAGMA user_version=%1").arg(HistoryStore::SchemaVersion + 1)});
        }
        const QByteArray before = Contents(kind == "folder" ? Db() + "/kept" : Db());
        const bool recording = message == "could not be read";

        StderrCapture capture;
        QString problem;
        {
            HistoryStore store(dir.filePath(kind == "no folder" ? "blocker/history.sqlite" : "history.sqlite"));
            for (int i = 1; i <= 2; ++i) {
                store.RecordAnswer(Answer(i, 60, 59 + i));
                store.RecordSession({});
                store.Flush();
            }
            problem = store.Problem();
        }
        QCOMPARE(QString::fromLocal8Bit(capture.Finish()), problem + "\n");
        QVERIFY(problem.startsWith("Ovelune: the practice history") && problem.contains(message));
        const QStringList aside = QDir(dir.path()).entryList({"history.sqlite.damaged-*[0-9]"});
        QCOMPARE(aside.size(), recording ? 1 : 0);
        if (recording) {
            QVERIFY(HistoryStore::ReadAnswers(Db()) == Answers({Answer(1, 60, 60), Answer(2, 60, 61)}));
            QVERIFY(QRegularExpression("^history\\.sqlite\\.damaged-\\d{8}-\\d{6}$").match(aside[0]).hasMatch());
            QVERIFY(problem.contains(aside[0] + " and a new history was started"));
            QCOMPARE(Contents(dir.filePath(aside[0]) + (kind == "folder" ? "/kept" : "")), before);
        } else {
            QCOMPARE(Contents(Db()), before);
            QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), kind == "no folder" ? 1 : 2);
        }
    }

    // Another program's exclusive lock for longer than the wait, and a full disk, pass: the
    // file is kept as it is, the answers given meanwhile wait and are all in it once the
    // trouble is over, and the user is told once.
    void passingTrouble_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("locked by another program") << true;
        QTest::newRow("disk full") << false;
    }
    void passingTrouble()
    {
        QFETCH(bool, locked);
        const Answers before = Series(3, 0), meanwhile = Series(4, 100000);
        {
            HistoryStore store(Db());
            for (const HistoryAnswer& answer : before)
                store.RecordAnswer(answer);
        }
        // Files may not grow past 4 KiB: room for the messages, none for the database's pages.
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, full{4096, RLIM_INFINITY};
        QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
        holder.setDatabaseName(Db());
        if (locked) {
            QVERIFY(holder.open());
            QSqlQuery hold(holder);
            QVERIFY(hold.exec("PRAGMA locking_mode=EXCLUSIVE") && hold.exec("BEGIN EXCLUSIVE")
                    && hold.exec("INSERT INTO sessions VALUES(1, 1, 1, 1, 1, 1)"));
        } else {
            std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of ending the test
            QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
        }
        StderrCapture capture;
        QString problem;
        {
            HistoryStore store(Db());
            for (const HistoryAnswer& answer : meanwhile)
                store.RecordAnswer(answer);
            store.Flush();
            problem = store.Problem();
            QVERIFY2(problem.contains("for now") && problem.contains("kept as it is"), qPrintable(problem));
            if (locked) {
                QSqlQuery(holder).exec("ROLLBACK");
                holder.close();
            } else {
                QVERIFY(setrlimit(RLIMIT_FSIZE, &unlimited) == 0);
            }
            QTRY_COMPARE_WITH_TIMEOUT(int(HistoryStore::ReadAnswers(Db()).size()), 7, 30000);
            QCOMPARE(store.Problem(), QString()); // the trouble is over
        }
        QSqlDatabase::removeDatabase("holder");
        QCOMPARE(QString::fromLocal8Bit(capture.Finish()), problem + "\n");
        Answers all = before;
        all.insert(all.end(), meanwhile.begin(), meanwhile.end());
        QVERIFY(HistoryStore::ReadAnswers(Db()) == all);
        QVERIFY(QDir(dir.path()).entryList({"history.sqlite.damaged-*"}).isEmpty());
    }

    void migration()
    {
        Sql(Db(), {"CREATE TABLE answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, level INTEGER NOT NULL, "
                   "session INTEGER NOT NULL, question INTEGER NOT NULL, asked INTEGER NOT NULL, answered INTEGER "
                   "NOT NULL, right INTEGER NOT NULL, input INTEGER NOT NULL, response_ms INTEGER NOT NULL)",
                   "CREATE TABLE sessions(session INTEGER PRIMARY KEY, end INTEGER NOT NULL, level INTEGER NOT NULL, "
                   "right INTEGER NOT NULL, total INTEGER NOT NULL, next_level INTEGER NOT NULL)",
                   "INSERT INTO answers VALUES(1, 5000, 2, 900, 0, 60, 61, 0, 1, 700), "
                   "(2, 6000, 2, 900, 1, 62, 62, 1, 0, 650)",
                   "INSERT INTO sessions VALUES(900, 7000, 2, 1, 2, 2)", "PRAGMA user_version=1"});
        const Answers old{{5000, 2, 900, 0, 60, 61, false, AnswerInput::Midi, 700, 0},
                          {6000, 2, 900, 1, 62, 62, true, AnswerInput::Mouse, 650, 0}};
        QVERIFY(HistoryStore::ReadAnswers(Db()) == old);
        Record(Db(), {Answer(8001, 30, 30)});
        QVERIFY(HistoryStore::ReadAnswers(Db()) == Answers({old[0], old[1], Answer(8001, 30, 30)}));
        QVERIFY(HistoryStore::ReadSessions(Db()) == std::vector<HistorySession>({{900, 7000, 2, 1, 2, 2}}));
        QCOMPARE(Sql(Db(), {"PRAGMA user_version"}).toInt(), 4);
        QCOMPARE(Sql(Db(), {"SELECT count(*) FROM sqlite_master WHERE type = 'index'"}).toInt(), 3);
        QCOMPARE(Sql(Db(), {"SELECT count(*) FROM answers WHERE kind = 0"}).toInt(), 3); // all training answers
    }

    // Fluency from the history: each pitch class's latest 30 answers, fluent when right
    // within the limit; marked at 90 % fluent with 10 answers or more.
    void fluency_data()
    {
        QTest::addColumn<int>("responseMs"); // of D's answers
        QTest::addColumn<int>("limitMs");
        QTest::addColumn<bool>("fluent"); // D, 92 % right
        QTest::newRow("at 1.5 s, limit 2 s") << 1500 << 2000 << true;
        QTest::newRow("at 3 s, limit 2 s") << 3000 << 2000 << false;
        QTest::newRow("at 3 s, limit 3 s") << 3000 << 3000 << true;
        QTest::newRow("at 1.6 s, limit 1.5 s") << 1600 << 1500 << false;
    }
    void fluency()
    {
        QFETCH(int, responseMs);
        QFETCH(int, limitMs);
        Answers answers;
        for (int i = 0; i < 40; ++i) // C: 10 wrong, then 30 right and quick
            answers.push_back(Answer(i, 48 + 12 * (i % 3), i < 10 ? 49 : 48 + 12 * (i % 3), 1000 + i));
        for (int i = 0; i < 25; ++i) // D: 23 of 25 right
            answers.push_back(Answer(100 + i, 62, i % 12 == 5 ? 64 : 62, responseMs));
        for (int i = 0; i < 5; ++i) // E: too few
            answers.push_back(Answer(200 + i, 64, 64, 500));
        Record(Db(), answers);
        const auto figures = Fluency::FromHistory(Db(), limitMs);
        QCOMPARE(figures[0].answers, 30);
        QVERIFY(figures[0].IsFluent() && figures[0].Accuracy() == 1.0);
        QCOMPARE(figures[0].medianResponseMs, 1024);
        QCOMPARE(figures[2].Accuracy(), 0.92);
        QCOMPARE(figures[2].medianResponseMs, responseMs);
        QTEST(figures[2].IsFluent(), "fluent");
        QVERIFY(!figures[4].IsFluent() && figures[4].Share() == 1.0);
        QCOMPARE(figures[1].medianResponseMs, -1);
    }

    void stats_data()
    {
        QTest::addColumn<int>("days");
        QTest::addColumn<QVariantMap>("spots"); // "figure", "list/index" or "list/index/key": value
        QTest::newRow("all") << 0
                             << QVariantMap{{"answers", 10}, {"right", 4}, {"octaveErrors", 3}, {"octaveErrorShare", 0.3},
                                            {"days", QVariantList{Day(12, 3, 1, 1000, 7800), Day(13, 4, 2, 600, 6800),
                                                                  Day(19, 1, 1, 400, 400), Day(20, 2, 0, 800, 6600)}},
                                            {"sessions", QVariantList{Score(a, 100 / 3.0), Score(b, 100), Score(c, 0),
                                                                      Score(d, 100 / 3.0)}},
                                            {"confusion/0", 3}, {"confusion/26", 1}, {"confusion/53", 1},
                                            {"confusion/64", 0}, {"confusion/132", 1}, {"confusion/143", 1},
                                            {"confusion/13", 2}, {"pitchClasses/0/total", 3},
                                            {"pitchClasses/0/right", 2}, {"pitchClasses/11/total", 2},
                                            {"octaves/3/total", 6}, {"octaves/3/right", 2}, {"octaves/3/at", 4},
                                            {"octaves/6/right", 1}, {"keys/0/right", 1}, {"keys/83/at", 107},
                                            {"keys/83/total", 1}, {"keys/37/total", 2}};
        QTest::newRow("7 days") << 7
                                << QVariantMap{{"answers", 3}, {"right", 1}, {"octaveErrors", 1}, {"octaveErrorShare", 1 / 3.0},
                                               {"days", QVariantList{Day(19, 1, 1, 400, 400), Day(20, 2, 0, 800, 6600)}},
                                               {"sessions", QVariantList{Score(d, 100 / 3.0)}},
                                               {"confusion/13", 2}, {"confusion/0", 0}, {"pitchClasses/1/total", 2}};
    }
    void stats()
    {
        QFETCH(int, days);
        QFETCH(QVariantMap, spots);
        QString error;
        QVERIFY(HistoryStats::Read(Db(), 0, days, &error).days.isEmpty() && error.isEmpty()); // none yet
        {
            // Out of order on purpose: nothing may depend on it.
            HistoryStore store(Db());
            for (auto answer = known.rbegin(); answer != known.rend(); ++answer)
                store.RecordAnswer(*answer);
            for (const HistorySession& s : {d, c, b, a})
                store.RecordSession(s);
        }
        const QVariant stats = QVariant::fromValue(HistoryStats::Read(Db(), Local(21, "12:00:00"), days, &error));
        QVERIFY2(error.isEmpty(), qPrintable(error));
        for (auto spot = spots.begin(); spot != spots.end(); ++spot) {
            const QStringList path = spot.key().split('/');
            const QVariant list = Property(stats, path[0]);
            const QVariant item = path.size() == 1 ? list : list.toList().value(path[1].toInt());
            const QVariant value = Plain(path.size() == 3 ? Property(item, path[2]) : item);
            QString shown;
            QDebug(&shown) << value;
            QVERIFY2(value == spot.value(), qPrintable(spot.key() + " is " + shown));
        }
        // The note that is no note (130) counts only in the totals.
        int notes = 0;
        const StatisticsFigures figures = stats.value<StatisticsFigures>();
        for (int count : figures.confusion)
            notes += count;
        for (const QVariant& tally : figures.pitchClasses)
            notes += tally.value<StatisticsTally>().total;
        QCOMPARE(notes, 2 * (figures.answers - 1));
    }

    void exportCsv()
    {
        const qint64 at = QDateTime::fromString("2026-12-07T01:30:00.123Z", Qt::ISODateWithMs).toMSecsSinceEpoch();
        Record(Db(), {{at, 3, at - 300123, 4, 60, 61, false, AnswerInput::Midi, 850, 19},
                      {at + 2000, 3, at - 300123, 5, 107, 107, true, AnswerInput::Keyboard, 1200, 0}});
        const QString csv = dir.filePath("out.csv");
        QString error;
        QVERIFY2(HistoryStore::ExportCsv(Db(), csv, &error), qPrintable(error));
        const QByteArray header =
            "time,level,session,question,asked,asked_name,answered,answered_name,right,input,response_ms,instrument,"
            "reference_pitch\n";
        QCOMPARE(QString::fromUtf8(Contents(csv)),
                 QString::fromUtf8(header) + "2026-12-07T01:30:00.123Z,3,2026-12-07T01:25:00.000Z,4,60,C4,61,C\u266F4,0,midi,850,19,440\n"
                                             "2026-12-07T01:30:02.123Z,3,2026-12-07T01:25:00.000Z,5,107,B7,107,B7,1,keyboard,1200,0,440\n");

        QVERIFY(HistoryStore::ExportCsv(dir.filePath("none.sqlite"), csv, &error));
        QCOMPARE(Contents(csv), header);
        QVERIFY(!QFile::exists(dir.filePath("none.sqlite")));

        QVERIFY(Write(dir.filePath("blocker"), "no database"));
        QVERIFY(!HistoryStore::ExportCsv(Db(), dir.filePath("blocker/out.csv"), &error));
        QVERIFY(error.contains("cannot be written"));
        QVERIFY(!HistoryStore::ExportCsv(dir.filePath("blocker"), csv, &error));
        QVERIFY(error.contains("could not be read") && Contents(dir.filePath("blocker")) == "no database");
    }
};

int main(int argc, char** argv)
{
    // Local days half an hour off whole hours of UTC: a day taken in UTC, or from a
    // rounded offset, shows.
    qputenv("TZ", "<-0330>3:30");
    tzset();
    QCoreApplication app(argc, argv);
    TestHistory test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_history.moc"
