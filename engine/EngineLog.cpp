#include "EngineLog.h"

Q_LOGGING_CATEGORY(lcEngine, "zv.engine", QtInfoMsg)
