// The worker thread base, the converter and the edit configuration applier,
// over the real codec library.
#include "ConvertFixtures.h"
#include "TestMedia.h"
#include "TestTiming.h"

#include "CAVEncodeParam.h"
#include "CAVConverter.h"
#include "QUtilThread.h"
#include "VelConfigManager.h"

#include "zovAruzIvivu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <QThread>

#include <atomic>
#include <mutex>
#include <vector>

#include <sys/mount.h>
#include <unistd.h>

using namespace ConvertFixtures;

namespace {

constexpr uint64_t kSecond = 1000000;

// Owns its worker the way every worker of the application does: as its last
// member, with no join of its own.
class CountingThread
{
public:
    void start() { m_thread.StartThread(); }
    bool StopThread() { return m_thread.StopThread(); }
    void JoinThread() { m_thread.JoinThread(); }
    std::atomic<int> runs{0};
    std::atomic<int> concurrent{0};
    std::atomic<int> maxConcurrent{0};
    int sleepMs = 0;

private:
    void OnExecute()
    {
        const int now = ++concurrent;
        maxConcurrent = std::max(maxConcurrent.load(), now);
        QThread::msleep(sleepMs);
        ++runs;
        --concurrent;
    }
    QUtilThread m_thread{[this] { OnExecute(); }};
};

struct Report {
    unsigned int progress;
    convertState state;
};

// Collects the converter's reports, which arrive on its worker thread.
struct Reports {
    std::mutex mutex;
    std::vector<Report> list;

    static void callback(unsigned int progress, void *user, convertState state)
    {
        auto *self = static_cast<Reports *>(user);
        std::lock_guard<std::mutex> lock(self->mutex);
        self->list.push_back({progress, state});
    }
    bool waitFinal(int limitMs = 50000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < limitMs) {
            {
                std::lock_guard<std::mutex> lock(mutex);
                if (!list.empty() && list.back().state != convertRunning && list.back().state != convertPreparing)
                    return true;
            }
            QThread::msleep(10);
        }
        return false;
    }
    Report last()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return list.empty() ? Report{0, convertRunning} : list.back();
    }
    std::vector<Report> all()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return list;
    }
};

CAVEncodeParam encodeParam(const QByteArray &format, int video, int audio, uint32_t kbps = 0)
{
    CAVEncodeParam p;
    p.m_format = format;
    p.m_videoCodec = video;
    p.m_audioCodec = audio;
    p.m_videoBitRate = kbps;
    p.m_videoOption = 50;
    p.m_audioOption = 50;
    p.m_channels = 2;
    p.m_sampleRate = 44100;
    p.m_audioBitRate = 128;
    // As probing leaves it: the first audio track selected.
    p.m_editConfig.m_audioTracks.append(EVAudioTrack{1, AudioTrackInfo()});
    return p;
}

CAVEncodeParam copyParam(const QByteArray &format)
{
    CAVEncodeParam p;
    p.m_format = format;
    p.m_bLossless = 1;
    p.m_editConfig.m_bLossless = true;
    p.m_editConfig.m_fileFormat = QString::fromUtf8(format);
    return p;
}

QString codecOf(const QString &file, const QString &type)
{
    for (const QJsonValue &s : probe(file).value("streams").toArray()) {
        if (s.toObject().value("codec_type").toString() == type)
            return s.toObject().value("codec_name").toString();
    }
    return QString();
}

} // namespace

class TestConverter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void threadBaseStartsOnceAndJoins();
    void threadBaseStartAgainJoinsPrevious();
    void threadBaseDestructionJoins();
    void threadBaseRestartFromItsWorkerIsJoined();
    void conversionReportsGrowingProgressThenFinished();
    void failureMidwayIsReportedAsFailure();
    void stopReportsStoppedAndRemovesOutput();
    void refusedStartReturnsFalse();
    void deferredStartClipsChaptersToTheRange();
    void losslessSubtitlesConvertedOrRetried_data();
    void losslessSubtitlesConvertedOrRetried();
    void audioTypeNoneLeavesNoAudio();
    void mergeTasksReportEachAndJoin_data();
    void mergeTasksReportEachAndJoin();
    void tagsWrittenAfterConversion_data();
    void tagsWrittenAfterConversion();
    void tagFailureKeepsGoodFile();
    void tagPassOnSmallDisk_data();
    void tagPassOnSmallDisk();
    void subtitleAndAudioMasks();
    void fontNames_data();
    void fontNames();

private:
    QTemporaryDir m_dir;
};

void TestConverter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    ZV_Initialize_Library(0, 0);
    QVERIFY(!gopClip().isEmpty());
}

