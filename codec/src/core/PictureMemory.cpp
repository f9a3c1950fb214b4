#include "core/PictureMemory.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/pixdesc.h>
}

#include <sys/mman.h>

#include <algorithm>
#include <mutex>
#include <new>
#include <vector>

namespace zv {

namespace {
constexpr size_t kLargePage = size_t(2) << 20;
// Each mapping holds several pictures (ten at 1080p): the large pages of a
// picture's tail are shared with the next instead of half wasted.
constexpr size_t kMappingBytes = size_t(32) << 20;
// As FFmpeg's own pool: pointer alignment and the tail a decoder may touch.
constexpr size_t kAlign = 64;
constexpr size_t kTail = 16 + kAlign - 1;

size_t roundUp(size_t v, size_t to) { return (v + to - 1) / to * to; }

// One buffer for all planes of a picture, laid out as FFmpeg's default
// allocator lays out its planes.
struct Layout {
    int linesize[4] = {};
    size_t offset[4] = {};
    bool present[4] = {};
    size_t total = 0;
};

bool layoutFor(AVCodecContext *ctx, const AVFrame *frame, Layout &out)
{
    const auto format = AVPixelFormat(frame->format);
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(format);
    if (!desc || (desc->flags & (AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_HWACCEL | AV_PIX_FMT_FLAG_BITSTREAM)))
        return false;
    int w = frame->width, h = frame->height;
    int align[AV_NUM_DATA_POINTERS] = {};
    avcodec_align_dimensions2(ctx, &w, &h, align);
    int linesize[4] = {};
    for (bool aligned = false; !aligned; w += w & ~(w - 1)) {
        if (av_image_fill_linesizes(linesize, format, w) < 0)
            return false;
        aligned = true;
        for (int i = 0; i < 4; ++i)
            aligned = aligned && (align[i] <= 0 || linesize[i] % align[i] == 0);
        if (aligned)
            break;
    }
    ptrdiff_t lines[4] = {linesize[0], linesize[1], linesize[2], linesize[3]};
    size_t sizes[4] = {};
    if (av_image_fill_plane_sizes(sizes, format, h, lines) < 0)
        return false;
    size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        if (!sizes[i])
            continue;
        out.linesize[i] = linesize[i];
        out.offset[i] = at;
        out.present[i] = true;
        at += roundUp(sizes[i] + kTail, kAlign);
    }
    out.total = at;
    return at > 0;
}
} // namespace

struct PictureMemory::State : std::enable_shared_from_this<State> {
    std::mutex mutex;
    size_t slotSize = 0;
    std::vector<uint8_t *> free;
    std::vector<std::pair<void *, size_t>> mappings;

    ~State()
    {
        for (const auto &m : mappings)
            munmap(m.first, m.second);
    }

    // A mapping aligned to the large page size, advised to use large pages.
    bool mapMore()
    {
        const size_t count = std::max<size_t>(1, kMappingBytes / slotSize);
        const size_t length = roundUp(count * slotSize, kLargePage);
        void *raw = mmap(nullptr, length + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED)
            return false;
        auto *base = static_cast<uint8_t *>(raw);
        auto *start = reinterpret_cast<uint8_t *>(roundUp(reinterpret_cast<uintptr_t>(base), kLargePage));
        if (start > base)
            munmap(base, size_t(start - base));
        const size_t after = size_t(base + length + kLargePage - (start + length));
        if (after)
            munmap(start + length, after);
        madvise(start, length, MADV_HUGEPAGE); // a hint: without large pages the memory works as well
        mappings.emplace_back(start, length);
        for (size_t i = count; i-- > 0;)
            free.push_back(start + i * slotSize);
        return true;
    }

    uint8_t *take(size_t size)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (size != slotSize) {
            // A new picture size: the old slots stay mapped until every
            // picture and the owner are gone, but are not handed out again.
            slotSize = size;
            free.clear();
        }
        if (free.empty() && !mapMore())
            return nullptr;
        uint8_t *slot = free.back();
        free.pop_back();
        return slot;
    }

    void giveBack(uint8_t *slot, size_t size)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (size == slotSize)
            free.push_back(slot);
    }

    static int getBuffer(AVCodecContext *ctx, AVFrame *frame, int flags);
};

namespace {
// What a handed-out buffer keeps: its pool, and the size it was taken for.
struct Lease {
    std::shared_ptr<PictureMemory::State> state;
    size_t size;
};

void releaseLease(void *opaque, uint8_t *data)
{
    auto *lease = static_cast<Lease *>(opaque);
    lease->state->giveBack(data, lease->size);
    delete lease;
}
} // namespace

// Pictures the pool cannot lay out (palettes, hardware frames, decoders
// that do not take outside buffers) come from FFmpeg's own allocator.
int PictureMemory::State::getBuffer(AVCodecContext *ctx, AVFrame *frame, int flags)
{
    auto *state = static_cast<State *>(ctx->opaque);
    Layout layout;
    if (!state || ctx->hw_frames_ctx || !(ctx->codec->capabilities & AV_CODEC_CAP_DR1)
        || !layoutFor(ctx, frame, layout))
        return avcodec_default_get_buffer2(ctx, frame, flags);
    const size_t size = roundUp(layout.total, kAlign);
    uint8_t *slot = state->take(size);
    if (!slot)
        return avcodec_default_get_buffer2(ctx, frame, flags);
    auto *lease = new (std::nothrow) Lease{state->shared_from_this(), size};
    frame->buf[0] = lease ? av_buffer_create(slot, size, &releaseLease, lease, 0) : nullptr;
    if (!frame->buf[0]) {
        state->giveBack(slot, size);
        delete lease;
        return AVERROR(ENOMEM);
    }
    for (int i = 0; i < 4; ++i) {
        frame->data[i] = layout.present[i] ? slot + layout.offset[i] : nullptr;
        frame->linesize[i] = layout.present[i] ? layout.linesize[i] : 0;
    }
    frame->extended_data = frame->data;
    return 0;
}

PictureMemory::PictureMemory() : m_state(std::make_shared<State>()) {}
PictureMemory::~PictureMemory() = default;

void PictureMemory::renew() { m_state = std::make_shared<State>(); }

void PictureMemory::attach(AVCodecContext *decoder)
{
    if (!decoder || decoder->codec_type != AVMEDIA_TYPE_VIDEO)
        return;
    decoder->opaque = m_state.get();
    decoder->get_buffer2 = &State::getBuffer;
}

} // namespace zv
