#include "edit/SubtitleBurner.h"

#include "core/Log.h"
#include "edit/CaptionDecoder.h"
#include "edit/SubtitleBlend.h"

#include <algorithm>

namespace zv {

namespace {

// Nearest-neighbour scaling of a subtitle picture from its canvas to the
// output; subtitle pictures are flat colours, so nothing finer is needed.
SubtitlePicture scalePicture(const SubtitlePicture &p, double sx, double sy)
{
    SubtitlePicture out;
    out.x = int(p.x * sx);
    out.y = int(p.y * sy);
    out.width = std::max(1, int(p.width * sx));
    out.height = std::max(1, int(p.height * sy));
    out.argb.resize(size_t(out.width) * size_t(out.height));
    for (int y = 0; y < out.height; ++y) {
        const int srcY = std::min(p.height - 1, int(y / sy));
        for (int x = 0; x < out.width; ++x) {
            const int srcX = std::min(p.width - 1, int(x / sx));
            out.argb[size_t(y) * size_t(out.width) + size_t(x)] = p.argb[size_t(srcY) * size_t(p.width) + size_t(srcX)];
        }
    }
    return out;
}

int64_t toMs(int64_t us) { return us >= 0 ? us / 1000 : -((-us + 999) / 1000); }

} // namespace

SubtitleBurner::SubtitleBurner() = default;
SubtitleBurner::~SubtitleBurner() = default;

int SubtitleBurner::probeFile(const std::string &path, std::string *error)
{
    SubtitleLoader loader;
    MediaLocation where;
    where.path = path;
    return loader.open(where, 0, 0, error);
}

void SubtitleBurner::close()
{
    m_loader.reset();
    m_captions.reset();
    m_kind = Kind::None;
    m_text.clear();
    m_pictures.clear();
    m_header.clear();
    m_ass = AssRenderer();
    m_failed = false;
}

bool SubtitleBurner::choiceDiffers(const EditConfig &edit) const
{
    if (edit.closedCaption)
        return m_kind != Kind::Captions;
    if (!edit.subtitleFile.empty())
        return m_kind != Kind::File || m_file != edit.subtitleFile;
    if (edit.subtitleIndex != kNone)
        return m_kind != Kind::Stream || m_index != edit.subtitleIndex || m_program != edit.program;
    return m_kind != Kind::None;
}

int SubtitleBurner::open(const EditConfig &edit, const MediaLocation &media, std::string *error)
{
    close();
    m_style = edit.subtitleStyle;
    m_program = edit.program == kNone ? 0 : edit.program;
    m_index = edit.subtitleIndex;
    m_file = edit.subtitleFile;
    int err = 0;
    if (edit.closedCaption) {
        m_captions = std::make_unique<CaptionDecoder>();
        err = m_captions->open(error);
        m_header = m_captions->header();
        m_kind = Kind::Captions;
    } else if (!edit.subtitleFile.empty() || edit.subtitleIndex != kNone) {
        m_loader = std::make_unique<SubtitleLoader>();
        MediaLocation where = media;
        if (!edit.subtitleFile.empty())
            where = MediaLocation{edit.subtitleFile, nullptr};
        const bool file = !edit.subtitleFile.empty();
        err = m_loader->open(where, file ? 0 : m_program, file ? 0 : m_index, error);
        m_header = m_loader->header();
        m_kind = file ? Kind::File : Kind::Stream;
        if (err >= 0)
            m_loader->start();
    }
    if (err < 0)
        close();
    return err;
}

void SubtitleBurner::setStyle(const SubtitleStyle &style)
{
    m_style = style;
    m_ass.setStyle(style);
}

bool SubtitleBurner::ensureRenderer(int width, int height)
{
    if (m_ass.isOpen() && m_ass.width() == width && m_ass.height() == height)
        return true;
    if (m_failed)
        return false;
    std::string error;
    if (m_ass.open(width, height, m_header, &error) < 0) {
        zvLog("subtitles: %s", error.c_str());
        m_failed = true;
        return false;
    }
    m_ass.setStyle(m_style);
    for (const SubtitleEvent &e : m_text)
        m_ass.addEvent(e.dialogue, toMs(e.startUs), e.endUs < 0 ? -1 : toMs(e.endUs - e.startUs));
    return true;
}

void SubtitleBurner::take(const std::vector<SubtitleEvent> &events)
{
    for (const SubtitleEvent &e : events) {
        if (e.bitmap) {
            if (!m_pictures.empty() && m_pictures.back().event.endUs < 0)
                m_pictures.back().event.endUs = e.startUs;
            m_pictures.push_back(Shown{e, {}, 0, 0});
            continue;
        }
        m_text.push_back(e);
        if (m_ass.isOpen())
            m_ass.addEvent(e.dialogue, toMs(e.startUs), e.endUs < 0 ? -1 : toMs(e.endUs - e.startUs));
    }
}

void SubtitleBurner::feedCaptions(const AVFrame *decoded, int64_t mediaUs)
{
    if (m_kind != Kind::Captions || !m_captions)
        return;
    std::vector<SubtitleEvent> events;
    m_captions->feed(decoded, mediaUs, events);
    take(events);
}

void SubtitleBurner::drawPictures(AVFrame *picture, int64_t us)
{
    for (Shown &s : m_pictures) {
        const SubtitleEvent &e = s.event;
        if (e.startUs > us || (e.endUs >= 0 && e.endUs <= us) || e.pictures.empty())
            continue;
        const int cw = e.canvasWidth > 0 ? e.canvasWidth : picture->width;
        const int ch = e.canvasHeight > 0 ? e.canvasHeight : picture->height;
        const double sx = double(picture->width) / cw, sy = double(picture->height) / ch;
        if (s.scaledWidth != picture->width || s.scaledHeight != picture->height) {
            s.scaled.clear();
            for (const SubtitlePicture &p : e.pictures)
                s.scaled.push_back(scalePicture(p, sx, sy));
            s.scaledWidth = picture->width;
            s.scaledHeight = picture->height;
        }
        for (const SubtitlePicture &p : s.scaled)
            blendArgb(picture, p.argb.data(), p.x, p.y, p.width, p.height);
    }
}

void SubtitleBurner::burn(AVFrame *picture, int64_t mediaUs, int waitMs, const std::atomic<bool> *cancel)
{
    if (!active() || !canBlendOnto(picture->format))
        return;
    // A positive delay shows each subtitle later: look it up earlier.
    const int64_t us = mediaUs - m_style.delay;
    if (m_loader) {
        std::vector<SubtitleEvent> events;
        m_loader->take(us, waitMs, cancel, events);
        take(events);
    }
    if (!m_pictures.empty())
        drawPictures(picture, us);
    if (m_text.empty() || !ensureRenderer(picture->width, picture->height))
        return;
    blendAssImages(picture, m_ass.render(toMs(us)));
}

} // namespace zv
