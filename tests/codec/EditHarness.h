#pragma once
// Runs the picture edit chain through the library's two doors, an encode job
// and the player's edited picture, and reads what came out with ffmpeg.

#include "CodecFixtures.h"

#include "zovAruzIvivu.h"

#include <QString>
#include <QVector>

#include <functional>
#include <memory>

namespace EditHarness {

struct ConfigDeleter {
    void operator()(ZvConfig *c) const { ZV_Release_Config(c); }
};
using Config = std::unique_ptr<ZvConfig, ConfigDeleter>;

struct PlayerDeleter {
    void operator()(ZvPlayer *p) const
    {
        ZV_Close_Player(p);
        ZV_Destroy_Player(p);
    }
};
using Player = std::unique_ptr<ZvPlayer, PlayerDeleter>;

// The edits of one case, applied through the job configuration and through
// the player's setters alike.
struct Edits {
    double crop[4] = {0, 0, 1, 1};
    uint32_t rotate = 0, mirror = 0, pad = 1, padColor = 0xFF000000;
    uint32_t aspectX = 0, aspectY = 0;
    int32_t brightness = 0, hue = 0;
    uint32_t saturation = 100, contrast = 100;

    struct Image {
        uint32_t layer = 0;
        QString file, mask;
        double x = 0, y = 0;
        uint32_t alpha = 255, mixMode = 0;
        uint32_t mirror = 0, scale = 100;
        int angle = 0;
        double size[2] = {0, 0};
        double crop[4] = {0, 0, 1, 1};
    };
    QVector<Image> images;

    struct Text {
        uint32_t layer = 0;
        QString text, font;
        double x = 0.1, y = 0.1;
        uint32_t size = 28, bold = 0, italic = 0, underline = 0, strikeout = 0, scale = 100;
        double outline = 0, shadow = 0, spacing = 0;
        int angle = 0;
    };
    QVector<Text> texts;
};

// An H.264 encode configuration at a high bit rate, without sound, with
// three overlay layers available and the edits applied.
Config encodeConfig(const Edits &e, uint32_t width = 0, uint32_t height = 0);
void applyToPlayer(ZvPlayer *p, const Edits &e);

// Runs an encode job from `source` into `target` (mp4). Empty on success,
// else the job's error text.
QString encode(const QString &source, const QString &target, ZvConfig *cfg);
// The text Open_Job refused with ("" when it opened).
QString openRefusal(const QString &source, const QString &target, ZvConfig *cfg);

// Width and height of the first video stream (ffprobe).
QSize videoSize(const QString &file);

// The player's edited picture at `seconds` after a paused seek, captured as a BMP.
CodecFixtures::Bgr playerPicture(ZvPlayer *p, double seconds);

// The planes of the frame at `seconds` as ffmpeg decodes it into yuv420p.
struct Yuv {
    int width = 0, height = 0;
    QByteArray y, u, v;
};
Yuv ffmpegYuvAt(const QString &file, double seconds, int width, int height);
// The frame at `seconds` of `file` after the filter chain `vf` (then kept in
// yuv420p, as an encoder takes it), as BGR24.
CodecFixtures::Bgr ffmpegFiltered(const QString &file, double seconds, const QString &vf, int width, int height);

double mean(const QByteArray &plane);
// The BGR pixel at (x, y).
struct Pixel {
    int b = 0, g = 0, r = 0;
};
Pixel pixelAt(const CodecFixtures::Bgr &picture, int x, int y);

} // namespace EditHarness
