#pragma once

#include <QLoggingCategory>

// The main window's and segment panels' log lines.
Q_DECLARE_LOGGING_CATEGORY(lcWorkspace)
