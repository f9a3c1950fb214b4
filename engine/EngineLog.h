#pragma once

#include <QLoggingCategory>

// The engine's log lines: probing, items, conversions, the queue and its
// worker threads. Its debug lines, like those of every zv.* category, are
// off unless switched on: QT_LOGGING_RULES="zv.engine.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcEngine)
