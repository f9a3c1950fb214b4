#include "edit/OverlayElements.h"

#include "edit/OverlayImage.h"
#include "edit/OverlayReader.h"
#include "edit/TextStill.h"

#include <cmath>
#include <cstdio>

namespace zv {
namespace {

const char *blendMode(uint32_t mode)
{
    switch (mode) {
    case 1: return "screen";
    case 2: return "multiply";
    case 3: return "addition";
    case 4: return "overlay";
    default: return nullptr;
    }
}

double finite(double v) { return std::isfinite(v) ? v : 0.0; }

bool within(int64_t t, uint64_t start, uint64_t end)
{
    return t >= int64_t(start) && (end == 0 || t < int64_t(end));
}

} // namespace

struct OverlayElements::Element {
    bool text = false;
    uint32_t mixMode = 0;
    int x = 0, y = 0;           // top-left of the prepared picture in the output
    int outWidth = 0, outHeight = 0;
    uint64_t showStart = 0, showEnd = 0;
    bool timed = false;
    FramePtr still;             // prepared picture of a still or a text
    // A clip: its reader, how to prepare each of its pictures, its timing.
    OverlayImage settings;
    ImagePlacement place;
    std::unique_ptr<OverlayReader> clip;
    FramePtr mask;
    uint64_t splitStart = 0, splitEnd = 0;
    uint64_t preparedNumber = ~uint64_t(0);
    FramePtr prepared;

    // Blend modes other than normal work on the whole picture.
    FramePtr finish(const AVFrame *picture) const
    {
        if (blendMode(mixMode))
            return placeOnCanvas(picture, x, y, outWidth, outHeight);
        return FramePtr(av_frame_clone(picture));
    }

