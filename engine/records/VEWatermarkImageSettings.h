#pragma once

#include <QByteArray>
#include <QRectF>
#include <array>
#include <cstdint>

// Image half of an overlay layer; used when the image file is non-empty.
struct VEWatermarkImageSettings
{
    QByteArray m_imageFile;      // path as the file system names it (QFile::encodeName): a picture or an animated overlay
    uint32_t m_loop = 1;
    int32_t m_angle = 0;
    uint32_t m_alpha = 255;
    uint32_t m_scaleX = 100;
    uint32_t m_scaleY = 100;
    double m_posX = 0.0;
    double m_posY = 0.0;
    uint32_t m_border = 1;       // preview only
    QByteArray m_maskFile;
    uint32_t m_mirror = 0;
    std::array<int32_t, 2> m_reservedA{{0, 0}};
    std::array<int32_t, 2> m_reservedB{{100, 100}};
    int32_t m_reservedC = 0;
    uint32_t m_mixMode = 0;      // the edit record gives its video-effect layer 1
    uint64_t m_showStart = 0;
    uint64_t m_showEnd = 0;
    uint64_t m_splitStart = 0;
    uint64_t m_splitEnd = 0;
    QRectF m_cropRect{0.0, 0.0, 1.0, 1.0};
    double m_width = 1.0;        // fraction of the picture
    double m_height = 1.0;
    double m_layoutWidth = 0.0;  // box as the player laid it out, for the preview
    double m_layoutHeight = 0.0;

    bool operator==(const VEWatermarkImageSettings &o) const;
    bool operator!=(const VEWatermarkImageSettings &o) const { return !(*this == o); }
};