void TestConverter::threadBaseStartsOnceAndJoins()
{
    CountingThread t;
    QVERIFY(t.StopThread());   // never started: harmless
    t.start();
    t.JoinThread();
    QCOMPARE(t.runs.load(), 1);
}

void TestConverter::threadBaseStartAgainJoinsPrevious()
{
    CountingThread t;
    t.sleepMs = 100;
    t.start();
    t.start();   // waits for the first worker instead of leaving it detached
    t.JoinThread();
    QCOMPARE(t.runs.load(), 2);
    QCOMPARE(t.maxConcurrent.load(), 1);
}

void TestConverter::threadBaseDestructionJoins()
{
    auto *t = new CountingThread;
    t->sleepMs = 150;
    t->start();
    QElapsedTimer timer;
    timer.start();
    delete t;   // returns only after OnExecute ended
    QVERIFY(timer.elapsed() >= 100);
}

void TestConverter::threadBaseRestartFromItsWorkerIsJoined()
{
    // The first worker starts its successor, then carries on for a while:
    // it cannot join itself, so the next join on another thread must.
    struct RestartingThread {
        std::atomic<int> runs{0};
        std::atomic<bool> firstEnded{false};
        QUtilThread thread{[this] {
            if (++runs == 1) {
                thread.StartThread();
                QThread::msleep(200);
                firstEnded = true;
            }
        }};
    };
    RestartingThread t;
    t.thread.StartThread();
    QTRY_COMPARE_WITH_TIMEOUT(t.runs.load(), 2, 20000);
    t.thread.JoinThread();
    QVERIFY2(t.firstEnded, "the join returned while the first worker still ran");
    QVERIFY(!t.thread.isRunning());
}

void TestConverter::conversionReportsGrowingProgressThenFinished()
{
    const QString target = m_dir.filePath("conv.mp4");
    CAVEncodeParam p = encodeParam("mp4", 28, 0x15002);
    p.m_trimStart = 1 * kSecond;
    p.m_duration = 8 * kSecond;
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(gopClip().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, false));
    QVERIFY(reports.waitFinal());
    DestroyAVConverter(c);
    const std::vector<Report> all = reports.all();
    QCOMPARE(int(all.back().state), int(convertFinished));
    QCOMPARE(all.back().progress, 100u);
    unsigned int last = 0;
    for (size_t i = 0; i + 1 < all.size(); ++i) {
        QCOMPARE(int(all[i].state), int(convertRunning));
        QVERIFY(all[i].progress > last);   // only growth is reported, never 0
        QVERIFY(all[i].progress <= 99);
        last = all[i].progress;
    }
    QCOMPARE(codecOf(target, "video"), QString("h264"));
}

void TestConverter::failureMidwayIsReportedAsFailure()
{
    if (!QFile::exists("/dev/full"))
        QSKIP("no /dev/full");
    CAVEncodeParam p = encodeParam("matroska", 28, 0x15002);
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    // The header fits in the write buffer, so the disk is found full while
    // the job runs: a failure report, never a finished one.
    QVERIFY(c->StartConvert(gopClip().toUtf8(), "/dev/full", &p, &reports, &Reports::callback, false));
    QVERIFY(reports.waitFinal());
    QCOMPARE(int(reports.last().state), int(convertOpenFailed));
    // The library's reason is kept for the queue's log.
    QVERIFY2(c->lastErrorText().contains("No space left"), qPrintable(c->lastErrorText()));
    DestroyAVConverter(c);
    QVERIFY(QFile::exists("/dev/full"));
}

void TestConverter::stopReportsStoppedAndRemovesOutput()
{
    const QString target = m_dir.filePath("stopped.mkv");
    CAVEncodeParam p = encodeParam("matroska", 28, 0x15002);
    p.m_videoOption = 90;
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(noisyClip().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, false));
    QElapsedTimer t;
    t.start();
    c->StopConvert();   // returns after the worker ended
    QVERIFY2(t.elapsed() < TestTiming::scaled(3000), qPrintable(QString::number(t.elapsed())));
    const Report last = reports.last();
    QCOMPARE(int(last.state), int(convertStopped));
    QCOMPARE(last.progress, 0u);
    QVERIFY(!QFile::exists(target));
    DestroyAVConverter(c);
}

void TestConverter::refusedStartReturnsFalse()
{
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    CAVEncodeParam p = encodeParam("mp4", 72, 0x15002);   // WMV3: no encoder
    QVERIFY(!c->StartConvert(gopClip().toUtf8(), m_dir.filePath("no.mp4").toUtf8(), &p, &reports,
                             &Reports::callback, false));
    QVERIFY(!c->StartConvert(nullptr, "x", &p, &reports, &Reports::callback, false));
    DestroyAVConverter(c);   // no worker ran: nothing to wait for
    QVERIFY(reports.all().empty());
    DestroyAVConverter(nullptr);
}

