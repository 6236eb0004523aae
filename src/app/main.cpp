#include "app/application.h"
#include "app/command_line.h"
#include "app/first_frame_report.h"
#include "app/paced_animation_driver.h"
#include "app/quit_on_signal.h"
#include "app/scene_graph_choice.h"

int main(int argc, char** argv)
{
    // --help, --version and --export-history need neither the window nor the sound.
    if (CommandLine::WantsCommandLineOnly(argc, argv))
        return CommandLine::Run(argc, argv);
    QuitOnSignal::Catch();
    const bool drawnInSoftware = ChooseSceneGraph();
    int result = 0;
    {
        Application application(argc, argv);
        if (!application.IsPrimary())
            return application.StartUpExitCode(); // another program has the store
        const QuitOnSignal quitOnSignal;
        if (drawnInSoftware)
            (new PacedAnimationDriver(&application))->install();
        ReportFirstFrameIfAsked(application.GetView());
        result = application.exec();
    }
    return result;
}
