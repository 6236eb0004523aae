// The interface in each language: the desktop's language taken at start, a language chosen in
// the settings stored and spoken at once, and no text of the main window, the help, the
// settings or the statistics view painted beyond its box or its panel, on a 1366 x 768 screen.
#include "app_harness.h"

#include "app/history_store.h"
#include "app/language_choice.h"

#include <QDateTime>
#include <QMetaProperty>

namespace {

QLatin1String EnumKey(QObject* object, const char* name)
{
    const QMetaProperty property = object->metaObject()->property(object->metaObject()->indexOfProperty(name));
    return QLatin1String(property.enumerator().valueToKey(property.read(object).toInt()));
}

// The texts under `item` painted beyond their box (their box is not elided, and a wrapped
// text is too tall) or beyond the panel they stand on (the window, or an overlay).
void Spilling(QQuickItem* item, QQuickItem* panel, QStringList& faults)
{
    if (!item->isVisible() || item->opacity() == 0)
        return;
    if (QStringList{"helpWindow", "settingsWindow", "statsWindow"}.contains(item->objectName()))
        panel = item;
    const QString text = item->property("text").toString();
    if (item->inherits("QQuickText") && !text.isEmpty() && EnumKey(item, "elide") == QLatin1String("ElideNone")) {
        const qreal contentWidth = item->property("contentWidth").toReal();
        const qreal contentHeight = item->property("contentHeight").toReal();
        const QLatin1String align = EnumKey(item, "effectiveHorizontalAlignment");
        const qreal left = align == QLatin1String("AlignRight")     ? item->width() - contentWidth
                           : align == QLatin1String("AlignHCenter") ? (item->width() - contentWidth) / 2
                                                                    : 0;
        const QRectF painted = item->mapRectToItem(panel, QRectF(left, 0, contentWidth, contentHeight));
        const bool wraps = EnumKey(item, "wrapMode") != QLatin1String("NoWrap");
        if ((wraps ? contentHeight > item->height() + 1 : contentWidth > item->width() + 1) || painted.left() < -1
            || painted.right() > panel->width() + 1)
            faults << QStringLiteral("%1 x %2 in a box of %3 x %4 on %5: %6")
                          .arg(contentWidth).arg(contentHeight).arg(item->width()).arg(item->height())
                          .arg(panel->objectName(), text.left(60));
    }
    for (QQuickItem* child : item->childItems())
        Spilling(child, panel, faults);
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<AppUnderTest> t;

    QObject* Context(const char* name) const
    {
        return t->app->GetView().rootContext()->contextProperty(name).value<QObject*>();
    }
    QStringList SpillingIn(QQuickItem* item) const
    {
        QStringList faults;
        Spilling(item, t->Item("root"), faults);
        return faults;
    }

private slots:
    void initTestCase()
    {
        QFile screen(dir.filePath("screen.json"));
        QVERIFY(screen.open(QIODevice::WriteOnly));
        screen.write(R"({"windowFrameMargins": false, "screens": [{"name": "s", "x": 0, "y": 0, "width": 1366,)"
                     R"( "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96}]})");
        screen.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screen.fileName()));
        qputenv("LANGUAGE", "it:de");
        ResetStore();
    }

    void start()
    {
        t.reset(new AppUnderTest);
        QVERIFY(t->app->IsPrimary());
        {
            // A practised history: the statistics view shows every chart and its texts.
            const qint64 now = QDateTime::currentMSecsSinceEpoch();
            for (int i = 0; i < 120; ++i) {
                HistoryAnswer answer;
                answer.timeMs = now - (i % 3) * 86400000LL - i * 1000;
                answer.session = answer.timeMs - 60000;
                answer.asked = 24 + (i * 7) % 84;
                answer.answered = answer.asked + (i % 4 == 0 ? 12 : 0);
                answer.right = i % 4 != 0;
                answer.responseMs = 800 + i * 10;
                t->app->GetHistory()->RecordAnswer(answer);
            }
            t->app->GetHistory()->Flush();
        }
        // LANGUAGE "it:de": Italian from the start, the note names in Italian solfège.
        QCOMPARE(t->Window("replaySound", "text").toString(), QStringLiteral("Inizia qui"));
        QCOMPARE(Context("noteNaming")->property("levelNames").toStringList().value(0), QStringLiteral("Do"));
        QCOMPARE(t->Item("root")->width(), 1366.0);
    }

    // The translation for the desktop's preferred languages: English first is English.
    void match()
    {
        const QList<QPair<QStringList, QString>> cases{{{"en-GB", "de-DE"}, ""}, {{"nl-NL", "fr-CA"}, "fr"},
                                                       {{"pt-PT"}, "pt_BR"}, {{"zh-TW", "ja-JP"}, "ja"}};
        for (const auto& preferred : cases)
            QCOMPARE(LanguageChoice::Match(preferred.first), preferred.second);
    }

    void eachLanguage_data()
    {
        QTest::addColumn<int>("row");
        for (int row = 1; row < LanguageChoice::Codes().size(); ++row)
            QTest::newRow(qPrintable(LanguageChoice::Codes().at(row))) << row;
    }
    void eachLanguage()
    {
        QFETCH(int, row);
        const QString code = LanguageChoice::Codes().at(row);
        Context("languageChoice")->setProperty("row", row);
        QCOMPARE(OnDisk("GlobalSetting/Language").toString(), code);
        // Spoken at once, by the bindings and by the fields the application fills.
        QCOMPARE(t->Window("replaySound", "text").toString() == QLatin1String("Begin here"), code == QLatin1String("en"));
        QCOMPARE(t->Window("instrument", "displayText").toString() == QLatin1String("Acoustic grand piano"),
                 code == QLatin1String("en"));
        // The note names follow the language the learner reads (nothing chosen for them).
        const QHash<QString, QString> secondNote{{"en", "D"}, {"de", "D"}, {"fr", "Ré"}, {"it", "Re"}, {"ru", "Ре"}};
        if (secondNote.contains(code))
            QCOMPARE(Context("noteNaming")->property("levelNames").toStringList().value(1), secondNote.value(code));

        QStringList faults = SpillingIn(t->Item("root"));
        QQuickItem* help = t->Item("helpWindow");
        help->setVisible(true);
        for (int page = 0; page < 4; ++page) {
            QMetaObject::invokeMethod(help, "showScreen", Q_ARG(QVariant, page));
            faults << SpillingIn(help);
        }
        help->setVisible(false);
        QMetaObject::invokeMethod(t->Item("root"), "showSettings");
        QQuickItem* settings = t->Item("settingsWindow");
        QVERIFY(settings);
        faults << SpillingIn(settings);
        QMetaObject::invokeMethod(settings, "close");
        QMetaObject::invokeMethod(t->Item("root"), "showStatistics");
        QTRY_VERIFY_WITH_TIMEOUT(t->Item("statsWindow") && t->Window("statsWindow", "drawn").toBool()
                                     && !t->Window("statsWindow", "empty").toBool(), 30000);
        faults << SpillingIn(t->Item("statsWindow"));
        QMetaObject::invokeMethod(t->Item("statsWindow"), "close");
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void cleanupTestCase() { t.reset(); }
};

QTEST_APPLESS_MAIN(TestLanguages)
#include "tst_languages.moc"
