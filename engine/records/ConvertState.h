#pragma once

#include <QMetaType>
#include <cstdint>

// The state a conversion or merge job reports with each progress value.
// Every value other than running and finished counts as a failure.
enum convertState {
    convertStopped = 1,
    convertFinished = 2,
    convertPreparing = 3,
    convertOpenFailed = 4,
    convertRunning = 5
};
Q_DECLARE_METATYPE(convertState)

// Per-item conversion state (kept by the item, read by nothing yet).
typedef int32_t QConvertState;
