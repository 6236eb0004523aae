#include "app/review_plan.h"

#include "app/app_settings.h"
#include "app/history_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <map>
#include <random>

namespace {

const qint64 DayMs = 86400000;

struct KeyFigures
{
    std::vector<const ReviewPlan::Answer*> latest; // newest first, RecentPerKey at most
    std::vector<std::pair<qint64, bool>> reviews;  // per review: its time, all right
    double weight = 0;
    bool cameBack = false; // wrong in its last review
    bool due = true;
    int seats = 0;
};

std::vector<unsigned int> TrainedKeys(unsigned int level)
{
    std::vector<unsigned int> keys;
    for (unsigned int i = 0; i < std::min(level, AppSettings::LevelCount); ++i)
        for (unsigned int octave = 0; octave < AppSettings::OctaveCount; ++octave)
            keys.push_back(AppSettings::maturityMidiBase[i] + 12 * octave);
    return keys;
}

// Each pitch class asked as often as the others, in octaves drawn at random.
std::vector<unsigned int> EvenQuestions(const std::vector<unsigned int>& keys, std::mt19937& random)
{
    std::map<unsigned int, std::vector<unsigned int>> byClass;
    for (unsigned int key : keys)
        byClass[key % 12].push_back(key);
    for (auto& entry : byClass)
        std::shuffle(entry.second.begin(), entry.second.end(), random);
    std::vector<unsigned int> questions;
    for (size_t round = 0; questions.size() < size_t(ReviewPlan::Questions); ++round)
        for (auto& entry : byClass)
            if (questions.size() < size_t(ReviewPlan::Questions))
                questions.push_back(entry.second[round % entry.second.size()]);
    return questions;
}

// Shuffled, the same key never twice in a row where another can go between.
void Order(std::vector<unsigned int>& questions, std::mt19937& random)
{
    std::shuffle(questions.begin(), questions.end(), random);
    for (size_t i = 1; i < questions.size(); ++i) {
        if (questions[i] != questions[i - 1])
            continue;
        for (size_t j = i + 1; j < questions.size(); ++j)
            if (questions[j] != questions[i - 1]) {
                std::swap(questions[i], questions[j]);
                break;
            }
    }
}

} // namespace

qint64 ReviewPlan::DueAt(const std::vector<std::pair<qint64, bool>>& reviewResults)
{
    size_t streak = 0;
    qint64 due = 0;
    for (const auto& review : reviewResults) {
        if (!review.second) {
            streak = 0;
            due = 0;
            continue;
        }
        ++streak;
        due = review.first + IntervalsDays[std::min(streak, IntervalsDays.size()) - 1] * DayMs - GraceMs;
    }
    return due;
}

