#include "AllocatorTuning.h"
#include "SkinApp.h"

int main(int argc, char** argv)
{
    keepFreedPictureMemory();
    SkinApp app(argc, argv);
    return app.start();
}
