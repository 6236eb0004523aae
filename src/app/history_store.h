#pragma once

#include <QCoreApplication>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

class QSqlDatabase;
class QSqlQuery;

// How an answer was given; the history keeps the number.
enum class AnswerInput { Mouse = 0, Midi = 1, Keyboard = 2 };

// What an answer was given in; the history keeps the number.
enum class SessionKind { Training = 0, Review = 1, PitchTest = 2 };

// One judged answer as the practice history keeps it.
struct HistoryAnswer
{
    qint64 timeMs = 0; // when judged, ms since the epoch (UTC)
    int level = 1;     // 1..12
    qint64 session = 0; // the session's id: its start, ms since the epoch
    int question = 0;  // index in the session's question list
    int asked = 0;     // MIDI note asked
    int answered = 0;  // MIDI note answered
    bool right = false;
    AnswerInput input = AnswerInput::Mouse;
    int responseMs = 0; // from the start of the question note
    int instrument = 0; // General MIDI program the question sounded with
    int referencePitch = 440; // A4 in Hz the notes were tuned to
    SessionKind kind = SessionKind::Training;
};

// One finished session.
struct HistorySession
{
    qint64 session = 0; // id: start, ms since the epoch
    qint64 endMs = 0;
    int level = 1;
    int right = 0, total = 0;
    int nextLevel = 1;
};

// One pitch test without feedback, as its result card showed it.
struct HistoryTest
{
    qint64 timeMs = 0; // its end, ms since the epoch
    int notes = 0;
    int right = 0;
    int octaveOff = 0;      // right pitch class, wrong octave
    double meanError = 0;   // semitones
    int medianResponseMs = 0;
    QString classRight;     // right answers per pitch class, C first, comma-separated
};

// The practice history: every judged answer and every finished session in an SQLite
// database (write-ahead log). Recording never waits for the disk: items are queued and a
// writer thread of the store's own commits them, each batch in one transaction. Only a
// database SQLite finds damaged (or not a database) is moved aside and a fresh one started.
// While the file cannot be opened or written for a passing reason (another program holds
// a lock on it, the disk is full, an input/output error), the file is kept, the items wait
// in memory (up to HeldLimit) and are written as soon as it works again; the user is told
// once.
class HistoryStore
{
    Q_DECLARE_TR_FUNCTIONS(HistoryStore)

public:
    static constexpr int SchemaVersion = 4;
    // Items kept in memory while the database cannot be written; later ones are lost.
    static constexpr size_t HeldLimit = 10000;
    // How often a database that could not be written is tried again.
    static constexpr int RetryMs = 2000;
    // AppDataLocation + "/history.sqlite".
    static QString DefaultPath();

    // Returns at once: the database is opened, checked and migrated on the writer thread.
    explicit HistoryStore(const QString& path = DefaultPath());
    // Writes everything queued, then closes.
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Any thread (the GUI thread in practice): queue and return at once.
    void RecordAnswer(const HistoryAnswer& answer);
    void RecordSession(const HistorySession& session);
    void RecordTest(const HistoryTest& test);
    // Any thread: blocks until everything queued before the call is committed, held in
    // memory for a later try, or given up.
    void Flush();
    // Any thread: the one message about trouble, as printed on standard error without the
    // line break, or empty.
    QString Problem() const;
    QString Path() const;

    // Any thread, on a read-only connection of the caller's own (write-ahead log: reads never
    // wait for the writer). Items with time >= sinceMs (0: all; a session's time is its end),
    // in time order. Empty when the database is missing or cannot be read; then `error`,
    // if given, says why (it stays empty for a missing database).
    static std::vector<HistoryAnswer> ReadAnswers(const QString& path, qint64 sinceMs = 0, QString* error = nullptr);
    static std::vector<HistorySession> ReadSessions(const QString& path, qint64 sinceMs = 0, QString* error = nullptr);
    static std::vector<HistoryTest> ReadTests(const QString& path, qint64 sinceMs = 0, QString* error = nullptr);
    // Any thread: runs `read` on a read-only connection of the caller's own. A missing
    // database is not read and gives true; false with *error set when the database cannot
    // be opened or `read` fails.
    static bool ReadWith(const QString& path, QString* error, const std::function<bool(QSqlQuery&)>& read);
    // The answer recorded last; false when there is none or it cannot be read.
    static bool ReadLastAnswer(const QString& path, HistoryAnswer* answer);
    // Every answer as one CSV line under a header. A missing database gives the header only.
    // Never creates, moves or changes the database. False with *error set on failure.
    static bool ExportCsv(const QString& databasePath, const QString& csvPath, QString* error);

private:
    using Item = std::variant<HistoryAnswer, HistorySession, HistoryTest>;
    // Failed: for a passing reason, worth another try; Damaged: SQLite finds the file damaged
    // or not a database.
    enum class Opening { Ready, Failed, Damaged, Newer };

    // Writer thread only.
    void Run();
    void Open();
    // Opens the database again after a passing trouble; false while it cannot be.
    bool Reopen(QString* reason);
    Opening OpenConnection(QString* reason);
    void CloseConnection();
    bool MoveAside(const QString& reason);
    void Write(std::vector<Item> batch);
    // Adds to the held items, up to HeldLimit; says once what happens.
    void Hold(std::vector<Item>& batch, const QString& reason);
    bool TryWrite(const std::vector<Item>& batch, QString* reason, int* code);
    // Any thread; only the first message of a store is printed and kept. A passing one
    // (`passing`) is forgotten once the database works again.
    void Report(const QString& message, bool passing = false);
    void PassedProblem();

    static bool ReadAnswersInto(const QString& path, qint64 sinceMs, std::vector<HistoryAnswer>& answers,
                                QString* error);

    const QString path;
    const QString connectionName;

    // Guards the queue and the counters between the recording threads, Flush and the writer.
    mutable std::mutex queueLock;
    std::condition_variable queueChanged; // the writer waits for items or the end
    std::condition_variable written;      // Flush waits for doneCount
    std::vector<Item> queued;
    quint64 queuedCount = 0; // items ever queued
    quint64 doneCount = 0;   // items ever committed or given up
    bool stopping = false;

    // Guards `problem`, which any thread reads and the writer sets once.
    mutable std::mutex problemLock;
    QString problem;
    bool problemPasses = false;

    // Writer thread only: the connection's state.
    bool recording = false;
    bool retryOpening = false; // the database could not be opened for a passing reason
    std::vector<Item> held; // waiting for the database to work again
    bool reportedHeldLoss = false;
    std::unique_ptr<QSqlDatabase> database;
    std::unique_ptr<QSqlQuery> insertAnswer;
    std::unique_ptr<QSqlQuery> insertSession;
    std::unique_ptr<QSqlQuery> insertTest;

    std::thread writer; // last: started once everything above exists
};
