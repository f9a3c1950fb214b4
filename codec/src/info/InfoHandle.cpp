#include "info/InfoHandle.h"

#include "core/Log.h"

#include <cctype>
#include <cmath>
#include <cstring>

using namespace zv;

namespace {

int kindSlot(StreamKind kind)
{
    return static_cast<int>(kind);
}

bool isCover(const AVStream *st)
{
    return st->disposition & AV_DISPOSITION_ATTACHED_PIC;
}

const char *dictText(const AVDictionary *dict, const char *key)
{
    const AVDictionaryEntry *e = av_dict_get(dict, key, nullptr, 0);
    return e ? e->value : nullptr;
}

} // namespace

bool ZvInfo::fail(const std::string &text)
{
    lastError = text;
    zvLog("info: %s", text.c_str());
    return false;
}

bool ZvInfo::open(const MediaLocation &where)
{
    close();
    std::string error;
    media = InputMedia::open(where, &scope, error);
    if (!media)
        return fail(error);
    lastError.clear();
    resetSelections();
    return true;
}

void ZvInfo::close()
{
    m_pictures.reset();
    m_pictureStream = -1;
    m_subtitleInput.reset();
    media.reset();
    m_program = 0;
    for (auto &list : m_streams)
        list.clear();
    for (int &s : m_selected)
        s = -1;
    m_handedTexts.clear();
    m_year.clear();
    m_cover = ZvMetaBlob{nullptr, 0};
    m_coverSearched = false;
    m_chaptersRead = false;
    m_chapters.clear();
}

uint32_t ZvInfo::programCount() const
{
    return media ? uint32_t(media->programs().size()) : 0;
}

bool ZvInfo::selectProgram(uint32_t index)
{
    if (!media || index >= programCount())
        return false;
    m_program = index;
    resetSelections();
    return true;
}

void ZvInfo::resetSelections()
{
    const AVFormatContext *fmt = media->format();
    for (auto &list : m_streams)
        list.clear();
    for (int index : media->programs()[m_program].streams) {
        const AVStream *st = fmt->streams[index];
        switch (st->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            if (!isCover(st))
                m_streams[kindSlot(StreamKind::Video)].push_back(index);
            break;
        case AVMEDIA_TYPE_AUDIO: m_streams[kindSlot(StreamKind::Audio)].push_back(index); break;
        case AVMEDIA_TYPE_SUBTITLE: m_streams[kindSlot(StreamKind::Subtl)].push_back(index); break;
        default: break;
        }
    }
    for (int k = 0; k < 3; ++k)
        m_selected[k] = m_streams[k].empty() ? -1 : m_streams[k].front();
}

const char *ZvInfo::programName() const
{
    if (!media)
        return nullptr;
    const AVDictionary *meta = media->programs()[m_program].metadata;
    if (const char *name = dictText(meta, "service_name"))
        return name;
    return dictText(meta, "title");
}

const std::vector<int> &ZvInfo::streams(StreamKind kind) const
{
    return m_streams[kindSlot(kind)];
}

bool ZvInfo::selectStream(StreamKind kind, uint32_t index)
{
    if (!media)
        return false;
    const auto &list = m_streams[kindSlot(kind)];
    if (index == 0xFFFFFFFFu) {
        m_selected[kindSlot(kind)] = -1;
        return true;
    }
    if (index >= list.size())
        return false;
    m_selected[kindSlot(kind)] = list[index];
    return true;
}

const AVStream *ZvInfo::selected(StreamKind kind) const
{
    const int index = m_selected[kindSlot(kind)];
    return media && index >= 0 ? media->format()->streams[index] : nullptr;
}

int ZvInfo::rotation() const
{
    const AVStream *v = selected(StreamKind::Video);
    return v ? media->rotation(v->index) : 0;
}

uint32_t ZvInfo::videoWidth() const
{
    const AVStream *v = selected(StreamKind::Video);
    if (!v)
        return 0;
    const int w = rotation() % 180 ? v->codecpar->height : v->codecpar->width;
    return w > 0 ? uint32_t(w) : 0;
}

uint32_t ZvInfo::videoHeight() const
{
    const AVStream *v = selected(StreamKind::Video);
    if (!v)
        return 0;
    const int h = rotation() % 180 ? v->codecpar->width : v->codecpar->height;
    return h > 0 ? uint32_t(h) : 0;
}

AVRational ZvInfo::displayAspect() const
{
    const AVStream *v = selected(StreamKind::Video);
    if (!v || v->codecpar->width <= 0 || v->codecpar->height <= 0)
        return AVRational{0, 1};
    AVRational sar = av_guess_sample_aspect_ratio(media->format(), const_cast<AVStream *>(v), nullptr);
    if (sar.num <= 0 || sar.den <= 0)
        sar = AVRational{1, 1};
    int num = 0, den = 0;
    av_reduce(&num, &den, int64_t(v->codecpar->width) * sar.num, int64_t(v->codecpar->height) * sar.den,
              INT32_MAX);
    if (rotation() % 180)
        std::swap(num, den);
    return AVRational{num, den};
}

bool ZvInfo::canSeek() const
{
    if (!media)
        return false;
    const AVFormatContext *fmt = media->format();
    if (!fmt->pb || !(fmt->pb->seekable & AVIO_SEEKABLE_NORMAL))
        return false;
    int64_t frameUs = 0;
    if (const AVStream *v = selected(StreamKind::Video)) {
        AVRational rate = v->avg_frame_rate.num > 0 ? v->avg_frame_rate : v->r_frame_rate;
        if (rate.num > 0 && rate.den > 0)
            frameUs = av_rescale(AV_TIME_BASE, rate.den, rate.num);
    }
    const uint64_t duration = media->durationUs();
    return duration > 0 && duration > uint64_t(frameUs);
}

