#include "job/SourceReach.h"

#include "job/InputSource.h"
#include "job/PacketTime.h"

#include <algorithm>
#include <cstdio>

namespace zv::job {

namespace {

// Container lengths and packet ends differ by a frame or an audio block; a
// source that really ends early misses far more.
constexpr int64_t kToleranceUs = 500000;

} // namespace

void SourceReach::note(const InputSource &in, const AVPacket &pkt)
{
    const AVStream *s = in.ctx()->streams[pkt.stream_index];
    const int64_t us = packetUs(pkt, s->time_base);
    if (us == AV_NOPTS_VALUE)
        return;
    m_endUs = std::max(m_endUs, us - in.originUs() + toUs(std::max<int64_t>(0, pkt.duration), s->time_base));
}

int SourceReach::checkEnd(const InputSource &in, int64_t rangeEndUs, std::string *error) const
{
    const int64_t lengthUs = in.durationUs();
    const int64_t endUs = rangeEndUs > 0 ? rangeEndUs : lengthUs;
    if (endUs <= 0 || m_endUs >= endUs - kToleranceUs)
        return 0;
    // A length guessed from the bit rate is no promise: a range running to
    // that guess ends where the packets do.
    const AVFormatContext *ic = in.ctx();
    if (ic->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE && endUs >= lengthUs - kToleranceUs)
        return 0;
    const int64_t reachedUs = std::max<int64_t>(0, m_endUs);
    *error = "the source " + std::string(ic->url) + " ends at " + timeText(reachedUs) + ", before the "
        + (rangeEndUs > 0 ? "segment's end at " : "end it states at ") + timeText(endUs);
    return AVERROR_INVALIDDATA;
}

std::string timeText(int64_t us)
{
    const int64_t tenths = std::max<int64_t>(0, us) / 100000;
    const int64_t seconds = tenths / 10;
    char buf[48];
    if (seconds >= 3600)
        std::snprintf(buf, sizeof buf, "%lld:%02lld:%02lld.%lld", (long long)(seconds / 3600),
                      (long long)(seconds / 60 % 60), (long long)(seconds % 60), (long long)(tenths % 10));
    else
        std::snprintf(buf, sizeof buf, "%lld:%02lld.%lld", (long long)(seconds / 60), (long long)(seconds % 60),
                      (long long)(tenths % 10));
    return buf;
}

} // namespace zv::job
