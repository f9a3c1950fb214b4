#include "info/ChapterList.h"

namespace zv {

std::vector<ChapterEntry> readChapters(const InputMedia &media)
{
    std::vector<ChapterEntry> list;
    const AVFormatContext *ctx = media.format();
    for (unsigned i = 0; i < ctx->nb_chapters; ++i) {
        const AVChapter *ch = ctx->chapters[i];
        ChapterEntry e;
        e.startUs = media.toMediaUs(ch->start, ch->time_base);
        const uint64_t end = media.toMediaUs(ch->end, ch->time_base);
        e.durationUs = end > e.startUs ? end - e.startUs : 0;
        if (const AVDictionaryEntry *t = av_dict_get(ch->metadata, "title", nullptr, 0)) {
            e.hasTitle = true;
            e.title = t->value;
        }
        list.push_back(std::move(e));
    }
    return list;
}

} // namespace zv
