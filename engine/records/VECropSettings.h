#pragma once

#include <QRectF>
#include <cstdint>

// Aspect, crop, rotation, mirror and padding of one segment.
// Rectangles are fractions of the source picture.
struct VECropSettings
{
    int32_t m_aspectMode = 0;      // 2 has its own fitting rules in the applier
    int32_t m_cropMode = 0;        // 1 = padded crop rule when padding is on
    int32_t m_aspectWidth = 0;
    int32_t m_aspectHeight = 0;
    int32_t m_reserved1 = 0;
    int32_t m_reserved2 = 1;
    int32_t m_rotation = 0;        // degrees: 0, 90, 180, 270
    int32_t m_mirror = 0;
    int32_t m_padding = 1;
    uint32_t m_padColor = 0xFF000000;
    QRectF m_cropRect{0.0, 0.0, 1.0, 1.0};
    QRectF m_padCropRect{0.0, 0.0, 1.0, 1.0};

    bool operator==(const VECropSettings &o) const;
    bool operator!=(const VECropSettings &o) const { return !(*this == o); }
};
