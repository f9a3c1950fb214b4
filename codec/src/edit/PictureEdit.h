#pragma once
// The one settings value the picture edit chain is built from. The player
// fills it from its settings (with show and split times); an encode job from
// its configuration (every overlay from output time 0 to the end).

#include "core/EditConfig.h"

#include <array>
#include <cstdint>

namespace zv {

constexpr int kOverlayLayers = 3;

struct PictureEdit {
    int32_t brightness = 0, hue = 0;
    uint32_t saturation = 100, contrast = 100;
    uint32_t aspectX = 0, aspectY = 0, rotate = 0, mirror = 0, pad = 1, padColor = 0xFF000000;
    double cropX = 0, cropY = 0, cropW = 1, cropH = 1;
    std::array<OverlayLayer, kOverlayLayers> layers;
    std::array<OverlayTiming, kOverlayLayers> timing;
    bool timed = false; // show and split times apply (the player)

    // The picture values of edit settings, the first `layerCount` layers.
    static PictureEdit fromConfig(const EditConfig &cfg, uint32_t layerCount);

    bool colourNeutral() const;
    bool geometryNeutral() const; // no crop, rotation, mirror or aspect change
    bool hasOverlays() const;
};

} // namespace zv
