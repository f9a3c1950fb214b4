// Burned-in subtitles in encode jobs and in the player's edited picture:
// embedded SubRip streams, external .srt and .ass files, style alignment,
// delay and unreadable inputs, judged on the ffmpeg tool's decode.
#include "EditFixtures.h"
#include "SubtitleFixtureMaker.h"
#include "TestMedia.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <mutex>

using namespace EditFixtures;

namespace {

constexpr int kW = 320, kH = 240;

QString writeText(const QString &name, const QByteArray &text)
{
    const QString path = TestMedia::mediaDir() + "/" + name;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(text);
    return path;
}

QString srtA() { return writeText("cue_a.srt", "1\n00:00:01,000 --> 00:00:02,500\nTrack one\n\n"); }
QString srtB() { return writeText("cue_b.srt", "1\n00:00:03,000 --> 00:00:04,500\nTrack two\n\n"); }
QString externalSrt() { return writeText("external.srt", "1\n00:00:02,000 --> 00:00:03,500\nExternal\n\n"); }
QString externalAss()
{
    return writeText("external.ass",
                     "[Script Info]\nScriptType: v4.00+\nPlayResX: 640\nPlayResY: 480\n\n[V4+ Styles]\n"
                     "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, "
                     "Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, "
                     "Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                     "Style: Default,DejaVu Sans,40,&H00FFFFFF,&H00FFFFFF,&H00000000,&H00000000,0,0,0,0,100,100,0,"
                     "0,1,2,0,8,10,10,10,1\n\n[Events]\n"
                     "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
                     "Dialogue: 0,0:00:01.00,0:00:02.00,Default,,0,0,0,,Styled\n");
}

// A dark, flat 6 s picture with two SubRip tracks: text is easy to find on it.
QString twoTrackMkv()
{
    const QString a = srtA(), b = srtB();
    return TestMedia::make("two_srt_tracks.mkv",
                           {"-f", "lavfi", "-i", QStringLiteral("color=c=0x303030:s=%1x%2:r=25:d=6").arg(kW).arg(kH),
                            "-i", a, "-i", b, "-map", "0", "-map", "1", "-map", "2", "-c:v", "libx264", "-preset",
                            "veryfast", "-g", "25", "-pix_fmt", "yuv420p", "-c:s", "srt"});
}

// Bright pixels (luma > 180) per third of a grey picture: top, middle, bottom.
std::array<int, 3> brightThirds(const uchar *grey, int width, int height, int stride)
{
    std::array<int, 3> n{0, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (grey[y * stride + x] > 180)
                n[size_t(std::min(2, y * 3 / height))]++;
    return n;
}

// Every picture of a file as grey bytes, by the ffmpeg tool's decoder.
QList<QByteArray> greyFrames(const QString &file)
{
    const TestMedia::ToolResult r =
        TestMedia::run("ffmpeg", {"-v", "error", "-nostdin", "-i", file, "-f", "rawvideo", "-pix_fmt", "gray", "-"});
    QList<QByteArray> frames;
    for (int at = 0; at + kW * kH <= r.out.size(); at += kW * kH)
        frames.append(r.out.mid(at, kW * kH));
    return frames;
}

std::array<int, 3> thirdsAt(const QList<QByteArray> &frames, double seconds)
{
    const int i = int(seconds * 25 + 0.5);
    if (i >= frames.size())
        return {-1, -1, -1};
    return brightThirds(reinterpret_cast<const uchar *>(frames[i].constData()), kW, kH, kW);
}

int firstTextFrame(const QList<QByteArray> &frames)
{
    for (int i = 0; i < frames.size(); ++i) {
        const auto n = thirdsAt(frames, i / 25.0);
        if (n[0] + n[1] + n[2] > 20)
            return i;
    }
    return -1;
}

int total(const std::array<int, 3> &n) { return n[0] + n[1] + n[2]; }

QString describe(const std::array<int, 3> &n) { return QStringLiteral("%1/%2/%3").arg(n[0]).arg(n[1]).arg(n[2]); }

// Grey of the last edited picture the player delivered.
struct EditedGrab {
    std::mutex mutex;
    QByteArray grey;
    int width = 0, height = 0;
    static unsigned int callback(void *user, void *frame)
    {
        auto *self = static_cast<EditedGrab *>(user);
        auto *f = static_cast<ZvFrame *>(frame);
        if (ZV_GetVideoFormat_Frame(f) != 0)
            return 1;
        const int w = int(ZV_GetVideoWidth_Frame(f)), h = int(ZV_GetVideoHeight_Frame(f));
        const int stride = ZV_GetVideoStride_Frame(f, 0);
        QByteArray grey(w * h, 0);
        for (int y = 0; y < h; ++y)
            memcpy(grey.data() + y * w, ZV_GetVideoData_Frame(f, 0) + qint64(y) * stride, size_t(w));
        std::lock_guard<std::mutex> lock(self->mutex);
        self->grey = grey;
        self->width = w;
        self->height = h;
        return 1;
    }
    std::array<int, 3> thirds()
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (grey.isEmpty())
            return {-1, -1, -1};
        return brightThirds(reinterpret_cast<const uchar *>(grey.constData()), width, height, width);
    }
};

void chooseSubtitles(ZvConfig *cfg, int stream, const QString &file)
{
    if (!file.isEmpty())
        ZV_SetSubtlFile_Config(cfg, file.toUtf8());
    else
        ZV_SetSubtlIndex_Config(cfg, uint32_t(stream));
}

} // namespace

