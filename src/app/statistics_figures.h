#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantList>

// What the statistics view shows, as value types QML reads by property. The lists of
// records are QVariantLists of the record types below: QML sees them as arrays of
// objects with these properties.

// Right answers out of all, for one pitch class, octave or key (`at` says which).
struct StatisticsTally
{
    Q_GADGET
    Q_PROPERTY(int at MEMBER at)
    Q_PROPERTY(int right MEMBER right)
    Q_PROPERTY(int total MEMBER total)
public:
    int at = 0;
    int right = 0;
    int total = 0;
    bool operator==(const StatisticsTally& o) const { return at == o.at && right == o.right && total == o.total; }
};

// One finished session; `time` is its end (ms since the epoch), `score` in percent.
struct StatisticsSession
{
    Q_GADGET
    Q_PROPERTY(double time MEMBER time)
    Q_PROPERTY(int level MEMBER level)
    Q_PROPERTY(int nextLevel MEMBER nextLevel)
    Q_PROPERTY(double score MEMBER score)
public:
    double time = 0;
    int level = 0;
    int nextLevel = 0;
    double score = 0;
};

// One local calendar day with answers; `time` is its local midnight (ms since the epoch).
struct StatisticsDay
{
    Q_GADGET
    Q_PROPERTY(QString date MEMBER date)
    Q_PROPERTY(double time MEMBER time)
    Q_PROPERTY(int answers MEMBER answers)
    Q_PROPERTY(int right MEMBER right)
    Q_PROPERTY(double medianResponseMs MEMBER medianResponseMs)
    Q_PROPERTY(double practiceMinutes MEMBER practiceMinutes)
public:
    QString date; // yyyy-MM-dd
    double time = 0;
    int answers = 0;
    int right = 0;
    double medianResponseMs = 0;
    double practiceMinutes = 0;
};

// One pitch test; `time` is its end (ms since the epoch), the shares in percent.
struct StatisticsTest
{
    Q_GADGET
    Q_PROPERTY(double time MEMBER time)
    Q_PROPERTY(double rightPercent MEMBER rightPercent)
    Q_PROPERTY(double octaveOffPercent MEMBER octaveOffPercent)
    Q_PROPERTY(double meanError MEMBER meanError)
public:
    double time = 0;
    double rightPercent = 0;
    double octaveOffPercent = 0;
    double meanError = 0;
};

struct StatisticsFigures
{
    Q_GADGET
    Q_PROPERTY(int answers MEMBER answers)
    Q_PROPERTY(int right MEMBER right)
    Q_PROPERTY(int octaveErrors MEMBER octaveErrors)
    Q_PROPERTY(double octaveErrorShare MEMBER octaveErrorShare)
    Q_PROPERTY(QVariantList pitchClasses MEMBER pitchClasses)
    Q_PROPERTY(QVariantList octaves MEMBER octaves)
    Q_PROPERTY(QVariantList keys MEMBER keys)
    Q_PROPERTY(QList<int> confusion MEMBER confusion)
    Q_PROPERTY(QVariantList sessions MEMBER sessions)
    Q_PROPERTY(QVariantList days MEMBER days)
    Q_PROPERTY(QVariantList tests MEMBER tests)
    Q_PROPERTY(QString readError MEMBER readError)
    Q_PROPERTY(QString problem MEMBER problem)
public:
    int answers = 0;
    int right = 0;
    int octaveErrors = 0;          // right pitch class, wrong note
    double octaveErrorShare = 0;   // of all answers
    QVariantList pitchClasses;     // 12 StatisticsTally, at = asked % 12 (C = 0)
    QVariantList octaves;          // 7 StatisticsTally, at = octave 1..7 (asked / 12 - 1)
    QVariantList keys;             // 84 StatisticsTally, at = note 24..107
    QList<int> confusion;          // 144 counts, [askedPc * 12 + answeredPc]
    QVariantList sessions;         // StatisticsSession in time order
    QVariantList days;             // StatisticsDay in date order
    QVariantList tests;            // StatisticsTest in time order
    QString readError;             // the history could not be read: said as such, never as empty
    QString problem;               // the history's trouble while recording, if any
};

Q_DECLARE_METATYPE(StatisticsTally)
Q_DECLARE_METATYPE(StatisticsSession)
Q_DECLARE_METATYPE(StatisticsDay)
Q_DECLARE_METATYPE(StatisticsTest)
Q_DECLARE_METATYPE(StatisticsFigures)
