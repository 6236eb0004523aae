#include "app/scene_graph_choice.h"

#include <QByteArray>
#include <QDir>
#include <QQuickWindow>
#include <QSGRendererInterface>

namespace {

bool HasGpu()
{
    if (!qEnvironmentVariableIsEmpty("LIBGL_ALWAYS_SOFTWARE"))
        return false;
    return !QDir(QStringLiteral("/dev/dri")).entryList({QStringLiteral("renderD*")}, QDir::System).isEmpty();
}

} // namespace

bool ChooseSceneGraph()
{
    const QByteArray chosen = qgetenv("QT_QUICK_BACKEND") + qgetenv("QMLSCENE_DEVICE");
    if (!chosen.isEmpty())
        return chosen == "software" || chosen == "softwarecontext";
    if (!HasGpu()) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        return true;
    }
    // Qt Quick sizes its atlas after the screen: 2048 x 2048 (16 MB) on a full-HD one.
    if (qEnvironmentVariableIsEmpty("QSG_ATLAS_WIDTH") && qEnvironmentVariableIsEmpty("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", QByteArrayLiteral("512"));
        qputenv("QSG_ATLAS_HEIGHT", QByteArrayLiteral("512"));
    }
    return false;
}
