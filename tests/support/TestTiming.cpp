#include "TestTiming.h"

#include <QtGlobal>

namespace TestTiming {

int factor()
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue("ZV_TEST_TIMEOUT_FACTOR", &ok);
    return ok && value > 0 ? value : 4;
}

int scaled(int idleMs)
{
    return idleMs * factor();
}

} // namespace TestTiming
