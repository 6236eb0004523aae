// The statistics view's figures as text: what a screen reader says of each chart, in the
// learner's note names and number format.
#include "app/statistics_text.h"

#include <QtTest>

namespace {

QVariantList Tallies(int first, int count, const std::map<int, std::pair<int, int>>& asked)
{
    QVariantList list;
    for (int at = first; at < first + count; ++at) {
        const auto it = asked.find(at);
        list << QVariant::fromValue(StatisticsTally{at, it == asked.end() ? 0 : it->second.first,
                                                    it == asked.end() ? 0 : it->second.second});
    }
    return list;
}

// C asked five times (four right), D three times (never right, twice taken for E, once for
// D an octave off), E taken once for D; G4 asked twice.
StatisticsFigures Figures()
{
    StatisticsFigures f;
    f.answers = 10;
    f.right = 5;
    f.octaveErrors = 1;
    f.octaveErrorShare = 0.125;
    f.pitchClasses = Tallies(0, 12, {{0, {4, 5}}, {2, {0, 3}}, {4, {0, 1}}, {7, {1, 1}}});
    f.octaves = Tallies(1, 7, {{3, {1, 3}}, {4, {4, 7}}});
    f.keys = Tallies(24, 84, {{60, {4, 5}}, {50, {0, 3}}, {64, {0, 1}}, {67, {1, 1}}});
    f.confusion = QList<int>(144, 0);
    f.confusion[0 * 12 + 0] = 4; // right answers: the diagonal is no confusion
    f.confusion[0 * 12 + 1] = 1;
    f.confusion[2 * 12 + 4] = 2;
    f.confusion[2 * 12 + 2] = 1;
    f.confusion[4 * 12 + 2] = 1;
    StatisticsDay day;
    day.date = QStringLiteral("2026-12-03");
    day.medianResponseMs = 1840;
    day.practiceMinutes = 12.26;
    f.days << QVariant::fromValue(day);
    return f;
}

QStringList Lines(const QVariantMap& text, const char* part)
{
    return text.value(QLatin1String(part)).toString().split('\n');
}

} // namespace

class TestStatisticsText : public QObject
{
    Q_OBJECT

private slots:
    void partsInEachNoteSystem_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("pitchClasses");
        QTest::addColumn<QStringList>("confusions");
        QTest::addColumn<QStringList>("keys");
        // A note never asked reads "—", never 0 %; the confusions most frequent first.
        QTest::newRow("letters") << int(Core::NoteNaming::Letters) << int(QLocale::English)
                                 << QStringList{"C: 80 % (4/5)", "C♯: —", "D: 0 % (0/3)", "D♯: —"}
                                 << QStringList{"D → E: 2", "C → C♯: 1", "E → D: 1"}
                                 << QStringList{"D3: 0 % (0/3)", "C4: 80 % (4/5)", "E4: 0 % (0/1)", "G4: 100 % (1/1)"};
        QTest::newRow("solfège") << int(Core::NoteNaming::Solfege) << int(QLocale::French)
                                 << QStringList{"Do: 80 % (4/5)", "Do♯: —", "Ré: 0 % (0/3)", "Ré♯: —"}
                                 << QStringList{"Ré → Mi: 2", "Do → Do♯: 1", "Mi → Ré: 1"}
                                 << QStringList{"Ré3: 0 % (0/3)", "Do4: 80 % (4/5)", "Mi4: 0 % (0/1)", "Sol4: 100 % (1/1)"};
        QTest::newRow("German") << int(Core::NoteNaming::German) << int(QLocale::German)
                                << QStringList{"C: 80 % (4/5)", "Cis: —", "D: 0 % (0/3)", "Dis: —"}
                                << QStringList{"D → E: 2", "C → Cis: 1", "E → D: 1"}
                                << QStringList{"D3: 0 % (0/3)", "C4: 80 % (4/5)", "E4: 0 % (0/1)", "G4: 100 % (1/1)"};
    }

    void partsInEachNoteSystem()
    {
        QFETCH(int, system);
        QFETCH(int, language);
        QFETCH(QStringList, pitchClasses);
        QFETCH(QStringList, confusions);
        QFETCH(QStringList, keys);
        const Core::NoteNaming naming{Core::NoteNaming::System(system), QLocale::Language(language)};
        const QVariantMap text = StatisticsText::Describe(Figures(), naming, QLocale::c());
        QCOMPARE(Lines(text, "pitchClasses").size(), 12);
        QCOMPARE(Lines(text, "pitchClasses").mid(0, 4), pitchClasses);
        QCOMPARE(Lines(text, "confusions"), confusions);
        // Only the keys asked.
        QCOMPARE(Lines(text, "keys"), keys);
        QCOMPARE(Lines(text, "octaves"), (QStringList{"1: —", "2: —", "3: 33 % (1/3)", "4: 57 % (4/7)", "5: —", "6: —", "7: —"}));
    }

    // Numbers and dates as the learner's locale writes them; a part without points says so.
    void localeAndEmptyParts()
    {
        const QVariantMap text = StatisticsText::Describe(Figures(), Core::NoteNaming(), QLocale(QLocale::German));
        QCOMPARE(Lines(text, "summary"),
                 (QStringList{"Answers: 10, right: 50 %", "Right note, wrong octave: 12,5 % of answers"}));
        QCOMPARE(Lines(text, "responseTimes"), QStringList{"03.12.26: 1,8"});
        QCOMPARE(Lines(text, "practice"), QStringList{"03.12.26: 12,3"});
        QCOMPARE(Lines(text, "sessions"), QStringList{"—"});

        // The whole text: each part under its chart's title, the notes first.
        const QStringList all = Lines(text, "text");
        QStringList titles;
        for (int i = 1; i < all.size(); ++i)
            if (all[i - 1].isEmpty())
                titles << all[i];
        QCOMPARE(titles, (QStringList{"Right per note (%)", "Right per octave (%)", "Notes taken for others (asked → answered)",
                                      "Score (%) and level per session", "Median response time per day (s)",
                                      "Practice per day (minutes)", "Right per key (%)"}));
        QVERIFY(all.contains("C4: 80 % (4/5)"));

        // Nothing practised: no division by zero, every part "—".
        const QVariantMap none = StatisticsText::Describe(StatisticsFigures(), Core::NoteNaming(), QLocale::c());
        QCOMPARE(Lines(none, "summary").front(), QString("Answers: 0, right: 0 %"));
        for (const char* part : {"pitchClasses", "octaves", "keys", "confusions", "responseTimes"})
            QCOMPARE(Lines(none, part), QStringList{"—"});
    }

    // A session: its end in the locale's short form, its score and level.
    void sessionLine()
    {
        StatisticsFigures f;
        StatisticsSession s;
        s.time = double(QDateTime(QDate(2026, 12, 3), QTime(18, 30)).toMSecsSinceEpoch());
        s.level = 3;
        s.score = 200.0 / 3;
        f.sessions << QVariant::fromValue(s);
        const QVariantMap text = StatisticsText::Describe(f, Core::NoteNaming(), QLocale(QLocale::German));
        QCOMPARE(Lines(text, "sessions"), QStringList{"03.12.26 18:30: score 67 %, level 3"});
    }
};

QTEST_GUILESS_MAIN(TestStatisticsText)
#include "tst_statistics_text.moc"
