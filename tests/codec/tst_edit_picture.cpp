// The picture edit chain through the library's C surface: encode jobs judged
// by ffmpeg's own filters, and the player's edited picture judged against the
// encode job's output at the same size.
#include "CodecFixtures.h"
#include "EditHarness.h"
#include "PlayerRecorder.h"
#include "TestMedia.h"

#include "zovAruzIvivu.h"

#include <QFile>
#include <QRect>
#include <QSize>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace EditHarness;
using CodecFixtures::Bgr;
using CodecFixtures::psnr;

Q_DECLARE_METATYPE(EditHarness::Edits)

namespace {

constexpr double kAt = 1.0; // seconds: the picture every case compares

QString testsrc()
{
    return TestMedia::make("edit_testsrc_320x240.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=3", "-c:v", "libx264",
                            "-preset", "veryfast", "-qp", "0", "-pix_fmt", "yuv420p", "-g", "25"});
}

QString flat(const QString &name, const QString &colour)
{
    return TestMedia::make("edit_flat_" + name + ".mp4",
                           {"-f", "lavfi", "-i", "color=c=" + colour + ":size=160x120:rate=25:duration=2", "-c:v",
                            "libx264", "-preset", "veryfast", "-qp", "0", "-pix_fmt", "yuv420p"});
}

QString picture(const QString &name, const QStringList &lavfi)
{
    QStringList args;
    for (const QString &input : lavfi)
        args << "-f" << "lavfi" << "-i" << input;
    if (lavfi.size() > 1)
        args << "-filter_complex" << "hstack";
    return TestMedia::make("edit_" + name + ".png", args << "-frames:v" << "1");
}

QString square(const QString &colour) { return picture(colour, {"color=c=" + colour + ":size=64x64"}); }

Edits::Image image(uint32_t layer, const QString &file, double x, double y, uint32_t alpha = 255,
                   uint32_t mixMode = 0)
{
    Edits::Image i;
    i.layer = layer;
    i.file = file;
    i.x = x;
    i.y = y;
    i.alpha = alpha;
    i.mixMode = mixMode;
    return i;
}

Edits cropped(double x, double y, double w, double h)
{
    Edits e;
    e.crop[0] = x;
    e.crop[1] = y;
    e.crop[2] = w;
    e.crop[3] = h;
    return e;
}

} // namespace

class TestEditPicture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void colour_data();
    void colour();
    void unusableSizeFallsBack();
    void mixModes_data();
    void mixModes();
    void maskAndLayerOrder();
    void overlayStyles_data();
    void overlayStyles();
    void clipOverlay_data();
    void clipOverlay();
    void text();
    void playerRedeliversWithoutDecoding();
    void playerShowTimes();
    void badOverlayFiles_data();
    void badOverlayFiles();

private:
    QTemporaryDir m_dir;
    // The player's edited picture for the same edits at the job's size.
    void checkParity(const QString &source, const Edits &e, const QString &encoded, QSize size);
};

void TestEditPicture::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(!testsrc().isEmpty());
    ZV_SetDataPath_Library(m_dir.path().toUtf8());
}

void TestEditPicture::checkParity(const QString &source, const Edits &e, const QString &encoded, QSize size)
{
    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), source.toUtf8(), uint32_t(size.width()), uint32_t(size.height()), 0, 0));
    applyToPlayer(p.get(), e);
    const Bgr preview = playerPicture(p.get(), kAt);
    QCOMPARE(QSize(preview.width, preview.height), size);
    const Bgr output = CodecFixtures::ffmpegFrameAt(encoded, kAt, size.width(), size.height());
    const double db = psnr(preview, output);
    QVERIFY2(db >= 38.0, qPrintable(QStringLiteral("preview against output: %1 dB").arg(db)));
}

