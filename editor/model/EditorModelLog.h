#pragma once

#include <QLoggingCategory>

// The editing model's log lines: the preview player and its records.
Q_DECLARE_LOGGING_CATEGORY(lcEditorModel)
