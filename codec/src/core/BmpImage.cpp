#include "core/BmpImage.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include <cstdlib>
#include <cstring>
#include <vector>

namespace zv {
namespace {

void put16(uint8_t *p, uint16_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

void put32(uint8_t *p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = uint8_t(v >> (8 * i));
}

void writeHeader(uint8_t *b, uint32_t total, int width, int height, uint32_t pixelBytes)
{
    memset(b, 0, kBmpHeaderSize);
    b[0] = 'B';
    b[1] = 'M';
    put32(b + 2, total);
    put32(b + 10, kBmpHeaderSize);
    put32(b + 14, 40);
    put32(b + 18, uint32_t(width));
    put32(b + 22, uint32_t(height));
    put16(b + 26, 1);
    put16(b + 28, 24);
    put32(b + 34, pixelBytes);
    put32(b + 38, 2835);
    put32(b + 42, 2835);
}

// Takes the raw value: damaged streams leave numbers outside the enum in the
// frame, and loading those as the enum is undefined.
int swsColorspace(const AVFrame *frame)
{
    int space = 0;
    std::memcpy(&space, &frame->colorspace, sizeof space);
    switch (space) {
    case AVCOL_SPC_BT709: return SWS_CS_ITU709;
    case AVCOL_SPC_FCC: return SWS_CS_FCC;
    case AVCOL_SPC_SMPTE240M: return SWS_CS_SMPTE240M;
    case AVCOL_SPC_BT2020_NCL:
    case AVCOL_SPC_BT2020_CL: return SWS_CS_BT2020;
    default: return SWS_CS_DEFAULT;
    }
}

// YUV sources are read with their own matrix and range, as ffmpeg's scaler
// does, so BT.709 and full-range pictures keep their colours.
void applyColorDetails(SwsContext *sws, const AVFrame *frame)
{
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(AVPixelFormat(frame->format));
    if (!desc || (desc->flags & AV_PIX_FMT_FLAG_RGB) || desc->nb_components < 3)
        return;
    int *inv = nullptr, *table = nullptr;
    int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
    if (sws_getColorspaceDetails(sws, &inv, &srcRange, &table, &dstRange, &brightness, &contrast, &saturation) < 0)
        return;
    const bool full = frame->color_range == AVCOL_RANGE_JPEG || srcRange;
    sws_setColorspaceDetails(sws, sws_getCoefficients(swsColorspace(frame)), full ? 1 : 0,
                             table, dstRange, brightness, contrast, saturation);
}

} // namespace

uint32_t bmpLength(const uint8_t *bmp)
{
    if (!bmp)
        return 0;
    return uint32_t(bmp[2]) | uint32_t(bmp[3]) << 8 | uint32_t(bmp[4]) << 16 | uint32_t(bmp[5]) << 24;
}

uint8_t *BmpMaker::make(const AVFrame *frame, int rotation, int outWidth, int outHeight,
                        std::string &error)
{
    if (!frame || frame->width <= 0 || frame->height <= 0 || outWidth <= 0 || outHeight <= 0
        || outWidth > 16384 || outHeight > 16384) {
        error = "no picture to convert";
        return nullptr;
    }
    const bool turned = rotation == 90 || rotation == 270;
    const int scaledW = turned ? outHeight : outWidth;
    const int scaledH = turned ? outWidth : outHeight;

    m_sws.reset(sws_getCachedContext(m_sws.release(), frame->width, frame->height,
                                     AVPixelFormat(frame->format), scaledW, scaledH,
                                     AV_PIX_FMT_BGR24, SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!m_sws) {
        error = "cannot convert the picture to " + std::to_string(scaledW) + "x"
            + std::to_string(scaledH) + " BGR";
        return nullptr;
    }
    applyColorDetails(m_sws.get(), frame);
    const int srcStride = scaledW * 3;
    std::vector<uint8_t> bgr(size_t(srcStride) * size_t(scaledH) + 64);
    uint8_t *dst[4] = {bgr.data(), nullptr, nullptr, nullptr};
    int dstStride[4] = {srcStride, 0, 0, 0};
    const int rows = sws_scale(m_sws.get(), frame->data, frame->linesize, 0, frame->height, dst, dstStride);
    if (rows <= 0) {
        error = "picture conversion failed: " + avErrorText(rows);
        return nullptr;
    }

    const uint32_t rowBytes = (uint32_t(outWidth) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * uint32_t(outHeight);
    const uint32_t total = kBmpHeaderSize + pixelBytes;
    auto *block = static_cast<uint8_t *>(calloc(1, total));
    if (!block) {
        error = "out of memory";
        return nullptr;
    }
    writeHeader(block, total, outWidth, outHeight, pixelBytes);

    for (int y = 0; y < outHeight; ++y) {
        uint8_t *row = block + kBmpHeaderSize + size_t(outHeight - 1 - y) * rowBytes;
        for (int x = 0; x < outWidth; ++x) {
            int sx = x, sy = y;
            switch (rotation) {
            case 90: sx = y; sy = scaledH - 1 - x; break;
            case 180: sx = scaledW - 1 - x; sy = scaledH - 1 - y; break;
            case 270: sx = scaledW - 1 - y; sy = x; break;
            default: break;
            }
            memcpy(row + x * 3, bgr.data() + size_t(sy) * size_t(srcStride) + size_t(sx) * 3, 3);
        }
    }
    return block;
}

} // namespace zv
