#pragma once
// The player wrappers live in player/; this keeps the bare include name that
// every engine header has working until that folder joins the include list.
#include "player/QPlayObject.h"
