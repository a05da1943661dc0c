#include "app/StartupLog.h"

Q_LOGGING_CATEGORY(startupLog, "velaskin.startup", QtWarningMsg)
