#pragma once

#include <QLoggingCategory>

// The shared controls' log lines: pictures, fonts, the single-instance peer and the video surfaces.
Q_DECLARE_LOGGING_CATEGORY(lcControls)
