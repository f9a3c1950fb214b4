#include "SettingsLog.h"

Q_LOGGING_CATEGORY(lcSettings, "zv.settings", QtInfoMsg)
