#pragma once
// The picture the preview tests drag and play on: 640 x 360 (a 16:9 picture at
// 1:1 on a 640 x 360 surface), 25 fps with a key frame each second, and sound.

#include "TestMedia.h"

namespace PreviewMedia {

inline QString video640()
{
    return TestMedia::make("testsrc2_640x360_25fps_6s.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=640x360:rate=25:duration=6", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=6", "-c:v", "libx264", "-preset",
                            "veryfast", "-g", "25", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
}

} // namespace PreviewMedia
