#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Fixtures and independent checks (ffprobe, ffmpeg) shared by the conversion tests.
namespace ConvertFixtures {

// 12 s, 320x240, 25 fps H.264 with a 2 s GOP and B-frames, AAC stereo.
QString gopClip();
// Same layout, 3 s at 160x120: a stream-copy merge must refuse it after gopClip.
QString smallClip();
// 6 s of a noisy picture, hard to compress, so encoders reach their bit rate.
QString noisyClip();
// 12 s, 640x360, lighter noise: rate control reaches its target on 4 s parts.
QString grainyClip();
// 6 s, 320x240, 25 fps H.264 with open GOPs of 2 s and three B-frames, AAC.
QString openGopClip();
// gopClip remuxed into MPEG-TS (no index; the timeline starts at 1.4 s).
QString tsClip();
// gopClip with a subrip subtitle stream, in Matroska.
QString subtitledMkv();
// gopClip with three chapters: [0,4) "One", [4,8) "Two", [8,12) "Three".
QString chapteredClip();
// 8 s, 320x240, 25 fps H.264 with a GOP of 12 pictures (0.48 s), AAC, in MPEG-TS.
QString shortGopTs();
// gopClip in Matroska written as a live stream: no index (Cues) and no duration.
QString unindexedMkv();
// gopClip's H.264 in AVI: the video packets carry a dts and no pts.
QString h264Avi();
// 6 s MPEG-2 video with B-frames and open GOPs, MP2 sound, as an MPEG program
// stream ("mpg") or VOB ("vob"): key frames carry a dts and no pts.
QString programStream(const QString &suffix);
// 4 s of 320x240 25 fps H.264 + AAC whose timestamps jump by 1.1 s at 2 s: a
// hole in both streams (mp4). With `videoOnly`, only the video has the hole and
// the sound runs on through it.
QString timestampHoleClip(bool videoOnly = false);
// A short tone in the given container (mp3, m4a, mp4, flac, ogg, wav, mkv).
QString toneFile(const QString &suffix);

QJsonObject probe(const QString &file);                // -show_format -show_streams
QJsonArray packets(const QString &file, const QString &streamSpec);  // -show_packets
// md5 of each packet of the first video stream as stored (no decoding).
QStringList packetHashes(const QString &file);
double number(const QJsonValue &v);                  // "1.23" or 1.23
// End (pts + duration) in seconds of the last packet of a stream kind ("v", "a").
double streamEnd(const QString &file, const QString &kind);

} // namespace ConvertFixtures
