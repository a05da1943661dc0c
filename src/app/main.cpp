#include "app/SkinApp.h"
#include "pictures/AllocatorTuning.h"

int main(int argc, char** argv)
{
    keepFreedPictureMemory();
    SkinApp app(argc, argv);
    return app.start();
}
