#include "FocusRect.h"

std::int32_t focusRectEnabled = 0;
