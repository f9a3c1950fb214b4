#include "FormatsLog.h"

Q_LOGGING_CATEGORY(lcFormats, "zv.formats", QtInfoMsg)
