#include "app/ProgramIcon.h"

#include "resources/VelaSkinResources.h"

QIcon programIcon()
{
    initVelaSkinResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/velaskin-32.gif"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/velaskin-16.gif"), QSize(16, 16));
    return icon;
}
