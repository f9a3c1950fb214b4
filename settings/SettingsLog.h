#pragma once

#include <QLoggingCategory>

// The settings store's log lines: files, preset lists and system actions.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
