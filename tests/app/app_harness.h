#pragma once
// The real application in the test process, its window offscreen, with a recorder between
// the bridge and the window that notes every call the session makes into the interface.
#include "app/app_settings.h"
#include "app/application.h"
#include "app/qml_messenger.h"
#include "keyboard/key_table.h"
#include "keyboard/keyboard.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

inline QString StoreFile()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvex", "Ovelune").fileName();
}

// An empty store; without the help overlay unless asked for, since it hides the keyboard.
inline void ResetStore(bool showHelp = false)
{
    QFile::remove(StoreFile());
    QSettings(StoreFile(), QSettings::IniFormat).setValue("GlobalSetting/ShowHelpOnStartup", showHelp);
}

// A value of the store as it is on disk: a copy read afresh, not this process's cache.
inline QVariant OnDisk(const QString& key, QStringList* keys = nullptr)
{
    QTemporaryDir dir;
    QFile::copy(StoreFile(), dir.filePath("copy.conf"));
    QSettings copy(dir.filePath("copy.conf"), QSettings::IniFormat);
    if (keys)
        *keys = copy.allKeys();
    return copy.value(key);
}

class Recorder : public QObject
{
    Q_OBJECT

public:
    struct Call { QString function; QVariantList args; qint64 atMs; };
    explicit Recorder(QObject* window) : window(window) { clock.start(); }

    Q_INVOKABLE QVariant onCurrentNote(QVariant a) { return Pass("onCurrentNote", {a}); }
    Q_INVOKABLE QVariant onAnswerRecieved(QVariant a, QVariant b) { return Pass("onAnswerRecieved", {a, b}); }
    Q_INVOKABLE QVariant onMaturityLevelChanged(QVariant a) { return Pass("onMaturityLevelChanged", {a}); }
    Q_INVOKABLE QVariant onPerfectPitchAcquired(QVariant a) { return Pass("onPerfectPitchAcquired", {a}); }

    int Count(const char* function) const
    {
        return int(std::count_if(calls.begin(), calls.end(), [&](const Call& c) { return c.function == function; }));
    }
    Call Last(const char* function) const
    {
        auto found = std::find_if(calls.rbegin(), calls.rend(), [&](const Call& c) { return c.function == function; });
        return found == calls.rend() ? Call{} : *found;
    }
    QVector<Call> calls;

private:
    QVariant Pass(const char* function, const QVariantList& args)
    {
        calls.append(Call{QLatin1String(function), args, clock.elapsed()});
        QVariant result;
        if (!window)
            return result;
        if (args.size() == 2)
            QMetaObject::invokeMethod(window, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, args[0]),
                                      Q_ARG(QVariant, args[1]));
        else
            QMetaObject::invokeMethod(window, function, Q_RETURN_ARG(QVariant, result), Q_ARG(QVariant, args[0]));
        return result;
    }
    QPointer<QObject> window; // gone once the test takes the interface down
    QElapsedTimer clock;
};

inline int argCount = 1;
inline char argName[] = "ovelune-test";
inline char* argValues[] = {argName, nullptr};

// One application at a time: only one QApplication may exist in a process.
struct AppUnderTest
{
    AppUnderTest() : app(new Application(argCount, argValues))
    {
        if (!app->IsPrimary())
            return; // another program holds the store
        if (!QTest::qWaitForWindowExposed(&app->GetView()))
            qWarning("the main window was not shown");
        rec.reset(new Recorder(app->GetView().rootObject()));
        messenger->SetRootObject(rec.get());
    }
    // The interface goes first, and its animations with it: the next application in this
    // process would meet the animation timer of this one's thread, freed with it, still
    // registered with Qt's shared animation clock.
    ~AppUnderTest()
    {
        if (app->IsPrimary()) {
            app->GetView().setSource(QUrl());
            QTest::qWait(50);
        }
        delete app;
    }

    AppSettings& Model() const { return *app->GetAppSettings(); }
    Keyboard& Keys() const { return *app->GetKeyboard(); }
    unsigned int Asked() const { return Model().questions.at(Model().currentQuestion); }
    QStringList DeviceLine() const { return app->GetView().rootContext()->contextProperty("midiListModel").toStringList(); }
    // A property of the window's root item or of an item of it (Repeater items included).
    QVariant Window(const char* item, const char* property) const { return Item(item)->property(property); }
    QQuickItem* Item(const char* name, QQuickItem* from = nullptr) const
    {
        from = from ? from : app->GetView().rootObject();
        if (!qstrcmp(name, "root") || from->objectName() == QLatin1String(name))
            return from;
        for (QQuickItem* child : from->childItems())
            if (QQuickItem* found = Item(name, child))
                return found;
        return nullptr;
    }
    // Left clicks through the window, as the mouse gives them: on a key, or on an item.
    void Click(int key) const
    {
        const GKCKeyPositon& k = KeysCache.at(key);
        const QPointF native = k.isWhite ? k.lowerRect.center() : k.upperRect.center();
        MouseClick(Keys().mapToScene(QPointF(native.x() * Keys().getScale().x(), native.y() * Keys().getScale().y())));
    }
    void ClickItem(const char* name) const
    {
        QQuickItem* item = Item(name);
        MouseClick(item->mapToScene(QPointF(item->width() / 2, item->height() / 2)));
    }
    void MouseClick(QPointF at) const
    {
        QTest::mouseMove(&app->GetView(), at.toPoint());
        QTest::mouseClick(&app->GetView(), Qt::LeftButton, Qt::NoModifier, at.toPoint());
    }
    // Key indexes shown in a colour: 1 green, 3 red.
    QVector<int> Lit(int highlight) const
    {
        QVector<int> keys;
        for (int key = 0; key < 88; ++key)
            if (Keys().getKeyState(key).highlight == highlight)
                keys.append(key);
        return keys;
    }

    Application* app;
    std::unique_ptr<Recorder> rec;
};
