#include "job/TaskConfig.h"

namespace zv::job {

JobConfig taskConfig(const JobConfig &task, const JobConfig &output)
{
    JobConfig cfg = task;
    cfg.enableVideo = output.enableVideo;
    cfg.enableAudio = output.enableAudio;
    cfg.videoCodec = output.videoCodec;
    cfg.audioCodec = output.audioCodec;
    cfg.videoEncoderOption = output.videoEncoderOption;
    cfg.videoProfile = output.videoProfile;
    cfg.width = output.width;
    cfg.height = output.height;
    cfg.rateNum = output.rateNum;
    cfg.rateDen = output.rateDen;
    cfg.videoBitRate = output.videoBitRate;
    cfg.audioBitRate = output.audioBitRate;
    cfg.channels = output.channels;
    cfg.sampleRate = output.sampleRate;
    cfg.videoQuality = output.videoQuality;
    cfg.audioQuality = output.audioQuality;
    cfg.textOption = output.textOption;
    cfg.chapters = output.chapters;
    cfg.subtitleCodec = output.subtitleCodec;
    cfg.metadata = output.metadata;
    cfg.cover = output.cover;
    return cfg;
}

} // namespace zv::job
