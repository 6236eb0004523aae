#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// Keeps one program per progress store: two programs writing the one store would
// interleave their sessions and corrupt it. The first program holds a lock file and
// listens on a local socket, both in the user's runtime directory and named after the user
// and the store; a later start finds the lock held, asks the first program through the
// socket to bring its window to the front, and ends. A lock left by a killed program is
// recognised by its dead process and taken over, and its socket file replaced.
//
// Threads: GUI thread only.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum Outcome {
        First,           // this program holds the store
        AlreadyRunning,  // another program holds it and was asked to come to the front
        NotAnswering,    // another live program holds it but does not answer
        Unguarded,       // no lock could be made: runs without the guard (said on stderr)
    };

    // `storeFile` is the store this program would use.
    explicit SingleInstance(const QString& storeFile, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Claims the store, or asks the program holding it to come to the front. Waits a few
    // seconds at most. Prints what a user needs to know to standard error.
    Outcome Claim();

    // The socket's full path (the lock file is beside it, with ".lock" added).
    QString SocketPath() const { return socketPath; }

signals:
    // Another start asked for this program's window.
    void activationRequested();

private slots:
    void OnNewConnection();
    void OnRequest();

private:
    bool AskToActivate();
    void Listen();
    void OnRequest(QLocalSocket* socket);

    QString socketPath;
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<QLocalServer> server;
};
