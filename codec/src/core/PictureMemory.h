#pragma once
// Picture buffers for video decoders, taken from memory that is mapped in
// large pages and kept for reuse. A decoded 1080p picture is 3 MB: mapped
// afresh in 4 KiB pages, its first use costs hundreds of page faults, and a
// player that keeps a few dozen pictures behind the shown one paid more for
// those faults than for decoding. Every decoder attached to one
// PictureMemory (and each of its threads) shares its buffers.

#include "core/FfPtr.h"

#include <memory>

namespace zv {

class PictureMemory {
public:
    PictureMemory();
    ~PictureMemory();
    PictureMemory(const PictureMemory &) = delete;
    PictureMemory &operator=(const PictureMemory &) = delete;

    // Before avcodec_open2. The decoder must be freed before this object;
    // pictures it gave out may outlive both.
    void attach(AVCodecContext *decoder);
    // No decoder attached any more (a new media): the next pictures come from
    // fresh mappings, the old ones are unmapped once their last picture is gone.
    void renew();

    struct State;

private:
    std::shared_ptr<State> m_state;
};

} // namespace zv
