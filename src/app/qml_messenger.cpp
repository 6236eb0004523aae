#include "app/qml_messenger.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/note_naming_choice.h"
#include "app/statistics_text.h"
#include "core/instrument_names.h"

#include <QMetaObject>
#include <QtCharts/QXYSeries>

#include <limits>

QMLMessenger* messenger = nullptr;

namespace {

int ClampToInt(unsigned int value)
{
    const unsigned int limit = static_cast<unsigned int>(std::numeric_limits<int>::max());
    return static_cast<int>(value > limit ? limit : value);
}

} // namespace

QMLMessenger::QMLMessenger(QObject* parent)
    : QObject(parent), application(nullptr), rootObject(nullptr), appSettings(nullptr)
{
}

QMLMessenger::~QMLMessenger() = default;

void QMLMessenger::SetApplication(Application* app)
{
    application = app;
}

void QMLMessenger::SetAppSettings(AppSettings* model)
{
    appSettings = model;
}

void QMLMessenger::SetRootObject(QObject* root)
{
    rootObject = root;
}

void QMLMessenger::SetSpecialItem(QObject* item)
{
    specialItem = item;
}

bool QMLMessenger::isShowHelpOnStart() const
{
    return appSettings ? appSettings->showHelpOnStartup : true;
}

void QMLMessenger::setShowHelpOnStart(bool show)
{
    if (!appSettings)
        return;
    appSettings->showHelpOnStartup = show;
    appSettings->SaveChoice(QStringLiteral("ShowHelpOnStartup"), show);
}

bool QMLMessenger::isShowColorMap() const
{
    return appSettings ? appSettings->showColorMap : true;
}

void QMLMessenger::setShowColorMap(bool show)
{
    if (!appSettings)
        return;
    appSettings->showColorMap = show;
    appSettings->SaveChoice(QStringLiteral("ShowColorMap"), show);
}

int QMLMessenger::getMaturityLevel() const
{
    return appSettings ? ClampToInt(appSettings->maturityLevel) : 1;
}

void QMLMessenger::setMaturityLevel(int level)
{
    if (!appSettings)
        return;
    // Negative levels wrap to huge values, which the model turns into level 1.
    appSettings->SetMaturity(static_cast<unsigned int>(level));
    appSettings->SaveState();
}

int QMLMessenger::getCorrectCount() const
{
    return appSettings ? ClampToInt(appSettings->correctCount) : 0;
}

int QMLMessenger::getIncorrectCount() const
{
    return appSettings ? ClampToInt(appSettings->incorrectCount) : 0;
}

void QMLMessenger::currentNote(unsigned int noteIndex)
{
    CallInterface("onCurrentNote", QVariant(noteIndex));
}

void QMLMessenger::answerRecieved(bool correct, unsigned int questionIndex)
{
    CallInterface("onAnswerRecieved", QVariant(correct), QVariant(questionIndex));
}

void QMLMessenger::answerNotes(unsigned int askedNote, unsigned int answeredNote)
{
    CallInterface("onAnswerNotes", QVariant(askedNote), QVariant(answeredNote));
}

void QMLMessenger::maturityLevelChanged(unsigned int level)
{
    CallInterface("onMaturityLevelChanged", QVariant(level));
}

void QMLMessenger::perfectPitchAcquired(unsigned int level)
{
    CallInterface("onPerfectPitchAcquired", QVariant(level));
}

void QMLMessenger::startNewSession(uint maturityLevel)
{
    if (application)
        application->StartNewSession(QVariant(maturityLevel));
}

void QMLMessenger::continueSession()
{
    if (application)
        application->ContinueSession();
}

void QMLMessenger::startReview()
{
    if (application)
        application->StartReview();
}

void QMLMessenger::startPitchTest()
{
    if (application)
        application->StartPitchTest();
}

void QMLMessenger::callSpecial(const char* function, const QVariant& first, const QVariant& second)
{
    if (specialItem)
        CallInterface(function, first, second, specialItem);
}

void QMLMessenger::replayQuestion()
{
    if (application)
        application->ReplayQuestion();
}

void QMLMessenger::selectInputDevice(int row)
{
    if (application)
        application->ChooseInputDevice(row);
}

void QMLMessenger::selectInstrument(int row)
{
    if (application)
        application->ChooseInstrument(row);
}

void QMLMessenger::requestStatistics(int days, QObject* view)
{
    if (application)
        application->RequestStatistics(days, view);
}

void QMLMessenger::showStatistics(const StatisticsFigures& figures, QObject* view)
{
    lastFigures = figures;
    if (view)
        QMetaObject::invokeMethod(view, "showFigures", Q_ARG(QVariant, QVariant::fromValue(figures)));
}

void QMLMessenger::plot(QObject* series, const QString& list, const QString& xKey, const QString& yKey, double yScale)
{
    auto* line = qobject_cast<QXYSeries*>(series);
    if (!line)
        return;
    const QMetaObject& figures = StatisticsFigures::staticMetaObject;
    const int listIndex = figures.indexOfProperty(list.toLatin1().constData());
    if (listIndex < 0)
        return;
    const QVariantList items = figures.property(listIndex).readOnGadget(&lastFigures).toList();
    QVector<QPointF> points;
    points.reserve(items.size());
    for (const QVariant& item : items) {
        const QMetaObject* record = item.metaType().metaObject();
        const int x = record ? record->indexOfProperty(xKey.toLatin1().constData()) : -1;
        const int y = record ? record->indexOfProperty(yKey.toLatin1().constData()) : -1;
        if (x < 0 || y < 0)
            return;
        points.append(QPointF(record->property(x).readOnGadget(item.constData()).toDouble(),
                              record->property(y).readOnGadget(item.constData()).toDouble() * yScale));
    }
    line->replace(points);
}

QVariantMap QMLMessenger::describeStatistics() const
{
    const NoteNamingChoice* naming = application ? application->GetNoteNaming() : nullptr;
    return StatisticsText::Describe(lastFigures, naming ? naming->Naming() : Core::NoteNaming());
}

QStringList QMLMessenger::getInstrumentNames() const
{
    QStringList names;
    for (std::size_t row = 0; row <= Core::OfferedInstrumentCount; ++row)
        names << Core::GetInstrumentName(row);
    return names;
}

int QMLMessenger::getInstrumentIndex() const
{
    return application ? application->InstrumentRow() : 0;
}

void QMLMessenger::changeCursor(QVariant cursor)
{
    if (application)
        application->onChangeCursor(cursor);
}

void QMLMessenger::hideWindow()
{
    if (application)
        application->onHideWindow();
}

void QMLMessenger::showCompanyWebsite()
{
    if (application)
        application->onShowCompanyWebsite();
}

void QMLMessenger::CallInterface(const char* function, const QVariant& first, const QVariant& second, QObject* target)
{
    if (!target)
        target = rootObject;
    if (!target)
        return;
    // A function missing from the interface only earns the toolkit's warning; the session
    // goes on.
    QVariant ignored;
    if (second.isValid())
        QMetaObject::invokeMethod(target, function, Qt::AutoConnection, Q_RETURN_ARG(QVariant, ignored),
                                  Q_ARG(QVariant, first), Q_ARG(QVariant, second));
    else
        QMetaObject::invokeMethod(target, function, Qt::AutoConnection, Q_RETURN_ARG(QVariant, ignored),
                                  Q_ARG(QVariant, first));
}
