#include "app/statistics_text.h"

#include <QCoreApplication>
#include <QDateTime>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

QString Item(const QString& name, const QString& value)
{
    return QCoreApplication::translate("StatisticsWindow", "%1: %2", "a name and its figure, in the figures as text")
        .arg(name, value);
}

QString Share(const QLocale& locale, int right, int total)
{
    if (total <= 0)
        return QStringLiteral("—");
    return QStringLiteral("%1 % (%2/%3)")
        .arg(locale.toString(100.0 * right / total, 'f', 0), locale.toString(right), locale.toString(total));
}

template <typename Record>
std::vector<Record> Records(const QVariantList& list)
{
    std::vector<Record> records;
    records.reserve(std::size_t(list.size()));
    for (const QVariant& item : list)
        records.push_back(item.value<Record>());
    return records;
}

QString Day(const QLocale& locale, const StatisticsDay& day)
{
    return locale.toString(QDate::fromString(day.date, Qt::ISODate), QLocale::ShortFormat);
}

} // namespace

QVariantMap StatisticsText::Describe(const StatisticsFigures& figures, const Core::NoteNaming& naming,
                                     const QLocale& locale)
{
    QStringList summary;
    summary << QCoreApplication::translate("StatisticsWindow", "Answers: %1, right: %2 %")
                   .arg(locale.toString(figures.answers), locale.toString(figures.answers > 0 ? 100.0 * figures.right / figures.answers : 0.0, 'f', 0));
    summary << QCoreApplication::translate("StatisticsWindow", "Right note, wrong octave: %1 % of answers")
                   .arg(locale.toString(figures.octaveErrorShare * 100, 'f', 1));

    QStringList sessions;
    for (const StatisticsSession& s : Records<StatisticsSession>(figures.sessions))
        sessions << Item(locale.toString(QDateTime::fromMSecsSinceEpoch(qint64(s.time)), QLocale::ShortFormat),
                         QCoreApplication::translate("StatisticsWindow", "score %1 %, level %2")
                             .arg(locale.toString(s.score, 'f', 0), locale.toString(s.level)));

    QStringList pitchClasses, octaves, keys;
    for (const StatisticsTally& t : Records<StatisticsTally>(figures.pitchClasses))
        pitchClasses << Item(naming.PitchClassName(t.at), Share(locale, t.right, t.total));
    for (const StatisticsTally& t : Records<StatisticsTally>(figures.octaves))
        octaves << Item(locale.toString(t.at), Share(locale, t.right, t.total));
    for (const StatisticsTally& t : Records<StatisticsTally>(figures.keys))
        if (t.total > 0)
            keys << Item(naming.KeyName(t.at), Share(locale, t.right, t.total));

    // (count, asked, answered): most frequent first, then in the order of the notes.
    std::vector<std::tuple<int, int, int>> taken;
    for (int i = 0; i < figures.confusion.size() && i < 144; ++i)
        if (i / 12 != i % 12 && figures.confusion[i] > 0)
            taken.emplace_back(-figures.confusion[i], i / 12, i % 12);
    std::sort(taken.begin(), taken.end());
    QStringList confusions;
    for (const auto& [count, asked, answered] : taken)
        confusions << Item(QStringLiteral("%1 → %2").arg(naming.PitchClassName(asked), naming.PitchClassName(answered)),
                           locale.toString(-count));

    QStringList responseTimes, practice;
    for (const StatisticsDay& d : Records<StatisticsDay>(figures.days)) {
        responseTimes << Item(Day(locale, d), locale.toString(d.medianResponseMs / 1000, 'f', 1));
        practice << Item(Day(locale, d), locale.toString(d.practiceMinutes, 'f', 1));
    }

    const QString none = QStringLiteral("—");
    // What a learner looks for first comes first: the notes, then the sessions and days.
    const std::pair<QString, QStringList> parts[] = {
        {QCoreApplication::translate("StatisticsWindow", "Right per note (%)"), pitchClasses},
        {QCoreApplication::translate("StatisticsWindow", "Right per octave (%)"), octaves},
        {QCoreApplication::translate("StatisticsWindow", "Notes taken for others (asked → answered)"), confusions},
        {QCoreApplication::translate("StatisticsWindow", "Score (%) and level per session"), sessions},
        {QCoreApplication::translate("StatisticsWindow", "Median response time per day (s)"), responseTimes},
        {QCoreApplication::translate("StatisticsWindow", "Practice per day (minutes)"), practice},
        {QCoreApplication::translate("StatisticsWindow", "Right per key (%)"), keys},
    };
    QStringList text = summary;
    for (const auto& [title, lines] : parts)
        text << QString() << title << (lines.isEmpty() ? QStringList{none} : lines);

    const auto joined = [&](const QStringList& lines) { return lines.isEmpty() ? none : lines.join('\n'); };
    return {{QStringLiteral("summary"), summary.join('\n')},
            {QStringLiteral("sessions"), joined(sessions)},
            {QStringLiteral("pitchClasses"), joined(pitchClasses)},
            {QStringLiteral("octaves"), joined(octaves)},
            {QStringLiteral("confusions"), joined(confusions)},
            {QStringLiteral("responseTimes"), joined(responseTimes)},
            {QStringLiteral("practice"), joined(practice)},
            {QStringLiteral("keys"), joined(keys)},
            {QStringLiteral("text"), text.join('\n')}};
}
