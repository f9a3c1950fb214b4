#include "DialogsLog.h"

Q_LOGGING_CATEGORY(lcDialogs, "zv.dialogs", QtInfoMsg)
