#pragma once
// Entry-point guard: runs the body of a C call and turns any exception into
// a log line and the call's failure value, so nothing crosses the C surface.

#include "core/Log.h"

#include <exception>
#include <new>

namespace zv {

template <typename R, typename F>
R guarded(const char *call, R failure, F &&body) noexcept
{
    try {
        return body();
    } catch (const std::exception &e) {
        zvLog("%s failed: %s", call, e.what());
    } catch (...) {
        zvLog("%s failed: unknown exception", call);
    }
    return failure;
}

template <typename F>
void guardedVoid(const char *call, F &&body) noexcept
{
    try {
        body();
    } catch (const std::exception &e) {
        zvLog("%s failed: %s", call, e.what());
    } catch (...) {
        zvLog("%s failed: unknown exception", call);
    }
}

} // namespace zv
