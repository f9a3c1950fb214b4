#include "EditHarness.h"

#include "TestMedia.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>
#include <QTest>

#include <atomic>
#include <cstdlib>

namespace EditHarness {

namespace {
constexpr uint32_t kH264 = 28, kNone = 0xFFFFFFFF;

unsigned int countFrame(void *user, void *)
{
    static_cast<std::atomic<int> *>(user)->fetch_add(1);
    return 1;
}
} // namespace

Config encodeConfig(const Edits &e, uint32_t width, uint32_t height)
{
    Config c(ZV_Create_Config());
    ZvConfig *cfg = c.get();
    ZV_EnableVideo_Config(cfg, 1);
    ZV_EnableAudio_Config(cfg, 1);
    ZV_SetVideoCodec_Config(cfg, kH264);
    ZV_SetAudioCodec_Config(cfg, kNone);
    if (width && height)
        ZV_SetVideoSize_Config(cfg, width, height);
    ZV_SetVideoBitRate_Config(cfg, 12000000);
    ZV_SetVideoQuality_Config(cfg, 90);
    ZV_SetVideoBrightness_Config(cfg, uint32_t(e.brightness));
    ZV_SetVideoSaturation_Config(cfg, e.saturation);
    ZV_SetVideoContrast_Config(cfg, e.contrast);
    ZV_SetVideoHue_Config(cfg, uint32_t(e.hue));
    ZV_SetVideoWatermarkMaxCount_Config(cfg, 3);
    ZV_SetVideoAspectRatio_Config(cfg, e.aspectX, e.aspectY);
    ZV_SetVideoRotate_Config(cfg, e.rotate);
    ZV_SetVideoMirror_Config(cfg, e.mirror);
    ZV_SetVideoPadAndColor_Config(cfg, e.pad, e.padColor);
    ZV_SetVideoCrop_Config(cfg, e.crop[0], e.crop[1], e.crop[2], e.crop[3]);
    for (const Edits::Image &i : e.images) {
        ZV_SetWatermarkIndex_Config(cfg, i.layer);
        ZV_SetWatermarkImageFile_Config(cfg, i.file.toUtf8());
        ZV_SetWatermarkImageMaskFile_Config(cfg, i.mask.toUtf8());
        ZV_SetWatermarkImagePosition_Config(cfg, i.x, i.y);
        ZV_SetWatermarkImageAlpha_Config(cfg, i.alpha);
        ZV_SetWatermarkImageMixMode_Config(cfg, i.mixMode);
        ZV_SetWatermarkImageMirror_Config(cfg, i.mirror);
        ZV_SetWatermarkImageScale_Config(cfg, i.scale, i.scale);
        ZV_SetWatermarkImageAngle_Config(cfg, i.angle);
        ZV_SetWatermarkImageSize_Config(cfg, i.size[0], i.size[1]);
        ZV_SetWatermarkImageCrop_Config(cfg, i.crop[0], i.crop[1], i.crop[2], i.crop[3]);
    }
    for (const Edits::Text &t : e.texts) {
        ZV_SetWatermarkIndex_Config(cfg, t.layer);
        ZV_SetWatermarkText_Config(cfg, t.text.toUtf8());
        ZV_SetWatermarkTextFont_Config(cfg, t.font.toUtf8());
        ZV_SetWatermarkTextPosition_Config(cfg, t.x, t.y);
        ZV_SetWatermarkTextSize_Config(cfg, t.size);
        ZV_SetWatermarkTextBold_Config(cfg, t.bold);
        ZV_SetWatermarkTextOutlineSize_Config(cfg, t.outline);
        ZV_SetWatermarkTextShadowOffset_Config(cfg, t.shadow);
        ZV_SetWatermarkTextItalic_Config(cfg, t.italic);
        ZV_SetWatermarkTextUnderline_Config(cfg, t.underline);
        ZV_SetWatermarkTextStrikeout_Config(cfg, t.strikeout);
        ZV_SetWatermarkTextScale_Config(cfg, t.scale, t.scale);
        ZV_SetWatermarkTextSpacingH_Config(cfg, t.spacing);
        ZV_SetWatermarkTextAngle_Config(cfg, t.angle);
        ZV_SetWatermarkTextColor_Config(cfg, 0xFFFFFF00);
        ZV_SetWatermarkTextOutlineColor_Config(cfg, 0xFF0000FF);
        ZV_SetWatermarkTextShadowColor_Config(cfg, 0xFF000000);
    }
    return c;
}

void applyToPlayer(ZvPlayer *p, const Edits &e)
{
    ZV_BeginSettings_Player(p);
    ZV_SetVideoYOffset_Player(p, uint32_t(e.brightness));
    ZV_SetVideoSaturation_Player(p, e.saturation);
    ZV_SetVideoContrast_Player(p, e.contrast);
    ZV_SetVideoHue_Player(p, uint32_t(e.hue));
    ZV_SetVideoAspectRatio_Player(p, e.aspectX, e.aspectY);
    ZV_SetVideoRotate_Player(p, e.rotate);
    ZV_SetVideoMirror_Player(p, e.mirror);
    ZV_SetVideoPadAndColor_Player(p, e.pad, e.padColor);
    ZV_SetVideoCrop_Player(p, e.crop[0], e.crop[1], e.crop[2], e.crop[3]);
    ZV_SetVideoWatermarkMaxCount_Player(p, 3);
    for (const Edits::Image &i : e.images) {
        ZV_SetWatermarkIndex_Player(p, i.layer);
        ZV_SetWatermarkImageFile_Player(p, i.file.toUtf8());
        ZV_SetWatermarkImageMaskFile_Player(p, i.mask.isEmpty() ? nullptr : i.mask.toUtf8().constData());
        ZV_SetWatermarkImagePosition_Player(p, i.x, i.y);
        ZV_SetWatermarkImageAlpha_Player(p, i.alpha);
        ZV_SetWatermarkImageMixMode_Player(p, i.mixMode);
        ZV_SetWatermarkImageMirror_Player(p, i.mirror);
        ZV_SetWatermarkImageScale_Player(p, i.scale, i.scale);
        ZV_SetWatermarkImageAngle_Player(p, i.angle);
        ZV_SetWatermarkImageSize_Player(p, i.size[0], i.size[1]);
        ZV_SetWatermarkImageCrop_Player(p, i.crop[0], i.crop[1], i.crop[2], i.crop[3]);
    }
    for (const Edits::Text &t : e.texts) {
        ZV_SetWatermarkIndex_Player(p, t.layer);
        ZV_SetWatermarkText_Player(p, t.text.toUtf8());
        ZV_SetWatermarkTextFont_Player(p, t.font.toUtf8());
        ZV_SetWatermarkTextPosition_Player(p, t.x, t.y);
        ZV_SetWatermarkTextSize_Player(p, t.size);
        ZV_SetWatermarkTextBold_Player(p, t.bold);
        ZV_SetWatermarkTextOutlineSize_Player(p, t.outline);
        ZV_SetWatermarkTextShadowOffset_Player(p, t.shadow);
        ZV_SetWatermarkTextItalic_Player(p, t.italic);
        ZV_SetWatermarkTextUnderline_Player(p, t.underline);
        ZV_SetWatermarkTextStrikeout_Player(p, t.strikeout);
        ZV_SetWatermarkTextScale_Player(p, t.scale, t.scale);
        ZV_SetWatermarkTextSpacingH_Player(p, t.spacing);
        ZV_SetWatermarkTextAngle_Player(p, t.angle);
        ZV_SetWatermarkTextColor_Player(p, 0xFFFFFF00);
        ZV_SetWatermarkTextOutlineColor_Player(p, 0xFF0000FF);
        ZV_SetWatermarkTextShadowColor_Player(p, 0xFF000000);
    }
    ZV_EndSettings_Player(p);
}

QString openRefusal(const QString &source, const QString &target, ZvConfig *cfg)
{
    ZvJob *j = ZV_CreateEncode_Job(-1);
    const int opened = ZV_Open_Job(j, source.toUtf8(), target.toUtf8(), "mp4", cfg);
    const QString text = opened ? QString() : QString::fromUtf8(ZV_GetErrorText_Job(j));
    ZV_Destroy_Job(j);
    return opened ? QString() : (text.isEmpty() ? QStringLiteral("refused without a text") : text);
}

QString encode(const QString &source, const QString &target, ZvConfig *cfg)
{
    ZvJob *j = ZV_CreateEncode_Job(-1);
    QString why;
    if (!ZV_Open_Job(j, source.toUtf8(), target.toUtf8(), "mp4", cfg)) {
        why = "open: " + QString::fromUtf8(ZV_GetErrorText_Job(j));
    } else if (!ZV_SetRange_Job(j, 0, 0) || !ZV_Begin_Job(j)) {
        why = "begin: " + QString::fromUtf8(ZV_GetErrorText_Job(j));
    } else {
        QElapsedTimer t;
        t.start();
        while (!ZV_IsFinished_Job(j) && t.elapsed() < 90000) {
        }
        if (!ZV_IsFinished_Job(j))
            why = "the job did not finish";
        else if (ZV_GetError_Job(j) != 0)
            why = "run: " + QString::fromUtf8(ZV_GetErrorText_Job(j));
    }
    ZV_Destroy_Job(j);
    if (why.isEmpty() && !QFile::exists(target))
        why = "no output";
    return why;
}

QSize videoSize(const QString &file)
{
    const QJsonObject o = QJsonDocument::fromJson(TestMedia::ffprobeJson(
                                                      file, {"-select_streams", "v:0", "-show_streams"}))
                              .object();
    const QJsonObject s = o.value("streams").toArray().first().toObject();
    return QSize(s.value("width").toInt(), s.value("height").toInt());
}

CodecFixtures::Bgr playerPicture(ZvPlayer *p, double seconds)
{
    std::atomic<int> delivered{0};
    ZV_SetVideoFrameHandle_Player(p, &countFrame, &delivered);
    const uint64_t target = uint64_t(seconds * 1e6);
    CodecFixtures::Bgr out;
    if (ZV_Seek_Player(p, target)) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 15000 && (delivered < 1 || ZV_GetVideoTime_Player(p) + 1000 < target))
            QTest::qWait(10);
        if (uint8_t *bmp = ZV_CaptureVideoImage_Player(p, 0, 0, 0)) {
            out = CodecFixtures::fromBmp(bmp);
            ZV_FreeVideoImage_Player(p, bmp);
        }
    }
    ZV_SetVideoFrameHandle_Player(p, nullptr, nullptr);
    return out;
}

