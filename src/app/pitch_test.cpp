#include "app/pitch_test.h"

#include <QStringList>
#include <QVariantList>

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>

std::vector<unsigned int> PitchTest::Questions(quint32 seed)
{
    std::mt19937 random(seed);
    std::array<unsigned int, 7> octaves;
    std::iota(octaves.begin(), octaves.end(), 0u);
    std::shuffle(octaves.begin(), octaves.end(), random);
    // Three successive places of the shuffled octaves per pitch class: three different ones.
    std::vector<unsigned int> notes;
    unsigned int place = 0;
    for (unsigned int pitchClass = 0; pitchClass < 12; ++pitchClass)
        for (int i = 0; i < PerPitchClass; ++i)
            notes.push_back(24 + pitchClass + 12 * octaves[place++ % octaves.size()]);
    std::shuffle(notes.begin(), notes.end(), random);
    return notes;
}

PitchTest::Result PitchTest::Score(const std::vector<unsigned int>& asked, const std::vector<unsigned int>& answered,
                                   const std::vector<int>& responseMs)
{
    Result result;
    const size_t count = std::min(asked.size(), answered.size());
    result.notes = int(count);
    int errorSum = 0;
    for (size_t i = 0; i < count; ++i) {
        const int pitchClass = int(asked[i] % 12);
        ++result.classAsked[size_t(pitchClass)];
        if (asked[i] == answered[i]) {
            ++result.right;
            ++result.classRight[size_t(pitchClass)];
        } else if (answered[i] % 12 == asked[i] % 12) {
            ++result.octaveOff;
        }
        errorSum += std::abs(int(answered[i]) - int(asked[i]));
    }
    result.meanError = count > 0 ? double(errorSum) / double(count) : 0.0;
    std::vector<int> times(responseMs.begin(), responseMs.begin() + std::ptrdiff_t(std::min(count, responseMs.size())));
    if (!times.empty()) {
        std::sort(times.begin(), times.end());
        const size_t middle = times.size() / 2;
        result.medianResponseMs = times.size() % 2 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
    }
    return result;
}

HistoryTest PitchTest::ToHistory(const Result& result, qint64 endMs)
{
    QStringList classes;
    for (int right : result.classRight)
        classes << QString::number(right);
    return {endMs, result.notes, result.right, result.octaveOff, result.meanError, result.medianResponseMs,
            classes.join(QLatin1Char(','))};
}

QVariantMap PitchTest::ToVariant(const Result& result)
{
    const double notes = result.notes > 0 ? result.notes : 1;
    QVariantList classes;
    for (size_t i = 0; i < 12; ++i)
        classes.append(QVariant(QVariantList{result.classRight[i], result.classAsked[i]}));
    return {{QStringLiteral("notes"), result.notes},
            {QStringLiteral("rightPercent"), 100.0 * result.right / notes},
            {QStringLiteral("octaveOffPercent"), 100.0 * result.octaveOff / notes},
            {QStringLiteral("meanError"), result.meanError},
            {QStringLiteral("medianSeconds"), result.medianResponseMs / 1000.0},
            {QStringLiteral("classes"), classes}};
}
