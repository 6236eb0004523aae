#include "app/application.h"

#include "app/app_settings.h"
#include "app/command_line.h"
#include "app/history_stats.h"
#include "app/history_store.h"
#include "app/language_choice.h"
#include "app/note_naming_choice.h"
#include "app/pitch_test.h"
#include "app/review_plan.h"
#include "app/qml_messenger.h"
#include "app/single_instance.h"
#include "app/training_options.h"
#include "core/midi/error.h"
#include "core/midi/midi_device.h"
#include "core/midi/midi_device_rt.h"
#include "core/midi/midi_in_stream_device_auto.h"
#include "core/midi/sound_controller.h"
#include "keyboard/keyboard.h"

#include <QCursor>
#include <QDateTime>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QTimerEvent>
#include <QUrl>
#include <QtConcurrent>
#include <QtQml>

#include <cstdio>
#include <limits>
#include <utility>

// Resources live in the static library: they must be registered by name from the global
// namespace before the interface loads.
static void InitApplicationResources()
{
    Q_INIT_RESOURCE(artwork);
}

namespace {

const char* const COMPANY_WEBSITE = "https://ovelune.example.org";
const char* const OrganizationDomain = "ovelune.example.org";

// The device-change callback is a plain function: it reaches the application through this.
Application* app = nullptr;

const int DeviceDetectionAttempts = 10;
const int DeviceDetectionIntervalMs = 1000;
// The end of a question stream reported sooner than this after the note started belongs to
// an older stream: a question stream cannot end before its note's length has been played.
const qint64 StaleCompletionLimitMs = 4000;

void RegisterQmlTypesOnce()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    qRegisterMetaType<Core::MidiEvent>("Core::MidiEvent");
    qmlRegisterType<Keyboard>("Keyboard", 1, 0, "Keyboard");
    qmlRegisterType<QMLMessenger>("QMLMessenger", 1, 0, "QMLMessenger");
}

} // namespace

