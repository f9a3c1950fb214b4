#include "job/InputSource.h"

namespace zv::job {

namespace {

bool isAttachedPicture(const AVStream *s)
{
    return (s->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0;
}

} // namespace

int InputSource::open(const std::string &path, const JobConfig &cfg, bool copyKind,
                      const InterruptScope *scope, std::string *error)
{
    m_media.reset();
    m_path = path;
    m_scope = scope;
    MediaLocation where;
    where.path = path;
    m_media = InputMedia::open(where, scope, *error);
    if (!m_media)
        return AVERROR(EIO);
    return chooseStreams(cfg, copyKind, error);
}

int InputSource::reopen(std::string *error)
{
    const unsigned streams = m_media ? m_media->format()->nb_streams : 0;
    MediaLocation where;
    where.path = m_path;
    std::unique_ptr<InputMedia> again = InputMedia::open(where, m_scope, *error);
    if (!again)
        return AVERROR(EIO);
    if (again->format()->nb_streams != streams) {
        *error = m_path + " changed while it was read";
        return AVERROR(EINVAL);
    }
    m_media = std::move(again);
    return 0;
}

int InputSource::chooseStreams(const JobConfig &cfg, bool copyKind, std::string *error)
{
    AVFormatContext *c = ctx();
    const auto &programs = m_media->programs();
    const uint32_t chosen = cfg.program == kNone ? 0 : cfg.program;
    if (chosen >= programs.size()) {
        *error = "program " + std::to_string(cfg.program) + " does not exist";
        return AVERROR(EINVAL);
    }
    const std::vector<int> &program = programs[chosen].streams;

    std::vector<int> audio, subtitles;
    videoStream = -1;
    for (int i : program) {
        const AVStream *s = c->streams[i];
        switch (s->codecpar->codec_type) {
        case AVMEDIA_TYPE_VIDEO:
            if (videoStream < 0 && !isAttachedPicture(s))
                videoStream = i;
            break;
        case AVMEDIA_TYPE_AUDIO:
            audio.push_back(i);
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            subtitles.push_back(i);
            break;
        default:
            break;
        }
    }
    if (cfg.videoCodec == kNone || !cfg.enableVideo)
        videoStream = -1;

    audioStreams.clear();
    if (cfg.audioCodec != kNone && cfg.enableAudio) {
        if (cfg.audioMask && copyKind) {
            for (size_t k = 0; k < audio.size() && k < 64; ++k) {
                if (cfg.audioMask & (uint64_t(1) << k))
                    audioStreams.push_back(audio[k]);
            }
        } else if (cfg.audioIndex != kNone) {
            if (cfg.audioIndex < audio.size())
                audioStreams.push_back(audio[cfg.audioIndex]);
            else if (!audio.empty()) {
                *error = "audio stream " + std::to_string(cfg.audioIndex) + " does not exist";
                return AVERROR_STREAM_NOT_FOUND;
            }
        }
    }

    subtitleStreams.clear();
    if (copyKind) {
        for (size_t k = 0; k < subtitles.size() && k < 64; ++k) {
            if (cfg.subtitleMask & (uint64_t(1) << k))
                subtitleStreams.push_back(subtitles[k]);
        }
    }

    if (videoStream < 0 && audioStreams.empty() && subtitleStreams.empty()) {
        *error = "no output stream remains for " + std::string(c->url);
        return AVERROR_STREAM_NOT_FOUND;
    }
    return 0;
}

} // namespace zv::job
