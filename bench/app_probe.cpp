#include "app_probe.h"

#include "app/application.h"
#include "core/midi/midi_out_mac_device.h"
#include "keyboard/keyboard.h"

#include <QSettings>
#include <QTest>

namespace AppProbe {

void SkipHelpAtStart()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvex"), QStringLiteral("Ovelune"));
    store.setValue(QStringLiteral("GlobalSetting/ShowHelpOnStartup"), false);
}

bool WaitReady(Application& application, int timeoutMs)
{
    if (!QTest::qWaitForWindowExposed(&application.GetView(), timeoutMs))
        return false;
    auto* synth = dynamic_cast<Core::MidiOutMacDevice*>(application.GetOutputDevice().get());
    return synth && synth->IsAudible();
}

QPointF KeyCentre(Application& application, int note)
{
    Keyboard* keyboard = application.GetKeyboard();
    if (!keyboard)
        return {};
    const int y = static_cast<int>(keyboard->height() * 0.85);
    int first = -1;
    int last = -1;
    for (int x = 0; x < keyboard->width(); ++x) {
        if (keyboard->getKeyByPos(x, y) == note - 21) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    if (first < 0)
        return {};
    return keyboard->mapToScene(QPointF((first + last) / 2.0, y));
}

} // namespace AppProbe
