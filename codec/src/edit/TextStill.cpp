#include "edit/TextStill.h"

#include "edit/AssLibrary.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

namespace zv {
namespace {

constexpr int kPlayResY = 288;

// One libass holder for every text of the process: setting up the fonts (a
// fontconfig scan) is far too slow to repeat per render.
struct SharedAss {
    std::mutex mutex;
    AssLibrary ass;

    SharedAss()
    {
        std::string unused; // a failure shows as a holder that is not open
        ass.open("libass", &unused);
    }
};

SharedAss &sharedAss()
{
    static SharedAss shared;
    return shared;
}

// ASS colour (&HBBGGRR&) and alpha (&HAA&, 00 opaque) of an ARGB value whose
// opacity is further scaled by `alpha` (0..255).
std::string assColour(const char *colourTag, const char *alphaTag, uint32_t argb, uint32_t alpha)
{
    const uint32_t opacity = ((argb >> 24) & 0xFF) * std::min(alpha, 255u) / 255;
    char buf[64];
    std::snprintf(buf, sizeof buf, "\\%s&H%02X%02X%02X&\\%s&H%02X&", colourTag, argb & 0xFF, (argb >> 8) & 0xFF,
                  (argb >> 16) & 0xFF, alphaTag, 255 - opacity);
    return buf;
}

std::string assText(const std::string &text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            continue;
        if (text[i] == '\n')
            out += "\\N";
        else
            out += text[i];
    }
    return out;
}

std::string eventTags(const OverlayText &t, double playResX, const char *origin)
{
    std::string tags = "{\\an7";
    char buf[160];
    std::snprintf(buf, sizeof buf, "\\pos(%.3f,%.3f)", t.x * playResX, t.y * kPlayResY);
    tags += buf;
    if (!t.font.empty())
        tags += "\\fn" + t.font;
    std::snprintf(buf, sizeof buf, "\\fs%u\\b%u\\i%u\\u%u\\s%u", std::max(t.size, 1u), t.bold, t.italic, t.underline,
                  t.strikeout);
    tags += buf;
    tags += assColour("c", "1a", t.color, t.alpha);
    tags += assColour("3c", "3a", t.outlineColor, t.alpha);
    tags += assColour("4c", "4a", t.shadowColor, t.alpha);
    std::snprintf(buf, sizeof buf, "\\bord%.3f\\shad%.3f\\fsp%.3f\\fscx%u\\fscy%u", t.outlineSize, t.shadowOffset,
                  t.spacingH, t.scaleX, t.scaleY);
    tags += buf;
    if (t.angle != 0 && origin) {
        std::snprintf(buf, sizeof buf, "%s\\frz%d", origin, -t.angle); // ASS turns counter-clockwise
        tags += buf;
    }
    return tags + "}";
}

struct Box {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

// Where a libass bitmap has any coverage, in picture pixels.
Box coveredBox(const ASS_Image *img)
{
    Box b{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < img->h; ++y) {
        const uint8_t *row = img->bitmap + y * img->stride;
        for (int x = 0; x < img->w; ++x) {
            if (row[x] == 0)
                continue;
            b = Box{std::min(b.x0, img->dst_x + x), std::min(b.y0, img->dst_y + y), std::max(b.x1, img->dst_x + x + 1),
                    std::max(b.y1, img->dst_y + y + 1)};
        }
    }
    return b;
}

// Renders one event and, when `into` is given, composites it there (RGBA
// straight alpha, width x height). Returns the box its pixels cover on the
// picture; `ink`, when given, gets the whole box, also where it leaves the picture.
Box renderEvent(const AssLibrary &ass, const std::string &event, double playResX, int width, int height,
                std::vector<uint8_t> *into, Box *ink = nullptr)
{
    if (ink)
        *ink = Box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    char header[1024];
    std::snprintf(header, sizeof header,
                  "[Script Info]\nScriptType: v4.00+\nPlayResX: %d\nPlayResY: %d\nScaledBorderAndShadow: yes\n"
                  "WrapStyle: 2\n\n[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
                  "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, "
                  "BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                  "Style: Default,sans-serif,28,&H00FFFFFF,&H00FFFFFF,&H00000000,&H00000000,0,0,0,0,100,100,0,0,1,"
                  "0,0,7,0,0,0,1\n\n[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, "
                  "Effect, Text\n",
                  int(std::lround(playResX)), kPlayResY);
    std::string script = header;
    script += "Dialogue: 0,0:00:00.00,9:00:00.00,Default,,0,0,0,," + event + "\n";
    const AssTrackPtr track = ass.readTrack(script);
    Box box{width, height, 0, 0};
    if (!track)
        return Box();
    int changed = 0;
    for (ASS_Image *img = ass_render_frame(ass.renderer(), track.get(), 1000, &changed); img; img = img->next) {
        if (img->w <= 0 || img->h <= 0)
            continue;
        // libass pads its bitmaps; only the pixels it covers count.
        const Box covered = coveredBox(img);
        if (covered.empty())
            continue;
        if (ink)
            *ink = Box{std::min(ink->x0, covered.x0), std::min(ink->y0, covered.y0), std::max(ink->x1, covered.x1),
                       std::max(ink->y1, covered.y1)};
        const int x0 = std::max(covered.x0, 0), y0 = std::max(covered.y0, 0);
        const int x1 = std::min(covered.x1, width), y1 = std::min(covered.y1, height);
        if (x1 <= x0 || y1 <= y0)
            continue;
        box = Box{std::min(box.x0, x0), std::min(box.y0, y0), std::max(box.x1, x1), std::max(box.y1, y1)};
        if (!into)
            continue;
        const uint32_t c = img->color; // RRGGBBAA, AA = transparency
        const int cr = int(c >> 24), cg = int((c >> 16) & 0xFF), cb = int((c >> 8) & 0xFF);
        const int opacity = 255 - int(c & 0xFF);
        for (int y = y0; y < y1; ++y) {
            const uint8_t *src = img->bitmap + (y - img->dst_y) * img->stride - img->dst_x;
            uint8_t *dst = into->data() + (size_t(y) * width) * 4;
            for (int x = x0; x < x1; ++x) {
                const int a = src[x] * opacity / 255;
                if (a == 0)
                    continue;
                uint8_t *p = dst + x * 4;
                const int da = p[3];
                const int outA = a + da * (255 - a) / 255;
                if (outA == 0)
                    continue;
                p[0] = uint8_t((cr * a + p[0] * da * (255 - a) / 255) / outA);
                p[1] = uint8_t((cg * a + p[1] * da * (255 - a) / 255) / outA);
                p[2] = uint8_t((cb * a + p[2] * da * (255 - a) / 255) / outA);
                p[3] = uint8_t(outA);
            }
        }
    }
    return box.empty() ? Box() : box;
}

} // namespace

int renderTextStill(const OverlayText &text, int width, int height, TextStill *out, std::string *error)
{
    *out = TextStill();
    if (text.text.empty() || width <= 0 || height <= 0)
        return 0;
    SharedAss &shared = sharedAss();
    std::lock_guard<std::mutex> lock(shared.mutex);
    AssLibrary &ass = shared.ass;
    if (!ass.isOpen()) {
        *error = "overlay text: libass cannot be set up";
        return AVERROR_EXTERNAL;
    }
    const double playResX = double(kPlayResY) * width / height;
    ass.setFrameSize(width, height);
    ass_set_line_spacing(ass.renderer(), text.spacingV * height / kPlayResY);
    const std::string body = assText(text.text);
    // The position is where the text's ink begins, so the box a user sees and
    // resizes holds the letters whole: the line's own top and side bearings
    // (which grow with the scale) are taken off first.
    OverlayText placed = text;
    Box upright;
    renderEvent(ass, eventTags(text, playResX, nullptr) + body, playResX, width, height, nullptr, &upright);
    if (!upright.empty()) {
        placed.x -= (upright.x0 - text.x * width) / width;
        placed.y -= (upright.y0 - text.y * height) / height;
        const int dx = int(std::lround(text.x * width)) - upright.x0;
        const int dy = int(std::lround(text.y * height)) - upright.y0;
        upright = Box{upright.x0 + dx, upright.y0 + dy, upright.x1 + dx, upright.y1 + dy};
    }
    std::string origin;
    if (text.angle != 0 && !upright.empty()) {
        // The angle turns the text about its own centre.
        char buf[96];
        std::snprintf(buf, sizeof buf, "\\org(%.3f,%.3f)", (upright.x0 + upright.x1) / 2.0 * playResX / width,
                      (upright.y0 + upright.y1) / 2.0 * kPlayResY / height);
        origin = buf;
    }
    std::vector<uint8_t> canvas(size_t(width) * height * 4, 0);
    const Box box = renderEvent(ass, eventTags(placed, playResX, origin.empty() ? nullptr : origin.c_str()) + body,
                                playResX, width, height, &canvas);
    if (box.empty())
        return 0;
    FramePtr f = makeFrame();
    if (!f)
        return AVERROR(ENOMEM);
    f->format = AV_PIX_FMT_RGBA;
    f->width = box.x1 - box.x0;
    f->height = box.y1 - box.y0;
    if (int err = av_frame_get_buffer(f.get(), 0); err < 0) {
        *error = "overlay text: no memory for its picture: " + avErrorText(err);
        return err;
    }
    for (int y = 0; y < f->height; ++y)
        std::memcpy(f->data[0] + y * f->linesize[0], canvas.data() + (size_t(box.y0 + y) * width + box.x0) * 4,
                    size_t(f->width) * 4);
    out->picture = std::move(f);
    out->x = box.x0;
    out->y = box.y0;
    return 0;
}

} // namespace zv
