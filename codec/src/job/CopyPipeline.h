#pragma once

#include "job/FlacTotals.h"
#include "job/Pipeline.h"
#include "job/SourceReach.h"
#include "job/SubtitleConverter.h"

#include <memory>
#include <vector>

namespace zv::job {

// Copies packets of one source range into an output without decoding. A job
// uses one pipeline per output; a merge reuses it for every task, so the
// timeline continues where the previous task ended.
class CopyPipeline : public Pipeline {
public:
    // A job also muxes the configured subtitle file; a merge, whose tasks each
    // have their own timeline, does not.
    explicit CopyPipeline(bool externalSubtitles = true) : m_allowExternal(externalSubtitles) {}

    // Maps the chosen input streams to output streams. The first source creates
    // them; every later one must carry the same codecs with the same codec bytes.
    int attach(InputSource &in, OutputFile &out, const JobConfig &cfg, std::string *error) override;
    // Positions the source at the last key frame at or before `startUs` (media
    // time) and holds the packets read on the way. Fails when the range starts
    // after the end.
    int findStart(InputSource &in, int64_t startUs, int64_t durationUs, std::string *error) override;
    // Media time that becomes output time 0, and of the range end (0 = none).
    // The copy rebases by the key frame's dts, so with B-frames that lies the
    // reorder delay before the key frame's own time.
    int64_t originUs() const override { return m_keyDtsUs; }
    int64_t endUs() const override { return m_rangeEndUs; }
    // Copies up to the range end, starting the output timeline at `offsetUs`.
    int run(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error) override;
    // Completes the stream headers that need the whole output (FLAC's totals).
    int flush(OutputFile &out, std::string *error) override;
    // The latest end time written so far (µs of output time): the next task's offset.
    int64_t outputEndUs() const override { return m_outputEndUs; }

private:
    // What one run() keeps between packets.
    struct RunState {
        std::vector<int64_t> shift;   // per input stream, its time base: raw → output time
        std::vector<bool> ended;      // per output stream: past the range end
        std::vector<bool> holds;      // per output stream: the copy waits for its end
        size_t holding = 0;
        size_t endedCount = 0;
        size_t next = 0;              // next held packet of the start search
        int64_t videoEndUs = 0;       // end of the pictures written (media time)
        int64_t offsetUs = 0;
        int64_t firstByte = -1;       // where the copy started reading (unknown durations)
        int64_t size = -1;            // of the source in bytes, -1 = unknown
    };

    bool sameCodec(const AVCodecParameters *a, const AVCodecParameters *b) const;
    int addOutputStream(const AVStream *is, AVFormatContext *oc, const JobConfig &cfg, std::string *error);
    int seekTo(InputSource &in, int anchor, int64_t seekUs, std::string *error);
    // Reads from the seek position past the last key frame at or before the
    // start. Sets `tooLate` when the position was already past it.
    int scanForKey(InputSource &in, int anchor, bool videoAnchor, int64_t startUs, bool fromTheTop, bool *tooLate,
                   std::string *error);
    void chooseStart(InputSource &in, const AVPacket &key);
    int setUpAnnexB(const AVStream *is, AVStream *os, const AVOutputFormat *format, std::string *error);
    int writeThroughAnnexB(AVBSFContext *bsf, AVPacket *pkt, AVFormatContext *oc, std::string *error);
    int attachExternalSubtitles(const std::string &path, const JobConfig &cfg, AVFormatContext *oc, std::string *error);
    int writeExternalSubtitles(int64_t originUs, int64_t offsetUs, AVFormatContext *oc, std::string *error);

    // The steps of run().
    RunState beginRun(InputSource &in, int64_t offsetUs) const;
    int startRun(InputSource &in, OutputFile &out, int64_t offsetUs, Worker &worker, std::string *error);
    int copyPacket(InputSource &in, const RunState &run, AVPacket *pkt, OutputFile &out, Worker &worker,
                   std::string *error);
    // The next packet: held ones first, then the demuxer's. 0, AVERROR_EOF or an error.
    int nextPacket(InputSource &in, RunState &run, AVPacket *pkt, std::string *error);
    // Applies the range to one packet and rebases it into its output stream;
    // false when it is not copied.
    bool place(InputSource &in, const AVFormatContext *oc, RunState &run, AVPacket *pkt);
    int writePacket(int os, AVPacket *pkt, OutputFile &out, std::string *error);
    // Writes a picture once it is known when it is shown (see HeldPictures).
    int writePicture(int os, AVPacket *pkt, OutputFile &out, std::string *error);
    // Writes the held pictures of one stream, the first shown at `shownAt`
    // (AV_NOPTS_VALUE: left without a pts), or when the stream ends.
    int releasePictures(int os, int64_t shownAt, OutputFile &out, std::string *error);
    int releaseAllPictures(OutputFile &out, std::string *error);
    void reportProgress(InputSource &in, const RunState &run, int64_t outPtsUs, Worker &worker) const;

    std::vector<int> m_map;                   // input stream → output stream, -1 = dropped
    std::vector<ParametersPtr> m_reference;   // output stream layout of the first source
    std::vector<int64_t> m_lastDts;           // per output stream, output time base
    std::vector<PacketPtr> m_pending;         // read during the start search
    std::vector<std::unique_ptr<SubtitleConverter>> m_converters;  // per output stream, null = copied
    std::vector<BsfPtr> m_annexB;             // per output stream: length-prefixed H.264/HEVC to start codes
    std::vector<std::unique_ptr<FlacTotals>> m_flacTotals;  // per output stream, null = not FLAC
    // Program streams store no pts for some reference pictures: such a picture
    // is shown when the next reference picture is decoded. It waits, with the
    // pictures decoded after it, until that one comes (per output stream).
    struct HeldPictures {
        std::vector<PacketPtr> packets;   // the first `count` wait; the rest are spare
        size_t count = 0;
        bool timed = false;               // some pictures of the stream carry a pts
    };
    std::vector<HeldPictures> m_held;
    bool m_allowExternal = true;
    std::unique_ptr<InputMedia> m_external;   // the configured subtitle file, when muxed
    int m_externalIn = -1;                    // its subtitle stream
    int m_externalOut = -1;                   // the output stream it feeds
    std::unique_ptr<SubtitleConverter> m_externalConverter;
    int64_t m_keyUs = 0;                      // media time of K
    int64_t m_keyDtsRaw = 0;                  // raw µs of the first dts copied
    int64_t m_keyDtsUs = 0;                   // the same in media time
    int64_t m_rangeEndUs = 0;                 // media time of E, 0 = to the end
    int64_t m_outputEndUs = 0;
    SourceReach m_reach;                      // of the current run
};

} // namespace zv::job
