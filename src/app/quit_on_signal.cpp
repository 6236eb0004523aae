#include "app/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// [0] read by the GUI thread, [1] written by the signal handler.
int signalPipe[2] = {-1, -1};
const int QuitSignals[] = {SIGINT, SIGTERM, SIGHUP};

void OnSignal(int)
{
    // The interrupted code may be about to read errno: a failed write here must not change it.
    const int savedErrno = errno;
    const char byte = 1;
    // Async-signal-safe; a full pipe already holds a request to quit.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

void QuitOnSignal::Catch()
{
    if (signalPipe[0] >= 0)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0) {
        std::perror("Ovelune: Ctrl-C and SIGTERM will end the program at once");
        signalPipe[0] = signalPipe[1] = -1;
        return;
    }
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : QuitSignals)
        ::sigaction(signal, &action, nullptr);
}

QuitOnSignal::QuitOnSignal(QObject* parent)
    : QObject(parent)
{
    Catch();
    if (signalPipe[0] < 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, SIGNAL(activated(QSocketDescriptor, QSocketNotifier::Type)), this, SLOT(quit()));
}

QuitOnSignal::~QuitOnSignal()
{
    // From here a signal ends the program as it would without us.
    for (int signal : QuitSignals)
        std::signal(signal, SIG_DFL);
    delete notifier;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void QuitOnSignal::quit()
{
    char bytes[16];
    [[maybe_unused]] const ssize_t read = ::read(signalPipe[0], bytes, sizeof bytes);
    QCoreApplication::quit();
}
