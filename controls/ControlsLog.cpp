#include "ControlsLog.h"

Q_LOGGING_CATEGORY(lcControls, "zv.controls", QtInfoMsg)
