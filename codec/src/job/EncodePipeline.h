#pragma once

#include "job/EncoderSetup.h"
#include "core/Global.h"
#include "core/PacketDecoder.h"
#include "edit/AudioGraph.h"
#include "edit/VideoEditChain.h"
#include "edit/SubtitleBurner.h"
#include "job/Pipeline.h"
#include "job/SourceReach.h"

namespace zv::job {

// Decodes a source range, fits it to the output format through a filter graph
// and encodes it. The encoders belong to the output and live across a merge's
// tasks; decoders and graphs belong to the current source.
class EncodePipeline : public Pipeline {
public:
    // Every range's sound is padded to the range's length; a merge also cuts
    // a task's sound there when the range runs to the media's end, so the
    // streams stay in sync across the joins.
    explicit EncodePipeline(bool padAudioToVideo = false) : m_padAudio(padAudioToVideo) {}

    int attach(InputSource &in, OutputFile &out, const JobConfig &cfg, std::string *error) override;
    int findStart(InputSource &in, int64_t startUs, int64_t durationUs, std::string *error) override;
    int64_t originUs() const override { return m_startUs; }
    int64_t endUs() const override { return m_rangeEndUs; }
    int run(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error) override;
    int flush(OutputFile &out, std::string *error) override;
    int64_t outputEndUs() const override { return m_outputEndUs; }

private:
    struct Graph {
        FilterGraphPtr graph;
        AVFilterContext *src = nullptr;
        AVFilterContext *sink = nullptr;
    };

    int openEncoders(InputSource &in, OutputFile &out, std::string *error);
    int openDecoder(const AVStream *s, CodecContextPtr *dec, std::string *error);
    SourcePicture sourcePicture(const AVFrame *frame) const;
    int configureEdit(const SourcePicture &src, std::string *error);
    int buildVideoGraph(const AVFrame *first, std::string *error);
    int buildAudioGraph(const AVFrame *first, std::string *error);
    // The steps of run().
    int allocateBuffers();
    int decodeRange(OutputFile &out, std::string *error);
    int drainDecoders(OutputFile &out, std::string *error);
    int drainVideoGraph(OutputFile &out, std::string *error);
    int drainAudioGraphs(OutputFile &out, std::string *error);
    int decodePacket(PacketDecoder &dec, const AVPacket *pkt, bool video, OutputFile &out, std::string *error);
    int handleFrame(AVFrame *frame, bool video, OutputFile &out, std::string *error);
    int pushToGraph(Graph &g, AVFrame *frame, bool video, OutputFile &out, std::string *error);
    int drainGraph(AVFilterContext *sink, bool video, OutputFile &out, std::string *error);
    int encode(EncodedStream &s, AVFrame *frame, OutputFile &out, std::string *error);
    int burnSubtitles(AVFrame *picture, int64_t outputUs, std::string *error);
    int pushPicture(AVFrame *frame, int64_t tUs, OutputFile &out, std::string *error);
    int holdPicture(OutputFile &out, std::string *error);
    FramePtr blackPicture() const;
    int64_t taskLengthUs() const;
    // One picture at the encoder's nominal rate, in its time base.
    static int64_t frameTicks(const EncodedStream &s);
    // Where the input reached, and whether the range holds packets of each stream.
    void notePacket(const AVPacket &pkt);
    // A range with pictures (sound) that gave the encoder none fails its task.
    int checkSomethingEncoded(std::string *error) const;

    JobConfig m_cfg;
    bool m_padAudio;
    bool m_encodersOpen = false;
    EncodedStream m_video, m_audio;
    bool m_hasVideo = false, m_hasAudio = false;
    bool m_keepTimes = false;   // the pictures keep the source's times: no constant rate

    // Per source.
    InputSource *m_in = nullptr;
    CodecContextPtr m_vdec, m_adec;
    PacketDecoder m_vdecoding, m_adecoding;   // feed m_vdec and m_adec
    VideoEditChain m_edit;   // the picture edits, before m_vgraph fits the encoder's format and rate
    SourcePicture m_editSource;
    Graph m_vgraph, m_agraph;   // m_agraph: silence for a source without sound
    AudioGraph m_audioEdit;
    SubtitleBurner m_subtitles;
    double m_tempo = 1.0;       // media time per output time (rate × speed)
    bool m_videoDone = false, m_audioDone = false;
    FramePtr m_frame, m_filtered;
    PacketPtr m_packet;
    PacketPtr m_encoded;    // reused for every packet the encoders give
    int64_t m_startUs = 0, m_rangeEndUs = 0;
    int64_t m_offsetUs = 0;
    int64_t m_lastVideoPts = 0;
    // The last picture before the range, shown where the range starts in a
    // hole of the video; black when there is none.
    FramePtr m_held;
    bool m_pictureSent = false;
    int64_t m_outputEndUs = 0;
    SourceReach m_reach;
    int64_t m_taskPictures = 0, m_taskSoundFrames = 0;   // decoded inside the range in this run; held pictures and filled silence do not count
    bool m_rangePictures = false, m_rangeSound = false;  // the source has packets inside the range
    Worker *m_worker = nullptr;
};

} // namespace zv::job
