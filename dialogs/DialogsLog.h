#pragma once

#include <QLoggingCategory>

// The stand-alone dialogs' log lines.
Q_DECLARE_LOGGING_CATEGORY(lcDialogs)