void TestEditPicture::geometry_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QSize>("request"); // configured output size (0x0: the default)
    QTest::addColumn<QSize>("expected");
    QTest::addColumn<QString>("vf");    // what ffmpeg does to the upright source

    const QString src = testsrc();
    QTest::newRow("crop only") << src << cropped(0.25, 0.25, 0.5, 0.5) << QSize(0, 0) << QSize(160, 120)
                               << "crop=160:120:80:60";
    Edits e = cropped(0.25, 0.25, 0.5, 0.5);
    e.rotate = 90;
    QTest::newRow("crop + 90") << src << e << QSize(0, 0) << QSize(120, 160) << "crop=160:120:80:60,transpose=clock";
    e = cropped(0.1, 0.2, 0.6, 0.5);
    e.rotate = 270;
    e.mirror = 1;
    QTest::newRow("crop + 270 + mirror") << src << e << QSize(0, 0) << QSize(120, 192)
                                         << "crop=192:120:32:48,transpose=cclock,hflip";
    e = Edits();
    e.aspectX = 4;
    e.aspectY = 3;
    e.padColor = 0xFF3366CC;
    QTest::newRow("aspect 4:3 padded") << src << e << QSize(640, 360) << QSize(640, 360)
                                       << "scale=480:360,pad=640:360:80:0:color=0x3366CC";
    e.aspectX = 1;
    e.aspectY = 1;
    e.rotate = 90;
    QTest::newRow("aspect 1:1 + 90 padded") << src << e << QSize(320, 240) << QSize(320, 240)
                                            << "transpose=clock,scale=240:240,pad=320:240:40:0:color=0x3366CC";
    e = Edits();
    e.pad = 0;
    e.aspectX = 16;
    e.aspectY = 9;
    QTest::newRow("stretch") << src << e << QSize(400, 200) << QSize(400, 200) << "scale=400:200";
    QTest::newRow("portrait source") << CodecFixtures::portraitMp4() << cropped(0, 0, 1, 0.5) << QSize(0, 0)
                                     << QSize(240, 160) << "crop=240:160:0:0";
    // Rectangles a caller should not send: clamped by the crop rule, never a failed graph.
    QTest::newRow("crop out of range") << src << cropped(-0.5, qQNaN(), 2.0, -1.0) << QSize(0, 0) << QSize(320, 240)
                                       << "null";
    QTest::newRow("crop past the corner") << src << cropped(0.9, 0.95, 0.5, 0.5) << QSize(0, 0) << QSize(32, 12)
                                          << "crop=32:12:288:228";
}

void TestEditPicture::geometry()
{
    QFETCH(QString, source);
    QFETCH(Edits, edits);
    QFETCH(QSize, request);
    QFETCH(QSize, expected);
    QFETCH(QString, vf);
    QVERIFY(!source.isEmpty());
    const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".mp4");
    Config cfg = encodeConfig(edits, uint32_t(request.width()), uint32_t(request.height()));
    const QString why = encode(source, out, cfg.get());
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(videoSize(out), expected);

    const Bgr ours = CodecFixtures::ffmpegFrameAt(out, kAt, expected.width(), expected.height());
    const Bgr oracle = ffmpegFiltered(source, kAt, vf, expected.width(), expected.height());
    const double db = psnr(ours, oracle);
    QVERIFY2(db >= 35.0, qPrintable(QStringLiteral("against ffmpeg -vf %1: %2 dB").arg(vf).arg(db)));

    checkParity(source, edits, out, expected);
}

void TestEditPicture::colour_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QString>("check");

    Edits e;
    e.brightness = 40;
    QTest::newRow("brightness +40") << flat("grey", "0x808080") << e << "luma+40";
    e = Edits();
    e.saturation = 0;
    QTest::newRow("saturation 0") << testsrc() << e << "grey";
    e = Edits();
    e.hue = 180;
    QTest::newRow("hue 180") << flat("red", "0xFF0000") << e << "cyan";
    e = Edits();
    e.contrast = 200;
    e.saturation = 150;
    e.hue = -30;
    e.brightness = -20;
    QTest::newRow("all four") << testsrc() << e << "";
}

