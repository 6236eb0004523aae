#include "app/history_store.h"

#include "core/music_names.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

const char* const FileName = "history.sqlite";
const char* const CsvHeader =
    "time,level,session,question,asked,asked_name,answered,answered_name,right,input,response_ms,instrument,"
    "reference_pitch\n";
const qint64 DayMs = 86400000;

// SQLite's primary result codes that mean the file itself is damaged, so a fresh one is
// the way on. Every other failure (a lock held elsewhere, a full disk, an input/output
// error, a file made read-only) passes, and the file is kept.
const int SqliteCorrupt = 11;
const int SqliteNotADatabase = 26;

bool IsDamage(int code)
{
    return code == SqliteCorrupt || code == SqliteNotADatabase;
}

std::atomic<unsigned int> connectionCounter{0};

QString NextConnectionName(const char* kind)
{
    return QStringLiteral("ovelune-history-%1-%2").arg(QLatin1String(kind)).arg(connectionCounter.fetch_add(1));
}

QString Native(const QString& file)
{
    return QDir::toNativeSeparators(file);
}

QString ErrorText(const QSqlError& error)
{
    const QString text = error.databaseText();
    return text.isEmpty() ? error.text() : text;
}

int ErrorCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool Exec(QSqlQuery& query, const QString& sql, QString* reason, int* code = nullptr)
{
    if (query.exec(sql))
        return true;
    *reason = ErrorText(query.lastError());
    if (code)
        *code = ErrorCode(query.lastError());
    return false;
}

// Histories written before answers were typed hold 0 for the mouse and 1 for MIDI.
AnswerInput InputOf(int stored)
{
    return stored == 0 ? AnswerInput::Mouse : stored == int(AnswerInput::Keyboard) ? AnswerInput::Keyboard : AnswerInput::Midi;
}

const char* const InputWords[] = {"mouse,", "midi,", "keyboard,"};

// One answer from the columns time, level, session, question, asked, answered, right,
// input, response time, instrument, reference pitch.
void ReadAnswerRow(const QSqlQuery& query, HistoryAnswer& a)
{
    a.timeMs = query.value(0).toLongLong();
    a.level = query.value(1).toInt();
    a.session = query.value(2).toLongLong();
    a.question = query.value(3).toInt();
    a.asked = query.value(4).toInt();
    a.answered = query.value(5).toInt();
    a.right = query.value(6).toInt() != 0;
    a.input = InputOf(query.value(7).toInt());
    a.responseMs = query.value(8).toInt();
    a.instrument = query.value(9).toInt();
    a.referencePitch = query.value(10).toInt();
}

// Runs `read` on a read-only connection of this thread's own that exists only meanwhile.
template <typename Read>
bool WithReadConnection(const QString& path, QString* reason, Read read)
{
    const QFileInfo info(path);
    if (info.isDir()) {
        *reason = QStringLiteral("it is a folder");
        return false;
    }
    const QString name = NextConnectionName("read");
    bool ok = false;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!database.open()) {
            *reason = ErrorText(database.lastError());
        } else {
            QSqlQuery query(database);
            query.setForwardOnly(true);
            ok = read(query);
            if (!ok)
                *reason = ErrorText(query.lastError());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// Formats UTC milliseconds as 2026-12-07T01:30:00.123Z; by hand, since a QDateTime per
// field would dominate the export of a long history.
void AppendIsoTime(QByteArray& out, qint64 ms)
{
    qint64 days = ms / DayMs;
    qint64 rest = ms % DayMs;
    if (rest < 0) {
        rest += DayMs;
        --days;
    }
    const QDate date = QDate(1970, 1, 1).addDays(days);
    char text[48];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", date.year(),
                                     date.month(), date.day(), static_cast<int>(rest / 3600000),
                                     static_cast<int>(rest / 60000 % 60), static_cast<int>(rest / 1000 % 60),
                                     static_cast<int>(rest % 1000));
    out.append(text, length);
}

} // namespace

QString HistoryStore::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QLatin1Char('/')
           + QLatin1String(FileName);
}

