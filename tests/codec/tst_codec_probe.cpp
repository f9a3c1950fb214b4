// Probing through the C surface, judged by ffprobe on the same files.
#include "zovAruzIvivu.h"

#include "CodecFixtures.h"
#include "TestMedia.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace CodecFixtures;

namespace {

struct InfoGuard {
    ZvInfo *h = ZV_Create_Info(0xFFFFFFFF);
    ~InfoGuard()
    {
        ZV_Close_Info(h);
        ZV_Destroy_Info(h);
    }
};

QString text(const char *s)
{
    return s ? QString::fromUtf8(s) : QString();
}

QByteArray hexDump(const QString &dump)
{
    QByteArray bytes;
    for (const QString &line : dump.split('\n', Qt::SkipEmptyParts)) {
        const int colon = line.indexOf(": ");
        if (colon < 0)
            continue;
        const QString hex = line.mid(colon + 2, 39).remove(' ');
        bytes += QByteArray::fromHex(hex.toLatin1());
    }
    return bytes;
}

int rotationOf(const QJsonObject &stream)
{
    for (const QJsonValue &v : stream.value("side_data_list").toArray()) {
        const QJsonObject side = v.toObject();
        if (side.contains("rotation"))
            return side.value("rotation").toInt();
    }
    return 0;
}

QString kindOf(const QJsonObject &stream)
{
    const QString type = stream.value("codec_type").toString();
    if (type == "video" && stream.value("disposition").toObject().value("attached_pic").toInt() == 1)
        return "cover";
    return type;
}

// Streams of the first program that holds any, else all streams.
QJsonArray firstProgramStreams(const QJsonObject &probe)
{
    for (const QJsonValue &p : probe.value("programs").toArray()) {
        const QJsonArray streams = p.toObject().value("streams").toArray();
        if (!streams.isEmpty())
            return streams;
    }
    return probe.value("streams").toArray();
}

} // namespace

