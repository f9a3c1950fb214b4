#pragma once

#include <QLoggingCategory>

// The custom widgets' log lines: skin pictures, sliders and time edits.
Q_DECLARE_LOGGING_CATEGORY(lcWidgets)
