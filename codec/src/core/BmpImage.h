#pragma once
// Pictures handed out as a complete 24-bit BMP in one malloc block (length at
// byte 2), made from a decoded frame: display rotation applied, scaled with
// swscale to the requested upright size. Shared by the info handle's
// picture-at-a-time and the player's capture.

#include "core/FfPtr.h"

#include <cstdint>
#include <string>

namespace zv {

constexpr uint32_t kBmpHeaderSize = 54;

// Length stored at offset 2 of a block made here; 0 for null.
uint32_t bmpLength(const uint8_t *bmp);

class BmpMaker {
public:
    // outWidth x outHeight is the upright size (after rotating by rotation
    // degrees clockwise). Returns a malloc block, or null with error set.
    uint8_t *make(const AVFrame *frame, int rotation, int outWidth, int outHeight, std::string &error);

private:
    SwsPtr m_sws;
};

} // namespace zv