Yuv ffmpegYuvAt(const QString &file, double seconds, int width, int height)
{
    const TestMedia::ToolResult r = TestMedia::run(
        "ffmpeg", {"-v", "error", "-nostdin", "-ss", QString::number(seconds, 'f', 6), "-i", file, "-map", "0:v:0",
                   "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "yuv420p", "-"});
    Yuv out;
    const int luma = width * height, chroma = (width / 2) * (height / 2);
    if (r.exitCode != 0 || r.out.size() != luma + 2 * chroma)
        return out;
    out.width = width;
    out.height = height;
    out.y = r.out.left(luma);
    out.u = r.out.mid(luma, chroma);
    out.v = r.out.mid(luma + chroma, chroma);
    return out;
}

CodecFixtures::Bgr ffmpegFiltered(const QString &file, double seconds, const QString &vf, int width, int height)
{
    const TestMedia::ToolResult r = TestMedia::run(
        "ffmpeg", {"-v", "error", "-nostdin", "-ss", QString::number(seconds, 'f', 6), "-i", file, "-map", "0:v:0",
                   "-vf", vf + ",format=yuv420p", "-frames:v", "1", "-f", "rawvideo", "-pix_fmt", "bgr24", "-"});
    CodecFixtures::Bgr out;
    if (r.exitCode != 0 || r.out.size() != width * height * 3) {
        qWarning("ffmpeg -vf %s: %s", qPrintable(vf), r.err.constData());
        return out;
    }
    out.width = width;
    out.height = height;
    out.pixels = r.out;
    return out;
}

double mean(const QByteArray &plane)
{
    if (plane.isEmpty())
        return -1;
    double sum = 0;
    for (char c : plane)
        sum += uint8_t(c);
    return sum / plane.size();
}

Pixel pixelAt(const CodecFixtures::Bgr &picture, int x, int y)
{
    const int at = (y * picture.width + x) * 3;
    if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || at + 2 >= picture.pixels.size())
        return Pixel{-1, -1, -1};
    return Pixel{uint8_t(picture.pixels[at]), uint8_t(picture.pixels[at + 1]), uint8_t(picture.pixels[at + 2])};
}

} // namespace EditHarness
