#include "app/application.h"

int main(int argc, char** argv)
{
    int result = 0;
    {
        Application application(argc, argv);
        result = application.exec();
    }
    return result;
}
