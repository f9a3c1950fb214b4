#include "edit/CaptionDecoder.h"

#include "core/Log.h"

#include <cstring>

namespace zv {

int CaptionDecoder::open(std::string *error)
{
    const AVCodec *codec = avcodec_find_decoder(AV_CODEC_ID_EIA_608);
    if (!codec) {
        *error = "this FFmpeg build has no EIA-608 caption decoder";
        return AVERROR_DECODER_NOT_FOUND;
    }
    m_dec.reset(avcodec_alloc_context3(codec));
    m_packet = makePacket();
    if (!m_dec || !m_packet)
        return AVERROR(ENOMEM);
    m_dec->pkt_timebase = AV_TIME_BASE_Q;
    // Pictures are burned as they are decoded, so a caption must come out
    // when it appears, not once it is erased.
    Dictionary opts;
    int err = av_dict_set(opts.slot(), "real_time", "1", 0);
    if (err >= 0)
        err = avcodec_open2(m_dec.get(), codec, opts.slot());
    if (err < 0) {
        *error = "the caption decoder refused to start: " + avErrorText(err);
        return err;
    }
    if (m_dec->subtitle_header)
        m_header.assign(reinterpret_cast<const char *>(m_dec->subtitle_header), size_t(m_dec->subtitle_header_size));
    return 0;
}

void CaptionDecoder::feed(const AVFrame *picture, int64_t mediaUs, std::vector<SubtitleEvent> &out)
{
    const AVFrameSideData *sd = av_frame_get_side_data(picture, AV_FRAME_DATA_A53_CC);
    if (!m_dec || !sd || sd->size == 0)
        return;
    if (av_new_packet(m_packet.get(), int(sd->size)) < 0)
        return;
    std::memcpy(m_packet->data, sd->data, sd->size);
    m_packet->pts = m_packet->dts = mediaUs;
    AVSubtitle sub{};
    int got = 0;
    const int used = avcodec_decode_subtitle2(m_dec.get(), &sub, &got, m_packet.get());
    av_packet_unref(m_packet.get());
    if (used < 0) {
        zvLog("captions: damaged caption data at %lld us: %s", (long long)mediaUs, avErrorText(used).c_str());
        return;
    }
    if (!got)
        return;
    // In real-time mode a caption is given when it appears: it starts with
    // the picture that completed it.
    SubtitleEvent e;
    e.startUs = mediaUs + int64_t(sub.start_display_time) * 1000;
    if (sub.end_display_time != UINT32_MAX && sub.end_display_time > sub.start_display_time)
        e.endUs = e.startUs + int64_t(sub.end_display_time - sub.start_display_time) * 1000;
    // A caption without text clears the screen: it still ends the one before.
    bool any = false;
    for (unsigned i = 0; i < sub.num_rects; ++i) {
        if (sub.rects[i]->ass && *sub.rects[i]->ass) {
            e.dialogue = sub.rects[i]->ass;
            out.push_back(e);
            any = true;
        }
    }
    if (!any)
        out.push_back(e);
    avsubtitle_free(&sub);
}

} // namespace zv
