#pragma once

#include <QLoggingCategory>

// The output format panels' log lines: presets and profiles.
Q_DECLARE_LOGGING_CATEGORY(lcFormats)