// Device manager callback, GUI thread.
void StaticMidiDeviceChangedHandler()
{
    if (app)
        app->StartDeviceDetection();
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv),
      primary(true),
      startUpExitCode(0),
      detectionCountdown(0),
      detectionAskedAgain(false),
      appSettings(nullptr),
      state(Idle),
      stateTimerId(0),
      pendingState(Idle),
      keyboard(nullptr),
      instrument(0),
      noteNaming(nullptr),
      language(nullptr),
      replaying(false),
      earCleared(false),
      clearingTicket(0),
      options(nullptr),
      sessionStartMs(0),
      answeringInput(AnswerInput::Midi),
      firstQuestionPending(true)
{
    // Never translated: they name the store's folder.
    setOrganizationName(QStringLiteral("Quorvex"));
    setOrganizationDomain(QLatin1String(OrganizationDomain));
    setApplicationName(QStringLiteral("Ovelune"));
    // First of all: every message from here on is in the learner's language.
    language = new LanguageChoice(this);

    // A mistyped option is said, not taken for a wish to train; the toolkit has taken its own.
    const QString mistake = CommandLine::Mistake(arguments());
    if (!mistake.isEmpty()) {
        primary = false;
        startUpExitCode = CommandLine::ReportMistake(mistake);
        return;
    }

    // Before the store is read: a second program must not touch it.
    const QString storeFile =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, organizationName(), applicationName()).fileName();
    singleInstance.reset(new SingleInstance(storeFile));
    switch (singleInstance->Claim()) {
    case SingleInstance::AlreadyRunning:
        primary = false;
        return;
    case SingleInstance::NotAnswering:
        primary = false;
        startUpExitCode = 1;
        return;
    case SingleInstance::First:
    case SingleInstance::Unguarded:
        break;
    }
    connect(singleInstance.get(), SIGNAL(activationRequested()), this, SLOT(onActivationRequested()));
    // The synthesizer loads on its own thread from here (its library, soundfont and audio
    // output), beside the interface's loading; the output device made below takes it. Begun
    // before the toolkit, it held the dynamic loader while Qt loaded its platform plugins.
    synthesizer.reset(new Core::MidiOutMacDevice::Preparation);

    appSettings = new AppSettings();
    language->SetStore(appSettings);
    instrument = InstrumentChoice(appSettings->midiInstrument);
    // Opens on its own thread: a slow or damaged history never delays the window.
    history.reset(new HistoryStore());
    ResumeHistorySession();

    RegisterQmlTypesOnce();

    messenger = new QMLMessenger();
    messenger->SetApplication(this);
    messenger->SetAppSettings(appSettings);

    // The interface reads "appmessenger" and "noteNaming" while it is being created.
    view.rootContext()->setContextProperty(QStringLiteral("appmessenger"), messenger);
    options = new TrainingOptions();
    options->SetApplication(this);
    view.rootContext()->setContextProperty(QStringLiteral("appoptions"), options);
    noteNaming = new NoteNamingChoice(appSettings, language->NoteLanguage(), this);
    view.rootContext()->setContextProperty(QStringLiteral("noteNaming"), noteNaming);
    view.rootContext()->setContextProperty(QStringLiteral("languageChoice"), language);
    connect(language, SIGNAL(languageChanged()), this, SLOT(onLanguageChanged()));
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    InitApplicationResources();
    // The system's fonts are read (fontconfig's set-up, some 10 ms) beside the interface's
    // loading, which waits on Qt's QML thread for much of that time.
    fontsRead = QtConcurrent::run([] { QFontDatabase::families(); });
    view.setSource(QUrl(QStringLiteral("qrc:/Ovelune/appwin.qml")));
    if (view.status() == QQuickView::Error) {
        for (const QQmlError& error : view.errors())
            std::fprintf(stderr, "Ovelune: %s\n", qPrintable(error.toString()));
    }

    connect(view.engine(), SIGNAL(quit()), this, SLOT(quit()));
    connect(this, SIGNAL(deviceChange()), this, SLOT(updateDevices()));
    QQuickItem* root = view.rootObject();
    if (root)
        connect(root, SIGNAL(changeCursor(QVariant)), this, SLOT(onChangeCursor(QVariant)));

    messenger->SetRootObject(root);
    messenger->SetSpecialItem(root ? root->findChild<QObject*>(QStringLiteral("specialSessions")) : nullptr);

    if (root)
        keyboard = root->findChild<Keyboard*>(QStringLiteral("Keyboard"));
    if (keyboard) {
        connect(keyboard, SIGNAL(keyPressed(int)), this, SLOT(processGKCEvent(int)));
        connect(keyboard, SIGNAL(keyTyped(int)), this, SLOT(processTypedKey(int)));
    }

    app = this;
    initSound();
    synthesizer.reset();
    options->ApplyReferencePitch();

    view.showMaximized();

    if (qEnvironmentVariableIntValue("OVELUNE_START_SESSION") == 1)
        QMetaObject::invokeMethod(this, "beginStoredSession", Qt::QueuedConnection);
}

Application::~Application()
{
    if (!primary)
        return; // nothing was set up
    if (stateTimerId != 0) {
        killTimer(stateTimerId);
        stateTimerId = 0;
    }
    fontsRead.waitForFinished();
    // The history outlives no computation of its statistics.
    statisticsWatcher.disconnect();
    statisticsWatcher.waitForFinished();
    // No end of playback may reach this object once it is being taken apart; removal waits
    // for a report under way on the timer thread.
    if (streamPlayer)
        streamPlayer->RemoveObserver(static_cast<Core::MidiInStreamDeviceObserver*>(this));
    if (soundController)
        soundController->SetMidiDeviceHandler(nullptr);
    if (app == this)
        app = nullptr;
    // The model and the bridge outlive the application (the interface may still hold the
    // bridge while the view goes); the store is flushed now so no answer is lost.
    messenger->SetApplication(nullptr);
    messenger->SetRootObject(nullptr);
    options->SetApplication(nullptr); // waits for the fluency figures it computes from the history
    appSettings->settings->sync();
    history.reset(); // waits for the answers still being written
}

