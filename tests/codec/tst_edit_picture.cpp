// The picture edit chain through the library's C surface: encode jobs judged
// by ffmpeg's own filters, and the player's edited picture judged against the
// encode job's output at the same size.
#include "CodecFixtures.h"
#include "EditHarness.h"
#include "TestMedia.h"

#include "zovAruzIvivu.h"

#include <QSize>
#include <QTemporaryDir>
#include <QtTest>

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

QTEST_GUILESS_MAIN(TestEditPicture)
#include "tst_edit_picture.moc"