void TestConverter::deferredStartClipsChaptersToTheRange()
{
    const QString target = m_dir.filePath("chapters.mp4");
    CAVEncodeParam p = encodeParam("mp4", 28, 0x15002);
    p.m_trimStart = 3 * kSecond;
    p.m_duration = 6 * kSecond;
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(chapteredClip().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, true));
    QVERIFY(reports.waitFinal());
    DestroyAVConverter(c);
    const std::vector<Report> all = reports.all();
    QCOMPARE(int(all.front().state), int(convertPreparing));
    QCOMPARE(all.front().progress, 1u);
    QCOMPARE(int(all.back().state), int(convertFinished));

    // [0,4) [4,8) [8,12) seen through the range [3,9): [0,1) [1,5) [5,6).
    const QJsonArray chapters = QJsonDocument::fromJson(TestMedia::ffprobeJson(target, {"-show_chapters"}))
                                    .object().value("chapters").toArray();
    QCOMPARE(chapters.size(), 3);
    const double expected[][2] = {{0, 1}, {1, 5}, {5, 6}};
    const char *titles[] = {"One", "Two", "Three"};
    for (int i = 0; i < 3; ++i) {
        const QJsonObject ch = chapters.at(i).toObject();
        QVERIFY(qAbs(number(ch.value("start_time")) - expected[i][0]) < 0.01);
        QVERIFY(qAbs(number(ch.value("end_time")) - expected[i][1]) < 0.01);
        QCOMPARE(ch.value("tags").toObject().value("title").toString(), QString(titles[i]));
    }
}

void TestConverter::losslessSubtitlesConvertedOrRetried_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QString>("subtitle");
    QTest::newRow("mp4 converts subrip to mov_text") << QByteArray("mp4") << "mov_text";
    QTest::newRow("avi refuses, the retry drops it") << QByteArray("avi") << "";
}

void TestConverter::losslessSubtitlesConvertedOrRetried()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, subtitle);
    const QString target = m_dir.filePath("subs." + QString::fromUtf8(format));
    CAVEncodeParam p = copyParam(format);
    SubtitleTrackInfo sub;
    sub.m_trackId = 2;
    sub.m_codecName = "subrip";
    p.m_editConfig.m_subtitleTracks.append(EVSubtitleTrack{1, sub});
    AudioTrackInfo audio;
    p.m_editConfig.m_audioTracks.append(EVAudioTrack{1, audio});
    p.m_editConfig.m_programValue.subtlType = 0;
    p.m_duration = 4 * kSecond;
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(subtitledMkv().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, false));
    QVERIFY(reports.waitFinal());
    DestroyAVConverter(c);
    QCOMPARE(int(reports.last().state), int(convertFinished));
    QCOMPARE(codecOf(target, "video"), QString("h264"));
    QCOMPARE(codecOf(target, "audio"), QString("aac"));
    QCOMPARE(codecOf(target, "subtitle"), subtitle);
}

void TestConverter::audioTypeNoneLeavesNoAudio()
{
    const QString target = m_dir.filePath("mute.mp4");
    CAVEncodeParam p = encodeParam("mp4", 28, 0x15002);
    p.m_editConfig.m_programValue.audioType = -1;   // wins over the selected track
    p.m_duration = 2 * kSecond;
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(gopClip().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, false));
    QVERIFY(reports.waitFinal());
    DestroyAVConverter(c);
    QCOMPARE(codecOf(target, "video"), QString("h264"));
    QCOMPARE(codecOf(target, "audio"), QString());
}

void TestConverter::mergeTasksReportEachAndJoin_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    // A copy starts each task at its key frame, up to a GOP (2 s) early.
    QTest::newRow("copy") << true << 8.0 << 8.0 + 2 * 2.0 + 0.2;
    QTest::newRow("encode") << false << 8.0 - 0.1 << 8.0 + 0.1;
}