HistoryStore::HistoryStore(const QString& path)
    : path(path), connectionName(NextConnectionName("write")), writer(&HistoryStore::Run, this)
{
}

HistoryStore::~HistoryStore()
{
    {
        std::lock_guard<std::mutex> lock(queueLock);
        stopping = true;
    }
    queueChanged.notify_one();
    writer.join();
}

void HistoryStore::RecordAnswer(const HistoryAnswer& answer)
{
    {
        std::lock_guard<std::mutex> lock(queueLock);
        queued.emplace_back(answer);
        ++queuedCount;
    }
    queueChanged.notify_one();
}

void HistoryStore::RecordSession(const HistorySession& session)
{
    {
        std::lock_guard<std::mutex> lock(queueLock);
        queued.emplace_back(session);
        ++queuedCount;
    }
    queueChanged.notify_one();
}

void HistoryStore::RecordTest(const HistoryTest& test)
{
    {
        std::lock_guard<std::mutex> lock(queueLock);
        queued.emplace_back(test);
        ++queuedCount;
    }
    queueChanged.notify_one();
}

void HistoryStore::Flush()
{
    std::unique_lock<std::mutex> lock(queueLock);
    const quint64 target = queuedCount;
    written.wait(lock, [&] { return doneCount >= target; });
}

QString HistoryStore::Problem() const
{
    std::lock_guard<std::mutex> lock(problemLock);
    return problem;
}

QString HistoryStore::Path() const
{
    return path;
}

void HistoryStore::Run()
{
    Open();
    std::unique_lock<std::mutex> lock(queueLock);
    const auto ready = [this] { return !queued.empty() || stopping; };
    for (;;) {
        // Held items are tried again now and then, also when nothing new comes.
        if (held.empty())
            queueChanged.wait(lock, ready);
        else
            queueChanged.wait_for(lock, std::chrono::milliseconds(RetryMs), ready);
        std::vector<Item> batch;
        batch.swap(queued);
        const quint64 upto = queuedCount;
        const bool last = stopping;
        lock.unlock();
        if (!batch.empty() || !held.empty())
            Write(std::move(batch));
        lock.lock();
        doneCount = upto;
        written.notify_all();
        if (last && queued.empty())
            break;
    }
    lock.unlock();
    if (!held.empty())
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: %n answers could still not be added to the practice history %1 when "
                                   "Ovelune closed; they are lost.",
                                   nullptr, int(held.size()))
                                    .arg(Native(path))));
    CloseConnection();
}

void HistoryStore::Open()
{
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder)) {
        Report(tr("Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). "
                              "Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until "
                              "then training goes on but answers are not recorded.")
                   .arg(Native(path), Native(folder)));
        return;
    }
    if (info.isDir()) {
        recording = MoveAside(tr("it is a folder"));
        return;
    }
    QString reason;
    if (Reopen(&reason))
        return;
    if (retryOpening)
        Report(tr("Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: "
                              "your answers wait and are added to it as soon as it can be opened again.")
                   .arg(Native(path), reason),
               true);
}

bool HistoryStore::Reopen(QString* reason)
{
    const bool existed = QFileInfo::exists(path);
    const Opening opening = OpenConnection(reason);
    if (opening == Opening::Ready) {
        recording = true;
        retryOpening = false;
        return true;
    }
    CloseConnection();
    retryOpening = false;
    if (opening == Opening::Newer) {
        Report(tr("Ovelune: the practice history %1 was written by a newer Ovelune (its version is "
                              "%2, this one knows up to %3). It is left as it is, and answers are not recorded.")
                   .arg(Native(path), *reason)
                   .arg(SchemaVersion));
        return false;
    }
    if (opening == Opening::Damaged && existed) {
        recording = MoveAside(*reason);
        return recording;
    }
    retryOpening = true;
    return false;
}

