#include "WorkspaceLog.h"

Q_LOGGING_CATEGORY(lcWorkspace, "zv.workspace", QtInfoMsg)
