#pragma once
// Shared by the files of the player's edit setters: store a value under the
// settings lock (the C call's failure value for a null handle), keep values
// of members nothing reads, and the clamps the setters use.

#include "player/Player.h"

#include "core/Guard.h"

#include <algorithm>
#include <string>
#include <type_traits>

namespace zv::settings {

// Runs work on the player inside the exception fence. Work without a result
// counts as done (1); the call's failure value is 0 (also for a null handle).
template <typename F>
inline int onPlayer(ZvPlayer *p, const char *call, F &&work)
{
    if (!p)
        return 0;
    return zv::guarded(call, 0, [&] {
        if constexpr (std::is_void_v<decltype(work(p->player))>) {
            work(p->player);
            return 1;
        } else {
            return int(work(p->player));
        }
    });
}

template <typename F>
inline int setting(ZvPlayer *p, const char *call, F &&apply)
{
    if (!p)
        return 0;
    return zv::guarded(call, 0, [&] {
        p->player.changeSettings(apply);
        return 1;
    });
}

inline int reserve(ZvPlayer *p, const char *call, int64_t value)
{
    return setting(p, call, [&](PlayerSettings &s) { s.reserved[call] = value; });
}

inline std::string text(const char *s) { return s ? s : ""; }
inline uint32_t clampU(uint32_t v, uint32_t lo, uint32_t hi) { return std::clamp(v, lo, hi); }
inline int32_t clampI(uint32_t v, int32_t lo, int32_t hi) { return std::clamp(int32_t(v), lo, hi); }
inline double frac(double v) { return v == v ? std::clamp(v, 0.0, 1.0) : 0.0; } // NaN -> 0
inline uint32_t rightAngle(int64_t degrees) { return uint32_t((((degrees / 90) % 4) + 4) % 4 * 90); }


} // namespace zv::settings
