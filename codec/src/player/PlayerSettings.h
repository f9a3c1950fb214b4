#pragma once
// The edit settings a player holds. They are the records an encode job
// holds too, so the preview and the output are built from one kind of
// value; the few values only a player has sit beside them.

#include "core/EditConfig.h"

#include <cstdint>
#include <map>
#include <string>

namespace zv {

struct PlayerSettings {
    EditConfig edit;
    std::map<uint32_t, OverlayTiming> overlayTimes;
    std::map<uint32_t, uint32_t> imageBorders; // per layer; nothing draws a border yet
    uint32_t watermarkMaxCount = 3;
    uint32_t watermarkBorderAlpha = 0;
    uint32_t showWhenSetting = 0;
    uint32_t rendererVolume = 100;
    int speed = 100;
    uint32_t loop = 0;
    // Values of members that nothing reads yet, kept by name.
    std::map<std::string, int64_t> reserved;

    OverlayTiming &times() { return overlayTimes[edit.overlayIndex]; }
};

} // namespace zv
