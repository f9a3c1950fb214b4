#pragma once
// Chapters of an opened input in media time, shared by the info and chapter handles.

#include "core/InputMedia.h"

#include <string>
#include <vector>

namespace zv {

struct ChapterEntry {
    uint64_t startUs = 0;
    uint64_t durationUs = 0;
    bool hasTitle = false;
    std::string title;
};

std::vector<ChapterEntry> readChapters(const InputMedia &media);

} // namespace zv
