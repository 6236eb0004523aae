#include "app/training_options.h"

#include "app/app_settings.h"
#include "app/application.h"
#include "app/fluency.h"
#include "app/history_store.h"
#include "core/midi/midi_out_mac_device.h"

#include <QtConcurrent>

TrainingOptions::TrainingOptions(QObject* parent)
    : QObject(parent)
{
    connect(&watcher, &QFutureWatcher<QVariantList>::finished, this, [this] {
        const QVariant figures(watcher.result());
        for (const QPointer<QObject>& receiver : waiting)
            if (receiver)
                QMetaObject::invokeMethod(receiver, "showFluency", Q_ARG(QVariant, figures));
        waiting.clear();
        if (!next.empty()) {
            waiting.swap(next);
            Compute();
        }
    });
}

TrainingOptions::~TrainingOptions()
{
    SetApplication(nullptr);
}

void TrainingOptions::SetApplication(Application* app)
{
    if (!app) {
        watcher.disconnect(this);
        watcher.waitForFinished();
        waiting.clear();
        next.clear();
    }
    application = app;
}

void TrainingOptions::ApplyReferencePitch()
{
    if (!application)
        return;
    auto synth = boost::dynamic_pointer_cast<Core::MidiOutMacDevice>(application->GetOutputDevice());
    if (synth)
        synth->SetReferencePitch(application->GetAppSettings()->referencePitch);
}

int TrainingOptions::getReferencePitch() const
{
    return application ? application->GetAppSettings()->referencePitch : AppSettings::DefaultReferencePitch;
}

void TrainingOptions::setReferencePitch(int hz)
{
    if (!application || hz < AppSettings::LowestReferencePitch || hz > AppSettings::HighestReferencePitch)
        return;
    application->GetAppSettings()->referencePitch = hz;
    application->GetAppSettings()->SaveChoice(QStringLiteral("ReferencePitch"), hz);
    ApplyReferencePitch();
}

int TrainingOptions::getLowestReferencePitch() const
{
    return AppSettings::LowestReferencePitch;
}

int TrainingOptions::getHighestReferencePitch() const
{
    return AppSettings::HighestReferencePitch;
}

double TrainingOptions::getFluentSeconds() const
{
    return (application ? application->GetAppSettings()->fluentLimitMs : Fluency::DefaultLimitMs) / 1000.0;
}

void TrainingOptions::setFluentSeconds(double seconds)
{
    if (!application)
        return;
    const int limitMs = AppSettings::FluentLimitMsFrom(seconds);
    if (limitMs != qRound(seconds * 1000.0))
        return; // not an offered limit
    application->GetAppSettings()->fluentLimitMs = limitMs;
    application->GetAppSettings()->SaveChoice(QStringLiteral("FluentSeconds"), seconds);
}

QVariantList TrainingOptions::getFluentSecondsChoices() const
{
    QVariantList choices;
    for (int limitMs : Fluency::LimitsMs)
        choices.append(limitMs / 1000.0);
    return choices;
}

bool TrainingOptions::getPassWhenFluent() const
{
    return application && application->GetAppSettings()->passWhenFluent;
}

void TrainingOptions::setPassWhenFluent(bool on)
{
    if (!application)
        return;
    AppSettings* model = application->GetAppSettings();
    model->passWhenFluent = on;
    model->SaveChoice(QStringLiteral("PassWhenFluent"), on);
    // The session's fluent answers so far count when it ends, also after a restart.
    if (on)
        model->SaveChoice(QStringLiteral("FluentAnswers"), model->fluentCount);
}

bool TrainingOptions::getClearTheEar() const
{
    return application && application->GetAppSettings()->clearTheEar;
}

void TrainingOptions::setClearTheEar(bool on)
{
    if (!application)
        return;
    application->GetAppSettings()->clearTheEar = on;
    application->GetAppSettings()->SaveChoice(QStringLiteral("ClearTheEar"), on);
}

void TrainingOptions::requestFluency(QObject* receiver)
{
    if (!application || !receiver)
        return;
    if (watcher.isRunning()) {
        next.emplace_back(receiver);
        return;
    }
    waiting.emplace_back(receiver);
    Compute();
}

void TrainingOptions::Compute()
{
    HistoryStore* history = application->GetHistory();
    const int limitMs = application->GetAppSettings()->fluentLimitMs;
    watcher.setFuture(QtConcurrent::run([history, limitMs] {
        if (!history)
            return QVariantList();
        history->Flush(); // the answers just given count
        return Fluency::ToVariant(Fluency::FromHistory(history->Path(), limitMs));
    }));
}