// ---------------------------------------------------------------------------------------
// Window services

void Application::onChangeCursor(QVariant cursor)
{
    bool ok = false;
    const int shape = cursor.toInt(&ok);
    if (!ok || shape < 0 || shape > Qt::LastCursor)
        return;
    view.setCursor(QCursor(static_cast<Qt::CursorShape>(shape)));
}

void Application::onHideWindow()
{
    view.showMinimized();
}

void Application::onShowCompanyWebsite()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(COMPANY_WEBSITE)));
}

void Application::onActivationRequested()
{
    // The window's normal presentation is maximised: restore it so.
    if (view.windowStates() & Qt::WindowMinimized)
        view.showMaximized();
    view.raise();
    view.requestActivate();
}

void Application::beginStoredSession()
{
    // Through the interface, so that the window shows the session as after a click.
    QQuickItem* root = view.rootObject();
    if (root && root->metaObject()->indexOfMethod("beginSession()") >= 0)
        QMetaObject::invokeMethod(root, "beginSession");
    else
        ContinueSession();
}

// ---------------------------------------------------------------------------------------
// Session state machine

void Application::SetNewState(AppState newState)
{
    onStateChanged(newState, state.load());
    state.store(newState);
}

void Application::onStateChanged(AppState newState, AppState /*oldState*/)
{
    if (stateTimerId != 0) {
        killTimer(stateTimerId);
        stateTimerId = 0;
    }
    if (newState != AwaitingAnswer)
        clearHighLight();
}

void Application::SetStateTimer(int delay, AppState target)
{
    if (stateTimerId != 0)
        killTimer(stateTimerId);
    // Precise: a coarse timer may fire 5 % early or late, and the next question, or the
    // sound that clears the ear before it, would come up to 20 ms off its time.
    stateTimerId = startTimer(delay, Qt::PreciseTimer);
    pendingState = target;
}

void Application::timerEvent(QTimerEvent* event)
{
    if (stateTimerId == 0 || event->timerId() != stateTimerId) {
        QApplication::timerEvent(event);
        return;
    }
    killTimer(stateTimerId);
    stateTimerId = 0;
    if (pendingState == NextQuestion)
        GoNextQuestion();
}

void Application::StartNewSession(QVariant maturityLevel)
{
    sessionKind = SessionKind::Training;
    appSettings->SetMaturity(maturityLevel.toUInt());
    sessionStartMs = 0;
    StartQuestion();
}

void Application::ContinueSession()
{
    sessionKind = SessionKind::Training;
    if (appSettings->HasQuestionsLeft())
        StartQuestion();
    else
        StartNewSession(QVariant(appSettings->maturityLevel));
}

void Application::StartQuestion()
{
    if (firstQuestionPending) {
        StartPlayBack();
        firstQuestionPending = false;
        return;
    }
    QTimer::singleShot(timeBetweenAnswerAndNextQ, this, SLOT(StartPlayBack()));
    StopMidi();
}

void Application::StartPlayBack()
{
    if (appSettings->clearTheEar && !replaying && !earCleared) {
        ClearTheEar();
        return;
    }
    earCleared = false;
    SetNewState(PlayingQuestion);
    if (sessionKind == SessionKind::Training ? !appSettings->HasQuestionsLeft() : specialIndex >= specialQuestions.size())
        return; // cannot happen: every path here follows a bound check or a new list
    const unsigned int note = CurrentQuestionNote();
    if (!replaying)
        instrument.NextQuestion();
    replaying = false;
    questionClock.start();
    PlayMidi(note, false);
    // The pitch test gives no hint: no colour of the note, only its place in the test.
    if (sessionKind == SessionKind::PitchTest)
        messenger->callSpecial("onTestNote", int(specialIndex), int(specialQuestions.size()));
    else
        messenger->currentNote(appSettings->GetIndexForNote(note));
}

unsigned int Application::CurrentQuestionNote() const
{
    return sessionKind == SessionKind::Training ? appSettings->questions[appSettings->currentQuestion]
                                                : specialQuestions[specialIndex];
}

