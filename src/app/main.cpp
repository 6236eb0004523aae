#include "app/application.h"
#include "app/first_frame_report.h"

#include <QByteArray>

int main(int argc, char** argv)
{
    // Qt Quick sizes its texture atlas after the screen (2048 x 2048 on a full-HD one: 16 MB
    // in software OpenGL); the window's small images fit in a far smaller one.
    if (qEnvironmentVariableIsEmpty("QSG_ATLAS_WIDTH") && qEnvironmentVariableIsEmpty("QSG_ATLAS_HEIGHT")) {
        qputenv("QSG_ATLAS_WIDTH", QByteArrayLiteral("512"));
        qputenv("QSG_ATLAS_HEIGHT", QByteArrayLiteral("512"));
    }
    int result = 0;
    {
        Application application(argc, argv);
        if (!application.IsPrimary())
            return application.StartUpExitCode(); // another program has the store
        ReportFirstFrameIfAsked(application.GetView());
        result = application.exec();
    }
    return result;
}
