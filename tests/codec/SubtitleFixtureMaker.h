#pragma once

#include <QString>

// Fixtures the ffmpeg tool cannot make: it encodes no bitmap subtitles from
// text and attaches no captions. Both are written through FFmpeg's libraries.
namespace SubtitleFixtureMaker {

// A Matroska file holding only a DVD subtitle stream on a width × height
// canvas: one white box (x, y, w, h) shown from `startMs` for `lengthMs`.
// Empty string (with the reason in *why) on failure.
QString dvdSubtitles(const QString &path, int width, int height, int x, int y, int w, int h, int startMs,
                     int lengthMs, QString *why);

// A 4 s, 320x240, 25 fps H.264 file whose pictures carry an EIA-608 pop-on
// caption "HI" in A53 side data, shown from 1.24 s and erased at 3.0 s.
QString captionedClip(const QString &path, QString *why);

} // namespace SubtitleFixtureMaker