const void *ZvInfo::metaData(const char *key)
{
    if (!media || !key)
        return nullptr;
    const AVFormatContext *fmt = media->format();
    if (!strcasecmp(key, "dvd_clip"))
        return nullptr;
    if (!strcasecmp(key, "cover_image"))
        return findCover() ? &m_cover : nullptr;
    const char *text = nullptr;
    if (!strcasecmp(key, "ffmpeg_format")) {
        text = fmt->iformat->name;
    } else {
        const AVStream *audio = selected(StreamKind::Audio);
        const AVStream *video = selected(StreamKind::Video);
        auto lookup = [&](const char *k) -> const char * {
            if (const char *t = dictText(fmt->metadata, k))
                return t;
            if (const char *t = audio ? dictText(audio->metadata, k) : nullptr)
                return t;
            return video ? dictText(video->metadata, k) : nullptr;
        };
        text = lookup(key);
        if (!text && !strcasecmp(key, "year")) {
            const char *date = lookup("date");
            if (date && strlen(date) >= 4 && isdigit(static_cast<unsigned char>(date[0])) && isdigit(static_cast<unsigned char>(date[1]))
                && isdigit(static_cast<unsigned char>(date[2])) && isdigit(static_cast<unsigned char>(date[3]))) {
                m_year.assign(date, 4);
                text = m_year.c_str();
            }
        }
    }
    if (text)
        m_handedTexts.insert(text);
    return text;
}

const uint8_t *ZvInfo::metaDataBytes(const void *value, uint32_t &size) const
{
    size = 0;
    if (!value)
        return nullptr;
    if (value == &m_cover) {
        size = m_cover.size;
        return m_cover.data;
    }
    if (m_handedTexts.count(value)) {
        const char *text = static_cast<const char *>(value);
        size = uint32_t(strlen(text));
        return reinterpret_cast<const uint8_t *>(text);
    }
    return nullptr;
}

bool ZvInfo::findCover()
{
    if (m_coverSearched)
        return m_cover.data != nullptr;
    m_coverSearched = true;
    const AVFormatContext *fmt = media->format();
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream *st = fmt->streams[i];
        if (isCover(st) && st->attached_pic.data && st->attached_pic.size > 0) {
            m_cover = ZvMetaBlob{st->attached_pic.data, uint32_t(st->attached_pic.size)};
            return true;
        }
    }
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        const AVStream *st = fmt->streams[i];
        const char *mime = dictText(st->metadata, "mimetype");
        if (st->codecpar->codec_type == AVMEDIA_TYPE_ATTACHMENT && mime && !strncasecmp(mime, "image/", 6)
            && st->codecpar->extradata && st->codecpar->extradata_size > 0) {
            m_cover = ZvMetaBlob{st->codecpar->extradata, uint32_t(st->codecpar->extradata_size)};
            return true;
        }
    }
    return false;
}

const std::vector<ChapterEntry> &ZvInfo::chapters()
{
    if (!m_chaptersRead && media) {
        m_chapters = readChapters(*media);
        m_chaptersRead = true;
    }
    return m_chapters;
}

uint8_t *ZvInfo::picture(uint64_t t, uint32_t width, uint32_t height)
{
    const AVStream *v = selected(StreamKind::Video);
    if (!media) {
        fail("no media is open");
        return nullptr;
    }
    if (!v) {
        fail("the media has no video");
        return nullptr;
    }
    if (width == 0 || height == 0) {
        const AVRational aspect = displayAspect();
        if (width == 0 && height == 0) {
            width = videoWidth();
            height = videoHeight();
        } else if (aspect.num > 0 && aspect.den > 0) {
            if (width == 0)
                width = uint32_t(std::max<long>(1, std::lround(double(height) * aspect.num / aspect.den)));
            else
                height = uint32_t(std::max<long>(1, std::lround(double(width) * aspect.den / aspect.num)));
        } else {
            width = width ? width : videoWidth();
            height = height ? height : videoHeight();
        }
    }
    if (m_pictureStream != v->index) {
        const bool atStart = !m_pictures;
        m_pictures.reset();
        AVFormatContext *fmt = media->format();
        for (unsigned i = 0; i < fmt->nb_streams; ++i)
            fmt->streams[i]->discard = AVDISCARD_DEFAULT;
        m_pictures = std::make_unique<PictureDecoder>(*media, v->index, atStart);
        m_pictureStream = v->index;
    }
    std::string error;
    const AVFrame *frame = m_pictures->frameAt(t, error);
    if (!frame) {
        fail("no picture at " + std::to_string(t) + " us: " + error);
        return nullptr;
    }
    uint8_t *bmp = m_bmp.make(frame, rotation(), int(width), int(height), error);
    if (!bmp) {
        fail(error);
        return nullptr;
    }
    lastError.clear();
    return bmp;
}

bool ZvInfo::openSubtitleInput(const MediaLocation &where)
{
    std::string error;
    auto input = InputMedia::open(where, &scope, error);
    if (!input)
        return fail(error);
    const AVFormatContext *fmt = input->format();
    for (unsigned i = 0; i < fmt->nb_streams; ++i) {
        if (fmt->streams[i]->codecpar->codec_type == AVMEDIA_TYPE_SUBTITLE) {
            m_subtitleInput = std::move(input);
            return true;
        }
    }
    return fail("'" + where.describe() + "' holds no subtitles");
}