void Application::StartReview()
{
    if (reviewPending || !history)
        return;
    reviewPending = true;
    HistoryStore* store = history.get();
    const unsigned int level = appSettings->maturityLevel;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const quint32 seed = QRandomGenerator::global()->generate();
    // Chosen on a worker thread: the window never waits for the history.
    QtConcurrent::run([store, level, now, seed] {
        store->Flush(); // the answers just given count
        return ReviewPlan::FromHistory(store->Path(), level, now, seed);
    }).then(this, [this](const ReviewPlan::Plan& plan) {
        reviewPending = false;
        BeginSpecial(SessionKind::Review, plan.questions);
        messenger->callSpecial("onReviewStarted", plan.even, int(plan.questions.size()));
    });
}

void Application::StartPitchTest()
{
    BeginSpecial(SessionKind::PitchTest, PitchTest::Questions(QRandomGenerator::global()->generate()));
    messenger->callSpecial("onPitchTestStarted", PitchTest::Notes);
}

void Application::BeginSpecial(SessionKind kind, std::vector<unsigned int> questions)
{
    if (questions.empty())
        return;
    sessionKind = kind;
    specialQuestions = std::move(questions);
    specialIndex = 0;
    specialAnswers.clear();
    specialResponseMs.clear();
    specialStartMs = 0;
    SetNewState(Idle); // an answer shown, or the ear being cleared, moves on no further
    // The training session's next note waits; its question list stays as it is.
    StartQuestion();
}

// A question heard right after the one before can be named by the interval between them,
// by relative pitch. About a second of a random cluster of notes, then a pause, leaves no
// note to measure from.
void Application::ClearTheEar()
{
    SetNewState(ClearingEar);
    const int ticket = ++clearingTicket;
    PlayMasker();
    const int pauseMs = shortestPauseAfterMaskerMs
                        + int(QRandomGenerator::global()->bounded(longestPauseAfterMaskerMs - shortestPauseAfterMaskerMs + 1));
    QTimer::singleShot(maskerMs + pauseMs, this, [this, ticket] {
        // A replay, a new session or a level picked meanwhile has taken over.
        if (state.load() != ClearingEar || ticket != clearingTicket)
            return;
        earCleared = true;
        StartPlayBack();
    });
}

// Ten notes at random over five octaves, softly, on a channel of their own.
void Application::PlayMasker()
{
    const unsigned char channel = 1;
    boost::shared_ptr<Core::MidiStream> stream(new Core::MidiStream);
    stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::ProgramChange, channel, 0), 0, 0.0));
    std::vector<unsigned char> keys;
    for (int i = 0; i < 10; ++i)
        keys.push_back(static_cast<unsigned char>(36 + QRandomGenerator::global()->bounded(61)));
    for (unsigned char key : keys)
        stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, channel, key, 48), 0, 0.0));
    for (unsigned char key : keys)
        stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOff, channel, key, 0), 0, maskerMs / 1000.0));
    StopMidi();
    streamPlayer->SetStream(stream);
    streamPlayer->Play();
}

void Application::ReplayQuestion()
{
    replaying = true;
    StartPlayBack();
}

void Application::OnPlaybackComplete()
{
    // Multimedia timer thread: hand over to the GUI thread, which owns the state.
    QMetaObject::invokeMethod(this, [this] { QuestionPlaybackEnded(); }, Qt::QueuedConnection);
}

void Application::QuestionPlaybackEnded()
{
    if (state.load() != PlayingQuestion)
        return;
    // A report that overtook a newer question (a replay, or the next question started just
    // as the old note ended) must not end the newer one.
    if (!questionClock.isValid() || questionClock.elapsed() < StaleCompletionLimitMs)
        return;
    SetNewState(AwaitingAnswer);
}

void Application::processGKCEvent(int key)
{
    AnswerWithKey(key, AnswerInput::Mouse);
}

void Application::processTypedKey(int key)
{
    AnswerWithKey(key, AnswerInput::Keyboard);
}

