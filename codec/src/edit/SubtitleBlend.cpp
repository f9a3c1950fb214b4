#include "edit/SubtitleBlend.h"

extern "C" {
#include <libavutil/pixdesc.h>
}

#include <algorithm>

namespace zv {

namespace {

struct Yuv {
    int y, u, v;
};

// Limited-range YUV of an RGB colour in the picture's matrix.
Yuv toYuv(int r, int g, int b, const AVFrame *f)
{
    if (f->colorspace == AVCOL_SPC_BT709)
        return {16 + ((47 * r + 157 * g + 16 * b + 128) >> 8), 128 + ((-26 * r - 87 * g + 112 * b + 128) >> 8),
                128 + ((112 * r - 102 * g - 10 * b + 128) >> 8)};
    return {16 + ((66 * r + 129 * g + 25 * b + 128) >> 8), 128 + ((-38 * r - 74 * g + 112 * b + 128) >> 8),
            128 + ((112 * r - 94 * g - 18 * b + 128) >> 8)};
}

inline void mix(uint8_t &dst, int value, int alpha) // alpha 0..255
{
    dst = uint8_t(dst + ((value - dst) * alpha + 127) / 255);
}

// Blends a w × h area at (x0, y0): alphaAt and colourAt take positions inside it.
template <typename AlphaAt, typename ColourAt>
void blendArea(AVFrame *f, int x0, int y0, int w, int h, AlphaAt alphaAt, ColourAt colourAt)
{
    const int xs = std::max(0, x0), ys = std::max(0, y0);
    const int xe = std::min(f->width, x0 + w), ye = std::min(f->height, y0 + h);
    if (xs >= xe || ys >= ye)
        return;
    for (int y = ys; y < ye; ++y) {
        uint8_t *row = f->data[0] + size_t(y) * size_t(f->linesize[0]);
        for (int x = xs; x < xe; ++x) {
            const int a = alphaAt(x - x0, y - y0);
            if (a)
                mix(row[x], colourAt(x - x0, y - y0).y, a);
        }
    }
    // Chroma: each sample covers 2 × 2 luma positions; their mean alpha.
    for (int cy = ys / 2; cy <= (ye - 1) / 2; ++cy) {
        uint8_t *u = f->data[1] + size_t(cy) * size_t(f->linesize[1]);
        uint8_t *v = f->data[2] + size_t(cy) * size_t(f->linesize[2]);
        for (int cx = xs / 2; cx <= (xe - 1) / 2; ++cx) {
            int sum = 0, ax = 0, ay = 0;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const int lx = cx * 2 + dx, ly = cy * 2 + dy;
                    if (lx < xs || lx >= xe || ly < ys || ly >= ye)
                        continue;
                    const int a = alphaAt(lx - x0, ly - y0);
                    if (a > 0 && sum == 0) {
                        ax = lx - x0;
                        ay = ly - y0;
                    }
                    sum += a;
                }
            }
            if (!sum)
                continue;
            const Yuv c = colourAt(ax, ay);
            const int a = sum / 4;
            mix(u[cx], c.u, a);
            mix(v[cx], c.v, a);
        }
    }
}

} // namespace

bool canBlendOnto(int pixelFormat)
{
    const AVPixFmtDescriptor *d = av_pix_fmt_desc_get(AVPixelFormat(pixelFormat));
    return d && d->nb_components == 3 && d->log2_chroma_w == 1 && d->log2_chroma_h == 1 && d->comp[0].depth == 8
        && (d->flags & AV_PIX_FMT_FLAG_PLANAR) && !(d->flags & AV_PIX_FMT_FLAG_RGB) && d->comp[1].plane == 1
        && d->comp[2].plane == 2;
}

void blendAssImages(AVFrame *f, const ASS_Image *img)
{
    for (; img; img = img->next) {
        const uint32_t c = img->color;
        const int opacity = 255 - int(c & 0xFF);
        if (opacity <= 0 || img->w <= 0 || img->h <= 0)
            continue;
        const Yuv colour = toYuv(int(c >> 24), int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), f);
        blendArea(
            f, img->dst_x, img->dst_y, img->w, img->h,
            [&](int x, int y) { return img->bitmap[size_t(y) * size_t(img->stride) + size_t(x)] * opacity / 255; },
            [&](int, int) { return colour; });
    }
}

void blendArgb(AVFrame *f, const uint32_t *argb, int x, int y, int width, int height)
{
    blendArea(
        f, x, y, width, height, [&](int px, int py) { return int(argb[size_t(py) * size_t(width) + size_t(px)] >> 24); },
        [&](int px, int py) {
            const uint32_t c = argb[size_t(py) * size_t(width) + size_t(px)];
            return toYuv(int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF), f);
        });
}

} // namespace zv
