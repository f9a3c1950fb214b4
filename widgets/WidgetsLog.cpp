#include "WidgetsLog.h"

Q_LOGGING_CATEGORY(lcWidgets, "zv.widgets", QtInfoMsg)