void Application::AnswerWithKey(int key, AnswerInput input)
{
    if (key < 0 || key > 87)
        return;
    const unsigned char note = static_cast<unsigned char>(key + 21);
    // A click or a typed key is judged right here, on this thread; MIDI answers arrive queued.
    answeringInput = input;
    processMidiEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, 0, note, 100), 0, -1.0));
    answeringInput = AnswerInput::Midi;
    PlayMidi(note, true);
}

void Application::processMidiEvent(const Core::MidiEvent& evt)
{
    const AppState current = state.load();
    if (current != PlayingQuestion && current != AwaitingAnswer)
        return;
    const Core::MidiMessage& message = evt.GetMessage();
    if (message.GetLength() < 3 || !message.IsNoteAudible())
        return;
    StopMidi();
    emit midiAnswer(message.GetNote());
}

void Application::ProvideMidiAnswer(uint note)
{
    const AppState current = state.load();
    if (current != PlayingQuestion && current != AwaitingAnswer)
        return;
    unsigned int questionNote = 0;
    bool right = false;
    if (sessionKind == SessionKind::Training) {
        right = appSettings->ProcessAnswer(note, questionNote, ResponseMs());
        RecordAnswer(questionNote, note, right, int(appSettings->currentQuestion), sessionStartMs);
    } else {
        questionNote = specialQuestions[specialIndex];
        right = note == questionNote;
        // A replay during the answer display asks the same note again: the last answer counts.
        specialAnswers.resize(specialIndex);
        specialResponseMs.resize(specialIndex);
        specialAnswers.push_back(note);
        specialResponseMs.push_back(std::max(0, ResponseMs()));
        RecordAnswer(questionNote, note, right, int(specialIndex), specialStartMs);
    }
    SetNewState(ShowingAnswer);
    SetStateTimer(right ? answerRightShowTimeLength : answerWrongShowTimeLength, NextQuestion);
    if (sessionKind == SessionKind::PitchTest) {
        messenger->callSpecial("onTestAnswer", int(specialIndex) + 1, int(specialQuestions.size()));
        return; // no verdict until the end
    }
    highlightAnswer(right, questionNote, note);
    messenger->answerNotes(questionNote, note);
    messenger->answerRecieved(right, sessionKind == SessionKind::Training ? appSettings->currentQuestion
                                                                          : unsigned(specialIndex));
}

void Application::RecordAnswer(unsigned int questionNote, unsigned int answerNote, bool right, int question,
                               qint64& session)
{
    if (!history)
        return;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    HistoryAnswer answer;
    answer.timeMs = now;
    answer.responseMs = std::max(0, ResponseMs());
    if (session == 0)
        session = now - answer.responseMs;
    answer.level = int(appSettings->maturityLevel);
    answer.session = session;
    answer.question = question;
    answer.kind = sessionKind;
    answer.asked = int(questionNote);
    answer.answered = int(answerNote);
    answer.right = right;
    answer.input = answeringInput;
    answer.instrument = instrument.Program();
    answer.referencePitch = appSettings->referencePitch;
    history->RecordAnswer(answer); // queued: written on the history's own thread
}

int Application::ResponseMs() const
{
    return questionClock.isValid() ? int(qMin<qint64>(questionClock.elapsed(), std::numeric_limits<int>::max())) : -1;
}

// A session that goes on after the program was closed or killed stays one session in the
// history: its answers so far are the history's last ones (give or take the answer that
// was being saved when the program went).
void Application::ResumeHistorySession()
{
    const unsigned int answered = appSettings->currentQuestion;
    HistoryAnswer last;
    if (answered == 0 || !appSettings->HasQuestionsLeft() || !HistoryStore::ReadLastAnswer(history->Path(), &last))
        return;
    const bool sameList = last.level == int(appSettings->maturityLevel) && last.question >= int(answered) - 2
                          && last.question <= int(answered) && size_t(last.question) < appSettings->questions.size()
                          && last.asked == int(appSettings->questions[size_t(last.question)]);
    if (sameList)
        sessionStartMs = last.session;
}

