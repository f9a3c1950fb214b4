#pragma once

#include <QLoggingCategory>

// The engine's log lines: probing, items, conversions, the queue and its
// worker threads. Filter with QT_LOGGING_RULES="zv.engine.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
