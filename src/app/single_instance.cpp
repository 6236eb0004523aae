#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

#include <pwd.h>
#include <unistd.h>

namespace {

const char* const ActivateRequest = "activate\n";
const char* const ActivateAnswer = "ok\n";
const int RequestLimitBytes = 64;
// A program that has just taken the lock listens a moment later; one that still does not
// answer after this long is stuck.
const int ClaimPatienceMs = 3000;
const int RetryIntervalMs = 100;
const int ConnectTimeoutMs = 1000;
// The first program answers from its event loop, which may still be starting; the request
// waits in its socket meanwhile, so the answer is not essential.
const int AnswerWaitMs = 2000;

QString RuntimeDirectory()
{
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!xdg.isEmpty() && QFileInfo(xdg).isDir())
        return xdg;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString UserName()
{
    if (const passwd* entry = getpwuid(geteuid()))
        if (entry->pw_name && *entry->pw_name)
            return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(geteuid());
}

QString SocketName(const QString& storeFile)
{
    const QByteArray storeHash =
        QCryptographicHash::hash(QFileInfo(storeFile).absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("ovelune-%1-%2").arg(UserName(), QString::fromLatin1(storeHash.left(12)));
}

} // namespace

SingleInstance::SingleInstance(const QString& storeFile, QObject* parent) : QObject(parent)
{
    const QString directory = RuntimeDirectory();
    QDir().mkpath(directory);
    socketPath = QDir(directory).filePath(SocketName(storeFile));
}

SingleInstance::~SingleInstance()
{
    if (server)
        server->close(); // removes the socket file
}

SingleInstance::Outcome SingleInstance::Claim()
{
    lock.reset(new QLockFile(socketPath + QStringLiteral(".lock")));
    // Held for the program's whole life: only a holder that is no longer running makes it
    // stale, never its age.
    lock->setStaleLockTime(0);
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (lock->tryLock(0)) {
            Listen();
            return First;
        }
        if (lock->error() != QLockFile::LockFailedError) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(tr("Ovelune: cannot make sure that only one Ovelune at a time uses your progress: "
                                       "the lock file %1 cannot be created. Make %2 a folder you can write to (it is "
                                       "$XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.")
                                        .arg(QDir::toNativeSeparators(socketPath + QStringLiteral(".lock")),
                                             QDir::toNativeSeparators(QFileInfo(socketPath).absolutePath()))));
            lock.reset();
            return Unguarded;
        }
        if (AskToActivate()) {
            std::fprintf(stderr, "%s\n",
                         qPrintable(tr("Ovelune is already running; its window has been brought to the front.")));
            return AlreadyRunning;
        }
        if (clock.elapsed() > ClaimPatienceMs)
            break;
        QThread::msleep(RetryIntervalMs);
    }
    qint64 pid = 0;
    QString host, application;
    lock->getLockInfo(&pid, &host, &application);
    std::fprintf(stderr, "%s\n",
                 qPrintable(tr("Ovelune: another Ovelune (process %1) is using your progress but does not answer. "
                               "Close it, or end that process, then start Ovelune again.")
                                .arg(pid)));
    return NotAnswering;
}

void SingleInstance::Listen()
{
    server.reset(new QLocalServer);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a killed program: the lock says nobody listens on it any more.
    QLocalServer::removeServer(socketPath);
    if (!server->listen(socketPath)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring "
                                   "this window to the front.")
                                    .arg(QDir::toNativeSeparators(socketPath), server->errorString())));
        server.reset();
        return;
    }
    connect(server.get(), SIGNAL(newConnection()), this, SLOT(OnNewConnection()));
}

void SingleInstance::OnNewConnection()
{
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, SIGNAL(disconnected()), socket, SLOT(deleteLater()));
        connect(socket, SIGNAL(readyRead()), this, SLOT(OnRequest()));
        if (socket->canReadLine())
            OnRequest(socket);
    }
}

void SingleInstance::OnRequest()
{
    if (auto* socket = qobject_cast<QLocalSocket*>(sender()))
        OnRequest(socket);
}

void SingleInstance::OnRequest(QLocalSocket* socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > RequestLimitBytes)
            socket->abort(); // not one of ours
        return;
    }
    const QByteArray request = socket->readLine(RequestLimitBytes + 1);
    if (request == ActivateRequest) {
        emit activationRequested();
        socket->write(ActivateAnswer);
        socket->flush();
    }
    socket->disconnectFromServer();
}

bool SingleInstance::AskToActivate()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(ActivateRequest);
    if (!socket.waitForBytesWritten(ConnectTimeoutMs))
        return false;
    socket.waitForReadyRead(AnswerWaitMs);
    socket.disconnectFromServer();
    return true;
}
