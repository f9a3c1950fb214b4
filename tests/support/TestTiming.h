#pragma once

// Time limits of the tests. The suite runs in parallel with other work on small
// machines, where a thread may wait its turn for a long time: a limit only
// catches something that never happens or that hangs, so every one is a
// generous multiple of what an idle machine needs.
namespace TestTiming {

// ZV_TEST_TIMEOUT_FACTOR from the environment (CTest sets it from the build's
// setting of the same name); 4 when it is not set or not a positive number.
int factor();

// A limit of `idleMs` on an idle machine, multiplied by factor().
int scaled(int idleMs);

} // namespace TestTiming
