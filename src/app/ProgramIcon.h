#pragma once

#include <QIcon>

// The program icon (32 x 32 and 16 x 16) from the program's resources.
QIcon programIcon();