void TestEditPicture::colour()
{
    QFETCH(QString, source);
    QFETCH(Edits, edits);
    QFETCH(QString, check);
    QVERIFY(!source.isEmpty());
    const QSize size = videoSize(source);
    const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".mp4");
    Config cfg = encodeConfig(edits);
    const QString why = encode(source, out, cfg.get());
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(videoSize(out), size);

    const Yuv before = ffmpegYuvAt(source, kAt, size.width(), size.height());
    const Yuv after = ffmpegYuvAt(out, kAt, size.width(), size.height());
    QVERIFY(!before.y.isEmpty() && !after.y.isEmpty());
    if (check == "luma+40") {
        const double rise = mean(after.y) - mean(before.y);
        QVERIFY2(qAbs(rise - 40) <= 2, qPrintable(QStringLiteral("luma rose by %1").arg(rise)));
    } else if (check == "grey") {
        for (const QByteArray *plane : {&after.u, &after.v}) {
            int worst = 0;
            for (char c : *plane)
                worst = qMax(worst, qAbs(int(uint8_t(c)) - 128));
            QVERIFY2(worst <= 2, qPrintable(QStringLiteral("chroma %1 away from 128").arg(worst)));
        }
    } else if (check == "cyan") {
        const Bgr rgb = CodecFixtures::ffmpegFrameAt(out, kAt, size.width(), size.height());
        const Pixel px = pixelAt(rgb, size.width() / 2, size.height() / 2);
        QVERIFY2(px.r < 30 && px.g > 130 && px.b > 130 && qAbs(px.g - px.b) < 20,
                 qPrintable(QStringLiteral("red turned into %1,%2,%3").arg(px.r).arg(px.g).arg(px.b)));
    }
    checkParity(source, edits, out, size);
}

// A configured size with a zero term is no size: the default one is used.
void TestEditPicture::unusableSizeFallsBack()
{
    const QString out = m_dir.filePath("zero_size.mp4");
    Config cfg = encodeConfig(cropped(0, 0, 0.5, 1), 0, 100);
    const QString why = encode(testsrc(), out, cfg.get());
    QVERIFY2(why.isEmpty(), qPrintable(why));
    QCOMPARE(videoSize(out), QSize(160, 240));
}

void TestEditPicture::mixModes_data()
{
    QTest::addColumn<uint32_t>("mode");
    QTest::addColumn<QString>("formula");
    QTest::newRow("normal") << 0u << "t";
    QTest::newRow("screen") << 1u << "255-(255-b)*(255-t)/255";
    QTest::newRow("multiply") << 2u << "b*t/255";
    QTest::newRow("add") << 3u << "min(255,b+t)";
    QTest::newRow("overlay") << 4u << "b<128 ? 2*b*t/255 : 255-2*(255-b)*(255-t)/255";
}

// A 64x64 red picture at alpha 128 on a flat grey: inside, the mode's mix of
// the two weighted by the alpha; outside, the source unchanged.
void TestEditPicture::mixModes()
{
    QFETCH(uint32_t, mode);
    const QString source = flat("grey", "0x808080");
    Edits e;
    e.images << image(0, square("red"), 0.25, 0.25, 128, mode);
    const QString out = m_dir.filePath(QStringLiteral("mix%1.mp4").arg(mode));
    Config cfg = encodeConfig(e);
    const QString why = encode(source, out, cfg.get());
    QVERIFY2(why.isEmpty(), qPrintable(why));
    const Bgr ours = CodecFixtures::ffmpegFrameAt(out, kAt, 160, 120);
    const Bgr before = CodecFixtures::ffmpegFrameAt(source, kAt, 160, 120);
    QVERIFY(!ours.pixels.isEmpty() && !before.pixels.isEmpty());

    auto mix = [mode](int b, int t) {
        switch (mode) {
        case 1: return 255 - (255 - b) * (255 - t) / 255;
        case 2: return b * t / 255;
        case 3: return qMin(255, b + t);
        case 4: return b < 128 ? 2 * b * t / 255 : 255 - 2 * (255 - b) * (255 - t) / 255;
        default: return t;
        }
    };
    const double a = 128 / 255.0;
    const Pixel base = pixelAt(before, 72, 62), got = pixelAt(ours, 72, 62);
    const int want[3] = {int(std::lround(base.r * (1 - a) + mix(base.r, 255) * a)),
                         int(std::lround(base.g * (1 - a) + mix(base.g, 0) * a)),
                         int(std::lround(base.b * (1 - a) + mix(base.b, 0) * a))};
    const int have[3] = {got.r, got.g, got.b};
    for (int c = 0; c < 3; ++c)
        QVERIFY2(qAbs(have[c] - want[c]) <= 4, qPrintable(QStringLiteral("channel %1: %2, formula gives %3")
                                                              .arg(c).arg(have[c]).arg(want[c])));
    int worst = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 160; ++x) {
            if (x >= 38 && x < 106 && y >= 28 && y < 96)
                continue;
            const Pixel p = pixelAt(ours, x, y), q = pixelAt(before, x, y);
            worst = qMax(worst, qMax(qAbs(p.r - q.r), qMax(qAbs(p.g - q.g), qAbs(p.b - q.b))));
        }
    QVERIFY2(worst <= 3, qPrintable(QStringLiteral("outside the image a pixel moved by %1").arg(worst)));
    checkParity(source, e, out, QSize(160, 120));
}