class TestEditSubtitles : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(!twoTrackMkv().isEmpty());
    }

    // Each choice burns its own cues, placed by the alignment, and nothing else.
    void burned_data()
    {
        QTest::addColumn<int>("stream");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("align");
        QTest::addColumn<double>("inside");
        QTest::addColumn<QList<double>>("outside");
        QTest::addColumn<int>("third");
        QTest::newRow("stream 0, bottom") << 0 << QString() << 0 << 1.8 << QList<double>{0.5, 3.5} << 2;
        QTest::newRow("stream 1, top") << 1 << QString() << 16 << 3.6 << QList<double>{1.8, 5.0} << 0;
        QTest::newRow("srt file, middle") << -1 << externalSrt() << 32 << 2.8 << QList<double>{1.5, 4.0} << 1;
        QTest::newRow("ass file, bottom") << -1 << externalAss() << 0 << 1.5 << QList<double>{0.5, 2.5} << 2;
    }
    void burned()
    {
        QFETCH(int, stream);
        QFETCH(QString, file);
        QFETCH(int, align);
        QFETCH(double, inside);
        QFETCH(QList<double>, outside);
        QFETCH(int, third);
        Config cfg = encodeConfig(kW, kH);
        chooseSubtitles(cfg.get(), stream, file);
        ZV_SetSubtlTextAlign_Config(cfg.get(), uint32_t(align));
        ZV_SetSubtlTextSize_Config(cfg.get(), 24);
        const QString target = m_dir.filePath(QStringLiteral("burned_%1.mp4").arg(QTest::currentDataTag()));
        QCOMPARE(runJob(twoTrackMkv(), target, cfg.get()), QString());
        const QList<QByteArray> frames = greyFrames(target);
        QVERIFY(frames.size() >= 149);
        const auto in = thirdsAt(frames, inside);
        QVERIFY2(in[size_t(third)] > 30, qPrintable(describe(in)));
        for (int t = 0; t < 3; ++t)
            QVERIFY2(t == third || in[size_t(t)] == 0, qPrintable(describe(in)));
        for (double at : outside) {
            const auto n = thirdsAt(frames, at);
            QVERIFY2(n[0] + n[1] + n[2] == 0, qPrintable(QStringLiteral("%1 s: %2").arg(at).arg(describe(n))));
        }
    }

    void delayMovesTheText()
    {
        int first[2] = {-1, -1};
        for (int i = 0; i < 2; ++i) {
            Config cfg = encodeConfig(kW, kH);
            ZV_SetSubtlFile_Config(cfg.get(), externalSrt().toUtf8());
            ZV_SetSubtlDelay_Config(cfg.get(), i ? 1000000 : 0);
            const QString target = m_dir.filePath(QStringLiteral("delay_%1.mp4").arg(i));
            QCOMPARE(runJob(twoTrackMkv(), target, cfg.get()), QString());
            first[i] = firstTextFrame(greyFrames(target));
        }
        QVERIFY2(qAbs(first[0] - 50) <= 1, qPrintable(QString::number(first[0])));
        QVERIFY2(qAbs(first[1] - first[0] - 25) <= 1, qPrintable(QString::number(first[1])));
    }

    // The preview shows what the output shows at the same time.
    void playerMatchesOutput()
    {
        Config cfg = encodeConfig(kW, kH);
        ZV_SetSubtlIndex_Config(cfg.get(), 1);
        ZV_SetSubtlTextAlign_Config(cfg.get(), 16);
        const QString target = m_dir.filePath("parity.mp4");
        QCOMPARE(runJob(twoTrackMkv(), target, cfg.get()), QString());
        const auto output = thirdsAt(greyFrames(target), 3.6);

        EditedGrab grab;
        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        ZV_SetVideoFrameHandle_Player(p, &EditedGrab::callback, &grab);
        ZV_SetSubtlIndex_Player(p, 1);
        ZV_SetSubtlTextAlign_Player(p, 16);
        QVERIFY(ZV_Open_Player(p, twoTrackMkv().toUtf8(), kW, kH, 0, 0));
        ZV_Seek_Player(p, 3600000);
        QTRY_VERIFY_WITH_TIMEOUT(grab.thirds()[0] > 30, 20000);
        const auto preview = grab.thirds();
        ZV_Close_Player(p);
        ZV_Destroy_Player(p);
        QVERIFY2(preview[1] == 0 && preview[2] == 0, qPrintable(describe(preview)));
        QVERIFY2(qAbs(preview[0] - output[0]) <= output[0] / 4,
                 qPrintable(describe(preview) + " vs " + describe(output)));
    }

    // A DVD subtitle stream (a white box low in the picture, 1.0 s to 2.5 s)
    // is burned as a picture.
    void bitmapStream()
    {
        const QString only = TestMedia::mediaDir() + "/dvd_box_only.mkv";
        QString why;
        if (!QFile::exists(only))
            QVERIFY2(!SubtitleFixtureMaker::dvdSubtitles(only, kW, kH, 80, 190, 160, 24, 1000, 1500, &why).isEmpty(),
                     qPrintable(why));
        const QString clip = TestMedia::make(
            "dvd_box_clip.mkv", {"-f", "lavfi", "-i", QStringLiteral("color=c=0x303030:s=%1x%2:r=25:d=4").arg(kW).arg(kH),
                                 "-i", only, "-map", "0:v", "-map", "1:s", "-c:v", "libx264", "-preset", "veryfast",
                                 "-pix_fmt", "yuv420p", "-c:s", "copy"});
        QVERIFY(!clip.isEmpty());
        Config cfg = encodeConfig(kW, kH);
        ZV_SetSubtlIndex_Config(cfg.get(), 0);
        const QString target = m_dir.filePath("dvd.mp4");
        QCOMPARE(runJob(clip, target, cfg.get()), QString());
        const QList<QByteArray> frames = greyFrames(target);
        const auto in = thirdsAt(frames, 1.6);
        QVERIFY2(in[2] > 3000 && in[0] == 0 && in[1] == 0, qPrintable(describe(in)));
        for (double at : {0.5, 3.0})
            QVERIFY2(total(thirdsAt(frames, at)) == 0, qPrintable(describe(thirdsAt(frames, at))));
    }

    // EIA-608 captions carried in the pictures' A53 data show when chosen, from
    // the picture that completes them (1.28 s) to the erase (3.0 s).
    void captions()
    {
        const QString clip = TestMedia::mediaDir() + "/captioned.mkv";
        QString why;
        if (!QFile::exists(clip))
            QVERIFY2(!SubtitleFixtureMaker::captionedClip(clip, &why).isEmpty(), qPrintable(why));
        const QByteArray frames0 = TestMedia::ffprobeJson(clip, {"-select_streams", "v", "-show_frames", "-read_intervals", "%+2"});
        if (!frames0.contains("A53"))
            QSKIP("the clip made here carries no A53 captions that ffprobe can see");
        Config cfg = encodeConfig(kW, kH);
        ZV_EnableClosedCaption_Config(cfg.get(), 1);
        const QString target = m_dir.filePath("captions.mp4");
        QCOMPARE(runJob(clip, target, cfg.get()), QString());
        const QList<QByteArray> frames = greyFrames(target);
        // The decoder places captions on their row (15: the bottom); "HI" is small.
        const auto in = thirdsAt(frames, 2.0);
        QVERIFY2(in[2] >= 10 && in[0] == 0 && in[1] == 0, qPrintable(describe(in)));
        for (double at : {0.5, 3.6})
            QVERIFY2(total(thirdsAt(frames, at)) == 0, qPrintable(describe(thirdsAt(frames, at))));
    }

    // Subtitles that cannot be read refuse the job and the player's setter.
    void unreadable_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << TestMedia::mediaDir() + "/no_such_file.srt";
        QTest::newRow("not subtitles") << writeText("garbage.sub", QByteArray(2000, '\x07'));
        QTest::newRow("no subtitle stream") << TestMedia::sineWav();
    }
    void unreadable()
    {
        QFETCH(QString, file);
        Config cfg = encodeConfig(kW, kH);
        ZV_SetSubtlFile_Config(cfg.get(), file.toUtf8());
        QString text;
        QVERIFY(!opens(twoTrackMkv(), cfg.get(), &text));
        QVERIFY2(text.contains(QFileInfo(file).fileName()), qPrintable(text));

        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        QCOMPARE(ZV_SetSubtlFile_Player(p, file.toUtf8()), 0);
        QCOMPARE(ZV_SetSubtlFile_Player(p, externalSrt().toUtf8()), 1);
        ZV_Destroy_Player(p);
    }
};

QTEST_GUILESS_MAIN(TestEditSubtitles)
#include "tst_edit_subtitles.moc"