HistoryStore::Opening HistoryStore::OpenConnection(QString* reason)
{
    database.reset(new QSqlDatabase(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName)));
    database->setDatabaseName(path);
    if (!database->open()) {
        *reason = ErrorText(database->lastError());
        return IsDamage(ErrorCode(database->lastError())) ? Opening::Damaged : Opening::Failed;
    }
    QSqlQuery query(*database);
    // Version and check come before anything that writes: a newer history stays untouched,
    // a damaged one is moved aside as it was found.
    int code = 0;
    if (!Exec(query, QStringLiteral("PRAGMA user_version"), reason, &code))
        return IsDamage(code) ? Opening::Damaged : Opening::Failed;
    const int version = query.next() ? query.value(0).toInt() : 0;
    if (version > SchemaVersion) {
        *reason = QString::number(version);
        return Opening::Newer;
    }
    if (!Exec(query, QStringLiteral("PRAGMA quick_check"), reason, &code))
        return IsDamage(code) ? Opening::Damaged : Opening::Failed;
    const QString check = query.next() ? query.value(0).toString() : QString();
    if (check != QLatin1String("ok")) {
        *reason = QStringLiteral("its check found: %1").arg(check);
        return Opening::Damaged;
    }
    // In write-ahead-log mode NORMAL loses nothing committed when the process is killed.
    if (!Exec(query, QStringLiteral("PRAGMA journal_mode=WAL"), reason)
        || !Exec(query, QStringLiteral("PRAGMA synchronous=NORMAL"), reason)
        || !Exec(query, QStringLiteral("BEGIN IMMEDIATE"), reason))
        return Opening::Failed;
    QStringList steps;
    if (version == 0) {
        steps << QStringLiteral("CREATE TABLE IF NOT EXISTS answers(id INTEGER PRIMARY KEY, time INTEGER NOT NULL, "
                                "level INTEGER NOT NULL, session INTEGER NOT NULL, question INTEGER NOT NULL, "
                                "asked INTEGER NOT NULL, answered INTEGER NOT NULL, \"right\" INTEGER NOT NULL, "
                                "input INTEGER NOT NULL, response_ms INTEGER NOT NULL, "
                                "instrument INTEGER NOT NULL DEFAULT 0, reference_pitch INTEGER NOT NULL DEFAULT 440, "
                                "kind INTEGER NOT NULL DEFAULT 0)")
              << QStringLiteral("CREATE TABLE IF NOT EXISTS sessions(session INTEGER PRIMARY KEY, "
                                "\"end\" INTEGER NOT NULL, level INTEGER NOT NULL, \"right\" INTEGER NOT NULL, "
                                "total INTEGER NOT NULL, next_level INTEGER NOT NULL)");
    } else {
        if (version < 2)
            steps << QStringLiteral("ALTER TABLE answers ADD COLUMN instrument INTEGER NOT NULL DEFAULT 0");
        // Answers from before the reference pitch could be chosen were played at 440 Hz.
        if (version < 3)
            steps << QStringLiteral("ALTER TABLE answers ADD COLUMN reference_pitch INTEGER NOT NULL DEFAULT 440");
        // Every answer before reviews and pitch tests was a training answer.
        if (version < 4)
            steps << QStringLiteral("ALTER TABLE answers ADD COLUMN kind INTEGER NOT NULL DEFAULT 0");
    }
    steps << QStringLiteral("CREATE TABLE IF NOT EXISTS tests(time INTEGER PRIMARY KEY, notes INTEGER NOT NULL, "
                            "\"right\" INTEGER NOT NULL, octave_off INTEGER NOT NULL, mean_error REAL NOT NULL, "
                            "median_ms INTEGER NOT NULL, class_right TEXT NOT NULL)")
          // The review's schedule reads the review answers alone.
          << QStringLiteral("CREATE INDEX IF NOT EXISTS answers_review ON answers(time) WHERE kind = 1");
    steps << QStringLiteral("CREATE INDEX IF NOT EXISTS answers_time ON answers(time)")
          // The latest answers of one pitch class, newest first, without a walk of the table.
          << QStringLiteral("CREATE INDEX IF NOT EXISTS answers_pitch_class ON answers(asked % 12)")
          // Written even when unchanged: a file that cannot be written shows it here.
          << QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion);
    for (const QString& step : steps) {
        if (!Exec(query, step, reason)) {
            query.exec(QStringLiteral("ROLLBACK"));
            return Opening::Failed;
        }
    }
    if (!Exec(query, QStringLiteral("COMMIT"), reason)) {
        query.exec(QStringLiteral("ROLLBACK"));
        return Opening::Failed;
    }

    insertAnswer.reset(new QSqlQuery(*database));
    insertSession.reset(new QSqlQuery(*database));
    insertTest.reset(new QSqlQuery(*database));
    if (!insertTest->prepare(QStringLiteral("INSERT OR REPLACE INTO tests(time, notes, \"right\", octave_off, "
                                            "mean_error, median_ms, class_right) VALUES(?, ?, ?, ?, ?, ?, ?)"))) {
        *reason = ErrorText(insertTest->lastError());
        return Opening::Failed;
    }
    if (!insertAnswer->prepare(QStringLiteral(
            "INSERT INTO answers(time, level, session, question, asked, answered, \"right\", input, response_ms, "
            "instrument, reference_pitch, kind) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"))
        || !insertSession->prepare(QStringLiteral("INSERT OR REPLACE INTO sessions(session, \"end\", level, "
                                                  "\"right\", total, next_level) VALUES(?, ?, ?, ?, ?, ?)"))) {
        *reason = ErrorText(insertAnswer->lastError().isValid() ? insertAnswer->lastError()
                                                                 : insertSession->lastError());
        return Opening::Failed;
    }
    return Opening::Ready;
}

