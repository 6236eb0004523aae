// The floor every Qt Quick program pays here: a QQuickView showing an empty rectangle,
// maximised, reporting its first frame as the real program does (OVELUNE_BENCH_REPORT).
#include "app/first_frame_report.h"

#include <QGuiApplication>
#include <QQuickView>
#include <QUrl>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QQuickView view;
    view.setResizeMode(QQuickView::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/bare_view.qml")));
    view.showMaximized();
    ReportFirstFrameIfAsked(view);
    return application.exec();
}
