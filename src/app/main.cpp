#include "app/application.h"
#include "app/first_frame_report.h"
#include "app/scene_graph_choice.h"

int main(int argc, char** argv)
{
    ChooseSceneGraph();
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