void Application::RequestStatistics(int days, QObject* receiver)
{
    statisticsReceiver = receiver;
    if (statisticsWatcher.isRunning()) {
        waitingStatisticsDays = days;
        return;
    }
    HistoryStore* store = history.get();
    statisticsWatcher.setFuture(QtConcurrent::run([store, days] { return ComputeStatistics(store, days); }));
}

StatisticsFigures Application::ComputeStatistics(HistoryStore* history, int days)
{
    if (!history)
        return StatisticsFigures();
    history->Flush();
    QString readError;
    StatisticsFigures figures =
        HistoryStats::Read(history->Path(), QDateTime::currentMSecsSinceEpoch(), days, &readError);
    // What cannot be read now is said as such, never shown as nothing practised.
    if (!readError.isEmpty())
        figures.readError =
            tr("Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.").arg(readError);
    figures.problem = history->Problem();
    return figures;
}

void Application::highlightAnswer(bool right, unsigned int questionNote, unsigned int answerNote)
{
    if (!keyboard)
        return;
    QVector<int> rightKeys{static_cast<int>(questionNote) - 21};
    QVector<int> wrongKeys;
    if (!right)
        wrongKeys.append(static_cast<int>(answerNote) - 21);
    keyboard->highlightKeys(rightKeys, wrongKeys);
    keyboard->update();
}

void Application::clearHighLight()
{
    if (!keyboard)
        return;
    keyboard->cleanAllKeys();
    keyboard->update();
}

void Application::GoNextQuestion()
{
    if (sessionKind != SessionKind::Training) {
        if (++specialIndex < specialQuestions.size())
            StartQuestion();
        else
            ShowSpecialResults();
        return;
    }
    ++appSettings->currentQuestion;
    if (appSettings->currentQuestion < appSettings->questionCount)
        StartQuestion();
    else
        ShowResults();
}

void Application::ShowResults()
{
    SetNewState(ShowingResults);
    const unsigned int oldLevel = appSettings->maturityLevel;
    HistorySession session;
    session.session = sessionStartMs;
    session.level = int(oldLevel);
    session.right = int(appSettings->correctCount);
    session.total = int(appSettings->correctCount + appSettings->incorrectCount);
    const bool acquired = appSettings->AnalyzeStatsAndApplyMaturity();
    if (history && sessionStartMs != 0) {
        session.endMs = QDateTime::currentMSecsSinceEpoch();
        session.nextLevel = int(appSettings->maturityLevel);
        history->RecordSession(session);
    }
    sessionStartMs = 0;
    if (acquired) {
        messenger->perfectPitchAcquired(oldLevel);
        return;
    }
    messenger->maturityLevelChanged(appSettings->maturityLevel);
    StartQuestion();
}

// The level stays as it is; the training session goes on when the learner begins again.
void Application::ShowSpecialResults()
{
    SetNewState(ShowingResults);
    const SessionKind kind = std::exchange(sessionKind, SessionKind::Training);
    if (kind == SessionKind::Review) {
        int right = 0;
        for (size_t i = 0; i < specialAnswers.size(); ++i)
            right += specialAnswers[i] == specialQuestions[i] ? 1 : 0;
        messenger->callSpecial("onReviewEnded", right, int(specialAnswers.size()));
        return;
    }
    const PitchTest::Result result = PitchTest::Score(specialQuestions, specialAnswers, specialResponseMs);
    if (history)
        history->RecordTest(PitchTest::ToHistory(result, QDateTime::currentMSecsSinceEpoch()));
    messenger->callSpecial("onPitchTestEnded", PitchTest::ToVariant(result));
}

// ---------------------------------------------------------------------------------------
// Sound and device wiring

void Application::CreateSoundController()
{
    try {
        soundController.reset(new Core::SoundController());
        return;
    } catch (const Core::Error& error) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: MIDI input is not available (%1: %2); continuing with the "
                                   "on-screen keyboard and the built-in synthesizer.")
                                    .arg(Core::MidiApiName(), error.GetMessage())));
    }
    Core::DisableMidiApi();
    try {
        soundController.reset(new Core::SoundController());
    } catch (const Core::Error& error) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: the sound engine could not start (%1); notes stay silent.")
                                    .arg(error.GetMessage())));
    }
}

