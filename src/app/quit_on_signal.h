#pragma once

#include <QObject>

class QSocketNotifier;

// Ends the event loop when the process is asked to stop (SIGINT from Ctrl-C in the
// terminal, SIGTERM at logout or from kill, SIGHUP when the terminal goes), so the program
// closes as its close button does: progress written, sound devices closed, files finished.
// The handler only writes a byte to a pipe; the event loop reads it on the GUI thread.
class QuitOnSignal : public QObject
{
    Q_OBJECT

public:
    // Called first in main: a signal that arrives while the program starts is kept and
    // acted on once the event loop runs.
    static void Catch();
    // Needs the application object: from here the kept and later signals end the event loop.
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private slots:
    void quit();

private:
    QSocketNotifier* notifier = nullptr;
};
