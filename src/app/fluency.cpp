#include "app/fluency.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantMap>

#include <algorithm>
#include <atomic>

bool PitchClassFluency::IsFluent() const
{
    return answers >= Fluency::MinimumAnswers && Share() >= Fluency::FluentShare;
}

bool Fluency::IsFluent(bool right, int responseMs, int limitMs)
{
    return right && responseMs >= 0 && responseMs <= limitMs;
}

std::array<PitchClassFluency, 12> Fluency::Compute(const std::vector<Answer>& newestFirst, int limitMs)
{
    std::array<PitchClassFluency, 12> figures;
    std::array<std::vector<int>, 12> times;
    for (const Answer& answer : newestFirst) {
        if (answer.asked < 0)
            continue;
        const int pitchClass = answer.asked % 12;
        PitchClassFluency& figure = figures[size_t(pitchClass)];
        if (figure.answers >= Window)
            continue;
        ++figure.answers;
        figure.right += answer.right ? 1 : 0;
        figure.fluent += IsFluent(answer.right, answer.responseMs, limitMs) ? 1 : 0;
        times[size_t(pitchClass)].push_back(answer.responseMs);
    }
    for (size_t pitchClass = 0; pitchClass < 12; ++pitchClass) {
        std::vector<int>& list = times[pitchClass];
        if (list.empty())
            continue;
        std::sort(list.begin(), list.end());
        const size_t middle = list.size() / 2;
        figures[pitchClass].medianResponseMs =
            list.size() % 2 ? list[middle] : (list[middle - 1] + list[middle]) / 2;
    }
    return figures;
}

std::array<PitchClassFluency, 12> Fluency::FromHistory(const QString& path, int limitMs, QString* error)
{
    std::vector<Answer> answers;
    if (!QFileInfo(path).isFile())
        return Compute(answers, limitMs);
    static std::atomic<unsigned int> connections{0};
    const QString name = QStringLiteral("ovelune-fluency-%1").arg(connections.fetch_add(1));
    QString reason;
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!database.open()) {
            reason = database.lastError().text();
        } else {
            QSqlQuery query(database);
            query.setForwardOnly(true);
            // Each pitch class's latest answers through the history's pitch-class index: a
            // few dozen rows read, however long the history.
            if (query.prepare(QStringLiteral("SELECT asked, \"right\", response_ms FROM answers WHERE asked % 12 = ? "
                                             "ORDER BY id DESC LIMIT %1")
                                  .arg(Window))) {
                for (int pitchClass = 0; pitchClass < 12 && reason.isEmpty(); ++pitchClass) {
                    query.addBindValue(pitchClass);
                    if (!query.exec())
                        break;
                    while (query.next())
                        answers.push_back({query.value(0).toInt(), query.value(1).toInt() != 0, query.value(2).toInt()});
                    if (query.lastError().isValid())
                        break;
                }
            }
            if (query.lastError().isValid())
                reason = query.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        answers.clear();
    }
    return Compute(answers, limitMs);
}

QVariantList Fluency::ToVariant(const std::array<PitchClassFluency, 12>& figures)
{
    QVariantList list;
    for (const PitchClassFluency& figure : figures)
        list.append(QVariantMap{{QStringLiteral("answers"), figure.answers},
                                {QStringLiteral("accuracy"), figure.Accuracy()},
                                {QStringLiteral("medianResponseMs"), figure.medianResponseMs},
                                {QStringLiteral("share"), figure.Share()},
                                {QStringLiteral("fluent"), figure.IsFluent()}});
    return list;
}