    int64_t clipTimeUs(int64_t t) const
    {
        int64_t rel = std::max<int64_t>(0, t - (timed ? int64_t(showStart) : 0));
        const int64_t start = timed ? int64_t(splitStart) : 0;
        int64_t end = timed && splitEnd > splitStart ? int64_t(splitEnd) : clip->durationUs();
        const int64_t length = end - start;
        if (settings.loop && length > 0)
            rel %= length;
        else if (length > 0)
            rel = std::min(rel, length - 1);
        return start + rel;
    }
};

OverlayElements::OverlayElements() = default;
OverlayElements::~OverlayElements() = default;

int OverlayElements::open(const PictureEdit &edit, int width, int height, std::string *error)
{
    m_elements.clear();
    m_layout = OverlayLayout();
    int result = 0;
    auto fail = [&](int err) {
        if (result == 0)
            result = err;
    };
    for (const int layer : {1, 2, 0}) {
        const OverlayLayer &l = edit.layers[size_t(layer)];
        const OverlayTiming &timing = edit.timing[size_t(layer)];
        std::unique_ptr<Element> image, text;
        if (!l.image.file.empty()) {
            std::string why;
            if (int err = openImage(l.image, timing, edit.timed, width, height, &image, &why); err < 0) {
                *error = why;
                fail(err);
            } else {
                m_layout.image[size_t(layer)] = ElementBox{true, double(image->x) / width, double(image->y) / height,
                                                           double(image->still ? image->still->width
                                                                               : image->prepared->width) / width,
                                                           double(image->still ? image->still->height
                                                                               : image->prepared->height) / height};
            }
        }
        if (!l.text.text.empty()) {
            TextStill still;
            std::string why;
            if (int err = renderTextStill(l.text, width, height, &still, &why); err < 0) {
                *error = why;
                fail(err);
            } else if (still.picture) {
                text.reset(new Element);
                text->text = true;
                text->x = still.x;
                text->y = still.y;
                text->outWidth = width;
                text->outHeight = height;
                text->timed = edit.timed;
                text->showStart = timing.textShowStart;
                text->showEnd = timing.textShowEnd;
                m_layout.text[size_t(layer)] = ElementBox{true, double(still.x) / width, double(still.y) / height,
                                                          double(still.picture->width) / width,
                                                          double(still.picture->height) / height};
                text->still = std::move(still.picture);
            }
        }
        // Topmost puts the text above the layer's image.
        if (l.text.topmost == 0 && text)
            m_elements.push_back(std::move(text));
        if (image)
            m_elements.push_back(std::move(image));
        if (text)
            m_elements.push_back(std::move(text));
    }
    return result;
}

int OverlayElements::openImage(const OverlayImage &s, const OverlayTiming &timing, bool timed, int width, int height,
                               std::unique_ptr<Element> *out, std::string *error)
{
    auto reader = std::make_unique<OverlayReader>();
    if (int err = reader->open(s.file, error); err < 0)
        return err;
    auto e = std::make_unique<Element>();
    if (!s.maskFile.empty()) {
        OverlayReader mask;
        if (int err = mask.open(s.maskFile, error); err < 0)
            return err;
        e->mask.reset(av_frame_clone(mask.first()));
    }
    e->settings = s;
    e->mixMode = blendMode(s.mixMode) ? s.mixMode : 0;
    e->outWidth = width;
    e->outHeight = height;
    e->timed = timed;
    e->showStart = timing.imageShowStart;
    e->showEnd = timing.imageShowEnd;
    e->splitStart = timing.imageSplitStart;
    e->splitEnd = timing.imageSplitEnd;
    e->place = placeImage(s, reader->first(), width, height);
    FramePtr first = prepareImage(s, e->place, reader->first(), e->mask.get(), error);
    if (!first)
        return AVERROR(EINVAL);
    // Turned about its centre: the unturned box's centre stays where it was.
    const double cx = finite(s.x) * width + e->place.width / 2.0, cy = finite(s.y) * height + e->place.height / 2.0;
    e->x = int(std::lround(cx - first->width / 2.0));
    e->y = int(std::lround(cy - first->height / 2.0));
    if (reader->isClip()) {
        e->clip = std::move(reader);
        e->prepared = std::move(first);
        e->preparedNumber = ~uint64_t(0);
    } else {
        e->still = std::move(first);
    }
    *out = std::move(e);
    return 0;
}

size_t OverlayElements::count() const { return m_elements.size(); }

std::vector<bool> OverlayElements::shownAt(int64_t timeUs) const
{
    std::vector<bool> shown(m_elements.size(), true);
    for (size_t i = 0; i < m_elements.size(); ++i) {
        const Element &e = *m_elements[i];
        if (e.timed)
            shown[i] = within(timeUs, e.showStart, e.showEnd);
    }
    return shown;
}

bool OverlayElements::animated(size_t i) const { return m_elements[i]->clip != nullptr; }

OverlayInput OverlayElements::input(size_t i) const
{
    const Element &e = *m_elements[i];
    if (blendMode(e.mixMode))
        return OverlayInput{e.outWidth, e.outHeight, AV_PIX_FMT_RGBA};
    const AVFrame *f = e.still ? e.still.get() : e.prepared.get();
    return OverlayInput{f->width, f->height, AV_PIX_FMT_RGBA};
}

FramePtr OverlayElements::frameAt(size_t i, int64_t timeUs, std::string *error)
{
    Element &e = *m_elements[i];
    if (!e.clip)
        return e.finish(e.still.get());
    uint64_t number = 0;
    const AVFrame *f = e.clip->frameAt(e.clipTimeUs(timeUs), &number);
    if (number != e.preparedNumber || !e.prepared) {
        FramePtr p = prepareImage(e.settings, e.place, f, e.mask.get(), error);
        if (!p)
            return nullptr;
        // Clip pictures keep the first one's size, so the graph's input stays as built.
        if (p->width != e.prepared->width || p->height != e.prepared->height) {
            *error = "overlay clip '" + e.settings.file + "' changed its picture size";
            return nullptr;
        }
        e.prepared = std::move(p);
        e.preparedNumber = number;
    }
    return e.finish(e.prepared.get());
}

std::string OverlayElements::blendText(size_t i, const std::string &from, const std::string &ov,
                                       const std::string &to) const
{
    const Element &e = *m_elements[i];
    char buf[512];
    const char *mode = blendMode(e.mixMode);
    if (!mode) {
        std::snprintf(buf, sizeof buf, "[%s][%s]overlay=x=%d:y=%d:format=yuv420:eof_action=repeat[%s]", from.c_str(),
                      ov.c_str(), e.x, e.y, to.c_str());
        return buf;
    }
    // result = picture × (1 − α) + mode(picture, image) × α, in RGB, α from the image.
    auto l = [&ov](const char *suffix) { return "[" + ov + suffix + "]"; };
    return "[" + from + "]split" + l("_a") + l("_b") + ";" + l("_b") + "format=gbrp" + l("_base") + ";[" + ov
        + "]split" + l("_c") + l("_d") + ";" + l("_c") + "format=gbrp" + l("_top") + ";" + l("_base") + l("_top")
        + "blend=all_mode=" + mode + l("_mix") + ";" + l("_d") + "alphaextract" + l("_alpha") + ";" + l("_mix")
        + l("_alpha") + "alphamerge" + l("_over") + ";" + l("_a") + l("_over")
        + "overlay=x=0:y=0:format=yuv420:eof_action=repeat[" + to + "]";
}

} // namespace zv