// A mask whose left half is black cuts that half of the image; layers stack
// 1 below 2 below 0 whatever order they are set in.
void TestEditPicture::maskAndLayerOrder()
{
    const QString source = flat("grey", "0x808080");
    Edits e;
    Edits::Image masked = image(0, square("white"), 0.0, 0.0);
    masked.mask = picture("halfmask", {"color=c=black:size=32x64", "color=c=white:size=32x64"});
    e.images << masked;
    e.images << image(0, square("blue"), 0.5, 0.4) << image(2, square("lime"), 0.4, 0.3)
             << image(1, square("red"), 0.3, 0.2);
    // The last image set on layer 0 replaces the masked one: give it its own run.
    Edits first;
    first.images << masked;
    Edits stack;
    stack.images = e.images.mid(1);
    for (const Edits *run : {&first, &stack}) {
        const QString out = m_dir.filePath(run == &first ? "masked.mp4" : "stacked.mp4");
        Config cfg = encodeConfig(*run);
        const QString why = encode(source, out, cfg.get());
        QVERIFY2(why.isEmpty(), qPrintable(why));
        const Bgr ours = CodecFixtures::ffmpegFrameAt(out, kAt, 160, 120);
        auto near = [](Pixel p, int r, int g, int b) {
            return qAbs(p.r - r) <= 12 && qAbs(p.g - g) <= 12 && qAbs(p.b - b) <= 12;
        };
        if (run == &first) {
            const Pixel cut = pixelAt(ours, 16, 32), kept = pixelAt(ours, 48, 32);
            QVERIFY2(near(cut, 128, 128, 128), qPrintable(QStringLiteral("masked half: %1,%2,%3").arg(cut.r).arg(cut.g).arg(cut.b)));
            QVERIFY2(near(kept, 255, 255, 255), qPrintable(QStringLiteral("kept half: %1,%2,%3").arg(kept.r).arg(kept.g).arg(kept.b)));
        } else {
            // Red spans x 48..111, lime 64..127, blue 80..143 (and y alike from 24, 36, 48).
            QVERIFY(near(pixelAt(ours, 56, 30), 255, 0, 0));  // red alone
            QVERIFY(near(pixelAt(ours, 72, 42), 0, 255, 0));  // red under lime
            QVERIFY(near(pixelAt(ours, 100, 70), 0, 0, 255)); // all three: blue on top
        }
        checkParity(source, *run, out, QSize(160, 120));
    }
}

void TestEditPicture::overlayStyles_data()
{
    QTest::addColumn<Edits>("edits");
    QTest::addColumn<QRect>("box"); // where the image lands in the 320x240 output (null: not checked)

    Edits e;
    Edits::Image i = image(0, picture("testsrc", {"testsrc=size=64x48"}), 0.5, 0.5);
    i.crop[2] = 0.5;  // the left half of the picture: 32x48
    i.scale = 200;    // 64x96
    i.mirror = 1;
    e.images << i;
    QTest::newRow("image crop, scale, mirror") << e << QRect(160, 120, 64, 96);
    e.images[0].angle = 30;
    QTest::newRow("image turned 30") << e << QRect();
    e.images[0].angle = 0;
    e.images[0].size[0] = 0.25;
    e.images[0].size[1] = 0.5;
    QTest::newRow("image sized") << e << QRect(160, 120, 80, 120);
    e = Edits();
    Edits::Text t;
    t.text = "Tg 12";
    t.italic = t.underline = t.strikeout = 1;
    t.scale = 150;
    t.spacing = 3;
    t.angle = 20;
    t.outline = 1;
    e.texts << t;
    e.rotate = 90;
    QTest::newRow("text styles on a turned picture") << e << QRect();
}

