#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The edit settings as plain values: the streams the edits follow, the
// picture, the overlay layers, the subtitle style and the sound. An encode
// job and a player both hold one, so the preview and the output are built
// from the same kind of value.
namespace zv {

constexpr uint32_t kNone = 0xFFFFFFFFu;

struct OverlayImage {
    std::string file, maskFile;
    uint32_t mirror = 0, scaleX = 100, scaleY = 100, alpha = 255, mixMode = 0, loop = 0;
    int angle = 0;
    double x = 0, y = 0, w = 0, h = 0;
    double cropX = 0, cropY = 0, cropW = 1, cropH = 1;
};

struct OverlayText {
    std::string text, font;
    uint32_t alpha = 255, bold = 0, size = 28, italic = 0, underline = 0, strikeout = 0;
    uint32_t color = 0xFFFFFFFF, outlineColor = 0xFF000000, shadowColor = 0xFF000000;
    uint32_t scaleX = 100, scaleY = 100, topmost = 0;
    int angle = 0;
    double x = 0, y = 0, outlineSize = 0, shadowOffset = 0, spacingH = 0, spacingV = 0;
};

struct OverlayLayer {
    OverlayImage image;
    OverlayText text;
};

// When a layer's image and text show. The player keeps one per layer; an
// encode job draws every overlay from output time 0 to the end.
struct OverlayTiming {
    uint64_t imageShowStart = 0, imageShowEnd = 0;   // media µs; end 0 = to the end
    uint64_t imageSplitStart = 0, imageSplitEnd = 0; // the part of a clip used
    uint64_t textShowStart = 0, textShowEnd = 0;
};

struct BackgroundAudio {
    std::string file;
    uint32_t loop = 0, mixMode = 0, volume = 100, weight = 50;
    uint64_t showStart = 0, showEnd = 0, splitStart = 0, splitEnd = 0;
};

struct SubtitleStyle {
    std::string font;
    uint32_t alpha = 255, scaleX = 100, scaleY = 100, bold = 0, italic = 0, underline = 0,
             strikeout = 0, size = 18, color = 0xFFFFFFFF, shadowColor = 0xFF000000,
             outlineColor = 0xFF000000, align = 0;
    int64_t delay = 0;
    double shadowOffset = 0, outlineSize = 0, marginH = 0.05, marginV = 0.05, spacingH = 0,
           spacingV = 0;
};

struct EditConfig {
    // The streams the edits apply to.
    uint32_t program = 0;
    uint32_t audioIndex = 0;
    uint32_t subtitleIndex = kNone;
    std::string subtitleFile;
    uint32_t closedCaption = 0;
    SubtitleStyle subtitleStyle;

    // Picture.
    int32_t brightness = 0, hue = 0;
    uint32_t saturation = 100, contrast = 100;
    uint32_t aspectX = 0, aspectY = 0, rotate = 0, mirror = 0, pad = 1, padColor = 0xFF000000;
    double cropX = 0, cropY = 0, cropW = 1, cropH = 1;
    uint32_t overlayIndex = 0;
    std::map<uint32_t, OverlayLayer> overlays;

    // Sound.
    uint32_t backgroundIndex = 0;
    std::map<uint32_t, BackgroundAudio> backgrounds;
    uint32_t volume = 100, rate = 100, speed = 100;
    std::vector<double> eqHz, eqDb;

    OverlayLayer &layer() { return overlays[overlayIndex]; }
    BackgroundAudio &background() { return backgrounds[backgroundIndex]; }
};

} // namespace zv
