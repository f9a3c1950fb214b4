#include "core/PlayerMedia.h"

#include <map>
#include <mutex>

namespace zv {
namespace {

struct Registry {
    std::mutex mutex;
    std::map<const void *, MediaLocation> media;
};

Registry &registry()
{
    static Registry r;
    return r;
}

} // namespace

void setPlayerMedia(const void *player, const MediaLocation &where)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.media[player] = where;
}

void clearPlayerMedia(const void *player)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    r.media.erase(player);
}

bool playerMedia(const void *player, MediaLocation &where)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    const auto it = r.media.find(player);
    if (it == r.media.end() || it->second.empty())
        return false;
    where = it->second;
    return true;
}

} // namespace zv
