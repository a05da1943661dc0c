#pragma once

#include <QBrush>

// What shows behind a picture's transparent pixels when they are to be told
// apart from any colour: light grey and white squares, as image editors draw
// them. The pattern starts at the origin of whatever it fills.
QBrush checkerboardBrush();
