#pragma once

#include "app/history_store.h"
#include "app/instrument_choice.h"
#include "app/statistics_figures.h"
#include "core/midi/midi.h"
#include "core/midi/midi_connector.h"
#include "core/midi/midi_out_mac_device.h"
#include "core/midi/subject.h"
#include "keyboard/keyboard.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QPointer>
#include <QQuickView>
#include <QVariant>
#include <boost/shared_ptr.hpp>

#include <atomic>
#include <memory>

class AppSettings;
class LanguageChoice;
class NoteNamingChoice;
class QTimerEvent;
class SingleInstance;
class TrainingOptions;

namespace Core {
class SoundController;
class MidiInStreamDeviceAuto;
class MidiOutDevice;
} // namespace Core

Q_DECLARE_METATYPE(Core::MidiEvent)

// The application object: owns the main window, the training model, the sound engine
// objects and the training session state machine.
//
// Threads: everything runs on the GUI thread except
//  - processMidiEvent, called by the answer listener on the MIDI back end's thread: it
//    reads `state`, cuts the sound and emits midiAnswer, which is queued to the GUI thread;
//  - OnPlaybackComplete, called by the stream player on the multimedia timer thread: it
//    only posts the end of playback to the GUI thread.
// `state` is atomic because the MIDI thread reads it; it is written on the GUI thread only.
class Application : public QApplication,
                    public Core::MidiInStreamDeviceObserver,
                    public Core::MidiAnswerReceiver
{
    Q_OBJECT

public:
    enum AppState {
        Idle = 0,
        PlayingQuestion = 2,
        AwaitingAnswer = 3,
        ShowingAnswer = 4,
        NextQuestion = 5, // only a target of the state timer
        ShowingResults = 6,
        ClearingEar = 7, // the masking sound and pause before a question's note
    };
    Q_ENUM(AppState)

    static constexpr int answerRightShowTimeLength = 400;
    static constexpr int answerWrongShowTimeLength = 400;
    static constexpr int timeBetweenAnswerAndNextQ = 300;
    static constexpr double questionNoteSeconds = 5.0;
    static constexpr double keyEchoSeconds = 2.0;
    // "Clear the ear": the masking sound's length, and the pause after it, drawn anew for
    // each question between the two.
    static constexpr int maskerMs = 1000;
    static constexpr int shortestPauseAfterMaskerMs = 500;
    static constexpr int longestPauseAfterMaskerMs = 1500;

    Application(int& argc, char** argv);
    ~Application() override;

    // False when the command line holds a mistake (said on standard error) or another
    // program already uses the store (it has been asked to bring its window to the front):
    // nothing else was set up here, and main ends at once with StartUpExitCode() (2 for a
    // mistake; 0 when the other program answered, 1 when it did not).
    bool IsPrimary() const { return primary; }
    int StartUpExitCode() const { return startUpExitCode; }

    // Multimedia timer thread.
    void OnPlaybackComplete() override;

    // Asks the model's current question again without a new list when the stored session
    // has questions left; otherwise starts a new session at the stored level.
    void ContinueSession();

    AppState GetState() const { return state.load(); }
    SessionKind GetSessionKind() const { return sessionKind; }
    // The questions of the review or pitch test in progress.
    const std::vector<unsigned int>& GetSpecialQuestions() const { return specialQuestions; }
    AppSettings* GetAppSettings() const { return appSettings; }
    Keyboard* GetKeyboard() const { return keyboard; }
    NoteNamingChoice* GetNoteNaming() const { return noteNaming; }
    QQuickView& GetView() { return view; }
    // The learner's choices, from the interface: the MIDI input answers come from (a row
    // of the device list) and the instrument (a row of Core::OfferedInstruments, then the
    // changing instrument). Both are stored; a row out of range changes nothing.
    void ChooseInputDevice(int row);
    void ChooseInstrument(int row);
    int InstrumentRow() const { return instrument.Row(); }
    // The statistics view's figures for the last `days` days (0: all), computed on a worker
    // thread so that the window never waits for the history; then `receiver`'s
    // showFigures(figures) is called on the GUI thread, through the bridge. A request made
    // while one is computed waits for it; a newer one replaces it.
    void RequestStatistics(int days, QObject* receiver);
    // Any thread: the figures, with `problem` set to the history's trouble message and
    // `readError` to why it cannot be read now, if so. Empty without a history.
    static StatisticsFigures ComputeStatistics(HistoryStore* history, int days);
    HistoryStore* GetHistory() const { return history.get(); }
    // The device the notes are played on; empty when there is none.
    boost::shared_ptr<Core::MidiOutDevice> GetOutputDevice() const { return outputDevice; }

signals:
    void deviceChange();
    void midiAnswer(uint note);

public slots:
    void StartPlayBack();
    void deviceDetectionHandler();
    void updateDevices();
    void ProvideMidiAnswer(uint note);
    // MIDI back end's thread (answer listener) or GUI thread (keyboard clicks).
    void processMidiEvent(const Core::MidiEvent& evt) override;
    void processGKCEvent(int key);
    // A key of the on-screen keyboard played from the computer keyboard.
    void processTypedKey(int key);
    void StartNewSession(QVariant maturityLevel);
    // A review of weak notes from the history, and a pitch test without feedback; each
    // interrupts the training session, which goes on where it was afterwards.
    void StartReview();
    void StartPitchTest();
    void ReplayQuestion();
    void onChangeCursor(QVariant cursor);
    void onHideWindow();
    void onShowCompanyWebsite();
    // Another start of the program asked for this window: restore and raise it.
    void onActivationRequested();
    // The learner chose another language: the interface, the note names and the device
    // line speak it at once.
    void onLanguageChanged();
    // With OVELUNE_START_SESSION=1 the stored session begins at start-up, as "Begin here".
    void beginStoredSession();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    friend void StaticMidiDeviceChangedHandler();

    // Session state machine.
    void SetNewState(AppState newState);
    void onStateChanged(AppState newState, AppState oldState);
    void SetStateTimer(int delay, AppState target);
    void StartQuestion();
    void ClearTheEar();
    void PlayMasker();
    void QuestionPlaybackEnded();
    void highlightAnswer(bool right, unsigned int questionNote, unsigned int answerNote);
    void clearHighLight();
    void GoNextQuestion();
    void ShowResults();
    void BeginSpecial(SessionKind kind, std::vector<unsigned int> questions);
    void ShowSpecialResults();
    unsigned int CurrentQuestionNote() const;
    void AnswerWithKey(int key, AnswerInput input);
    void RecordAnswer(unsigned int questionNote, unsigned int answerNote, bool right, int question, qint64& session);
    // Since the start of the question's note (its latest replay); -1 before any.
    int ResponseMs() const;
    void ResumeHistorySession();

    // Sound and device wiring.
    void initSound();
    void CreateSoundController();
    void reconnectDevices();
    void ReconnectAnswerListener();
    void SelectStoredInputDevice();
    void PublishDeviceLine();
    void PlayMidi(unsigned int note, bool keyEcho);
    void StopMidi();
    void StartDeviceDetection();
    void EndDeviceDetection();
    void ReportLostInputDevice();

    std::unique_ptr<SingleInstance> singleInstance;
    std::unique_ptr<Core::MidiOutMacDevice::Preparation> synthesizer; // until the output device takes it
    bool primary;
    int startUpExitCode;
    boost::shared_ptr<Core::SoundController> soundController;
    int detectionCountdown;
    bool detectionAskedAgain; // GUI thread: a set-up change was reported during a detection
    QQuickView view;
    AppSettings* appSettings; // lives until the process ends
    std::atomic<AppState> state;
    int stateTimerId;
    AppState pendingState;
    boost::shared_ptr<Core::MidiDeviceConnector> connector;
    // Set once in initSound, before the answer listener exists, and only read afterwards
    // (also on the MIDI thread, by StopMidi) until the listener is gone.
    boost::shared_ptr<Core::MidiInStreamDeviceAuto> streamPlayer;
    boost::shared_ptr<Core::MidiOutDevice> outputDevice;
    boost::shared_ptr<Core::MidiAnswerListener> answerListener;
    QPointer<Keyboard> keyboard; // the window's item: the window may go first
    QString listenedDeviceName; // the input device answers come from; empty when none
    InstrumentChoice instrument;
    NoteNamingChoice* noteNaming; // the interface's note names, a child of this object
    LanguageChoice* language; // "languageChoice", a child of this object
    bool replaying; // the note about to play is the current question's again
    bool earCleared; // the masker before the note about to play has been heard
    int clearingTicket; // which masker's pause ends; an older one's end is ignored
    std::unique_ptr<HistoryStore> history;
    TrainingOptions* options; // "appoptions": like the bridge, it outlives the application
    // GUI thread: the statistics being computed, and a request waiting for them (-1: none).
    QFutureWatcher<StatisticsFigures> statisticsWatcher;
    QFuture<void> fontsRead;
    int waitingStatisticsDays = -1;
    QPointer<QObject> statisticsReceiver;
    qint64 sessionStartMs; // the history's id of the session in progress; 0 until its first answer
    AnswerInput answeringInput; // of the answer being judged: a click, a typed key or (else) MIDI

    // The session in progress: training, or a review or pitch test with its own questions,
    // answers (notes and response times) and history id, the training session left as it was.
    SessionKind sessionKind = SessionKind::Training;
    std::vector<unsigned int> specialQuestions;
    size_t specialIndex = 0;
    std::vector<unsigned int> specialAnswers;
    std::vector<int> specialResponseMs;
    qint64 specialStartMs = 0;
    bool reviewPending = false; // its questions are being chosen on a worker thread

    bool firstQuestionPending; // the first question after start-up plays at once
    QElapsedTimer questionClock; // started when a question note starts
};