void HistoryStore::CloseConnection()
{
    insertAnswer.reset();
    insertSession.reset();
    insertTest.reset();
    if (database) {
        database->close();
        database.reset();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool HistoryStore::MoveAside(const QString& reason)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n)
        aside = path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) != 0) {
        Report(tr("Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside "
                              "(%3). Training goes on, but answers are not recorded.")
                   .arg(Native(path), reason, QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    // Its log goes with it: replayed into the fresh file, it would damage that one too.
    for (const QLatin1String suffix : {QLatin1String("-wal"), QLatin1String("-shm")}) {
        if (QFileInfo::exists(path + suffix) && !QFile::rename(path + suffix, aside + suffix))
            QFile::remove(path + suffix);
    }
    QString freshReason;
    if (OpenConnection(&freshReason) != Opening::Ready) {
        CloseConnection();
        Report(tr("Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, "
                              "but a new history cannot be created (%4). Training goes on, but answers are not "
                              "recorded.")
                   .arg(Native(path), reason, Native(aside), freshReason));
        return false;
    }
    Report(tr("Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a "
                          "new history was started.")
               .arg(Native(path), reason, Native(aside)));
    return true;
}

void HistoryStore::Write(std::vector<Item> batch)
{
    QString reason;
    if (!recording && !(retryOpening && Reopen(&reason))) {
        if (retryOpening)
            Hold(batch, reason);
        return; // otherwise nothing can be recorded, as was said at opening
    }
    // The held items first: they are the older ones.
    std::vector<Item> all;
    all.swap(held);
    all.insert(all.end(), std::make_move_iterator(batch.begin()), std::make_move_iterator(batch.end()));
    int code = 0;
    if (TryWrite(all, &reason, &code)) {
        PassedProblem();
        return;
    }
    if (IsDamage(code)) {
        CloseConnection();
        recording = MoveAside(reason);
        if (!recording || TryWrite(all, &reason, &code))
            return;
    }
    Hold(all, reason);
}

void HistoryStore::Hold(std::vector<Item>& batch, const QString& reason)
{
    const size_t room = HeldLimit - std::min(HeldLimit, held.size());
    if (batch.size() > room && !reportedHeldLoss) {
        reportedHeldLoss = true;
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: more than %n answers wait for the practice history %1; later ones are "
                                   "lost until it can be written again.",
                                   nullptr, int(HeldLimit))
                                    .arg(Native(path))));
    }
    held.insert(held.end(), std::make_move_iterator(batch.begin()),
                std::make_move_iterator(batch.begin() + std::ptrdiff_t(std::min(room, batch.size()))));
    Report(tr("Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as "
                          "it is: your answers wait and are added to it as soon as it can be written again.")
               .arg(Native(path), reason),
           true);
}