void TestConverter::mergeTasksReportEachAndJoin()
{
    QFETCH(bool, lossless);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const QString target = m_dir.filePath(QStringLiteral("merged_%1.mp4").arg(QTest::currentDataTag()));
    CAVEncodeParam p = lossless ? copyParam("mp4") : encodeParam("mp4", 28, 0x15002);
    if (lossless) {
        AudioTrackInfo audio;
        p.m_editConfig.m_audioTracks.append(EVAudioTrack{1, audio});
    }
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartMerger(target.toUtf8(), &p));
    for (uint64_t start : {uint64_t(0), uint64_t(6 * kSecond)}) {
        Reports reports;
        p.m_trimStart = start;
        p.m_duration = 4 * kSecond;
        QVERIFY(c->AddMergerTask(gopClip().toUtf8(), &p, &reports, &Reports::callback));
        QVERIFY(reports.waitFinal());
        QCOMPARE(int(reports.last().state), int(convertFinished));
        QCOMPARE(reports.last().progress, 100u);
        // Whole percent steps, each told once.
        const std::vector<Report> all = reports.all();
        unsigned int last = 0;
        for (size_t i = 0; i + 1 < all.size(); ++i) {
            QCOMPARE(int(all[i].state), int(convertRunning));
            QVERIFY2(all[i].progress > last && all[i].progress <= 100,
                     qPrintable(QStringLiteral("%1 after %2").arg(all[i].progress).arg(last)));
            last = all[i].progress;
        }
        // The worker of this task has reported; the next task starts after it returned.
    }
    c->StopMerger(false);
    DestroyAVConverter(c);
    const double duration = number(probe(target).value("format").toObject().value("duration"));
    QVERIFY2(duration >= shortest && duration <= longest, qPrintable(QString::number(duration)));
}

void TestConverter::tagsWrittenAfterConversion_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<int>("video");
    QTest::addColumn<int>("audio");
    QTest::newRow("mp3") << QByteArray("mp3") << "mp3" << -1 << 0x15001;
    QTest::newRow("m4a") << QByteArray("m4a") << "m4a" << -1 << 0x15002;
    QTest::newRow("mp4") << QByteArray("mp4") << "mp4" << 28 << 0x15002;
    QTest::newRow("flac") << QByteArray("flac") << "flac" << -1 << 0x1500C;
}

void TestConverter::tagsWrittenAfterConversion()
{
    QFETCH(QByteArray, format);
    QFETCH(QString, suffix);
    QFETCH(int, video);
    QFETCH(int, audio);
    const QString target = m_dir.filePath("tagged." + suffix);
    CAVEncodeParam p = encodeParam(format, video, audio);
    p.m_duration = 2 * kSecond;
    VEAudioTagInfo &tags = p.m_editConfig.m_audioTagInfo;
    tags.m_title = "Zwölf Töne";
    tags.m_artist = "The Artist";
    tags.m_album = "An Album";
    tags.m_track = "3";
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(gopClip().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, false));
    QVERIFY(reports.waitFinal());
    DestroyAVConverter(c);
    QCOMPARE(int(reports.last().state), int(convertFinished));
    const QJsonObject read = QJsonDocument::fromJson(TestMedia::ffprobeJson(target, {"-show_format"})).object();
    const QJsonObject t = read.value("format").toObject().value("tags").toObject();
    auto tag = [&](const char *key) {
        for (auto it = t.begin(); it != t.end(); ++it) {
            if (it.key().compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
                return it.value().toString();
        }
        return QString();
    };
    QCOMPARE(tag("title"), QStringLiteral("Zwölf Töne"));
    QCOMPARE(tag("artist"), QString("The Artist"));
    QCOMPARE(tag("album"), QString("An Album"));
    QVERIFY(tag("track").startsWith('3'));
}

void TestConverter::tagFailureKeepsGoodFile()
{
    // Matroska: the tag writer refuses; the output stays byte for byte and the call reports no failure.
    const QString file = m_dir.filePath("keep.mkv");
    QVERIFY(QFile::copy(toneFile("mkv"), file));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    VEAudioTagInfo tags;
    tags.m_title = "ignored";
    QVERIFY(VelConfigManager::setAudioTagInfoSettings(file.toUtf8().constData(), tags));
    QVERIFY(VelConfigManager::setAudioTagInfoSettings(m_dir.filePath("missing.mp3").toUtf8().constData(), tags));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), before);
}

void TestConverter::tagPassOnSmallDisk_data()
{
    QTest::addColumn<bool>("fits");
    QTest::newRow("tags that fit beside the output") << true;
    QTest::newRow("a cover larger than the space left") << false;
}