void Application::initSound()
{
    CreateSoundController();
    if (soundController) {
        SelectStoredInputDevice();
        if (soundController->GetOutputMidiDeviceCount() > 0) {
            soundController->SelectOutputMidiDevice(static_cast<size_t>(0));
            outputDevice = soundController->GetOutputMidiDevice(0);
        }
        soundController->SetMidiDeviceHandler(&StaticMidiDeviceChangedHandler);
    }
    PublishDeviceLine();

    streamPlayer.reset(new Core::MidiInStreamDeviceAuto(boost::shared_ptr<Core::MidiStream>(new Core::MidiStream)));
    streamPlayer->AddObserver(static_cast<Core::MidiInStreamDeviceObserver*>(this));

    reconnectDevices();

    connect(this, SIGNAL(midiAnswer(uint)), this, SLOT(ProvideMidiAnswer(uint)));
    connect(&statisticsWatcher, &QFutureWatcher<StatisticsFigures>::finished, this, [this] {
        if (waitingStatisticsDays >= 0) { // a newer request: its figures are the ones wanted
            const int days = std::exchange(waitingStatisticsDays, -1);
            RequestStatistics(days, statisticsReceiver);
            return;
        }
        messenger->showStatistics(statisticsWatcher.result(), statisticsReceiver);
    });
}

void Application::reconnectDevices()
{
    StopMidi();
    if (!soundController)
        return;
    ReconnectAnswerListener();
    if (!outputDevice)
        return; // no output: notes are silent, but the player still reports its ends
    connector.reset(new Core::MidiDeviceConnector(streamPlayer, outputDevice));
}

void Application::ReconnectAnswerListener()
{
    const size_t selected = soundController->GetSelectedInputMidiDevice();
    if (selected < soundController->GetInputMidiDeviceCount()) {
        boost::shared_ptr<Core::MidiInDevice> device = soundController->GetInputMidiDevice(selected);
        listenedDeviceName = device->GetName();
        if (answerListener)
            answerListener->SetDevice(device);
        else
            answerListener.reset(new Core::MidiAnswerListener(this, device));
    } else {
        listenedDeviceName.clear();
        answerListener.reset();
    }
}

void Application::ReportLostInputDevice()
{
    if (listenedDeviceName.isEmpty())
        return;
    for (size_t i = 0; i < soundController->GetInputMidiDeviceCount(); ++i)
        if (soundController->GetInputMidiDevice(i)->GetName() == listenedDeviceName)
            return;
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("Ovelune: the MIDI keyboard \"%1\" has gone away. Answer on the on-screen keyboard, "
                               "or plug the MIDI keyboard in again: Ovelune takes it up by itself.")
                                .arg(listenedDeviceName)));
}

void Application::onLanguageChanged()
{
    view.engine()->retranslate();
    noteNaming->SetLanguage(language->NoteLanguage());
    PublishDeviceLine();
    // The bridge's names do not notify: the field is given them anew.
    QQuickItem* root = view.rootObject();
    if (QObject* field = root ? root->findChild<QObject*>(QStringLiteral("instrument")) : nullptr) {
        field->setProperty("model", messenger->getInstrumentNames());
        field->setProperty("currentIndex", instrument.Row());
    }
}

// The stored input when it is present, else input 0. A stored name whose device is absent
// stays stored: the keyboard is taken up again when it comes back.
void Application::SelectStoredInputDevice()
{
    if (soundController->GetInputMidiDeviceCount() == 0)
        return;
    if (appSettings->inputDevice.isEmpty() || !soundController->SelectInputMidiDevice(appSettings->inputDevice))
        soundController->SelectInputMidiDevice(static_cast<size_t>(0));
}

void Application::ChooseInputDevice(int row)
{
    if (!soundController || row < 0 || size_t(row) >= soundController->GetInputMidiDeviceCount())
        return;
    soundController->SelectInputMidiDevice(static_cast<size_t>(row));
    appSettings->inputDevice = soundController->GetInputMidiDevice(size_t(row))->GetName();
    appSettings->SaveChoice(QStringLiteral("InputDevice"), appSettings->inputDevice);
    ReconnectAnswerListener();
    PublishDeviceLine();
}