bool HistoryStore::TryWrite(const std::vector<Item>& batch, QString* reason, int* code)
{
    QSqlQuery query(*database);
    if (!Exec(query, QStringLiteral("BEGIN IMMEDIATE"), reason, code))
        return false;
    for (const Item& item : batch) {
        QSqlQuery* insert = nullptr;
        if (const HistoryAnswer* a = std::get_if<HistoryAnswer>(&item)) {
            insert = insertAnswer.get();
            const QVariant values[] = {a->timeMs,   a->level,        a->session,          a->question,
                                       a->asked,    a->answered,     a->right ? 1 : 0,    int(a->input),
                                       a->responseMs, a->instrument, a->referencePitch, int(a->kind)};
            for (int i = 0; i < 12; ++i)
                insert->bindValue(i, values[i]);
        } else if (const HistoryTest* t = std::get_if<HistoryTest>(&item)) {
            insert = insertTest.get();
            const QVariant values[] = {t->timeMs, t->notes, t->right, t->octaveOff, t->meanError, t->medianResponseMs,
                                       t->classRight};
            for (int i = 0; i < 7; ++i)
                insert->bindValue(i, values[i]);
        } else {
            const HistorySession& s = std::get<HistorySession>(item);
            insert = insertSession.get();
            const QVariant values[] = {s.session, s.endMs, s.level, s.right, s.total, s.nextLevel};
            for (int i = 0; i < 6; ++i)
                insert->bindValue(i, values[i]);
        }
        if (!insert->exec()) {
            *reason = ErrorText(insert->lastError());
            *code = ErrorCode(insert->lastError());
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    if (!Exec(query, QStringLiteral("COMMIT"), reason, code)) {
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}

void HistoryStore::Report(const QString& message, bool passing)
{
    {
        std::lock_guard<std::mutex> lock(problemLock);
        if (!problem.isEmpty())
            return;
        problem = message;
        problemPasses = passing;
    }
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

void HistoryStore::PassedProblem()
{
    std::lock_guard<std::mutex> lock(problemLock);
    if (problemPasses)
        problem.clear();
    problemPasses = false;
}

bool HistoryStore::ReadAnswersInto(const QString& path, qint64 sinceMs, std::vector<HistoryAnswer>& answers,
                                   QString* error)
{
    if (!QFileInfo::exists(path))
        return true; // nothing practised yet
    return WithReadConnection(path, error, [&](QSqlQuery& query) {
        // A history not yet migrated has no instruments: all were the default then.
        if (!query.exec(QStringLiteral("PRAGMA user_version")))
            return false;
        const int version = query.next() ? query.value(0).toInt() : 0;
        const QString instrument = version >= 2 ? QStringLiteral("instrument") : QStringLiteral("0");
        const QString referencePitch = version >= 3 ? QStringLiteral("reference_pitch") : QStringLiteral("440");
        query.finish();
        // Every column costs a QVariant per row, which dominates reading a long history: the
        // small fields come packed into one, a byte each, and the response time rides above
        // the time (2^42 ms since the epoch is the year 2109). A row whose fields do not fit
        // gives its id instead (as -1 - id) and is read on its own. The reference pitch rides
        // in the top byte, less 384.
        if (!query.prepare(QStringLiteral(
                "SELECT CASE WHEN (level | question | asked | answered | \"right\" | input | %1) BETWEEN 0 AND 255 "
                "AND time BETWEEN 0 AND 4398046511103 AND response_ms BETWEEN 0 AND 2097151 "
                "AND %3 BETWEEN 384 AND 511 "
                "THEN time | (response_ms << 42) ELSE -1 - id END, session, level | (question << 8) | (asked << 16) "
                "| (answered << 24) | (\"right\" << 32) | (input << 40) | (%1 << 48) | ((%3 - 384) << 56) "
                "FROM answers%2")
                               .arg(instrument, sinceMs > 0 ? QStringLiteral(" WHERE time >= ?") : QString(),
                                    referencePitch)))
            return false;
        if (sinceMs > 0)
            query.addBindValue(sinceMs);
        if (!query.exec())
            return false;
        std::vector<std::pair<size_t, qint64>> unpacked; // index in answers, row id
        while (query.next()) {
            HistoryAnswer a;
            const qint64 timed = query.value(0).toLongLong();
            if (timed < 0) {
                unpacked.emplace_back(answers.size(), -1 - timed);
                answers.push_back(a);
                continue;
            }
            a.timeMs = timed & 0x3ffffffffffLL;
            a.responseMs = static_cast<int>(timed >> 42);
            a.session = query.value(1).toLongLong();
            const qint64 packed = query.value(2).toLongLong();
            a.level = static_cast<int>(packed & 0xff);
            a.question = static_cast<int>(packed >> 8 & 0xff);
            a.asked = static_cast<int>(packed >> 16 & 0xff);
            a.answered = static_cast<int>(packed >> 24 & 0xff);
            a.right = (packed >> 32 & 0xff) != 0;
            a.input = InputOf(int(packed >> 40 & 0xff));
            a.instrument = static_cast<int>(packed >> 48 & 0xff);
            a.referencePitch = 384 + static_cast<int>(packed >> 56 & 0x7f);
            answers.push_back(a);
        }
        // A row that cannot be read ends the loop early with an error.
        if (query.lastError().isValid())
            return false;
        if (!unpacked.empty()) {
            if (!query.prepare(QStringLiteral("SELECT time, level, session, question, asked, answered, \"right\", "
                                              "input, response_ms, %1, %2 FROM answers WHERE id = ?")
                                   .arg(instrument, referencePitch)))
                return false;
            for (const auto& row : unpacked) {
                query.addBindValue(row.second);
                if (!query.exec() || !query.next())
                    return false;
                ReadAnswerRow(query, answers[row.first]);
            }
        }
        // Rows come in the order they were written, which is time order but for a clock
        // set back; sorting only then spares the index lookups of ORDER BY.
        const auto earlier = [](const HistoryAnswer& x, const HistoryAnswer& y) { return x.timeMs < y.timeMs; };
        if (!std::is_sorted(answers.begin(), answers.end(), earlier))
            std::stable_sort(answers.begin(), answers.end(), earlier);
        return true;
    });
}

bool HistoryStore::ReadLastAnswer(const QString& path, HistoryAnswer* answer)
{
    if (!QFileInfo::exists(path))
        return false;
    QString error;
    bool found = false;
    WithReadConnection(path, &error, [&](QSqlQuery& query) {
        // The instrument and the reference pitch are left out: a history not yet migrated has none.
        if (!query.exec(QStringLiteral("SELECT time, level, session, question, asked, answered, \"right\", input, "
                                       "response_ms, 0, 440 FROM answers ORDER BY id DESC LIMIT 1")))
            return false;
        found = query.next();
        if (found)
            ReadAnswerRow(query, *answer);
        return true;
    });
    return found;
}

bool HistoryStore::ReadWith(const QString& path, QString* error, const std::function<bool(QSqlQuery&)>& read)
{
    if (!QFileInfo::exists(path))
        return true;
    QString reason;
    const bool ok = WithReadConnection(path, &reason, read);
    if (!ok && error)
        *error = reason;
    return ok;
}

std::vector<HistoryAnswer> HistoryStore::ReadAnswers(const QString& path, qint64 sinceMs, QString* error)
{
    std::vector<HistoryAnswer> answers;
    QString reason;
    if (!ReadAnswersInto(path, sinceMs, answers, &reason)) {
        answers.clear();
        if (error)
            *error = reason;
    }
    return answers;
}

std::vector<HistorySession> HistoryStore::ReadSessions(const QString& path, qint64 sinceMs, QString* failure)
{
    std::vector<HistorySession> sessions;
    if (!QFileInfo::exists(path))
        return sessions;
    QString error;
    const bool ok = WithReadConnection(path, &error, [&](QSqlQuery& query) {
        if (!query.prepare(QStringLiteral("SELECT session, \"end\", level, \"right\", total, next_level FROM sessions "
                                          "WHERE \"end\" >= ? ORDER BY \"end\", session")))
            return false;
        query.addBindValue(sinceMs > 0 ? sinceMs : std::numeric_limits<qint64>::min());
        if (!query.exec())
            return false;
        while (query.next()) {
            HistorySession s;
            s.session = query.value(0).toLongLong();
            s.endMs = query.value(1).toLongLong();
            s.level = query.value(2).toInt();
            s.right = query.value(3).toInt();
            s.total = query.value(4).toInt();
            s.nextLevel = query.value(5).toInt();
            sessions.push_back(s);
        }
        return !query.lastError().isValid();
    });
    if (!ok) {
        sessions.clear();
        if (failure)
            *failure = error;
    }
    return sessions;
}

std::vector<HistoryTest> HistoryStore::ReadTests(const QString& path, qint64 sinceMs, QString* failure)
{
    std::vector<HistoryTest> tests;
    QString error;
    // A history from before pitch tests has no table of them: none taken.
    const bool ok = ReadWith(path, &error, [&](QSqlQuery& query) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'tests'")) || !query.next())
            return false;
        if (query.value(0).toInt() == 0)
            return true;
        if (!query.prepare(QStringLiteral("SELECT time, notes, \"right\", octave_off, mean_error, median_ms, "
                                          "class_right FROM tests WHERE time >= ? ORDER BY time")))
            return false;
        query.addBindValue(sinceMs);
        if (!query.exec())
            return false;
        while (query.next())
            tests.push_back({query.value(0).toLongLong(), query.value(1).toInt(), query.value(2).toInt(),
                             query.value(3).toInt(), query.value(4).toDouble(), query.value(5).toInt(),
                             query.value(6).toString()});
        return !query.lastError().isValid();
    });
    if (!ok) {
        tests.clear();
        if (failure)
            *failure = error;
    }
    return tests;
}

bool HistoryStore::ExportCsv(const QString& databasePath, const QString& csvPath, QString* error)
{
    QString reason;
    std::vector<HistoryAnswer> answers;
    if (!ReadAnswersInto(databasePath, 0, answers, &reason)) {
        if (error)
            *error = tr("The practice history %1 could not be read (%2).").arg(Native(databasePath), reason);
        return false;
    }
    QByteArray out;
    out.reserve(static_cast<int>(answers.size()) * 96 + 128);
    out.append(CsvHeader);
    // Names are translated on every call: once per note is enough.
    QByteArray names[128];
    auto appendName = [&](int midi) {
        if (midi < 0 || midi > 127) {
            out.append(Core::GetNoteString(midi - 21, false).toUtf8());
            return;
        }
        if (names[midi].isEmpty())
            names[midi] = Core::GetNoteString(midi - 21, false).toUtf8();
        out.append(names[midi]);
    };
    qint64 lastSession = 0;
    QByteArray sessionText;
    for (const HistoryAnswer& a : answers) {
        AppendIsoTime(out, a.timeMs);
        out.append(',').append(QByteArray::number(a.level)).append(',');
        if (sessionText.isEmpty() || a.session != lastSession) {
            sessionText.clear();
            AppendIsoTime(sessionText, a.session);
            lastSession = a.session;
        }
        out.append(sessionText).append(',').append(QByteArray::number(a.question)).append(',');
        out.append(QByteArray::number(a.asked)).append(',');
        appendName(a.asked);
        out.append(',').append(QByteArray::number(a.answered)).append(',');
        appendName(a.answered);
        out.append(a.right ? ",1," : ",0,").append(InputWords[int(a.input)]);
        out.append(QByteArray::number(a.responseMs)).append(',').append(QByteArray::number(a.instrument));
        out.append(',').append(QByteArray::number(a.referencePitch)).append('\n');
    }
    QSaveFile file(csvPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit()) {
        if (error)
            *error = tr("The export %1 cannot be written (%2).").arg(Native(csvPath), file.errorString());
        return false;
    }
    return true;
}
