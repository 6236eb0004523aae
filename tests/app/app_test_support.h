#pragma once

#include "app/application.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QString>
#include <QVariant>
#include <QVector>

#include <memory>

class QSettings;

// Stands between the bridge and the interface's root item: records every call the
// application makes into the interface (with its arguments and time) and passes it on to
// the real root item, so the window keeps behaving as in the program.
class InterfaceRecorder : public QObject
{
    Q_OBJECT

public:
    struct Call
    {
        QString function;
        QVariantList args;
        qint64 atMs; // since the recorder was made
    };

    explicit InterfaceRecorder(QObject* root);

    Q_INVOKABLE QVariant onCurrentNote(QVariant note);
    Q_INVOKABLE QVariant onAnswerRecieved(QVariant correct, QVariant noteNumber);
    Q_INVOKABLE QVariant onMaturityLevelChanged(QVariant newLevel);
    Q_INVOKABLE QVariant onPerfectPitchAcquired(QVariant note);

    int Count(const QString& function) const;
    // The last call of `function`; an empty call when there was none.
    Call Last(const QString& function) const;
    qint64 Now() const { return clock.elapsed(); }

    QVector<Call> calls;

private:
    QVariant Record(const char* function, const QVariantList& args);

    QObject* root;
    QElapsedTimer clock;
};

// One application per test function: only one QApplication may exist at a time.
struct AppUnderTest
{
    AppUnderTest();
    ~AppUnderTest();

    Application* app;
    std::unique_ptr<InterfaceRecorder> recorder;
};

QSettings* OpenStore();
// Writes "ShowHelpOnStartup" false, so the help overlay does not hide the keyboard.
void SkipHelpOnStartup();
void ClearStore();
// A value of the store as written to storage.
unsigned int StoredValue(Application* app, const char* key);

// The note of the question being asked.
unsigned int AskedNote(Application* app);
// A point inside the key, in scene coordinates of the application's view.
QPointF KeyCentreInScene(Application* app, int key);
// A real left click on the key through the view (press and release).
void ClickKey(Application* app, int key);
// Key indexes with the given highlight (1 green, 2 blue, other non-zero red).
QVector<int> KeysWithHighlight(Application* app, int highlight);
QStringList DeviceLine(Application* app);