class TestCodecProbe : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(ZV_Initialize_Library(0, 0), 1);
    }

    void matchesFfprobe_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("h264 aac mp4") << TestMedia::h264AacMp4();
        QTest::newRow("mkv languages subtitles chapters") << mkvLanguages();
        QTest::newRow("two-program mpegts") << twoProgramTs();
        QTest::newRow("mp3 with tags and cover") << mp3WithCover();
        QTest::newRow("wav") << TestMedia::sineWav();
        QTest::newRow("portrait mp4") << portraitMp4();
        QTest::newRow("still png") << TestMedia::tinyPng();
    }

    void matchesFfprobe()
    {
        QFETCH(QString, file);
        QVERIFY2(!file.isEmpty(), "fixture could not be made");
        const QJsonObject oracle = probe(file);
        const QJsonObject format = oracle.value("format").toObject();
        QVERIFY(!format.isEmpty());

        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        QCOMPARE(text(ZV_GetLastErrorText_Info(info.h)), QString());
        QCOMPARE(text(ZV_GetFormatName_Info(info.h)), format.value("format_name").toString());
        QCOMPARE(text(static_cast<const char *>(ZV_GetMetaData_Info(info.h, "ffmpeg_format"))),
                 format.value("format_name").toString());

        int programs = 0;
        for (const QJsonValue &p : oracle.value("programs").toArray())
            programs += p.toObject().value("streams").toArray().isEmpty() ? 0 : 1;
        QCOMPARE(ZV_GetProgrCount_Info(info.h), uint32_t(std::max(1, programs)));

        const qint64 duration = qRound64(format.value("duration").toString().toDouble() * 1e6);
        QVERIFY2(std::abs(qint64(ZV_GetDuration_Info(info.h)) - duration) <= 1000,
                 qPrintable(QString("duration %1 vs %2").arg(ZV_GetDuration_Info(info.h)).arg(duration)));

        // Streams of the selected (first) program, per kind, in order.
        QList<QJsonObject> video, audio, subtl;
        for (const QJsonValue &v : firstProgramStreams(oracle)) {
            const QJsonObject s = v.toObject();
            const QString kind = kindOf(s);
            if (kind == "video")
                video << s;
            else if (kind == "audio")
                audio << s;
            else if (kind == "subtitle")
                subtl << s;
        }
        QCOMPARE(ZV_GetVideoCount_Info(info.h), uint32_t(video.size()));
        QCOMPARE(ZV_GetAudioCount_Info(info.h), uint32_t(audio.size()));
        QCOMPARE(ZV_GetSubtlCount_Info(info.h), uint32_t(subtl.size()));
        QCOMPARE(ZV_HasVideo_Info(info.h), video.isEmpty() ? 0 : 1);
        QCOMPARE(ZV_HasAudio_Info(info.h), audio.isEmpty() ? 0 : 1);

        const QJsonObject extradata = probeExtradata(file);
        for (int i = 0; i < video.size(); ++i) {
            QCOMPARE(ZV_SetVideoIndex_Info(info.h, uint32_t(i)), 1);
            const QJsonObject &s = video[i];
            QCOMPARE(text(ZV_GetVideoCodecName_Info(info.h)), s.value("codec_name").toString());
            const int rot = rotationOf(s);
            const bool turned = rot == 90 || rot == -90 || rot == 270 || rot == -270;
            const int w = s.value("width").toInt(), h = s.value("height").toInt();
            QCOMPARE(ZV_GetVideoWidth_Info(info.h), uint32_t(turned ? h : w));
            QCOMPARE(ZV_GetVideoHeight_Info(info.h), uint32_t(turned ? w : h));
            QCOMPARE(ZV_GetVideoValue_Info(info.h, 7), uint64_t(((-rot % 360) + 360) % 360));
            checkCodecBytes(extradata, s, ZV_GetVideoCodecData_Info(info.h), ZV_GetVideoCodecDataSize_Info(info.h));
            const QString pixFmt = s.value("pix_fmt").toString();
            const uint64_t code = ZV_GetVideoValue_Info(info.h, 3);
            if (pixFmt == "yuv420p")
                QCOMPARE(code, uint64_t(0));
            else
                QVERIFY(code & 0x40000000u);
        }
        QCOMPARE(ZV_SetVideoIndex_Info(info.h, uint32_t(video.size())), 0);
        for (int i = 0; i < audio.size(); ++i) {
            QCOMPARE(ZV_SetAudioIndex_Info(info.h, uint32_t(i)), 1);
            const QJsonObject &s = audio[i];
            const QJsonObject tags = s.value("tags").toObject();
            QCOMPARE(text(ZV_GetAudioCodecName_Info(info.h)), s.value("codec_name").toString());
            QCOMPARE(text(ZV_GetAudioLanguage_Info(info.h)), tags.value("language").toString());
            QCOMPARE(text(ZV_GetAudioTitle_Info(info.h)), tags.value("title").toString());
            QCOMPARE(ZV_GetAudioValue_Info(info.h, 2), uint64_t(s.value("sample_rate").toString().toInt()));
            QCOMPARE(ZV_GetAudioValue_Info(info.h, 3), uint64_t(s.value("channels").toInt()));
            checkCodecBytes(extradata, s, ZV_GetAudioCodecData_Info(info.h), ZV_GetAudioCodecDataSize_Info(info.h));
        }
        QCOMPARE(ZV_SetAudioIndex_Info(info.h, 0xFFFFFFFF), 1);
        QCOMPARE(text(ZV_GetAudioCodecName_Info(info.h)), QString());
        for (int i = 0; i < subtl.size(); ++i) {
            QCOMPARE(ZV_SetSubtlIndex_Info(info.h, uint32_t(i)), 1);
            const QJsonObject &s = subtl[i];
            QCOMPARE(text(ZV_GetSubtlCodecName_Info(info.h)), s.value("codec_name").toString());
            QCOMPARE(text(ZV_GetSubtlLanguage_Info(info.h)), s.value("tags").toObject().value("language").toString());
            const uint64_t id = ZV_GetSubtlValue_Info(info.h, 1);
            QVERIFY(id >= 0x17000 && id < 0x18000); // FFmpeg's own subtitle ids
        }

        // Container tags come back as they are stored, looked up without case.
        const QJsonObject tags = format.value("tags").toObject();
        ZV_SetAudioIndex_Info(info.h, 0);
        for (auto it = tags.begin(); it != tags.end(); ++it) {
            const auto *value = static_cast<const char *>(ZV_GetMetaData_Info(info.h, it.key().toUtf8().constData()));
            QCOMPARE(text(value), it.value().toString());
            QCOMPARE(ZV_GetMetaDataSize_Info(info.h, value), uint32_t(it.value().toString().toUtf8().size()));
            QCOMPARE(static_cast<const void *>(ZV_GetMetaDataData_Info(info.h, value)), static_cast<const void *>(value));
        }
        QVERIFY(!ZV_GetMetaData_Info(info.h, "no_such_key_here"));
        QVERIFY(!ZV_GetMetaData_Info(info.h, "dvd_clip"));

        const QJsonArray chapters = oracle.value("chapters").toArray();
        const double start = format.value("start_time").toString().toDouble();
        QCOMPARE(ZV_GetChapterCount_Info(info.h), uint32_t(chapters.size()));
        for (int i = 0; i < chapters.size(); ++i) {
            const QJsonObject c = chapters[i].toObject();
            const double s = c.value("start_time").toString().toDouble() - start;
            const double e = c.value("end_time").toString().toDouble() - start;
            QVERIFY(std::abs(double(ZV_GetChapterStartTime_Info(info.h, uint32_t(i))) - s * 1e6) <= 1);
            QVERIFY(std::abs(double(ZV_GetChapterDuration_Info(info.h, uint32_t(i))) - (e - s) * 1e6) <= 2);
            QCOMPARE(text(ZV_GetChapterTitle_Info(info.h, uint32_t(i))), c.value("tags").toObject().value("title").toString());
        }
        QCOMPARE(ZV_GetChapterTitle_Info(info.h, uint32_t(chapters.size())), static_cast<const char *>(nullptr));
    }

    // Table ids for table codecs; FFmpeg's id with the 0x40000000 bit otherwise.
    void reportsLibraryCodecIds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qulonglong>("videoId");
        QTest::addColumn<qulonglong>("audioId");
        QTest::newRow("h264 + aac") << TestMedia::h264AacMp4() << 28ull << 0x15002ull;
        QTest::newRow("mpeg2 + mp2") << twoProgramTs() << 2ull << 0x15000ull;
        QTest::newRow("mp3") << mp3WithCover() << 0ull << 0x15001ull;
        QTest::newRow("pcm_s16le") << TestMedia::sineWav() << 0ull << 0x10000ull;
        QTest::newRow("png (not in the table)") << TestMedia::tinyPng() << qulonglong(0x40000000u | 61u) << 0ull;
    }

    void reportsLibraryCodecIds()
    {
        QFETCH(QString, file);
        QFETCH(qulonglong, videoId);
        QFETCH(qulonglong, audioId);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, file.toUtf8().constData()), 1);
        QCOMPARE(qulonglong(ZV_GetVideoValue_Info(info.h, 1)), videoId);
        QCOMPARE(qulonglong(ZV_GetAudioValue_Info(info.h, 1)), audioId);
    }

    void programsOfMpegTs()
    {
        const QJsonObject oracle = probe(twoProgramTs());
        const QJsonArray programs = oracle.value("programs").toArray();
        QCOMPARE(programs.size(), 2);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, twoProgramTs().toUtf8().constData()), 1);
        for (int p = 0; p < 2; ++p) {
            const QJsonObject program = programs[p].toObject();
            QCOMPARE(ZV_SetProgrIndex_Info(info.h, uint32_t(p)), 1);
            QCOMPARE(text(ZV_GetProgrName_Info(info.h)), program.value("tags").toObject().value("service_name").toString());
            QCOMPARE(ZV_GetVideoCount_Info(info.h), 1u);
            QCOMPARE(ZV_GetAudioCount_Info(info.h), 1u);
            const QJsonObject video = program.value("streams").toArray()[0].toObject();
            QCOMPARE(ZV_GetVideoWidth_Info(info.h), uint32_t(video.value("width").toInt()));
        }
        QCOMPARE(ZV_SetProgrIndex_Info(info.h, 2), 0);
    }

    void coverIsNotVideo()
    {
        QFile png(coverPng());
        QVERIFY(png.open(QIODevice::ReadOnly));
        const QByteArray pngBytes = png.readAll();

        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, mp3WithCover().toUtf8().constData()), 1);
        QCOMPARE(ZV_HasVideo_Info(info.h), 0);
        QCOMPARE(ZV_GetVideoCount_Info(info.h), 0u);
        QCOMPARE(ZV_GetVideoImage_Info(info.h, 0, 0, 0, 0, 0), static_cast<uint8_t *>(nullptr));
        const auto *cover = static_cast<const ZvMetaBlob *>(ZV_GetMetaData_Info(info.h, "cover_image"));
        QVERIFY(cover);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(cover->data), int(cover->size)), pngBytes);
        QCOMPARE(ZV_GetMetaDataSize_Info(info.h, cover), uint32_t(pngBytes.size()));
        QCOMPARE(ZV_GetMetaDataData_Info(info.h, cover), cover->data);
        QCOMPARE(text(static_cast<const char *>(ZV_GetMetaData_Info(info.h, "YEAR"))), QString("2021"));

        // A file without cover art has none.
        InfoGuard plain;
        QCOMPARE(ZV_Open_Info(plain.h, TestMedia::sineWav().toUtf8().constData()), 1);
        QVERIFY(!ZV_GetMetaData_Info(plain.h, "cover_image"));
        uint8_t foreign[4] = {0};
        QCOMPARE(ZV_GetMetaDataSize_Info(plain.h, foreign), 0u);
    }

    void yearFromDateAndAspect()
    {
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, mkvLanguages().toUtf8().constData()), 1);
        QCOMPARE(text(static_cast<const char *>(ZV_GetMetaData_Info(info.h, "year"))), QString("2019"));
        QCOMPARE(ZV_GetVideoAspectRatioX_Info(info.h), 16u); // 192x108 square pixels
        QCOMPARE(ZV_GetVideoAspectRatioY_Info(info.h), 9u);

        InfoGuard portrait;
        QCOMPARE(ZV_Open_Info(portrait.h, portraitMp4().toUtf8().constData()), 1);
        QCOMPARE(ZV_GetVideoAspectRatioX_Info(portrait.h), 3u);
        QCOMPARE(ZV_GetVideoAspectRatioY_Info(portrait.h), 4u);
        QCOMPARE(ZV_CanSeek_Info(portrait.h), 1);

        InfoGuard still;
        QCOMPARE(ZV_Open_Info(still.h, TestMedia::tinyPng().toUtf8().constData()), 1);
        QCOMPARE(ZV_CanSeek_Info(still.h), 0);
    }

    void badInputIsRefused_data()
    {
        QTest::addColumn<QByteArray>("content"); // written to the file unless "missing"
        QTest::addColumn<QString>("name");
        QFile mp4(TestMedia::h264AacMp4());
        mp4.open(QIODevice::ReadOnly);
        const QByteArray whole = mp4.readAll();
        QTest::newRow("missing file") << QByteArray("missing") << "absent.mp4";
        QTest::newRow("text named .mp4") << QByteArray("This is not a video at all.\nJust words.\n") << "words.mp4";
        QTest::newRow("truncated mp4") << whole.left(whole.size() / 2) << "cut.mp4";
        QTest::newRow("zero bytes") << QByteArray() << "empty.mp4";
        QTest::newRow("no streams") << QByteArray(";FFMETADATA1\ntitle=nothing here\n") << "bare.txt";
    }

    void badInputIsRefused()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (content != "missing") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, path.toUtf8().constData()), 0);
        const QString why = text(ZV_GetLastErrorText_Info(info.h));
        QVERIFY2(why.contains(name), qPrintable(why));
        QVERIFY2(why.size() > name.size() + 8, qPrintable(why));
        QCOMPARE(ZV_GetVideoCount_Info(info.h), 0u);
        QCOMPARE(ZV_GetProgrCount_Info(info.h), 0u);
        QCOMPARE(ZV_SetProgrIndex_Info(info.h, 0), 0);
        QCOMPARE(ZV_GetVideoImage_Info(info.h, 0, 0, 0, 0, 0), static_cast<uint8_t *>(nullptr));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);

        // The handle is still usable afterwards.
        QCOMPARE(ZV_Open_Info(info.h, TestMedia::sineWav().toUtf8().constData()), 1);
        QCOMPARE(text(ZV_GetLastErrorText_Info(info.h)), QString());
    }

    void nullHandlesFailCleanly()
    {
        QCOMPARE(ZV_Open_Info(nullptr, "x"), 0);
        QCOMPARE(ZV_GetDuration_Info(nullptr), uint64_t(0));
        QCOMPARE(ZV_GetMetaData_Info(nullptr, "title"), static_cast<const void *>(nullptr));
        QCOMPARE(ZV_GetVideoImageSize_Info(nullptr, nullptr), 0u);
        QCOMPARE(ZV_FreeVideoImage_Info(nullptr, nullptr), 0);
        InfoGuard info;
        QCOMPARE(ZV_Open_Info(info.h, nullptr), 0);
        QCOMPARE(ZV_OpenDVD_Info(info.h, "/media/disc"), 0);
        QCOMPARE(text(ZV_GetLastErrorText_Info(info.h)), QString("disc sources are not supported"));
        QCOMPARE(ZV_OpenWithPlayer_Info(info.h, nullptr), 0);
        QCOMPARE(ZV_SetAudioIndex_Info(info.h, 0xFFFFFFFF), 0); // not open
    }

private:
    QJsonObject probeExtradata(const QString &file)
    {
        const QJsonObject o = QJsonDocument::fromJson(
                                  TestMedia::ffprobeJson(file, {"-show_streams", "-show_data"}))
                                  .object();
        QJsonObject byIndex;
        for (const QJsonValue &v : o.value("streams").toArray()) {
            const QJsonObject s = v.toObject();
            byIndex.insert(QString::number(s.value("index").toInt()), s.value("extradata").toString());
        }
        return byIndex;
    }

    void checkCodecBytes(const QJsonObject &extradata, const QJsonObject &stream, const uint8_t *data, uint32_t size)
    {
        const QByteArray expected = hexDump(extradata.value(QString::number(stream.value("index").toInt())).toString());
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(data), int(size)), expected);
        if (expected.isEmpty())
            QVERIFY(!data);
    }
};

QTEST_GUILESS_MAIN(TestCodecProbe)
#include "tst_codec_probe.moc"
