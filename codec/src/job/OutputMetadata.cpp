#include "job/OutputMetadata.h"

#include <algorithm>

namespace zv::job {

namespace {

int addChapter(AVFormatContext *oc, int64_t startUs, int64_t endUs, const char *title)
{
    auto **grown = static_cast<AVChapter **>(
        av_realloc_array(oc->chapters, oc->nb_chapters + 1, sizeof(AVChapter *)));
    if (!grown)
        return AVERROR(ENOMEM);
    oc->chapters = grown;
    auto *ch = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
    if (!ch)
        return AVERROR(ENOMEM);
    ch->id = oc->nb_chapters + 1;
    ch->time_base = AVRational{1, 1000000};
    ch->start = startUs;
    ch->end = endUs;
    // Listed first, so the output context frees it whatever happens next.
    oc->chapters[oc->nb_chapters++] = ch;
    return title && *title ? av_dict_set(&ch->metadata, "title", title, 0) : 0;
}

} // namespace

int applyMetadata(OutputFile &out, const JobConfig &cfg)
{
    for (const auto &[key, value] : cfg.metadata) {
        if (const int err = av_dict_set(&out.ctx()->metadata, key.c_str(), value.c_str(), 0); err < 0)
            return err;
    }
    return 0;
}

int writeChapters(OutputFile &out, const InputSource &in, const JobConfig &cfg, int64_t originUs,
                  int64_t endUs)
{
    AVFormatContext *oc = out.ctx();
    if (!cfg.chapters.empty()) {
        for (const ConfigChapter &c : cfg.chapters) {
            if (int err = addChapter(oc, int64_t(c.start), int64_t(c.start + c.length), c.title.c_str()); err < 0)
                return err;
        }
        return 0;
    }
    const AVFormatContext *ic = in.ctx();
    for (unsigned i = 0; i < ic->nb_chapters; ++i) {
        const AVChapter *c = ic->chapters[i];
        const int64_t s = av_rescale_q(c->start, c->time_base, AV_TIME_BASE_Q) - in.originUs();
        const int64_t e = av_rescale_q(c->end, c->time_base, AV_TIME_BASE_Q) - in.originUs();
        const int64_t from = std::max(s, originUs);
        const int64_t to = endUs > 0 ? std::min(e, endUs) : e;
        if (to <= from)
            continue;
        const AVDictionaryEntry *title = av_dict_get(c->metadata, "title", nullptr, 0);
        if (int err = addChapter(oc, from - originUs, to - originUs, title ? title->value : nullptr); err < 0)
            return err;
    }
    return 0;
}

} // namespace zv::job
