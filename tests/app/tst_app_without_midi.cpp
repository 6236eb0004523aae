// The MIDI back end fails at start-up: the program still starts, with the built-in
// synthesizer and the on-screen keyboard.
#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/qml_messenger.h"

#include "support/stderr_capture.h"

#include <QFile>
#include <QtTest>

class TestAppWithoutMidi : public QObject
{
    Q_OBJECT

private slots:
    void startsWithOnScreenKeyboardOnly();
};

void TestAppWithoutMidi::startsWithOnScreenKeyboardOnly()
{
    if (QFile::exists("/dev/snd/seq"))
        QSKIP("this machine has an ALSA sequencer: forcing ALSA does not make the back end fail");
    qputenv("OVELUNE_MIDI_API", "alsa");
    ClearStore();
    SkipHelpOnStartup();

    StderrCapture capture;
    std::unique_ptr<AppUnderTest> t(new AppUnderTest);
    const QString log = QString::fromUtf8(capture.Finish());
    QVERIFY2(log.contains("MIDI input is not available"), qPrintable(log));
    QCOMPARE(log.count("MIDI input is not available"), 1);

    Application* app = t->app;
    QCOMPARE(DeviceLine(app), QStringList{"No MIDI found"});
    QCOMPARE(app->GetState(), Application::Idle);

    // A session runs on the on-screen keyboard, and the question note is played through
    // to its end.
    messenger->startNewSession(1);
    QTRY_COMPARE_WITH_TIMEOUT(app->GetState(), Application::AwaitingAnswer, 10000);
    ClickKey(app, static_cast<int>(AskedNote(app)) - 21);
    QCOMPARE(t->recorder->Last("onAnswerRecieved").args[0].toBool(), true);
    QCOMPARE(app->GetAppSettings()->correctCount, 1u);
}

QTEST_APPLESS_MAIN(TestAppWithoutMidi)
#include "tst_app_without_midi.moc"
