#pragma once
// One subtitle as the burner keeps it: an ASS dialogue line (text streams,
// files and captions) or RGBA pictures placed on the subtitle's own canvas
// (bitmap streams). Times are media µs; an end of -1 lasts until the next.

#include <cstdint>
#include <string>
#include <vector>

namespace zv {

struct SubtitlePicture {
    int x = 0, y = 0, width = 0, height = 0;
    std::vector<uint32_t> argb; // width × height, rows top-down
};

struct SubtitleEvent {
    int64_t startUs = 0;
    int64_t endUs = -1;
    std::string dialogue;                  // text: "ReadOrder,Layer,Style,Name,...,Text"
    std::vector<SubtitlePicture> pictures; // bitmap: empty clears the screen
    bool bitmap = false;
    int canvasWidth = 0, canvasHeight = 0; // what the pictures are placed on; 0: the video's size
};

} // namespace zv
