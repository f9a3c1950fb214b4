#include "EditorModelLog.h"

Q_LOGGING_CATEGORY(lcEditorModel, "zv.editor", QtInfoMsg)
