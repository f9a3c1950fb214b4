// Probing real files made by the ffmpeg tool, judged by ffprobe.
#include "TestMedia.h"
#include "VelVideoConvertItem.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

QJsonObject probe(const QString &path)
{
    return QJsonDocument::fromJson(TestMedia::ffprobeJson(
                                       path, {"-show_format", "-show_streams", "-show_chapters", "-show_programs"}))
        .object();
}

QList<QJsonObject> streamsOf(const QJsonObject &json, const QString &type, bool includeCovers = false)
{
    QList<QJsonObject> result;
    for (const QJsonValue &value : json.value("streams").toArray()) {
        const QJsonObject stream = value.toObject();
        const bool cover = stream.value("disposition").toObject().value("attached_pic").toInt() == 1;
        if (stream.value("codec_type").toString() == type && (includeCovers || !cover))
            result.append(stream);
    }
    return result;
}

uint64_t durationUs(const QJsonObject &json)
{
    return uint64_t(json.value("format").toObject().value("duration").toString().toDouble() * 1e6 + 0.5);
}

QString sineArg() { return QStringLiteral("sine=frequency=440:sample_rate=44100:duration=3"); }

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return path;
}

} // namespace

class TestProbe : public QObject
{
    Q_OBJECT

private:
    QString mkvPath()
    {
        const QString meta = writeFile(TestMedia::mediaDir() + "/probe_chapters.txt",
                                       ";FFMETADATA1\ntitle=Two Voices\n"
                                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=1000\ntitle=Opening\n"
                                       "[CHAPTER]\nTIMEBASE=1/1000\nSTART=1000\nEND=3000\ntitle=Middle\n");
        const QString srt = writeFile(TestMedia::mediaDir() + "/probe_sub.srt",
                                      "1\n00:00:00,500 --> 00:00:01,500\nBonjour\n\n");
        return TestMedia::make("probe_langs.mkv",
                               {"-f", "lavfi", "-i", "testsrc=size=160x120:rate=25:duration=3",
                                "-f", "lavfi", "-i", sineArg(), "-f", "lavfi", "-i", sineArg(),
                                "-i", srt, "-i", meta,
                                "-map", "0", "-map", "1", "-map", "2", "-map", "3",
                                "-map_metadata", "4", "-map_chapters", "4",
                                "-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac", "-c:s", "srt",
                                "-metadata:s:a:0", "language=eng", "-metadata:s:a:1", "language=ger",
                                "-metadata:s:a:1", "title=Director", "-metadata:s:s:0", "language=fre"});
    }

private slots:
    void initTestCase()
    {
        const QString mp4 = TestMedia::h264AacMp4();
        QVERIFY(!mp4.isEmpty());
        VelVideoConvertItem item;
        if (!item.setVideoPath(mp4))
            QSKIP("the media library cannot describe files yet");
    }

    void h264AacMp4()
    {
        const QString path = TestMedia::h264AacMp4();
        const QJsonObject json = probe(path);
        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(path), qPrintable(item.lastError()));
        const QJsonObject video = streamsOf(json, "video").value(0);
        QVERIFY(item.m_bHasVideo);
        QVERIFY(item.m_bHasAudio);
        QCOMPARE(item.m_videoWidth, video.value("width").toInt());
        QCOMPARE(item.m_videoHeight, video.value("height").toInt());
        QVERIFY(qAbs(qint64(item.m_duration) - qint64(durationUs(json))) <= 1000);
        QCOMPARE(item.m_sourcePath, path);
        QCOMPARE(item.m_displayName, QFileInfo(path).fileName());
        QCOMPARE(item.m_sourceExtension, QStringLiteral("mp4"));
        QVERIFY(!item.m_sourceFormatName.isEmpty());
        QCOMPARE(item.m_programIndex, 0);

        // No cover: the picture is the frame at a third of the duration.
        QVERIFY(item.m_picture && !item.m_picture->isNull());
        QCOMPARE(item.m_picture->size(), QSize(320, 240));
        QCOMPARE(item.m_pictureByteCount, uint32_t(item.m_pictureBytes.size()));

