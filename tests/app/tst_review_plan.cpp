// The review of weak notes: chosen from a real practice history, spaced across days by an
// injected clock, and never beyond the learner's level.
#include "app/history_store.h"
#include "app/review_plan.h"

#include <QTemporaryDir>
#include <QtTest>

#include <map>

namespace {

const qint64 Day = 86400000;
const qint64 T0 = 1790000000000LL;

using Answers = std::vector<ReviewPlan::Answer>;

std::map<int, int> Counts(const std::vector<unsigned int>& notes, int modulo = 128)
{
    std::map<int, int> counts;
    for (unsigned int note : notes)
        ++counts[int(note) % modulo];
    return counts;
}

// Keys of C, D, E at level 3, each answered five times: right, but for `weak` always wrong.
Answers Training(std::initializer_list<int> weak)
{
    Answers answers;
    for (int key : {24, 26, 28})
        for (int octave = 0; octave < 7; ++octave)
            for (int i = 0; i < 5; ++i) {
                const int asked = key + 12 * octave;
                const bool wrong = std::find(weak.begin(), weak.end(), asked) != weak.end();
                answers.push_back({T0 - Day + i * 1000 + asked, 1, asked, wrong ? asked + 1 : asked, !wrong});
            }
    return answers;
}

} // namespace

class TestReviewPlan : public QObject
{
    Q_OBJECT

private slots:
    // A learner at level 5 who takes D for E and E for D, misses C6, and has met A
    // (beyond the level) only to miss it.
    void weakNotesFromTheHistory()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("history.sqlite");
        {
            HistoryStore store(path);
            qint64 time = T0 - 10 * Day;
            for (int round = 0; round < 10; ++round)
                for (int base : {24, 26, 28, 29, 31, 33})
                    for (int octave = 0; octave < 7; ++octave) {
                        HistoryAnswer a;
                        a.timeMs = time += 2000;
                        a.asked = base + 12 * octave;
                        const bool confused = (base == 26 || base == 28) && round % 2 == 0;
                        a.answered = confused ? (base == 26 ? a.asked + 2 : a.asked - 2)
                                     : a.asked == 84 || base == 33 ? (round < 8 ? a.asked - 1 : a.asked)
                                                                   : a.asked;
                        a.right = a.answered == a.asked;
                        store.RecordAnswer(a);
                    }
        }
        const ReviewPlan::Plan plan = ReviewPlan::FromHistory(path, 5, T0, 7);
        QVERIFY(!plan.even);
        QCOMPARE(plan.questions.size(), size_t(ReviewPlan::Questions));
        const std::map<int, int> keys = Counts(plan.questions), classes = Counts(plan.questions, 12);
        const auto of = [](const std::map<int, int>& counts, int at) { return counts.count(at) ? counts.at(at) : 0; };
        QVERIFY2(of(classes, 2) + of(classes, 4) + of(keys, 84) >= 18, "D, E and C6 fill the review");
        QVERIFY(of(classes, 2) >= 6 && of(classes, 4) >= 6 && of(keys, 84) >= 1);
        QVERIFY2(std::abs(of(classes, 2) - of(classes, 4)) <= 2, "both notes of the confused pair alike");
        for (const auto& entry : classes)
            QVERIFY2(QList<int>({0, 2, 4, 5, 7}).contains(entry.first), "only the trained pitch classes");
    }

    // Too short a history: said so, every trained pitch class asked as often as the others.
    void shortHistoryAsksEvenly()
    {
        const Answers some = Training({});
        const ReviewPlan::Plan plan = ReviewPlan::Choose(Answers(some.begin(), some.begin() + 40), {}, 5, T0, 3);
        QVERIFY(plan.even);
        QCOMPARE(plan.questions.size(), size_t(ReviewPlan::Questions));
        const std::map<int, int> classes = Counts(plan.questions, 12);
        QCOMPARE(int(classes.size()), 5);
        for (const auto& entry : classes)
            QVERIFY(entry.second == 4 || entry.second == 5);
    }

    void intervals_data()
    {
        QTest::addColumn<QString>("reviews"); // R right, W wrong, one a day
        QTest::addColumn<int>("dueAfterDays"); // after the last one; -1: at the next review
        QTest::newRow("once right") << "R" << 1;
        QTest::newRow("twice") << "RR" << 3;
        QTest::newRow("three times") << "RRR" << 7;
        QTest::newRow("four times") << "RRRR" << 14;
        QTest::newRow("five times") << "RRRRR" << 14;
        QTest::newRow("wrong at last") << "RRRW" << -1;
        QTest::newRow("right after wrong") << "RRWR" << 1;
    }
    void intervals()
    {
        QFETCH(QString, reviews);
        QFETCH(int, dueAfterDays);
        std::vector<std::pair<qint64, bool>> results;
        for (int i = 0; i < reviews.size(); ++i)
            results.emplace_back(T0 + i * Day, reviews[i] == 'R');
        const qint64 last = results.back().first;
        QCOMPARE(ReviewPlan::DueAt(results), dueAfterDays < 0 ? 0 : last + dueAfterDays * Day - ReviewPlan::GraceMs);
    }

    // With the clock moved on: D3, weak in training, answered right in a review waits a day,
    // then comes back; E3, known in training but wrong in a review, comes back in the very
    // next one, though the weak C keys would take every seat.
    void spacedAcrossDays()
    {
        const Answers training = Training({24, 36, 48, 60, 72, 84, 96, 50});
        const auto asked = [&](const Answers& reviews, qint64 now, int key) {
            return Counts(ReviewPlan::Choose(training, reviews, 3, now, 11).questions).count(key) > 0;
        };
        Answers reviews{{T0, 100, 50, 50, true}, {T0, 100, 52, 53, false}};
        QVERIFY(!asked(reviews, T0 + Day / 2, 50));
        QVERIFY(asked(reviews, T0 + Day / 2, 52));
        QVERIFY(asked(reviews, T0 + Day, 50));
        reviews.push_back({T0 + Day, 200, 50, 50, true});
        QVERIFY(!asked(reviews, T0 + 3 * Day, 50));
        QVERIFY(asked(reviews, T0 + 4 * Day, 50));
        QVERIFY(!asked({}, T0 + Day / 2, 52));
    }
};

QTEST_APPLESS_MAIN(TestReviewPlan)
#include "tst_review_plan.moc"
