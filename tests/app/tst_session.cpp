// Training sessions in the real application and window: what is asked, heard, judged and
// shown, and when; answered with the mouse, or with MIDI from another thread as the MIDI
// back end delivers it. And one program per store, with the real executable beside it.
#include "app_harness.h"

#include "app/history_store.h"
#include "app/quit_on_signal.h"
#include "app/single_instance.h"
#include "core/instrument_names.h"
#include "core/midi/midi_out_mac_device.h"
#include "support/event_log.h"
#include "support/pitch_detector.h"

#include <QCryptographicHash>
#include <QJSValue>
#include <QLocalSocket>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QXYSeries>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <map>
#include <set>
#include <thread>

namespace {

const char* const Note = "onCurrentNote", *const Answer = "onAnswerRecieved";

// Waits up to 5 s for the synthesizer to sound `expected`, rendering 0.6 s offline at each
// look and measuring past the attack; the note heard last. A note is judged at its start:
// seconds into its decay the detector may take a low piano note for its twelfth below.
long HeardWithin(Core::MidiOutMacDevice& synth, long expected)
{
    std::vector<float> left(size_t(0.6 * synth.SampleRate())), right(left.size());
    const size_t skip = size_t(0.15 * synth.SampleRate());
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (!synth.Render(left.data(), right.data(), unsigned(left.size())))
            return -1;
        const double hz = PitchDetector(synth.SampleRate()).Detect(left.data() + skip, left.size() - skip);
        const long heard = hz > 0 ? std::lround(PitchDetector::ToMidiNote(hz)) : -1;
        if (heard == expected || waited.elapsed() >= 5000)
            return heard;
        QTest::qWait(20);
    }
}

QStringList Cells(const AppUnderTest& t)
{
    QStringList colors;
    for (QQuickItem* cell : t.Item("cellRow")->childItems())
        if (!cell->inherits("QQuickRepeater"))
            colors << cell->property("color").value<QColor>().name();
    return colors;
}

std::unique_ptr<QProcess> StartProgram(const QString& audioFile = QString())
{
    std::unique_ptr<QProcess> program(new QProcess);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("OVELUNE_MIDI_API", "none");
    if (!audioFile.isEmpty()) {
        environment.insert("OVELUNE_AUDIO_DRIVER", "file");
        environment.insert("OVELUNE_AUDIO_FILE", audioFile);
        environment.insert("OVELUNE_START_SESSION", "1");
    }
    program->setProcessEnvironment(environment);
    program->start(QStringLiteral(OVELUNE_BINARY), QStringList());
    return program;
}

bool SomeoneListens()
{
    QLocalSocket probe;
    probe.connectToServer(SingleInstance(StoreFile()).SocketPath());
    return probe.waitForConnected(200);
}

QByteArray StoreDigest()
{
    QFile file(StoreFile());
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                          : QByteArray();
}

// The program each note-on was given by a program change on its channel just before it;
// -1 for a note-on without one.
std::vector<int> Programs(const EventLog& log)
{
    std::vector<int> programs;
    const std::vector<Core::MidiEvent> events = log.Events();
    for (size_t i = 0; i < events.size(); ++i) {
        const Core::MidiMessage& note = events[i].GetMessage();
        if (!note.IsNoteAudible())
            continue;
        const Core::MidiMessage* before = i > 0 ? &events[i - 1].GetMessage() : nullptr;
        const bool given = before && before->GetCommand() == Core::ProgramChange && before->GetChannel() == note.GetChannel();
        programs.push_back(given ? before->GetByte(1) : -1);
    }
    return programs;
}

// A series of one of the statistics view's charts.
QAbstractSeries* Series(const AppUnderTest& t, const char* chart, int index)
{
    QAbstractSeries* series = nullptr;
    if (QQuickItem* view = t.Item(chart))
        QMetaObject::invokeMethod(view, "series", Q_RETURN_ARG(QAbstractSeries*, series), Q_ARG(int, index));
    return series;
}

// The points a line series draws.
QVector<QPointF> Drawn(const AppUnderTest& t, const char* chart, int index = 0)
{
    auto* line = qobject_cast<QXYSeries*>(Series(t, chart, index));
    if (!line)
        return {QPointF(-1, -1)};
    const auto points = line->points();
    return QVector<QPointF>(points.begin(), points.end());
}

// The values of a bar series' one set.
QVector<qreal> Bars(const AppUnderTest& t, const char* chart)
{
    auto* bars = qobject_cast<QBarSeries*>(Series(t, chart, 0));
    QVector<qreal> values;
    if (bars && bars->count() == 1)
        for (int i = 0; i < bars->barSets()[0]->count(); ++i)
            values.append(bars->barSets()[0]->at(i));
    return values;
}

// The top of a series' vertical axis.
double AxisTop(const AppUnderTest& t, const char* chart)
{
    QAbstractSeries* series = Series(t, chart, 0);
    for (QAbstractAxis* axis : series ? series->attachedAxes() : QList<QAbstractAxis*>())
        if (axis->orientation() == Qt::Vertical)
            return axis->property("max").toDouble();
    return -1;
}