// Every image and text setting draws the same in the preview and the output.
void TestEditPicture::overlayStyles()
{
    QFETCH(Edits, edits);
    QFETCH(QRect, box);
    const QString source = testsrc();
    const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".mp4");
    Config cfg = encodeConfig(edits);
    const QString why = encode(source, out, cfg.get());
    QVERIFY2(why.isEmpty(), qPrintable(why));
    const QSize size = videoSize(out);
    checkParity(source, edits, out, size);
    if (box.isNull())
        return;
    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), source.toUtf8(), 0, 0, 0, 0));
    applyToPlayer(p.get(), edits);
    QVERIFY(ZV_RefreshVideoFrame_Player(p.get())); // lays out before any picture exists
    QVERIFY(ZV_SetWatermarkIndex_Player(p.get(), 0));
    const QRect got(qRound(ZV_GetWatermarkImagePosX_Player(p.get()) * size.width()),
                    qRound(ZV_GetWatermarkImagePosY_Player(p.get()) * size.height()),
                    qRound(ZV_GetWatermarkImageWidth_Player(p.get()) * size.width()),
                    qRound(ZV_GetWatermarkImageHeight_Player(p.get()) * size.height()));
    QCOMPARE(got, box);
}

void TestEditPicture::clipOverlay_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<uint32_t>("loop");
    QTest::addColumn<double>("clipAt"); // the clip's picture expected at 1.5 s (< 0: its last)
    const QStringList lavfi{"-f", "lavfi", "-i", "testsrc2=size=64x64:rate=25:duration=1"};
    const QString mp4 = TestMedia::make("edit_clip_64.mp4", lavfi + QStringList{"-c:v", "libx264", "-preset",
                                                                                "veryfast", "-qp", "0", "-pix_fmt",
                                                                                "yuv420p"});
    // GIF cannot seek: looping reads it again from the top.
    const QString gif = TestMedia::make("edit_clip_64.gif", lavfi);
    QTest::newRow("looping") << mp4 << 1u << 0.5;
    QTest::newRow("held at its end") << mp4 << 0u << -1.0;
    QTest::newRow("looping GIF") << gif << 1u << 0.5;
}

// A one-second clip as an overlay: at 1.5 s a looping clip shows its picture
// at 0.5 s, one that does not loop holds its last picture.
void TestEditPicture::clipOverlay()
{
    QFETCH(QString, clip);
    QFETCH(uint32_t, loop);
    QFETCH(double, clipAt);
    QVERIFY(!clip.isEmpty());
    const QString source = flat("grey", "0x808080");
    Edits e;
    e.images << image(0, clip, 0.0, 0.0);
    const QString out = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_') + ".mp4");
    Config cfg = encodeConfig(e);
    ZV_SetWatermarkIndex_Config(cfg.get(), 0);
    ZV_SetWatermarkImageLoop_Config(cfg.get(), loop);
    const QString why = encode(source, out, cfg.get());
    QVERIFY2(why.isEmpty(), qPrintable(why));

    // Through yuv420p as the output carries it: a GIF's dithering does not survive 4:2:0.
    const Bgr expected = clipAt >= 0 ? ffmpegFiltered(clip, clipAt, "null", 64, 64)
                                     : CodecFixtures::ffmpegFrameAt(clip, clipAt, 64, 64);
    auto region = [](const Bgr &full) {
        Bgr r;
        r.width = r.height = 64;
        for (int y = 0; y < 64; ++y)
            r.pixels += full.pixels.mid(y * full.width * 3, 64 * 3);
        return r;
    };
    const Bgr encoded = region(CodecFixtures::ffmpegFrameAt(out, 1.5, 160, 120));
    double db = psnr(encoded, expected);
    QVERIFY2(db >= 30.0, qPrintable(QStringLiteral("encoded clip picture: %1 dB").arg(db)));

    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), source.toUtf8(), 0, 0, 0, 0));
    applyToPlayer(p.get(), e);
    QVERIFY(ZV_SetWatermarkImageLoop_Player(p.get(), loop));
    const Bgr preview = region(playerPicture(p.get(), 1.5));
    db = psnr(preview, expected);
    QVERIFY2(db >= 30.0, qPrintable(QStringLiteral("previewed clip picture: %1 dB").arg(db)));
}

