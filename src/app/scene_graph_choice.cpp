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

void ChooseSceneGraph()
{
    if (!qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND") || !qEnvironmentVariableIsEmpty("QMLSCENE_DEVICE"))
        return;
    if (!HasGpu()) {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
        return;
    }
    // Qt Quick sizes its atlas after the screen: 2048 x 2048 (16 MB) on a full-HD one.
    if (qEnvironmentVariableIsEmpty("QSG_ATLAS_WIDTH") && qEnvironmentVariableIsEmpty("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", QByteArrayLiteral("512"));
        qputenv("QSG_ATLAS_HEIGHT", QByteArrayLiteral("512"));
    }
}