void TestConverter::tagPassOnSmallDisk()
{
    QFETCH(bool, fits);
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root; the full-disk tag pass is not checked");
    // The output's size, from the same copy without tags.
    CAVEncodeParam p = copyParam("mp4");
    const QString measured = m_dir.filePath("measure_tags.mp4");
    {
        Reports reports;
        IAVConverter *c = CreateAVConverter();
        QVERIFY(c->StartConvert(grainyClip().toUtf8(), measured.toUtf8(), &p, &reports, &Reports::callback, false));
        QVERIFY(reports.waitFinal());
        DestroyAVConverter(c);
        QCOMPARE(int(reports.last().state), int(convertFinished));
    }
    const qint64 size = QFileInfo(measured).size();
    QVERIFY2(size > 2 * 1024 * 1024, qPrintable(QString::number(size)));

    // Room for the output and half of it again: never for a second copy.
    const QString mountPoint = m_dir.filePath(fits ? "small_fits" : "small_full");
    QVERIFY(QDir().mkpath(mountPoint));
    const qint64 room = (size + size / 2 + 4095) / 4096 * 4096;
    const QByteArray options = "size=" + QByteArray::number(room);
    if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, options.constData()) != 0)
        QSKIP("no tmpfs could be mounted here; the full-disk tag pass is not checked");
    auto unmount = qScopeGuard([&] { ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH); });

    VEAudioTagInfo &tags = p.m_editConfig.m_audioTagInfo;
    tags.m_title = "Auf kleiner Platte";
    tags.m_cover = QByteArray(fits ? 16 * 1024 : int(size / 2), 'c');
    tags.m_cover.replace(0, 4, "\x89PNG");
    const QString target = mountPoint + "/tagged.mp4";
    Reports reports;
    IAVConverter *c = CreateAVConverter();
    QVERIFY(c->StartConvert(grainyClip().toUtf8(), target.toUtf8(), &p, &reports, &Reports::callback, false));
    QVERIFY(reports.waitFinal());
    const QString error = c->lastErrorText();
    DestroyAVConverter(c);

    const QStringList left = QDir(mountPoint).entryList(QDir::Files | QDir::Hidden | QDir::System);
    if (fits) {
        QCOMPARE(int(reports.last().state), int(convertFinished));
        QCOMPARE(left, QStringList{"tagged.mp4"});
        const QJsonObject read = QJsonDocument::fromJson(TestMedia::ffprobeJson(target, {"-show_format"})).object();
        QCOMPARE(read.value("format").toObject().value("tags").toObject().value("title").toString(),
                 QString("Auf kleiner Platte"));
    } else {
        QCOMPARE(int(reports.last().state), int(convertOpenFailed));
        QVERIFY2(error.contains("tags"), qPrintable(error));
        QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
    }
}

void TestConverter::subtitleAndAudioMasks()
{
    VEEditConfig edit;
    edit.m_bLossless = true;
    edit.m_fileFormat = "mkv";
    auto sub = [](bool selected, uint64_t tag, int firstId = 0) {
        SubtitleTrackInfo info;
        info.m_codecTag = tag;
        info.m_firstId = firstId;
        return EVSubtitleTrack{uint8_t(selected), info};
    };
    edit.m_subtitleTracks = {sub(true, 0), sub(false, 0), sub(true, SubtitleTrackInfo::ClosedCaptionTag),
                             sub(true, 0, 1), sub(true, 0)};
    // Captions only into mov; nothing from the first file beside the source on.
    QCOMPARE(VelConfigManager::subtitleTrackMask(edit), uint64_t(0b001));
    edit.m_fileFormat = "mov";
    QCOMPARE(VelConfigManager::subtitleTrackMask(edit), uint64_t(0b101));
    edit.m_fileFormat = "mkv";
    edit.m_subtitleTracks = {sub(true, SubtitleTrackInfo::ClosedCaptionTag)};
    QCOMPARE(VelConfigManager::subtitleTrackMask(edit), uint64_t(0));

    edit.m_audioTracks.clear();
    for (int i = 0; i < 66; ++i)
        edit.m_audioTracks.append(EVAudioTrack{uint8_t(i == 1 || i == 65), AudioTrackInfo()});
    QCOMPARE(VelConfigManager::audioTrackMask(edit), uint64_t(0b10));   // bit 65 wraps onto bit 1
}

void TestConverter::fontNames_data()
{
    QTest::addColumn<QByteArray>("font");
    QTest::addColumn<QByteArray>("applied");
    QTest::newRow("plain") << QByteArray("DejaVu Sans") << QByteArray("DejaVu Sans");
    QTest::newRow("vertical marker") << QByteArray("@Noto Sans") << QByteArray("Noto Sans");
    QTest::newRow("marker only") << QByteArray("@") << QByteArray("");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestConverter::fontNames()
{
    QFETCH(QByteArray, font);
    QFETCH(QByteArray, applied);
    QCOMPARE(VelConfigManager::fontName(font), applied);
}

QTEST_GUILESS_MAIN(TestConverter)
#include "tst_converter.moc"