// "ABC" in bold with an outline and a shadow: the player's read-backs box
// the pixels it changed, bold is wider than plain, and the encode job draws
// the same text at the same place.
void TestEditPicture::text()
{
    const QString source = flat("grey", "0x808080");
    Edits e;
    Edits::Text t;
    t.text = "ABC";
    t.x = 0.2;
    t.y = 0.3;
    t.outline = 2;
    t.shadow = 2;
    e.texts << t;
    double widths[2] = {0, 0};
    for (const uint32_t bold : {0u, 1u}) {
        e.texts[0].bold = bold;
        Player p(ZV_Create_Player(0));
        QVERIFY(ZV_Open_Player(p.get(), source.toUtf8(), 0, 0, 0, 0));
        applyToPlayer(p.get(), e);
        const Bgr preview = playerPicture(p.get(), kAt);
        QVERIFY(ZV_RefreshVideoFrame_Player(p.get()));
        QVERIFY(ZV_SetWatermarkIndex_Player(p.get(), 0));
        const double bx = ZV_GetWatermarkTextPosX_Player(p.get()), by = ZV_GetWatermarkTextPosY_Player(p.get());
        const double bw = ZV_GetWatermarkTextWidth_Player(p.get()), bh = ZV_GetWatermarkTextHeight_Player(p.get());
        QVERIFY2(bw > 0 && bh > 0 && bx > 0 && by > 0, qPrintable(QStringLiteral("box %1,%2 %3x%4").arg(bx).arg(by).arg(bw).arg(bh)));
        QCOMPARE(ZV_GetWatermarkImageWidth_Player(p.get()), 0.0); // no image on the layer
        // The box (its ink) begins at the position given, whatever the style.
        QVERIFY2(qAbs(bx - t.x) * 160 <= 1.0 && qAbs(by - t.y) * 120 <= 1.0,
                 qPrintable(QStringLiteral("box at %1,%2").arg(bx * 160).arg(by * 120)));
        widths[bold] = bw;
        // Every pixel the text changed lies inside the box (two pixels of chroma bleed allowed).
        int changed = 0;
        for (int y = 0; y < 120; ++y)
            for (int x = 0; x < 160; ++x) {
                const Pixel px = pixelAt(preview, x, y);
                if (qAbs(px.r - 128) + qAbs(px.g - 128) + qAbs(px.b - 128) < 24)
                    continue;
                ++changed;
                QVERIFY2(x >= bx * 160 - 2 && x <= (bx + bw) * 160 + 2 && y >= by * 120 - 2
                             && y <= (by + bh) * 120 + 2,
                         qPrintable(QStringLiteral("text pixel at %1,%2 outside the box").arg(x).arg(y)));
            }
        QVERIFY(changed > 50);
        if (bold) {
            const QString out = m_dir.filePath("text.mp4");
            Config cfg = encodeConfig(e);
            const QString why = encode(source, out, cfg.get());
            QVERIFY2(why.isEmpty(), qPrintable(why));
            const Bgr output = CodecFixtures::ffmpegFrameAt(out, kAt, 160, 120);
            const double db = psnr(preview, output);
            QVERIFY2(db >= 38.0, qPrintable(QStringLiteral("preview against output: %1 dB").arg(db)));
        }
    }
    QVERIFY2(widths[1] > widths[0], qPrintable(QStringLiteral("bold %1, plain %2").arg(widths[1]).arg(widths[0])));

    // A family that does not exist falls back to the default font.
    e.texts[0].font = "No Such Family 12345";
    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), source.toUtf8(), 0, 0, 0, 0));
    applyToPlayer(p.get(), e);
    QVERIFY(!playerPicture(p.get(), kAt).pixels.isEmpty());
    QVERIFY(ZV_RefreshVideoFrame_Player(p.get()));
    QVERIFY(ZV_GetWatermarkTextWidth_Player(p.get()) > 0);
}

