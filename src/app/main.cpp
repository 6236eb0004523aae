#include "app/application.h"
#include "app/first_frame_report.h"

int main(int argc, char** argv)
{
    int result = 0;
    {
        Application application(argc, argv);
        ReportFirstFrameIfAsked(application.GetView());
        result = application.exec();
    }
    return result;
}