// The statistics view open, with the figures it asked for drawn. Its first opening also
// loads Qt Charts: callers wait up to 20 s for it on a busy machine.
bool FiguresShown(const AppUnderTest& t)
{
    return t.Item("statsWindow") && t.Window("statsWindow", "visible").toBool() &&
           !t.Window("statsWindow", "computing").toBool() && t.Window("statsWindow", "drawn").toBool();
}

qint64 NoonDaysAgo(int days)
{
    return QDateTime(QDate::currentDate().addDays(-days), QTime(12, 0)).toMSecsSinceEpoch();
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        ResetStore();
        QCoreApplication::setOrganizationName("Quorvex"); // where the history lives, before any application
        QCoreApplication::setApplicationName("Ovelune");
        for (const char* suffix : {"", "-wal", "-shm"})
            QFile::remove(HistoryStore::DefaultPath() + suffix);
    }

    void whatIsHeard()
    {
        AppUnderTest t;
        auto synth = boost::dynamic_pointer_cast<Core::MidiOutMacDevice>(t.app->GetOutputDevice());
        QVERIFY(synth);
        // Before a session a click only sounds its key.
        t.Click(60 - 21);
        QCOMPARE(HeardWithin(*synth, 60), 60L);
        QCOMPARE(t.app->GetState(), Application::Idle);
        QVERIFY(t.rec->calls.isEmpty());

        messenger->startNewSession(4);
        for (int i = 0; i < 4; ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
            const long asked = long(t.Asked());
            QCOMPARE(HeardWithin(*synth, asked), asked);
            t.Click(int(asked) + 5 - 21); // a wrong key cuts the question and sounds itself
            QCOMPARE(HeardWithin(*synth, asked + 5), asked + 5);
        }
    }

    void levelOneSessionRaisesTheLevel()
    {
        QSettings(StoreFile(), QSettings::IniFormat).setValue("GlobalSetting/MidiInstrument", 40);
        AppUnderTest t;
        Recorder& rec = *t.rec;
        messenger->startNewSession(1);
        const std::vector<unsigned int> list = t.Model().questions;
        QCOMPARE(t.app->GetState(), Application::PlayingQuestion); // the run's first question at once
        for (unsigned int i = 0; i < 7; ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
            QCOMPARE(rec.Last(Note).args, QVariantList{0u}); // C, first of the level order
            // 5 of 7 right: the second answer an octave off, the third a neighbour.
            const int asked = int(t.Asked()) - 21;
            const int clicked = i == 1 ? (asked > 12 ? asked - 12 : asked + 12) : i == 2 ? asked + 1 : asked;
            QTest::qWait(5); // a response takes time: at once it could measure 0 ms
            t.Click(clicked);
            const Recorder::Call answer = rec.Last(Answer);
            QCOMPARE(answer.args, (QVariantList{clicked == asked, i}));
            QCOMPARE(t.app->GetState(), Application::ShowingAnswer);
            QCOMPARE(t.Lit(1), QVector<int>{asked});
            QCOMPARE(t.Lit(3), clicked == asked ? QVector<int>{} : QVector<int>{clicked});
            if (i == 6)
                break;
            // Shown for 400 ms, then the next note 300 ms later, with the keys cleared.
            QTRY_COMPARE_WITH_TIMEOUT(rec.Count(Note), int(i) + 2, 5000);
            const qint64 shown = rec.Last(Note).atMs - answer.atMs;
            QVERIFY2(shown >= 600, qPrintable(QString("next note %1 ms after the answer").arg(shown)));
            QVERIFY(t.Lit(1).isEmpty() && t.Lit(3).isEmpty());
        }
        QCOMPARE(Cells(t), (QStringList{"#008000", "#ff0000", "#ff0000", "#008000", "#008000", "#008000", "#008000"}));
        QCOMPARE(t.Window("scoreText", "text").toString(), QString("7/7"));
        QCOMPARE(t.Window("percentText", "text").toString(), QString("71%"));

        QTRY_COMPARE_WITH_TIMEOUT(rec.Count("onMaturityLevelChanged"), 1, 5000);
        QCOMPARE(rec.Last("onMaturityLevelChanged").args, QVariantList{2u});
        QCOMPARE(t.Window("root", "difficultyLevel").toInt(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
        QCOMPARE(t.Model().maturityLevel, 2u);
        QCOMPARE(Cells(t).size(), 14);

        // The history holds every answer as judged, and the session they made.
        t.app->GetHistory()->Flush();
        const std::vector<HistoryAnswer> answers = HistoryStore::ReadAnswers(t.app->GetHistory()->Path());
        QCOMPARE(answers.size(), size_t(7));
        for (int i = 0; i < 7; ++i) {
            const HistoryAnswer& a = answers[size_t(i)];
            const int asked = int(list[size_t(i)]);
            const int answered = i == 1 ? (asked > 33 ? asked - 12 : asked + 12) : i == 2 ? asked + 1 : asked;
            QCOMPARE(QVector<int>({a.question, a.asked, a.answered, a.right, a.level, int(a.input), a.instrument}),
                     QVector<int>({i, asked, answered, i != 1 && i != 2, 1, false, 40}));
            QVERIFY(a.session == answers[0].session && a.responseMs >= 5 && a.timeMs >= a.session + a.responseMs);
        }
        const std::vector<HistorySession> sessions = HistoryStore::ReadSessions(t.app->GetHistory()->Path());
        QCOMPARE(sessions.size(), size_t(1));
        QCOMPARE(QVector<qint64>({sessions[0].session, sessions[0].level, sessions[0].right, sessions[0].total, sessions[0].nextLevel}),
                 QVector<qint64>({answers[0].session, 1, 5, 7, 2}));
    }

    void answersOnlyWhilePlayingOrAwaited()
    {
        AppUnderTest t;
        messenger->startNewSession(1);
        // From another thread, as the MIDI back end calls; judged on the GUI thread.
        const auto play = [&t](const std::vector<Core::MidiMessage>& messages) {
            std::thread([&] {
                for (const Core::MidiMessage& m : messages)
                    t.app->processMidiEvent(Core::MidiEvent(m, 0, 0.0));
            }).join();
            QTest::qWait(50);
        };
        const auto asked = static_cast<unsigned char>(t.Asked());
        play({Core::MidiMessage(Core::NoteOff, 0, asked, 64), Core::MidiMessage(Core::NoteOn, 0, asked, 0)});
        QCOMPARE(t.rec->Count(Answer), 0);
        // Two keys at once, on any channel: only the first counts.
        play({Core::MidiMessage(Core::NoteOn, 9, asked + 1, 80), Core::MidiMessage(Core::NoteOn, 0, asked, 80)});
        QCOMPARE(t.rec->Count(Answer), 1);
        QCOMPARE(t.rec->Last(Answer).args[0], QVariant(false));
        t.app->GetHistory()->Flush();
        QVERIFY(HistoryStore::ReadAnswers(t.app->GetHistory()->Path()).at(0).input == AnswerInput::Midi);
        t.Click(asked - 21); // while the answer is shown a click only sounds
        QCOMPARE(t.rec->Count(Answer), 1);
        // The next note ends unanswered: the answer is still awaited.
        QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::AwaitingAnswer, 20000);
        t.Click(int(t.Asked()) - 21);
        QCOMPARE(t.rec->Count(Answer), 2);
        QCOMPARE(t.rec->Last(Answer).args[0], QVariant(true));
    }

    void replayDuringAnswerDisplayAsksAgain()
    {
        AppUnderTest t;
        messenger->startNewSession(1);
        const int asked = int(t.Asked()) - 21;
        emit t.Keys().keyPressed(asked + 1);
        messenger->replayQuestion();
        QCOMPARE(t.rec->Count(Note), 2);
        QTest::qWait(1000); // the move to the next question was cancelled
        QCOMPARE(t.Model().currentQuestion, 0u);
        emit t.Keys().keyPressed(asked);
        QCOMPARE(t.rec->Last(Answer).args, (QVariantList{true, 0u}));
        QCOMPARE(t.Model().correctCount + t.Model().incorrectCount, 2u);
    }

    // The end of the question's earlier playing, reported just as a replay starts, must not
    // end the replay: the question is still being played.
    void anOlderPlayingsEndLeavesTheReplay()
    {
        AppUnderTest t;
        messenger->startNewSession(1);
        QTest::qWait(100);
        messenger->replayQuestion();
        t.app->OnPlaybackComplete(); // as the timer thread reports the earlier stream's end
        QTest::qWait(100);
        QCOMPARE(t.app->GetState(), Application::PlayingQuestion);
    }

    void perfectPitchWaitsForTheLearner()
    {
        AppUnderTest t;
        AppSettings& model = t.Model();
        messenger->startNewSession(12);
        // The window gets each note's place in the level order C D E F G A B C# D# F# G# A#.
        const unsigned int order[12] = {0, 7, 1, 8, 2, 3, 9, 4, 10, 5, 11, 6};
        for (model.currentQuestion = 0; model.currentQuestion < 84; ++model.currentQuestion) {
            messenger->replayQuestion();
            QCOMPARE(t.rec->Last(Note).args, QVariantList{order[t.Asked() % 12]});
        }
        model.currentQuestion = 83; // the last question, with 54 right so far
        model.correctCount = 54;
        model.incorrectCount = 29;
        emit t.Keys().keyPressed(int(t.Asked()) - 21);
        QTRY_COMPARE_WITH_TIMEOUT(t.rec->Count("onPerfectPitchAcquired"), 1, 5000);
        QCOMPARE(t.rec->Last("onPerfectPitchAcquired").args, QVariantList{12u});
        const int notes = t.rec->Count(Note);
        QTest::qWait(1500);
        QCOMPARE(t.rec->Count(Note), notes);
        QCOMPARE(t.rec->Count("onMaturityLevelChanged"), 0);
        QCOMPARE(t.app->GetState(), Application::ShowingResults);
        QCOMPARE(model.maturityLevel, 12u);
    }

    // Every note sounds with the chosen instrument, the key echo too. A stored program that
    // is not offered plays the piano and stays stored until the learner chooses; the
    // changing instrument varies from question to question, not for a replay.
    void notesPlayWithTheChosenInstrument()
    {
        QSettings(StoreFile(), QSettings::IniFormat).setValue("GlobalSetting/MidiInstrument", 5);
        AppUnderTest t;
        EventLog log;
        t.app->GetOutputDevice()->AddObserver(&log);
        messenger->startNewSession(1);
        QTRY_COMPARE(OnDisk("GlobalSetting/MaturityLevel").toInt(), 1);
        QCOMPARE(OnDisk("GlobalSetting/MidiInstrument").toInt(), 5);
        QCOMPARE(t.Window("instrument", "currentIndex").toInt(), 0);
        t.Click(int(t.Asked()) - 21);
        // Chosen while the answer is shown: the store keeps pointing past the answered question.
        messenger->selectInstrument(Core::OfferedInstrumentIndex(40));
        QTRY_VERIFY(Programs(log).size() >= 2);
        QCOMPARE(Programs(log)[0] + Programs(log)[1], 0);
        QTRY_COMPARE(OnDisk("GlobalSetting/MidiInstrument").toInt(), 40);
        QCOMPARE(OnDisk("GlobalSetting/CurrentQuestion").toInt(), 1);
        messenger->replayQuestion();
        QTRY_COMPARE(Programs(log).back(), 40);

        messenger->selectInstrument(int(Core::OfferedInstrumentCount));
        QTRY_COMPARE(OnDisk("GlobalSetting/MidiInstrument").toInt(), -1);
        std::set<int> programs;
        for (int question = 0; question < 10; ++question) {
            const size_t notes = Programs(log).size();
            messenger->startNewSession(1);
            QTRY_VERIFY_WITH_TIMEOUT(Programs(log).size() > notes, 5000);
            programs.insert(Programs(log).back());
        }
        QVERIFY2(programs.size() >= 3 && !programs.count(-1), qPrintable(QString::number(programs.size())));
        const size_t notes = Programs(log).size();
        messenger->replayQuestion();
        QTRY_VERIFY(Programs(log).size() > notes);
        QCOMPARE(Programs(log)[notes], Programs(log)[notes - 1]);
        t.app->GetOutputDevice()->RemoveObserver(&log);
    }

    // Enter begins and Space replays, as the button does; not while the help is open.
    void keysBeginAndReplay()
    {
        ResetStore(true);
        AppUnderTest t;
        QQuickView& view = t.app->GetView();
        view.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTest::keyClick(&view, Qt::Key_Return);
        t.ClickItem("helpCloseTextButton");
        QTRY_VERIFY(t.Window("Keyboard", "visible").toBool());
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(t.rec->Count(Note), 0);
        QTest::keyClick(&view, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(t.rec->Count(Note), 1);
        QTRY_VERIFY_WITH_TIMEOUT(t.Window("replaySound", "enabled").toBool(), 10000);
        QTest::keyClick(&view, Qt::Key_Space);
        QCOMPARE(t.rec->Count(Note), 2);
    }

    // The statistics view opens from the title bar over the session and closes with Escape;
    // empty, it says what will appear, and that a damaged history was moved aside. The
    // history is exported beside a running program.
    void practiceIsShownAndExported()
    {
        QDir().mkpath(QFileInfo(HistoryStore::DefaultPath()).path());
        QFile damaged(HistoryStore::DefaultPath());
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(4096, '\x5a')) == 4096);
        damaged.close();
        AppUnderTest t;
        QQuickView& view = t.app->GetView();
        view.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        t.ClickItem("statsButton");
        QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(t), 20000);
        QVERIFY(t.Window("statsEmpty", "visible").toBool() && !t.Window("Keyboard", "visible").toBool());
        QVERIFY(t.Window("statsProblem", "text").toString().contains("moved aside"));
        QTest::keyClick(&view, Qt::Key_Escape);
        QTRY_VERIFY(!t.Window("statsWindow", "visible").toBool() && t.Window("Keyboard", "visible").toBool());

        messenger->startNewSession(1);
        const int asked = int(t.Asked());
        t.Click(asked + 12 - 21); // the right note an octave too high
        t.ClickItem("statsButton");
        QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(t) && !t.Window("statsEmpty", "visible").toBool(), 20000);
        const auto figures = t.Window("statsWindow", "figures").value<StatisticsFigures>();
        QCOMPARE(QVector<int>({figures.answers, figures.right, figures.octaveErrors}),
                 QVector<int>({1, 0, 1}));
        QCOMPARE(t.Window("octaveErrorText", "text").toString(), QString("Right note, wrong octave: 100.0 % of answers"));

        QTemporaryDir dir;
        QProcess exporter;
        exporter.start(QStringLiteral(OVELUNE_BINARY), {"--export-history", dir.filePath("history.csv")});
        QVERIFY(exporter.waitForFinished(20000));
        QCOMPARE(exporter.exitCode(), 0);
        QFile csv(dir.filePath("history.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().trimmed().split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[1].contains(QString(",%1,").arg(asked + 12).toLatin1()), lines[1].constData());
        exporter.start(QStringLiteral(OVELUNE_BINARY), {"--export-history", dir.filePath("missing/history.csv")});
        QVERIFY(exporter.waitForFinished(20000));
        QCOMPARE(exporter.exitCode(), 1);
        QVERIFY(exporter.readAllStandardError().startsWith("Ovelune: "));
        exporter.start(QStringLiteral(OVELUNE_BINARY), {"--version"});
        QVERIFY(exporter.waitForFinished(20000));
        QCOMPARE(exporter.readAllStandardOutput().trimmed(), QByteArray("Ovelune " OVELUNE_VERSION));
        // A mistyped option is said, and nothing opens; a toolkit option is taken.
        const QByteArray stored = StoreDigest();
        for (const QStringList& mistaken : {QStringList{"--export-histroy", "x.csv"}, QStringList{"-platform", "offscreen", "-z"}}) {
            exporter.start(QStringLiteral(OVELUNE_BINARY), mistaken);
            QVERIFY(exporter.waitForFinished(20000));
            QCOMPARE(exporter.exitCode(), 2);
            QVERIFY2(exporter.readAllStandardError().contains("Unknown option"), qPrintable(mistaken.join(' ')));
        }
        QCOMPARE(StoreDigest(), stored);
    }

    // A history another program holds locked is said to be unreadable for now, not shown as
    // nothing practised.
    void lockedHistoryIsNotShownAsEmpty()
    {
        {
            HistoryStore store(HistoryStore::DefaultPath());
            store.RecordAnswer({});
        }
        {
            QSqlDatabase holder = QSqlDatabase::addDatabase("QSQLITE", "holder");
            holder.setDatabaseName(HistoryStore::DefaultPath());
            QSqlQuery hold(holder.open() ? holder : QSqlDatabase());
            QVERIFY(hold.exec("PRAGMA locking_mode=EXCLUSIVE") && hold.exec("BEGIN EXCLUSIVE")
                    && hold.exec("INSERT INTO sessions VALUES(1, 1, 1, 1, 1, 1)"));
            AppUnderTest t;
            t.ClickItem("statsButton");
            QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(t), 20000);
            QVERIFY2(t.Window("statsProblem", "text").toString().contains("cannot be read now"),
                     qPrintable(t.Window("statsProblem", "text").toString()));
            QVERIFY(!t.Window("statsEmpty", "visible").toBool());
            hold.exec("ROLLBACK");
        }
        QSqlDatabase::removeDatabase("holder");
    }

    // What the statistics view draws from a known history: each chart's points and scale,
    // and the span each range button asks for.
    void statisticsViewDrawsTheHistory()
    {
        const qint64 ended[3] = {NoonDaysAgo(40), NoonDaysAgo(20), NoonDaysAgo(2)};
        {
            HistoryStore store(HistoryStore::DefaultPath());
            const int levels[3] = {2, 3, 4}, right[3] = {7, 14, 21};
            // Per session: answers one minute apart, (asked, answered, response ms).
            const std::vector<std::array<int, 3>> answers[3] = {
                {{26, 26, 1000}, {38, 39, 3000}}, {{60, 60, 1200}, {64, 76, 2400}}, {{62, 62, 800}, {67, 67, 1000}, {69, 70, 4600}}};
            for (int s = 0; s < 3; ++s) {
                const qint64 start = ended[s] - 600000;
                for (size_t i = 0; i < answers[s].size(); ++i)
                    store.RecordAnswer({start + qint64(i) * 60000, levels[s], start - 1000, int(i), answers[s][i][0],
                                        answers[s][i][1], answers[s][i][0] == answers[s][i][1], AnswerInput::Mouse, answers[s][i][2], 0});
                store.RecordSession({start - 1000, ended[s], levels[s], right[s], levels[s] * 7, levels[s] + 1});
            }
        }
        AppUnderTest t;
        t.ClickItem("statsButton");
        QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(t), 20000);
        // The last 30 days by default: the second and third sessions.
        QCOMPARE(Drawn(t, "levelChart", 0), (QVector<QPointF>{{double(ended[1]), 200.0 / 3}, {double(ended[2]), 75}}));
        QCOMPARE(Drawn(t, "levelChart", 1), (QVector<QPointF>{{double(ended[1]), 3}, {double(ended[2]), 4}}));
        const double day20 = double(QDateTime(QDate::currentDate().addDays(-20), QTime(0, 0)).toMSecsSinceEpoch());
        const double day2 = double(QDateTime(QDate::currentDate().addDays(-2), QTime(0, 0)).toMSecsSinceEpoch());
        QCOMPARE(Drawn(t, "responseChart"), (QVector<QPointF>{{day20, 1.8}, {day2, 1.0}}));
        // From the first answer's start to the last answer: one minute and 1.2 s, two minutes and 0.8 s.
        QCOMPARE(Drawn(t, "practiceChart"), (QVector<QPointF>{{day20, 61.2 / 60}, {day2, 120.8 / 60}}));
        QCOMPARE(AxisTop(t, "responseChart"), 2.0);
        //                                     C    C#  D    D#  E  F  F#  G    G#  A  A#  B
        QCOMPARE(Bars(t, "pitchClassChart"), (QVector<qreal>{100, 0, 100, 0, 0, 0, 0, 100, 0, 0, 0, 0}));
        QCOMPARE(Bars(t, "octaveChart"), (QVector<qreal>{0, 0, 0, 60, 0, 0, 0}));

        const std::pair<const char*, int> ranges[] = {{"statsRange7", 1}, {"statsRange0", 3}, {"statsRange30", 2}};
        for (const auto& range : ranges) {
            t.ClickItem(range.first);
            QTRY_COMPARE(Drawn(t, "levelChart", 0).size(), range.second);
            QCOMPARE(Drawn(t, "levelChart", 0).front().x(), double(ended[3 - range.second]));
        }
        // Asked twice at once: the view ends with the figures asked for last.
        messenger->requestStatistics(7, t.Item("statsWindow"));
        messenger->requestStatistics(0, t.Item("statsWindow"));
        QTRY_COMPARE(Drawn(t, "levelChart", 0).size(), 3);
        QTest::qWait(200);
        QCOMPARE(Drawn(t, "levelChart", 0).size(), 3);
    }

    // The colour hint and the help box switched while an answer is shown: the store keeps
    // pointing past the answered question, so the next start asks the next one.
    void switchesDuringTheAnswerKeepTheQuestion()
    {
        {
            AppUnderTest t;
            messenger->startNewSession(1);
            t.Click(int(t.Asked()) - 21);
            QCOMPARE(t.app->GetState(), Application::ShowingAnswer);
            messenger->setShowColorMap(false);
            messenger->setShowHelpOnStart(true);
            QCOMPARE(OnDisk("GlobalSetting/ShowColorMap").toString(), QString("false"));
        }
        QCOMPARE(OnDisk("GlobalSetting/CurrentQuestion").toInt(), 1);
        QCOMPARE(OnDisk("GlobalSetting/ShowHelpOnStartup").toString(), QString("true"));
    }

    // The settings panel: each choice stored at once; the reference pitch tunes what is heard
    // (466 Hz: every note a semitone up), goes with each answer into the history, and is
    // applied again at the next start. Passing only when fluent, quick right answers pass.
    void settingsAreStoredHeardAndRecorded()
    {
        {
            AppUnderTest t;
            auto synth = boost::dynamic_pointer_cast<Core::MidiOutMacDevice>(t.app->GetOutputDevice());
            t.ClickItem("settingsButton");
            QTRY_VERIFY(t.Window("settingsWindow", "visible").toBool());
            QQuickItem* slider = t.Item("referencePitchSlider");
            t.MouseClick(slider->mapToScene(QPointF(slider->width() - 1, slider->height() / 2)));
            QTRY_COMPARE(OnDisk("GlobalSetting/ReferencePitch").toInt(), 466);
            t.ClickItem("fluentSeconds1.5");
            QTRY_COMPARE(OnDisk("GlobalSetting/FluentSeconds").toDouble(), 1.5);
            t.ClickItem("passWhenFluentCheck");
            QTRY_COMPARE(OnDisk("GlobalSetting/PassWhenFluent").toString(), QString("true"));
            for (const char* stored : {"true", "false"}) {
                t.ClickItem("clearTheEarCheck");
                QTRY_COMPARE(OnDisk("GlobalSetting/ClearTheEar").toString(), QString(stored));
            }
            QTest::keyClick(&t.app->GetView(), Qt::Key_Escape);
            QTRY_VERIFY(!t.Window("settingsWindow", "visible").toBool());
            messenger->startNewSession(1);
            QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
            const long asked = long(t.Asked());
            QCOMPARE(HeardWithin(*synth, asked + 1), asked + 1);
            t.Click(int(asked) - 21);
            for (int i = 1; i < 7; ++i) {
                QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
                t.Click(int(t.Asked()) - 21);
            }
            QTRY_COMPARE_WITH_TIMEOUT(t.Model().maturityLevel, 2u, 5000);
            t.app->GetHistory()->Flush();
            QCOMPARE(HistoryStore::ReadAnswers(t.app->GetHistory()->Path()).back().referencePitch, 466);
        }
        AppUnderTest t;
        t.Click(60 - 21);
        QCOMPARE(HeardWithin(*boost::dynamic_pointer_cast<Core::MidiOutMacDevice>(t.app->GetOutputDevice()), 61), 61L);
    }

    // Clearing the ear: before each question about a second of many notes on a channel of
    // their own and a pause, then the question's note at its own pitch.
    void clearedEarMasksBeforeEachNote()
    {
        QSettings(StoreFile(), QSettings::IniFormat).setValue("GlobalSetting/ClearTheEar", true);
        AppUnderTest t;
        auto synth = boost::dynamic_pointer_cast<Core::MidiOutMacDevice>(t.app->GetOutputDevice());
        EventLog log;
        synth->AddObserver(&log);
        QElapsedTimer waited;
        messenger->startNewSession(2);
        waited.start();
        for (int question = 1; question <= 2; ++question) {
            QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
            QVERIFY2(waited.elapsed() >= 1400, qPrintable(QString::number(waited.elapsed())));
            int masking = 0;
            for (const Core::MidiEvent& event : log.Events())
                masking += event.GetMessage().IsNoteAudible() && event.GetMessage().GetChannel() == 1;
            QCOMPARE(masking, 10 * question);
            const long asked = long(t.Asked());
            QCOMPARE(HeardWithin(*synth, asked), asked);
            t.Click(int(asked) - 21);
            waited.start();
        }
        synth->RemoveObserver(&log);
    }

    // The pitch classes answered fluently are marked on the level picture and in the
    // statistics view: D here, with ten quick right answers, and not C, slow.
    void fluentNotesAreMarked()
    {
        {
            HistoryStore history(HistoryStore::DefaultPath());
            const qint64 at = QDateTime::currentMSecsSinceEpoch() - 60000;
            for (int i = 0; i < 10; ++i) {
                history.RecordAnswer({at + i, 2, at, i, 60, 60, true, AnswerInput::Mouse, 2900, 0});
                history.RecordAnswer({at + 10 + i, 2, at, i, 62, 62, true, AnswerInput::Mouse, 900, 0});
            }
        }
        AppUnderTest t;
        QTRY_VERIFY(t.Window("fluencyMark1", "visible").toBool());
        QVERIFY(!t.Window("fluencyMark0", "visible").toBool());
        t.ClickItem("statsButton");
        QTRY_VERIFY_WITH_TIMEOUT(FiguresShown(t), 20000);
        QTRY_COMPARE(t.Window("fluencyD", "fluent").toBool(), true);
        QCOMPARE(t.Window("fluencyC", "fluent").toBool(), false);
    }

    // The pitch test from its shortcut: every pitch class three times, no colour and no verdict
    // on the way, then a card whose figures follow the answers given; the session waits.
    void pitchTestShowsNothingUntilItsCard()
    {
        AppUnderTest t;
        QTest::keyClick(&t.app->GetView(), Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(t.app->GetSessionKind() == SessionKind::PitchTest, 5000);
        const std::vector<unsigned int> notes = t.app->GetSpecialQuestions();
        QCOMPARE(notes.size(), size_t(36));
        std::map<int, int> perClass, rightPerClass;
        for (unsigned int note : notes)
            ++perClass[int(note % 12)];
        QVERIFY(perClass.size() == 12 && std::all_of(perClass.begin(), perClass.end(), [](auto& c) { return c.second == 3; }));
        QCOMPARE(std::set<unsigned int>(notes.begin(), notes.end()).size(), size_t(36)); // three octaves each
        // Every fourth right, every fourth an octave off, the others a semitone off.
        for (size_t i = 0; i < notes.size(); ++i) {
            QTRY_COMPARE_WITH_TIMEOUT(t.app->GetState(), Application::PlayingQuestion, 5000);
            const int asked = int(notes[i]);
            rightPerClass[asked % 12] += i % 4 == 0;
            t.Click((i % 4 == 0 ? asked : i % 4 == 1 ? (asked > 96 ? asked - 12 : asked + 12) : asked + 1) - 21);
            QCOMPARE(t.app->GetState(), Application::ShowingAnswer);
            QVERIFY(t.Lit(1).isEmpty() && t.Lit(3).isEmpty());
        }
        QVERIFY(t.rec->Count(Answer) == 0 && t.rec->Count(Note) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(t.Window("specialSessions", "cardShown").toBool(), 5000);
        QVariant shown = t.Window("specialSessions", "result");
        if (shown.metaType() == QMetaType::fromType<QJSValue>())
            shown = shown.value<QJSValue>().toVariant();
        const QVariantMap card = shown.toMap();
        QCOMPARE(card["rightPercent"].toDouble(), 25.0);
        QCOMPARE(card["octaveOffPercent"].toDouble(), 25.0);
        QCOMPARE(card["meanError"].toDouble(), (9 * 12 + 18) / 36.0);
        for (int pitchClass = 0; pitchClass < 12; ++pitchClass)
            QCOMPARE(card["classes"].toList()[pitchClass].toList(), (QVariantList{rightPerClass[pitchClass], 3}));
        t.app->GetHistory()->Flush();
        std::vector<int> times;
        for (const HistoryAnswer& a : HistoryStore::ReadAnswers(t.app->GetHistory()->Path()))
            times.push_back(a.responseMs);
        QCOMPARE(times.size(), size_t(36));
        std::sort(times.begin(), times.end());
        QCOMPARE(card["medianSeconds"].toDouble(), (times[17] + times[18]) / 2 / 1000.0);
        const std::vector<HistoryTest> tests = HistoryStore::ReadTests(t.app->GetHistory()->Path());
        QVERIFY(tests.size() == 1 && tests[0].right == 9 && tests[0].octaveOff == 9);
        int testAnswers = 0;
        HistoryStore::ReadWith(t.app->GetHistory()->Path(), nullptr, [&](QSqlQuery& q) {
            return q.exec("SELECT count(*) FROM answers WHERE kind = 2") && q.next() && (testAnswers = q.value(0).toInt());
        });
        QCOMPARE(testAnswers, 36);
        QCOMPARE(t.Model().correctCount + t.Model().incorrectCount, 0u);
    }

    void choicesInTheWindowAreKept()
    {
        ResetStore(true);
        {
            AppUnderTest t;
            QVERIFY(t.Window("helpWindow", "visible").toBool());
            QVERIFY(!t.Window("Keyboard", "visible").toBool());
            t.ClickItem("helpCloseTextButton"); // "Don't show this anymore" is ticked
            QTRY_VERIFY(t.Window("Keyboard", "visible").toBool());
            t.ClickItem("colorswitch");
            QCOMPARE(t.Window("colorswitch", "value").toInt(), 0);
            QTRY_COMPARE(OnDisk("GlobalSetting/ShowColorMap").toString(), QString("false"));
        }
        AppUnderTest t;
        QVERIFY(!t.Window("helpWindow", "visible").toBool());
        QCOMPARE(t.Window("colorswitch", "value").toInt(), 0);
    }

    // A program killed outright never blocks the next start; a second start brings the running
    // window to the front and ends without touching the store.
    void secondStartRaisesTheFirst()
    {
        std::unique_ptr<QProcess> killed = StartProgram();
        QTRY_VERIFY_WITH_TIMEOUT(SomeoneListens(), 20000);
        killed->kill(); // SIGKILL: its lock and socket file stay behind
        QVERIFY(killed->waitForFinished(10000));
        QVERIFY(!SomeoneListens());

        AppUnderTest t;
        QVERIFY(t.app->IsPrimary());
        messenger->startNewSession(2);
        t.app->onHideWindow();
        QTRY_COMPARE(OnDisk("GlobalSetting/MaturityLevel").toInt(), 2);
        const QByteArray stored = StoreDigest();

        std::unique_ptr<QProcess> second = StartProgram();
        QVERIFY(QTest::qWaitFor([&] { return second->state() == QProcess::NotRunning; }, 20000));
        QCOMPARE(second->exitCode(), 0);
        QVERIFY(second->readAllStandardError().contains("Ovelune is already running"));
        QTRY_VERIFY_WITH_TIMEOUT(!(t.app->GetView().windowStates() & Qt::WindowMinimized), 5000);
        QCOMPARE(StoreDigest(), stored);
    }

    // Ctrl-C and SIGTERM end the program as its close button does: the sound it wrote to a
    // file is complete, its header counting every byte.
    void signalsCloseCleanly_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP); // the terminal closed, or logging out
    }
    void signalsCloseCleanly()
    {
        QFETCH(int, signal);
        QTemporaryDir dir;
        const QString wav = dir.filePath("notes.wav");
        std::unique_ptr<QProcess> program = StartProgram(wav);
        QTRY_VERIFY_WITH_TIMEOUT(SomeoneListens() && QFileInfo(wav).size() > 44, 20000);
        ::kill(pid_t(program->processId()), signal);
        QVERIFY(program->waitForFinished(20000));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
        QFile file(wav);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(44);
        quint32 dataBytes = 0;
        std::memcpy(&dataBytes, header.constData() + 40, 4);
        QCOMPARE(qint64(dataBytes), file.size() - 44);
    }

    // The handler of those signals leaves errno as the interrupted code had it, also when
    // its own write fails because requests to quit already fill the pipe.
    void signalHandlerKeepsErrno()
    {
        QuitOnSignal::Catch();
        for (int i = 0; i < 100000; ++i)
            ::raise(SIGHUP);
        for (int code : {EDOM, ERANGE}) {
            errno = code;
            ::raise(SIGHUP);
            QCOMPARE(errno, code);
        }
    }
};

QTEST_APPLESS_MAIN(TestSession)
#include "tst_session.moc"