ReviewPlan::Plan ReviewPlan::Choose(const std::vector<Answer>& recent, const std::vector<Answer>& reviews,
                                    unsigned int level, qint64 nowMs, quint32 seed)
{
    std::mt19937 random(seed);
    Plan plan;
    const std::vector<unsigned int> keys = TrainedKeys(level);
    std::map<unsigned int, KeyFigures> figures;
    for (unsigned int key : keys)
        figures[key];

    // Each key's latest answers, and the pitch classes taken for one another.
    std::vector<const Answer*> newestFirst;
    for (const Answer& a : recent)
        if (figures.count(unsigned(a.asked)))
            newestFirst.push_back(&a);
    std::stable_sort(newestFirst.begin(), newestFirst.end(),
                     [](const Answer* x, const Answer* y) { return x->timeMs > y->timeMs; });
    std::array<int, 12> answersOfClass{};
    std::array<std::array<int, 12>, 12> confusions{};
    for (const Answer* a : newestFirst) {
        KeyFigures& key = figures[unsigned(a->asked)];
        if (key.latest.size() < size_t(RecentPerKey))
            key.latest.push_back(a);
        const int asked = a->asked % 12;
        ++answersOfClass[size_t(asked)];
        if (a->answered >= 0 && a->answered % 12 != asked)
            ++confusions[size_t(asked)][size_t(a->answered % 12)];
    }
    if (newestFirst.size() < keys.size() * size_t(MinimumAnswersPerKey)) {
        plan.even = true;
        plan.questions = EvenQuestions(keys, random);
        Order(plan.questions, random);
        return plan;
    }
    // Both notes of a pair get the pair's share of confusions on top of their own weakness.
    std::array<double, 12> pairBoost{};
    for (size_t a = 0; a < 12; ++a)
        for (size_t b = a + 1; b < 12; ++b) {
            const int both = confusions[a][b] + confusions[b][a];
            const int asked = answersOfClass[a] + answersOfClass[b];
            const double share = asked > 0 ? double(both) / asked : 0.0;
            if (both >= PairMinimumConfusions && share >= PairMinimumShare) {
                pairBoost[a] = std::max(pairBoost[a], share);
                pairBoost[b] = std::max(pairBoost[b], share);
            }
        }

    // The schedule: each review's verdict per key.
    std::map<std::pair<unsigned int, qint64>, std::pair<qint64, bool>> perReview; // (key, session): (time, all right)
    for (const Answer& a : reviews) {
        if (!figures.count(unsigned(a.asked)))
            continue;
        auto inserted = perReview.try_emplace({unsigned(a.asked), a.session}, a.timeMs, a.right);
        if (!inserted.second) {
            inserted.first->second.first = std::max(inserted.first->second.first, a.timeMs);
            inserted.first->second.second = inserted.first->second.second && a.right;
        }
    }
    for (const auto& entry : perReview)
        figures[entry.first.first].reviews.push_back(entry.second);
    int dueCount = 0;
    for (auto& entry : figures) {
        KeyFigures& key = entry.second;
        std::sort(key.reviews.begin(), key.reviews.end());
        key.cameBack = !key.reviews.empty() && !key.reviews.back().second;
        key.due = nowMs >= DueAt(key.reviews);
        dueCount += key.due ? 1 : 0;
        int right = 0;
        for (const Answer* a : key.latest)
            right += a->right ? 1 : 0;
        // Unasked keys count as half known.
        key.weight = 1.0 - (right + 1.0) / (double(key.latest.size()) + 2.0) + pairBoost[entry.first % 12];
    }
    // Nearly everything known and waiting: the weakest are asked anyway.
    const bool allKeys = dueCount < Questions / MostPerKey;

    // Seats by weight (highest averages, at most MostPerKey each); a key that came back
    // gets its seat first.
    int seats = 0;
    for (auto& entry : figures)
        if (entry.second.cameBack && seats < Questions) {
            entry.second.seats = 1;
            ++seats;
        }
    for (; seats < Questions; ++seats) {
        KeyFigures* best = nullptr;
        for (auto& entry : figures) {
            KeyFigures& key = entry.second;
            if ((!key.due && !allKeys) || key.seats >= MostPerKey)
                continue;
            if (!best || key.weight / (key.seats + 1) > best->weight / (best->seats + 1))
                best = &key;
        }
        if (!best)
            break;
        ++best->seats;
    }
    for (const auto& entry : figures)
        for (int i = 0; i < entry.second.seats; ++i)
            plan.questions.push_back(entry.first);
    Order(plan.questions, random);
    return plan;
}

ReviewPlan::Plan ReviewPlan::FromHistory(const QString& path, unsigned int level, qint64 nowMs, quint32 seed,
                                         QString* error)
{
    std::vector<Answer> recent, reviews;
    QString reason;
    const std::vector<unsigned int> keys = TrainedKeys(level);
    const bool read = HistoryStore::ReadWith(path, &reason, [&](QSqlQuery& query) {
        if (!query.exec(QStringLiteral("PRAGMA user_version")))
            return false;
        const bool kinds = query.next() && query.value(0).toInt() >= 4; // else all were training answers
        query.finish();
        // Each trained pitch class's latest answers through the pitch-class index; pitch
        // tests are left out, their answers are no practice.
        if (!query.prepare(QStringLiteral("SELECT time, session, asked, answered, \"right\" FROM answers "
                                          "WHERE asked % 12 = ?%1 ORDER BY id DESC LIMIT %2")
                               .arg(kinds ? QStringLiteral(" AND kind != 2") : QString())
                               .arg(RecentPerPitchClass)))
            return false;
        for (unsigned int i = 0; i < std::min(level, AppSettings::LevelCount); ++i) {
            query.addBindValue(int(AppSettings::maturityMidiBase[i] % 12));
            if (!query.exec())
                return false;
            while (query.next())
                recent.push_back({query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toInt(),
                                  query.value(3).toInt(), query.value(4).toInt() != 0});
            if (query.lastError().isValid())
                return false;
        }
        if (!kinds)
            return true;
        if (!query.prepare(QStringLiteral("SELECT time, session, asked, answered, \"right\" FROM answers "
                                          "WHERE kind = 1 AND time >= ?")))
            return false;
        query.addBindValue(nowMs - qint64(ScheduleDays) * DayMs);
        if (!query.exec())
            return false;
        while (query.next())
            reviews.push_back({query.value(0).toLongLong(), query.value(1).toLongLong(), query.value(2).toInt(),
                               query.value(3).toInt(), query.value(4).toInt() != 0});
        return !query.lastError().isValid();
    });
    if (!read) {
        if (error)
            *error = reason;
        recent.clear();
        reviews.clear();
    }
    return Choose(recent, reviews, level, nowMs, seed);
}
