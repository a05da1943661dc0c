#pragma once

#include <QLoggingCategory>

// What the editor found at start-up: which language file and default skin it
// loaded and when its window was shown. Off unless asked for with
// QT_LOGGING_RULES="velaskin.startup.info=true".
Q_DECLARE_LOGGING_CATEGORY(startupLog)
