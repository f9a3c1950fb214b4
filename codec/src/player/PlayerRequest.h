#pragma once
// What the demux thread is asked to do: a seek in one of its forms. Each
// request gets a serial; everything decoded for older serials is stale.

#include <cstdint>

namespace zv {

struct PlayerRequest {
    enum class Kind {
        Accurate, // show the first picture at or after target
        Fast,     // show the key frame before target when it lies within window
        StepBack, // show the count-th picture before `before`
        KeyStep,  // move count key frames (signed) from `before`
        Park,     // read nothing until the next request
    };
    Kind kind = Kind::Accurate;
    int serial = 0;
    int64_t targetUs = 0;
    int64_t beforeUs = 0;
    int64_t windowUs = 0;
    int count = 0;
    int64_t fallbackUs = -1; // StepBack: the picture to land on when nothing earlier exists
    bool failed = false;     // KeyStep found no key frame: stays at targetUs
    bool seekFile = true;    // false only for the first read after opening
};

} // namespace zv
