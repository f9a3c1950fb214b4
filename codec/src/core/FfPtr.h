#pragma once
// RAII over FFmpeg objects: one deleter template, a unique_ptr alias per object
// kind, and avErrorText() that turns an AVERROR code into readable text.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavcodec/bsf.h>
#include <libavfilter/avfilter.h>
#include <libavformat/avformat.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>
#include <string>
#include <type_traits>

namespace zv {

// Calls the matching FFmpeg free function; works for both the T** style
// (av_frame_free) and the T* style (sws_freeContext).
template <auto Fn>
struct FfDeleter {
    template <typename T>
    void operator()(T *p) const
    {
        if (!p)
            return;
        if constexpr (std::is_invocable_v<decltype(Fn), T **>)
            Fn(&p);
        else
            Fn(p);
    }
};

// Output contexts own their AVIOContext unless the muxer writes no file.
void closeOutputFormat(AVFormatContext *ctx);
// Custom AVIOContexts own their buffer (av_malloc'ed) besides the context.
void freeCustomIo(AVIOContext *io);

using FramePtr = std::unique_ptr<AVFrame, FfDeleter<&av_frame_free>>;
using PacketPtr = std::unique_ptr<AVPacket, FfDeleter<&av_packet_free>>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, FfDeleter<&avcodec_free_context>>;
using SwsPtr = std::unique_ptr<SwsContext, FfDeleter<&sws_freeContext>>;
using SwrPtr = std::unique_ptr<SwrContext, FfDeleter<&swr_free>>;
using FilterGraphPtr = std::unique_ptr<AVFilterGraph, FfDeleter<&avfilter_graph_free>>;
using InputFormatPtr = std::unique_ptr<AVFormatContext, FfDeleter<&avformat_close_input>>;
using OutputFormatPtr = std::unique_ptr<AVFormatContext, FfDeleter<&closeOutputFormat>>;
using CustomIoPtr = std::unique_ptr<AVIOContext, FfDeleter<&freeCustomIo>>;
using ParametersPtr = std::unique_ptr<AVCodecParameters, FfDeleter<&avcodec_parameters_free>>;
using BsfPtr = std::unique_ptr<AVBSFContext, FfDeleter<&av_bsf_free>>;
using DictionaryPtr = std::unique_ptr<AVDictionary, FfDeleter<&av_dict_free>>;

// An AVDictionary owned here, for the calls that fill or consume one through
// AVDictionary** (options, metadata).
class Dictionary {
public:
    Dictionary() = default;
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;
    ~Dictionary() { av_dict_free(&m_dict); }
    AVDictionary **slot() { return &m_dict; }
    AVDictionary *get() const { return m_dict; }

private:
    AVDictionary *m_dict = nullptr;
};

inline FramePtr makeFrame() { return FramePtr(av_frame_alloc()); }
inline PacketPtr makePacket() { return PacketPtr(av_packet_alloc()); }

// av_strerror text of an AVERROR code ("Invalid data found when processing input").
std::string avErrorText(int err);

} // namespace zv
