#include "core/InputMedia.h"

#include "core/Log.h"

extern "C" {
#include <libavutil/display.h>
}

#include <cmath>

namespace zv {
namespace {

std::string fileNameOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool isUrl(const std::string &path)
{
    return path.find("://") != std::string::npos;
}

} // namespace

int streamRotation(const AVStream *stream)
{
    size_t size = 0;
    const uint8_t *matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size);
    if (!matrix || size < 9 * sizeof(int32_t))
        return 0;
    const double ccw = av_display_rotation_get(reinterpret_cast<const int32_t *>(matrix));
    if (std::isnan(ccw))
        return 0;
    long cw = std::lround(-ccw / 90.0) * 90;
    cw %= 360;
    if (cw < 0)
        cw += 360;
    return int(cw);
}

InputMedia::~InputMedia() = default;

std::unique_ptr<InputMedia> InputMedia::open(const MediaLocation &where,
                                             const InterruptScope *scope, std::string &error)
{
    error.clear();
    std::unique_ptr<InputMedia> media(new InputMedia);
    media->m_location = where;
    const std::string name = where.source ? where.describe() : fileNameOf(where.path);
    if (where.empty()) {
        error = "no media given";
        return nullptr;
    }
    if (scope && scope->interrupted()) {
        error = "interrupted";
        return nullptr;
    }

    if (where.source)
        media->m_io = openSourceIo(where.source, scope, error);
    else if (!isUrl(where.path) && isSpecialFile(where.path))
        media->m_io = openPathIo(where.path, scope, error);
    if (!media->m_io && !error.empty())
        return nullptr;

    AVFormatContext *ctx = avformat_alloc_context();
    if (!ctx) {
        error = "out of memory";
        return nullptr;
    }
    ctx->interrupt_callback.callback = &interruptCallback;
    ctx->interrupt_callback.opaque = const_cast<InterruptScope *>(scope);
    if (media->m_io) {
        media->m_avio = makeAvio(media->m_io.get());
        if (!media->m_avio) {
            avformat_free_context(ctx);
            error = "out of memory";
            return nullptr;
        }
        ctx->pb = media->m_avio.get();
    }

    const char *url = where.source ? "" : where.path.c_str();
    int err = avformat_open_input(&ctx, url, nullptr, nullptr); // frees ctx on failure
    if (err < 0) {
        error = (scope && scope->interrupted()) || err == AVERROR_EXIT
            ? std::string("interrupted")
            : "cannot open '" + name + "': " + avErrorText(err);
        zvLog("%s", error.c_str());
        return nullptr;
    }
    media->m_format.reset(ctx);

    err = avformat_find_stream_info(ctx, nullptr);
    if (scope && scope->interrupted()) {
        error = "interrupted";
        return nullptr;
    }
    if (err < 0) {
        error = "cannot read stream information of '" + name + "': " + avErrorText(err);
        zvLog("%s", error.c_str());
        return nullptr;
    }
    if (ctx->nb_streams == 0) {
        error = "'" + name + "' has no streams";
        zvLog("%s", error.c_str());
        return nullptr;
    }
    media->readLayout();
    error.clear();
    return media;
}

void InputMedia::readLayout()
{
    AVFormatContext *ctx = m_format.get();
    m_startTime = ctx->start_time == AV_NOPTS_VALUE ? 0 : ctx->start_time;
    m_rotations.clear();
    for (unsigned i = 0; i < ctx->nb_streams; ++i)
        m_rotations.push_back(streamRotation(ctx->streams[i]));

    m_programs.clear();
    for (unsigned p = 0; p < ctx->nb_programs; ++p) {
        const AVProgram *program = ctx->programs[p];
        MediaProgram entry;
        entry.metadata = program->metadata;
        for (unsigned k = 0; k < program->nb_stream_indexes; ++k) {
            const unsigned index = program->stream_index[k];
            if (index < ctx->nb_streams)
                entry.streams.push_back(int(index));
        }
        if (!entry.streams.empty())
            m_programs.push_back(std::move(entry));
    }
    if (m_programs.empty()) {
        MediaProgram all;
        for (unsigned i = 0; i < ctx->nb_streams; ++i)
            all.streams.push_back(int(i));
        m_programs.push_back(std::move(all));
    }
}

int InputMedia::rotation(int stream) const
{
    if (stream < 0 || size_t(stream) >= m_rotations.size())
        return 0;
    return m_rotations[size_t(stream)];
}

uint64_t InputMedia::durationUs() const
{
    const AVFormatContext *ctx = m_format.get();
    if (ctx->duration != AV_NOPTS_VALUE && ctx->duration > 0)
        return uint64_t(ctx->duration);
    int64_t longest = 0;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream *st = ctx->streams[i];
        if (st->duration != AV_NOPTS_VALUE && st->duration > 0)
            longest = std::max(longest, av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q));
    }
    return uint64_t(longest);
}

uint64_t InputMedia::toMediaUs(int64_t ts, AVRational timeBase) const
{
    if (ts == AV_NOPTS_VALUE)
        return 0;
    const int64_t us = av_rescale_q(ts, timeBase, AV_TIME_BASE_Q) - m_startTime;
    return us > 0 ? uint64_t(us) : 0;
}

int64_t InputMedia::fromMediaUs(uint64_t us, AVRational timeBase) const
{
    const int64_t clamped = us > uint64_t(INT64_MAX / 2) ? INT64_MAX / 2 : int64_t(us);
    // The latest stream time that toMediaUs() reports at or before `us`. To
    // nearest, a time in the second half of a frame interval of a coarse time
    // base (1/15) would name the next frame.
    const int64_t wanted = clamped + m_startTime;
    int64_t ts = av_rescale_q_rnd(wanted, AV_TIME_BASE_Q, timeBase, AVRounding(AV_ROUND_DOWN | AV_ROUND_PASS_MINMAX));
    if (ts < INT64_MAX && av_rescale_q(ts + 1, timeBase, AV_TIME_BASE_Q) <= wanted)
        ++ts;
    return ts;
}

} // namespace zv
