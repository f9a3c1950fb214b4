#pragma once
// Entry-point guard: runs the body of a C call and turns any exception into
// a log line and the call's failure value, so nothing crosses the C surface.

#include "core/Log.h"

#include <exception>
#include <new>
#include <string>

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

// Logs a failed call and keeps its reason in a handle's error text.
inline void noteFailure(const char *call, const char *why, std::string &text) noexcept
{
    zvLog("%s failed: %s", call, why);
    try {
        text = std::string(call) + " failed: " + why;
    } catch (...) {
        text.clear();
    }
}

// As guarded(), for handles that keep their last error as text.
template <typename R, typename F>
R guardedText(const char *call, R failure, std::string &text, F &&body) noexcept
{
    try {
        return body();
    } catch (const std::exception &e) {
        noteFailure(call, e.what(), text);
    } catch (...) {
        noteFailure(call, "unknown exception", text);
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
