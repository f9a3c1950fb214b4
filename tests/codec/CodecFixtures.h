#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QString>

// Fixtures made by the ffmpeg tool for the codec library's tests, and the
// readers of what the library hands out (BMP pictures).
namespace CodecFixtures {

QString mkvLanguages();  // H.264 + two audio languages (eng, fre) + srt subtitles + 3 chapters + tags
QString twoProgramTs();  // MPEG-TS, two programs, each one video and one audio stream
QString mp3WithCover();  // MP3 with ID3v2 tags and the tiny PNG as cover art
QString portraitMp4();   // the H.264/AAC clip with a 90 degree display matrix
QString h264Ts();         // the H.264/AAC clip remuxed into MPEG-TS (no index to seek by)
QString bt709Mp4();      // H.264 tagged BT.709, limited range
QString fullRangeMp4();  // H.264 in full range (yuvj420p)
QString coverPng();
// 4 s at 15 fps, 160x120, in "avi" (MPEG-4 Part 2, time base 1/15), "mp4" or "mkv" (H.264).
QString fifteenFps(const QString &suffix);      // the cover picture's bytes come from this file

// ffprobe -show_format -show_streams -show_chapters -show_programs, parsed.
QJsonObject probe(const QString &file);

// A picture in BGR24, rows top-down, tightly packed.
struct Bgr {
    int width = 0;
    int height = 0;
    QByteArray pixels;
};
// Parses a 24-bit BMP block as the library documents it; empty on any mismatch.
Bgr fromBmp(const uint8_t *bmp, QString *why = nullptr);
// The frame ffmpeg's own decoder gives at `-ss seconds` (or the last frame when
// seconds < 0) of the first video stream, as BGR24 at its display size (autorotated).
Bgr ffmpegFrameAt(const QString &file, double seconds, int width, int height);
// Frame number n (counted from the first, decoding from the start) of the first
// video stream, as BGR24: the oracle where `-ss` itself is not exact (MPEG-TS).
Bgr ffmpegFrameNumber(const QString &file, int n, int width, int height);
// Seconds from the container's start to the first video frame (ffprobe).
double videoOffset(const QString &file);
double psnr(const Bgr &a, const Bgr &b);

} // namespace CodecFixtures