// One decode feeds both callbacks; a change while paused renders the kept
// picture again on ShowVideoFrame, and without a change the same picture comes.
void TestEditPicture::playerRedeliversWithoutDecoding()
{
    PlayerRecorder original, edited;
    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), testsrc().toUtf8(), 0, 0, 0, 0));
    applyToPlayer(p.get(), cropped(0, 0, 0.5, 0.5));
    QVERIFY(ZV_SetOriginalVideoFrameHandle_Player(p.get(), &PlayerRecorder::callback, &original));
    QVERIFY(ZV_SetVideoFrameHandle_Player(p.get(), &PlayerRecorder::callback, &edited));
    QVERIFY(ZV_Seek_Player(p.get(), 1000000));
    QTRY_VERIFY_WITH_TIMEOUT(original.count() >= 1 && edited.count() >= 1, 10000);
    QCOMPARE(original.last().width, 320);
    QCOMPARE(edited.last().width, 160);
    QCOMPARE(edited.last().height, 120);
    const DeliveredFrame firstOriginal = original.last(), firstEdited = edited.last();

    QVERIFY(ZV_SetVideoHue_Player(p.get(), 90));
    const int before = edited.count();
    QVERIFY(ZV_ShowVideoFrame_Player(p.get()));
    QTRY_VERIFY_WITH_TIMEOUT(edited.count() > before, 10000);
    QCOMPARE(original.last().md5, firstOriginal.md5); // the same decoded picture
    QVERIFY(edited.last().md5 != firstEdited.md5);    // rendered with the new hue
    QCOMPARE(ZV_GetVideoTime_Player(p.get()), uint64_t(1000000));

    const DeliveredFrame changed = edited.last();
    const int again = edited.count();
    QVERIFY(ZV_ShowVideoFrame_Player(p.get()));
    QTRY_VERIFY_WITH_TIMEOUT(edited.count() > again, 10000);
    QCOMPARE(edited.last().md5, changed.md5);
    ZV_SetOriginalVideoFrameHandle_Player(p.get(), nullptr, nullptr);
    ZV_SetVideoFrameHandle_Player(p.get(), nullptr, nullptr);
}

// On the player an overlay shows only within its show time.
void TestEditPicture::playerShowTimes()
{
    const QString source = flat("grey", "0x808080");
    Edits e;
    e.images << image(0, square("red"), 0.25, 0.25);
    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), source.toUtf8(), 0, 0, 0, 0));
    applyToPlayer(p.get(), e);
    QVERIFY(ZV_SetWatermarkIndex_Player(p.get(), 0));
    QVERIFY(ZV_SetWatermarkImageShowTime_Player(p.get(), 1200000, 1600000));
    for (const double at : {0.8, 1.4, 1.8}) {
        const Pixel px = pixelAt(playerPicture(p.get(), at), 72, 62);
        const bool shown = at > 1.2 && at < 1.6;
        QVERIFY2(shown ? (px.r > 200 && px.g < 60) : qAbs(px.r - 128) < 10,
                 qPrintable(QStringLiteral("at %1 s: %2,%3,%4").arg(at).arg(px.r).arg(px.g).arg(px.b)));
    }
}

void TestEditPicture::badOverlayFiles_data()
{
    QTest::addColumn<bool>("asMask");
    QTest::newRow("image") << false;
    QTest::newRow("mask") << true;
}

// A file that does not decode refuses the job with a text naming it, and the
// player's setter reports the failure instead of showing nothing.
void TestEditPicture::badOverlayFiles()
{
    QFETCH(bool, asMask);
    const QString bad = m_dir.filePath("not-a-picture.png");
    QFile f(bad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("this is text, not a picture");
    f.close();
    Edits e;
    Edits::Image i = image(0, asMask ? square("red") : bad, 0.1, 0.1);
    if (asMask)
        i.mask = bad;
    e.images << i;
    Config cfg = encodeConfig(e);
    const QString refusal = openRefusal(testsrc(), m_dir.filePath("bad.mp4"), cfg.get());
    QVERIFY2(refusal.contains("not-a-picture.png"), qPrintable(refusal));
    QVERIFY(!QFile::exists(m_dir.filePath("bad.mp4")));

    Player p(ZV_Create_Player(0));
    QVERIFY(ZV_Open_Player(p.get(), testsrc().toUtf8(), 0, 0, 0, 0));
    QVERIFY(ZV_SetWatermarkIndex_Player(p.get(), 0));
    if (asMask)
        QVERIFY(!ZV_SetWatermarkImageMaskFile_Player(p.get(), bad.toUtf8()));
    else
        QVERIFY(!ZV_SetWatermarkImageFile_Player(p.get(), bad.toUtf8()));
    QVERIFY(ZV_RefreshVideoFrame_Player(p.get()));
    QCOMPARE(ZV_GetWatermarkImageWidth_Player(p.get()), 0.0);
}

QTEST_GUILESS_MAIN(TestEditPicture)
#include "tst_edit_picture.moc"
