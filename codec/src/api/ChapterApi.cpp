// Chapter handles: the chapters of a file, with an abort that a stopping
// converter can call from another thread while the open is under way.
#include "zovAruzIvivu.h"

#include "core/Guard.h"
#include "info/ChapterList.h"

#include <mutex>

using namespace zv;

struct ZvChapter {
    InterruptScope scope;
    std::unique_ptr<InputMedia> media;
    std::vector<ChapterEntry> chapters;
    std::string error;

    const ChapterEntry *at(uint32_t i) const { return i < chapters.size() ? &chapters[i] : nullptr; }
    void close()
    {
        media.reset();
        chapters.clear();
    }
};

extern "C" {

ZvChapter *ZV_Create_Chapter(int32_t flags)
{
    (void)flags;
    return guarded("ZV_Create_Chapter", static_cast<ZvChapter *>(nullptr), [] { return new ZvChapter; });
}

int ZV_Open_Chapter(ZvChapter *c, const char *path)
{
    if (!c || !path)
        return 0;
    return guarded("ZV_Open_Chapter", 0, [&] {
        {
            // Set-up under the library lock, so an abort never races it; the
            // blocking open itself runs outside so that an abort can reach it.
            std::lock_guard<std::recursive_mutex> lock(libraryLock());
            c->close();
            c->scope.abort.store(false);
        }
        MediaLocation where;
        where.path = path;
        c->media = InputMedia::open(where, &c->scope, c->error);
        if (!c->media)
            return 0;
        c->chapters = readChapters(*c->media);
        return 1;
    });
}

int ZV_OpenDVD_Chapter(ZvChapter *c, const char *path, uint32_t program)
{
    (void)c; (void)path; (void)program;
    return 0;
}

uint32_t ZV_GetCount_Chapter(ZvChapter *c)
{
    return c ? uint32_t(c->chapters.size()) : 0;
}

uint64_t ZV_GetStartTime_Chapter(ZvChapter *c, uint32_t i)
{
    const ChapterEntry *e = c ? c->at(i) : nullptr;
    return e ? e->startUs : 0;
}

uint64_t ZV_GetDuration_Chapter(ZvChapter *c, uint32_t i)
{
    const ChapterEntry *e = c ? c->at(i) : nullptr;
    return e ? e->durationUs : 0;
}

const char *ZV_GetTitle_Chapter(ZvChapter *c, uint32_t i)
{
    const ChapterEntry *e = c ? c->at(i) : nullptr;
    return e && e->hasTitle ? e->title.c_str() : nullptr;
}

int ZV_Abort_Chapter(ZvChapter *c)
{
    if (!c)
        return 0;
    return guarded("ZV_Abort_Chapter", 0, [&] {
        std::lock_guard<std::recursive_mutex> lock(libraryLock());
        c->scope.abort.store(true);
        return 1;
    });
}

void ZV_Close_Chapter(ZvChapter *c)
{
    if (c)
        guardedVoid("ZV_Close_Chapter", [&] { c->close(); });
}

void ZV_Release_Chapter(ZvChapter *c)
{
    guardedVoid("ZV_Release_Chapter", [&] { delete c; });
}

} // extern "C"