        QCOMPARE(item.m_videoTracks.size(), 1);
        const VideoTrackInfo &v = item.m_videoTracks.first();
        QCOMPARE(QString::fromUtf8(v.m_codecName), video.value("codec_name").toString());
        QCOMPARE(v.m_numbers[0], 28u);   // the library's H.264 id
        QCOMPARE(int(v.m_numbers[1]), video.value("width").toInt());
        QCOMPARE(int(v.m_numbers[2]), video.value("height").toInt());
        QCOMPARE(int(v.privateDataSize()), video.value("extradata_size").toInt());

        const QJsonObject audio = streamsOf(json, "audio").value(0);
        QCOMPARE(item.m_audioTracks.size(), 1);
        const AudioTrackInfo &a = item.m_audioTracks.first();
        QCOMPARE(QString::fromUtf8(a.m_codecName), audio.value("codec_name").toString());
        QCOMPARE(int(a.m_numbers[2]), audio.value("sample_rate").toString().toInt());
        QCOMPARE(int(a.m_numbers[3]), audio.value("channels").toInt());
        QCOMPARE(int(a.privateDataSize()), audio.value("extradata_size").toInt());

        QCOMPARE(item.m_editConfig.m_audioTracks.size(), 1);
        QCOMPARE(item.m_editConfig.m_audioTracks.first().m_bSelected, uint8_t(0));
        QCOMPARE(item.m_editConfig.m_programValue.ProgramIndex, 0);
        QCOMPARE(item.m_splitInfo.m_chapterCount, 0);
        QCOMPARE(item.m_subtitleList.size(), 2);   // "No Subtitle" and closed captions
        QCOMPARE(item.m_subtitleList.at(1).m_displayText, QByteArray("Video Internal CC"));
    }

    void languagesSubtitlesAndChapters()
    {
        const QString fixture = mkvPath();
        QVERIFY(!fixture.isEmpty());
        const QJsonObject json = probe(fixture);

        // Subtitle files beside the source are found by its own base name.
        QTemporaryDir dir(QDir::tempPath() + "/probe.dir-XXXXXX");
        const QString movie = dir.filePath("my.movie.mkv");
        QVERIFY(QFile::copy(fixture, movie));
        QVERIFY(!writeFile(dir.filePath("my.movie.srt"), "1\n00:00:00,000 --> 00:00:01,000\nhi\n\n").isEmpty());
        QVERIFY(!writeFile(dir.filePath("my.movie.ass"), "[Script Info]\n").isEmpty());
        QVERIFY(!writeFile(dir.filePath("my.vtt"), "WEBVTT\n").isEmpty());   // another base name

        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(movie), qPrintable(item.lastError()));
        QCOMPARE(item.m_sourceExtension, QStringLiteral("mkv"));
        QCOMPARE(item.m_audioList, (QStringList{"English(aac)", "German(Director)"}));
        QCOMPARE(item.m_audioTracks.at(0).m_displayText, QByteArray("English (aac)"));
        QCOMPARE(item.m_audioTracks.at(0).m_language, QByteArray("English"));
        QCOMPARE(item.m_audioTracks.at(1).m_displayText, QByteArray("Director "));
        QCOMPARE(item.m_audioTracks.at(1).m_language, QByteArray("German"));

        const QList<QJsonObject> subtitles = streamsOf(json, "subtitle");
        QCOMPARE(item.m_subtitleTracks.size(), subtitles.size());
        QCOMPARE(item.m_subtitleTracks.at(0).m_displayText, QByteArray("French (subrip)"));
        QCOMPARE(item.m_subtitleTracks.at(0).m_language, QByteArray("French"));
        QCOMPARE(item.m_subtitleTracks.at(0).m_firstId, 0);

        QStringList offered;
        for (const subltItemInfo &entry : item.m_subtitleList)
            offered.append(QString::fromUtf8(entry.m_displayText));
        QCOMPARE(offered, (QStringList{"No Subtitle", "French (subrip)", "Video Internal CC",
                                       "(my.movie)[ASS]", "(my.movie)[SRT]"}));
        QCOMPARE(item.m_subtitleList.at(3).m_filePath, dir.filePath("my.movie.ass").toUtf8());

        // The edit record lists the stream, then the two files behind it.
        const QList<EVSubtitleTrack> &tracks = item.m_editConfig.m_subtitleTracks;
        QCOMPARE(tracks.size(), 3);
        QCOMPARE(tracks.at(1).m_trackInfo.m_firstId, 1);
        QCOMPARE(tracks.at(1).m_trackInfo.m_trackId, 1);
        QCOMPARE(tracks.at(1).m_trackInfo.m_displayText, QByteArray("my.movie(ASS)"));
        QCOMPARE(tracks.at(2).m_trackInfo.m_trackId, 2);
        QCOMPARE(tracks.at(2).m_trackInfo.m_filePath, dir.filePath("my.movie.srt").toUtf8());
        QCOMPARE(item.m_editConfig.m_subtitleItems.size(), 5);
        QCOMPARE(item.m_editConfig.m_programValue.m_subtitleCount, 1);
        QCOMPARE(item.m_editConfig.m_audioList.size(), 2);

        const QJsonArray chapters = json.value("chapters").toArray();
        QCOMPARE(item.m_splitInfo.m_chapterCount, chapters.size());
        QCOMPARE(item.m_editConfig.m_audioTagInfo.m_title, QByteArray("Two Voices"));
    }

    void twoProgramTransportStream()
    {
        const QString path = TestMedia::make(
            "probe_programs.ts",
            {"-f", "lavfi", "-i", "testsrc=size=96x64:rate=25:duration=2", "-f", "lavfi", "-i", sineArg(),
             "-f", "lavfi", "-i", "testsrc=size=64x48:rate=25:duration=2",
             "-map", "0", "-map", "1", "-map", "2", "-c:v", "mpeg2video", "-c:a", "mp2",
             "-program", "title=First:program_num=1:st=0:st=1",
             "-program", "title=Second:program_num=2:st=2"});
        QVERIFY(!path.isEmpty());
        const QJsonObject json = probe(path);
        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(path), qPrintable(item.lastError()));
        // The extension is the file's, not taken from a program name.
        QCOMPARE(item.m_sourceExtension, QStringLiteral("ts"));
        const QJsonObject program = json.value("programs").toArray().at(0).toObject();
        const QString name = program.value("tags").toObject().value("service_name").toString();
        QCOMPARE(item.m_displayName, name.isEmpty() ? QFileInfo(path).fileName() : name);
        QCOMPARE(item.m_programIndex, 0);
        QCOMPARE(item.m_videoWidth, 96);

        VelVideoConvertItem second;
        QVERIFY2(second.setVideoPath(path, 1), qPrintable(second.lastError()));
        QCOMPARE(second.m_programIndex, 1);
        QCOMPARE(second.m_videoWidth, 64);
        QVERIFY(!second.m_bHasAudio);
        QCOMPARE(second.m_sourceExtension, QStringLiteral("ts"));

        VelVideoConvertItem refused;
        QVERIFY(!refused.setVideoPath(path, 5));
        QVERIFY(!refused.lastError().isEmpty());
    }

    void mp3WithTagsAndCover()
    {
        const QString png = TestMedia::tinyPng();
        QVERIFY(!png.isEmpty());
        const QString path = TestMedia::make(
            "probe_tags.mp3",
            {"-f", "lavfi", "-i", sineArg(), "-i", png, "-map", "0", "-map", "1", "-c:a", "libmp3lame",
             "-c:v", "copy", "-id3v2_version", "3", "-metadata", "title=Song", "-metadata", "artist=Band",
             "-metadata", "album=Record", "-metadata", "genre=Rock", "-metadata", "track=3",
             "-metadata", "date=2019", "-metadata", "comment=Nice", "-metadata:s:v", "comment=Cover (front)"});
        QVERIFY(!path.isEmpty());
        QFile pngFile(png);
        QVERIFY(pngFile.open(QIODevice::ReadOnly));
        const QByteArray coverBytes = pngFile.readAll();

        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(path), qPrintable(item.lastError()));
        QVERIFY(!item.m_bHasVideo);
        QVERIFY(item.m_bHasAudio);
        QCOMPARE(item.m_sourceExtension, QStringLiteral("mp3"));
        QVERIFY(item.m_picture && !item.m_picture->isNull());
        QCOMPARE(item.m_picture->size(), QSize(64, 48));
        QCOMPARE(item.m_pictureBytes, coverBytes);
        QVERIFY(item.m_videoTracks.isEmpty());

        const VEAudioTagInfo &tags = item.m_editConfig.m_audioTagInfo;
        const QJsonObject format = probe(path).value("format").toObject().value("tags").toObject();
        QCOMPARE(QString::fromUtf8(tags.m_title), format.value("title").toString());
        QCOMPARE(QString::fromUtf8(tags.m_artist), format.value("artist").toString());
        QCOMPARE(QString::fromUtf8(tags.m_album), format.value("album").toString());
        QCOMPARE(QString::fromUtf8(tags.m_genre), format.value("genre").toString());
        QCOMPARE(QString::fromUtf8(tags.m_track), format.value("track").toString());
        QCOMPARE(tags.m_year, QByteArray("2019"));
        QCOMPARE(tags.m_cover, coverBytes);
        QCOMPARE(tags.m_coverSize, uint32_t(coverBytes.size()));
        QVERIFY(tags.m_grouping.isEmpty());
    }

    // A cover in a format Qt cannot read is decoded by the media library instead.
    void coverOnlyTheLibraryCanRead()
    {
        const QString tiff = TestMedia::make("probe_cover.tiff",
                                             {"-f", "lavfi", "-i", "color=c=blue:s=40x30", "-frames:v", "1"});
        QVERIFY(!tiff.isEmpty());
        QVERIFY(QImage(tiff).isNull());   // no TIFF reader in this Qt
        const QString path = TestMedia::make("probe_tiffcover.mka",
                                             {"-f", "lavfi", "-i", sineArg(), "-attach", tiff,
                                              "-metadata:s:t", "mimetype=image/tiff",
                                              "-metadata:s:t", "filename=cover.tiff", "-c:a", "aac"});
        QVERIFY(!path.isEmpty());
        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(path), qPrintable(item.lastError()));
        QVERIFY(!item.m_bHasVideo);
        QVERIFY(item.m_picture && !item.m_picture->isNull());
        QCOMPARE(item.m_picture->size(), QSize(40, 30));
        QCOMPARE(QColor(item.m_picture->pixel(20, 15)).blue() > 200, true);
        QVERIFY(item.m_pictureBytes.startsWith("BM"));
    }

    void wavAudioOnly()
    {
        const QString path = TestMedia::sineWav();
        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(path), qPrintable(item.lastError()));
        QVERIFY(!item.m_bHasVideo);
        QCOMPARE(item.m_videoWidth, 0);
        QCOMPARE(item.m_sourceExtension, QStringLiteral("wav"));
        QVERIFY(!item.m_picture || item.m_picture->isNull());
        QVERIFY(qAbs(qint64(item.m_duration) - qint64(durationUs(probe(path)))) <= 1000);
        QCOMPARE(item.m_audioList, QStringList{"Undefined(pcm_s16le)"});
    }

    void rotatedPortraitClip()
    {
        const QString plain = TestMedia::make(
            "probe_unrotated.mp4", {"-f", "lavfi", "-i", "testsrc=size=160x96:rate=25:duration=1", "-c:v",
                                    "libx264", "-preset", "ultrafast"});
        QVERIFY(!plain.isEmpty());
        // Turn the track's display matrix into a quarter turn clockwise, as a phone
        // held upright writes it.
        QFile in(plain);
        QVERIFY(in.open(QIODevice::ReadOnly));
        QByteArray bytes = in.readAll();
        auto words = [](std::initializer_list<uint32_t> values) {
            QByteArray out;
            for (uint32_t v : values) {
                const char be[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
                out.append(be, 4);
            }
            return out;
        };
        const QByteArray identity = words({0x10000, 0, 0, 0, 0x10000, 0, 0, 0, 0x40000000});
        const int matrix = bytes.indexOf(identity, bytes.indexOf("tkhd"));
        QVERIFY(matrix > 0);
        bytes.replace(matrix, identity.size(), words({0, 0x10000, 0, 0xFFFF0000, 0, 0, 0, 0, 0x40000000}));
        const QString path = writeFile(TestMedia::mediaDir() + "/probe_rotated90.mp4", bytes);
        QVERIFY(!path.isEmpty());
        const QJsonObject video = streamsOf(probe(path), "video").value(0);
        const QJsonObject side = video.value("side_data_list").toArray().at(0).toObject();
        QCOMPARE(side.value("rotation").toInt(), -90);   // ffprobe's sign: counter-clockwise

        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(path), qPrintable(item.lastError()));
        QCOMPARE(item.m_videoWidth, video.value("height").toInt());
        QCOMPARE(item.m_videoHeight, video.value("width").toInt());
        QVERIFY(item.m_picture);
        QCOMPARE(item.m_picture->size(), QSize(96, 160));
        QCOMPARE(item.m_videoTracks.first().m_numbers2[4], 90u);
    }

    void stillPicture()
    {
        VelVideoConvertItem item;
        QVERIFY2(item.setVideoPath(TestMedia::tinyPng()), qPrintable(item.lastError()));
        QVERIFY(item.m_bHasVideo);
        QCOMPARE(item.m_videoWidth, 64);
        QCOMPARE(item.m_videoHeight, 48);
        QCOMPARE(item.m_sourceExtension, QStringLiteral("png"));
    }

    void fileWithoutExtension()
    {
        // A folder with a dot must not lend its name to the subtitle search.
        QTemporaryDir dir(QDir::tempPath() + "/clips.v2-XXXXXX");
        const QString movie = dir.filePath("movie");
        QVERIFY(QFile::copy(TestMedia::h264AacMp4(), movie));
        const QString stray = dir.path() + ".srt";
        QVERIFY(!writeFile(stray, "1\n00:00:00,000 --> 00:00:01,000\nx\n\n").isEmpty());
        VelVideoConvertItem item;
        const bool opened = item.setVideoPath(movie);
        QFile::remove(stray);
        QVERIFY2(opened, qPrintable(item.lastError()));
        QCOMPARE(item.m_sourceExtension, QStringLiteral("mp4"));
        QCOMPARE(item.m_displayName, QStringLiteral("movie"));
        QCOMPARE(item.m_subtitleList.size(), 2);
        QCOMPARE(item.m_editConfig.m_subtitleTracks.size(), 0);
    }

    void badInput_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing";
        QTest::newRow("text named mp4") << "text";
        QTest::newRow("zero bytes") << "empty";
        QTest::newRow("truncated mp4") << "truncated";
        QTest::newRow("no streams") << "nostreams";
    }

    void badInput()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.mp4");
        if (kind == "text") {
            writeFile(path, "this is not a video\n");
        } else if (kind == "empty") {
            writeFile(path, QByteArray());
        } else if (kind == "nostreams") {
            writeFile(path, ";FFMETADATA1\ntitle=only tags\n");   // demuxable, but holds no stream
        } else if (kind == "truncated") {
            QFile source(TestMedia::h264AacMp4());
            QVERIFY(source.open(QIODevice::ReadOnly));
            writeFile(path, source.read(2000));
        }
        const QStringList before = QDir(dir.path()).entryList(QDir::Files);
        VelVideoConvertItem item;
        QVERIFY(!item.setVideoPath(path));
        QVERIFY(!item.lastError().isEmpty());
        qInfo().noquote() << "reason:" << item.lastError();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);   // nothing written
    }
};

QTEST_GUILESS_MAIN(TestProbe)
#include "tst_probe.moc"