void Application::ChooseInstrument(int row)
{
    int stored = 0;
    if (!instrument.Choose(row, stored))
        return;
    appSettings->midiInstrument = static_cast<qint8>(stored);
    appSettings->SaveChoice(QStringLiteral("MidiInstrument"), stored);
}

// One entry per input device, the selected one shown in the closed field.
void Application::PublishDeviceLine()
{
    QStringList line;
    const size_t count = soundController ? soundController->GetInputMidiDeviceCount() : 0;
    for (size_t i = 0; i < count; ++i)
        line << tr("Using the %1 keyboard device").arg(soundController->GetInputMidiDevice(i)->GetName(), 0, QLatin1Char(' '));
    if (line.isEmpty())
        line << tr("No MIDI found");
    view.rootContext()->setContextProperty(QStringLiteral("midiListModel"), QVariant::fromValue(line));
    const size_t selected = soundController ? soundController->GetSelectedInputMidiDevice() : 0;
    QQuickItem* root = view.rootObject();
    if (QObject* field = root ? root->findChild<QObject*>(QStringLiteral("mdev")) : nullptr)
        field->setProperty("currentIndex", selected < count ? int(selected) : 0);
}

void Application::PlayMidi(unsigned int note, bool keyEcho)
{
    const unsigned char key = static_cast<unsigned char>(note);
    boost::shared_ptr<Core::MidiStream> stream(new Core::MidiStream);
    const auto program = static_cast<unsigned char>(instrument.Program());
    stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::ProgramChange, 0, program), 0, 0.0));
    stream->AddEvent(Core::MidiEvent(Core::MidiMessage(Core::NoteOn, 0, key, 96), 0, 0.0));
    stream->AddEvent(
        Core::MidiEvent(Core::MidiMessage(Core::NoteOff, 0, key, 96), 0, keyEcho ? keyEchoSeconds : questionNoteSeconds));
    StopMidi();
    streamPlayer->SetStream(stream);
    streamPlayer->Play();
}

void Application::StopMidi()
{
    if (streamPlayer)
        streamPlayer->Reset();
    if (outputDevice)
        outputDevice->Stop();
}

void Application::StartDeviceDetection()
{
    if (detectionCountdown != 0) {
        // The running detection may end before it can see this change (it gives up on its
        // last attempt without looking, or found an earlier change): look again after it.
        detectionAskedAgain = true;
        return;
    }
    detectionCountdown = DeviceDetectionAttempts;
    QTimer::singleShot(DeviceDetectionIntervalMs, this, SLOT(deviceDetectionHandler()));
}

void Application::EndDeviceDetection()
{
    detectionCountdown = 0;
    if (detectionAskedAgain) {
        detectionAskedAgain = false;
        StartDeviceDetection();
    }
}

void Application::deviceDetectionHandler()
{
    --detectionCountdown;
    if (detectionCountdown <= 0) {
        EndDeviceDetection();
        return;
    }
    bool changed = false;
    try {
        changed = soundController && soundController->UpdateDevices();
    } catch (const Core::Error& error) {
        // The lists keep what they held; the next notification tries again.
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: MIDI devices could not be listed again: %1").arg(error.GetMessage())));
        detectionCountdown = 0;
        return;
    }
    if (changed) {
        detectionCountdown = 0;
        emit deviceChange();
        EndDeviceDetection();
    } else {
        QTimer::singleShot(DeviceDetectionIntervalMs, this, SLOT(deviceDetectionHandler()));
    }
}

void Application::updateDevices()
{
    // The re-enumeration released the input devices the listener observed: attach it to
    // the stored input or input 0 of the new list, as at start-up. The output side and the
    // player stay.
    if (!soundController)
        return;
    SelectStoredInputDevice();
    ReportLostInputDevice();
    ReconnectAnswerListener();
    PublishDeviceLine();
}
