#include "app_test_support.h"

#include "app/app_settings.h"
#include "app/qml_messenger.h"
#include "keyboard/keyboard.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QtTest>

namespace {

int argcStorage = 1;
char argv0[] = "ovelune-test";
char* argvStorage[] = {argv0, nullptr};

} // namespace

InterfaceRecorder::InterfaceRecorder(QObject* root) : root(root)
{
    clock.start();
}

QVariant InterfaceRecorder::onCurrentNote(QVariant note)
{
    return Record("onCurrentNote", {note});
}

QVariant InterfaceRecorder::onAnswerRecieved(QVariant correct, QVariant noteNumber)
{
    return Record("onAnswerRecieved", {correct, noteNumber});
}

QVariant InterfaceRecorder::onMaturityLevelChanged(QVariant newLevel)
{
    return Record("onMaturityLevelChanged", {newLevel});
}

QVariant InterfaceRecorder::onPerfectPitchAcquired(QVariant note)
{
    return Record("onPerfectPitchAcquired", {note});
}

QVariant InterfaceRecorder::Record(const char* function, const QVariantList& args)
{
    calls.append(Call{QString::fromLatin1(function), args, clock.elapsed()});
    QVariant result;
    if (!root)
        return result;
    if (args.size() == 2)
        QMetaObject::invokeMethod(root, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, args[0]),
                                  Q_ARG(QVariant, args[1]));
    else
        QMetaObject::invokeMethod(root, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, args[0]));
    return result;
}

int InterfaceRecorder::Count(const QString& function) const
{
    int n = 0;
    for (const Call& call : calls)
        if (call.function == function)
            ++n;
    return n;
}

InterfaceRecorder::Call InterfaceRecorder::Last(const QString& function) const
{
    for (int i = calls.size() - 1; i >= 0; --i)
        if (calls[i].function == function)
            return calls[i];
    return Call{};
}

AppUnderTest::AppUnderTest() : app(new Application(argcStorage, argvStorage))
{
    // The maximised window gets its size, and the interface its layout, from the event loop.
    if (!QTest::qWaitForWindowExposed(&app->GetView()))
        qWarning("the main window was not exposed");
    QCoreApplication::processEvents();
    recorder.reset(new InterfaceRecorder(app->GetView().rootObject()));
    messenger->SetRootObject(recorder.get());
}

AppUnderTest::~AppUnderTest()
{
    delete app;
}

QSettings* OpenStore()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune");
}

void SkipHelpOnStartup()
{
    QScopedPointer<QSettings> store(OpenStore());
    store->setValue("GlobalSetting/ShowHelpOnStartup", false);
    store->sync();
}

void ClearStore()
{
    QScopedPointer<QSettings> store(OpenStore());
    store->clear();
    store->sync();
}

unsigned int StoredValue(Application* app, const char* key)
{
    app->GetAppSettings()->settings->sync();
    QScopedPointer<QSettings> store(OpenStore());
    return store->value(key).toUInt();
}

unsigned int AskedNote(Application* app)
{
    const AppSettings* model = app->GetAppSettings();
    return model->questions.at(model->currentQuestion);
}

QPointF KeyCentreInScene(Application* app, int key)
{
    Keyboard* keyboard = app->GetKeyboard();
    // Walk the item's lower and upper rows for the widest run of points on the key and
    // take the middle of it.
    const int w = static_cast<int>(keyboard->width());
    const int h = static_cast<int>(keyboard->height());
    for (int y : {h * 9 / 10, h * 3 / 10}) {
        int first = -1, last = -1;
        for (int x = 0; x < w; ++x) {
            if (keyboard->getKeyByPos(x, y) == key) {
                if (first < 0)
                    first = x;
                last = x;
            }
        }
        if (first >= 0)
            return keyboard->mapToScene(QPointF((first + last) / 2, y));
    }
    return QPointF(-1, -1);
}

void ClickKey(Application* app, int key)
{
    const QPointF at = KeyCentreInScene(app, key);
    QVERIFY2(at.x() >= 0, qPrintable(QString("key %1 is not on screen").arg(key)));
    QTest::mouseClick(&app->GetView(), Qt::LeftButton, Qt::NoModifier, at.toPoint());
}

QVector<int> KeysWithHighlight(Application* app, int highlight)
{
    QVector<int> keys;
    for (int key = 0; key < 88; ++key) {
        const int h = app->GetKeyboard()->getKeyState(key).highlight;
        const bool matches = highlight == 3 ? (h != 0 && h != 1 && h != 2) : h == highlight;
        if (matches)
            keys.append(key);
    }
    return keys;
}

QStringList DeviceLine(Application* app)
{
    return app->GetView().rootContext()->contextProperty("midiListModel").toStringList();
}
