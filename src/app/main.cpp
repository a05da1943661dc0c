#include "SkinApp.h"

int main(int argc, char** argv)
{
    SkinApp app(argc, argv);
    return app.start();
}
