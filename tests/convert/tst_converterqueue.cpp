// The conversion queue over real items and the real codec library, driven by a
// QCoreApplication event loop: outputs, states, clean-up after failures and stops.
#include "ConvertFixtures.h"
#include "LogCapture.h"
#include "QueueSignals.h"
#include "TestMedia.h"
#include "TestProfiles.h"

#include "QAttributeSettingHolder.h"
#include "QConverterOperate.h"
#include "QPlistRead.h"
#include "QVideoSettingXml.h"
#include "VelAVCodecAnalysis.h"
#include "VelSystemActions.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"
#include "QConverterObject.h"

#include "zovAruzIvivu.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCodec>

#include <unistd.h>

using namespace ConvertFixtures;

namespace {

constexpr uint64_t kSecond = 1000000;
constexpr int kRunLimitMs = 45000;

// The output profile the settings panel would build from a shipped preset.
void usePreset(const char *category, const char *id)
{
    TestProfiles::usePreset(std::string(ZV_SOURCE_DIR) + "/resources/profile/profiles_mac.plist", category, id);
}

void useLosslessMp4()
{
    AttributeSetting &a = *QAttributeSettingHolder::attributeSetting();
    a = AttributeSetting();
    a.bLossless = true;
    a.nQuality = 90;
    a.fileFormat = "MP4";
    a.fileExtend = "mp4";
}

struct Range {
    uint64_t start, end;
};

// Average PSNR (dB) of `length` s of `a` from `fromA` against `b` from `fromB`
// with `filters` (ending in a comma) applied to b.
double psnrAgainst(const QString &a, double fromA, const QString &b, double fromB, double length, const QString &filters)
{
    const QString graph = QStringLiteral("[0:v]trim=start=%1:duration=%3,setpts=PTS-STARTPTS[a];"
                                         "[1:v]trim=start=%2:duration=%3,setpts=PTS-STARTPTS,%4format=yuv420p[b];"
                                         "[a][b]psnr")
                              .arg(fromA, 0, 'f', 3)
                              .arg(fromB, 0, 'f', 3)
                              .arg(length, 0, 'f', 3)
                              .arg(filters);
    const TestMedia::ToolResult r =
        TestMedia::run("ffmpeg", {"-nostdin", "-i", a, "-i", b, "-filter_complex", graph, "-f", "null", "-"});
    const QRegularExpressionMatch m = QRegularExpression("PSNR y:\\S+ u:\\S+ v:\\S+ average:(\\S+)").match(r.err);
    return !m.hasMatch() ? -1 : m.captured(1) == "inf" ? 100.0 : m.captured(1).toDouble();
}

// Mean volume (dB) of `length` s of the sound from `from`.
double meanVolume(const QString &file, double from, double length)
{
    const QString filter =
        QStringLiteral("atrim=start=%1:duration=%2,volumedetect").arg(from, 0, 'f', 3).arg(length, 0, 'f', 3);
    const TestMedia::ToolResult r = TestMedia::run("ffmpeg", {"-nostdin", "-i", file, "-af", filter, "-f", "null", "-"});
    const QRegularExpressionMatch m = QRegularExpression("mean_volume: (\\S+) dB").match(r.err);
    return m.hasMatch() ? m.captured(1).toDouble() : 1000.0;
}

} // namespace

class TestConverterQueue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void emptyManagerEmitsNothing();
    void threeLosslessSegments();
    void threeEncodedSegments();
    void mergeOfThree();
    void mergeKeepsEachItemsEdits();
    void losslessMergeOfDifferentItemsEncodes();
    void sourceDeletedBeforeItsTurn();
    void mergeWhoseFolderVanishesFails();
    void stopDuringSecondItem();
    void onlyItemFailsRemovesFileAndFolder();
    void unwritableOutputFolderFails_data();
    void unwritableOutputFolderFails();
    void awkwardSourceNames_data();
    void awkwardSourceNames();
    void shutdownOnlyOnExactYes_data();
    void shutdownOnlyOnExactYes();

private:
    void addItems(const QString &source, const QList<Range> &ranges);
    // Runs the queue until it unlocks the interface; false on a time-out.
    bool run(QConverterObject &queue, bool merge);
    QString outputDir(const QString &sourceName) const;

    QTemporaryDir m_root;
    int m_powerCalls = 0;
};

void TestConverterQueue::initTestCase()
{
    QVERIFY(m_root.isValid());
    ZV_Initialize_Library(0, 0);
    QVERIFY(!gopClip().isEmpty());
    QVERIFY(!noisyClip().isEmpty());
    // Never the real power-off: count the requests instead.
    VelSystemActions::setPowerHandler([this](VelSystemActions::Power) { ++m_powerCalls; });
    QVideoSettingXml::SetItemValue("SHOWDOWN_ITEM", "bIsShowDownComputer", "N");
}

void TestConverterQueue::init()
{
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
    QConverterOperate::setConverterPath(m_root.path() + "/" + QTest::currentTestFunction());
}

void TestConverterQueue::cleanup()
{
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
}

QString TestConverterQueue::outputDir(const QString &sourceName) const
{
    return QConverterOperate::getConverterPath() + QFileInfo(sourceName).completeBaseName() + "/";
}

void TestConverterQueue::addItems(const QString &source, const QList<Range> &ranges)
{
    const QFileInfo info(source);
    QConverterOperate::setAdjustFileName(info.fileName(), info.suffix());
    const AttributeSetting *profile = QAttributeSettingHolder::attributeSetting();
    VelVideoConvertManager *manager = VelVideoConvertManager::getConvertManagerObject();
    for (const Range &r : ranges) {
        VelVideoConvertItem *item = manager->CreateConvertItemInfo(source, -1, false);
        QVERIFY2(item, "probing the fixture failed");
        item->m_trimStart = r.start;
        item->m_trimEnd = r.end;
        item->setEditConfigBLossless(profile);
        item->setEditConfigFormat(profile);
        item->resetTrackData();   // as the segment rows do
    }
}

bool TestConverterQueue::run(QConverterObject &queue, bool merge)
{
    QSignalSpy lock(&queue, &QConverterObject::emitIsStartConverter);
    queue.OnStartToCoverter(merge);
    auto unlocked = [&] {
        for (const QList<QVariant> &args : lock) {
            if (!args.at(0).toBool())
                return true;
        }
        return false;
    };
    return QTest::qWaitFor(unlocked, kRunLimitMs);
}

void TestConverterQueue::emptyManagerEmitsNothing()
{
    QConverterObject queue;
    QSignalSpy lock(&queue, &QConverterObject::emitIsStartConverter);
    QSignalSpy progress(&queue, &QConverterObject::emitConvertProToCtrl);
    queue.OnStartToCoverter(false);
    QTest::qWait(50);
    QCOMPARE(lock.count(), 0);
    QCOMPARE(progress.count(), 0);
}

void TestConverterQueue::threeLosslessSegments()
{
    useLosslessMp4();
    const QList<Range> ranges{{1 * kSecond, 4 * kSecond}, {5 * kSecond, 8 * kSecond}, {9 * kSecond, 12 * kSecond}};
    addItems(gopClip(), ranges);
    QConverterObject queue;
    QueueSignals told(queue);
    QVERIFY(run(queue, false));
    // Each item's end starts the next one; the last unlocks before it is counted.
    QCOMPARE(told.sequence(), QString("lock progress count finish progress count finish progress unlock count finish"));
    QVERIFY(told.progressRises());
    // 100/3 in single precision times 3 truncates to 99; the end is told by the states.
    QVERIFY(told.lastProgress() >= 99);

    const QStringList source = packetHashes(gopClip());
    const QString dir = outputDir(gopClip());
    const QString base = QFileInfo(gopClip()).completeBaseName();
    for (int i = 0; i < 3; ++i) {
        const QString file = dir + QStringLiteral("%1_%2.mp4").arg(base).arg(i + 1);
        QVERIFY2(QFile::exists(file), qPrintable(file));
        const QJsonObject p = probe(file);
        const QJsonArray streams = p.value("streams").toArray();
        QCOMPARE(streams.size(), 2);
        QCOMPARE(streams.at(0).toObject().value("codec_name").toString(), QString("h264"));
        QCOMPARE(streams.at(1).toObject().value("codec_name").toString(), QString("aac"));
        const double length = (ranges[i].end - ranges[i].start) / 1e6;
        const double duration = number(p.value("format").toObject().value("duration"));
        QVERIFY2(duration >= length - 0.05 && duration <= length + 2.0 + 0.2, qPrintable(QString::number(duration)));
        QVERIFY(packets(file, "v").first().toObject().value("flags").toString().startsWith('K'));
        const QStringList copied = packetHashes(file);
        const int from = source.indexOf(copied.first());
        QVERIFY(from >= 0);
        QCOMPARE(copied, source.mid(from, copied.size()));
    }
}

void TestConverterQueue::threeEncodedSegments()
{
    usePreset("General Video", "4000");
    const AttributeSetting &profile = *QAttributeSettingHolder::attributeSetting();
    QCOMPARE(profile.VCodecsId, 28);
    QVERIFY(profile.VBitRate > 0);
    // Segments long enough for the encoder's rate control to settle.
    addItems(grainyClip(), {{0, 4 * kSecond}, {4 * kSecond, 8 * kSecond}, {8 * kSecond, 12 * kSecond}});
    QConverterObject queue;
    QSignalSpy done(&queue, &QConverterObject::emitConvertedFinishCount);
    QVERIFY(run(queue, false));
    QCOMPARE(done.count(), 3);

    const QString dir = outputDir(grainyClip());
    const QString base = QFileInfo(grainyClip()).completeBaseName();
    for (int i = 1; i <= 3; ++i) {
        const QString file = dir + QStringLiteral("%1_%2.%3").arg(base).arg(i).arg(profile.fileExtend);
        const QJsonObject p = probe(file);
        const QJsonObject v = p.value("streams").toArray().at(0).toObject();
        QCOMPARE(v.value("codec_name").toString(), QString("h264"));
        QCOMPARE(v.value("width").toInt(), 640);
        QCOMPARE(v.value("height").toInt(), 360);
        QCOMPARE(v.value("avg_frame_rate").toString(), QString("25/1"));
        const double rate = number(v.value("bit_rate"));
        const double wanted = profile.VBitRate * 1000.0;
        QVERIFY2(qAbs(rate - wanted) <= 0.2 * wanted, qPrintable(QStringLiteral("%1 for %2").arg(rate).arg(wanted)));
    }
}

void TestConverterQueue::mergeOfThree()
{
    usePreset("General Video", "4000");
    AttributeSetting &profile = *QAttributeSettingHolder::attributeSetting();
    profile.VBitRate = 1000;
    addItems(gopClip(), {{1 * kSecond, 3 * kSecond}, {5 * kSecond, 6500000}, {9 * kSecond, 11 * kSecond}});
    QConverterObject queue;
    QSignalSpy done(&queue, &QConverterObject::emitConvertedFinishCount);
    QSignalSpy progress(&queue, &QConverterObject::emitConvertProToCtrl);
    QVERIFY(run(queue, true));
    QCOMPARE(done.count(), 1);   // one merged file
    for (const QList<QVariant> &args : progress)
        QVERIFY(args.at(0).toInt() <= 100);

    const QDir dir(outputDir(gopClip()));
    const QStringList files = dir.entryList(QDir::Files);
    QCOMPARE(files.size(), 1);   // no unused per-item names left behind
    const QString file = dir.filePath(files.first());
    QCOMPARE(probe(file).value("streams").toArray().size(), 2);
    const double duration = number(probe(file).value("format").toObject().value("duration"));
    QVERIFY2(qAbs(duration - 5.5) <= 0.1, qPrintable(QString::number(duration)));
    for (const char *kind : {"v", "a"}) {
        double last = -1e9;
        for (const QJsonValue &pkt : packets(file, kind)) {
            const double dts = number(pkt.toObject().value("dts_time"));
            QVERIFY(dts > last);
            last = dts;
        }
    }
    const double gap = qAbs(streamEnd(file, "v") - streamEnd(file, "a"));
    QVERIFY2(gap <= 0.05, qPrintable(QString::number(gap)));
}

// Only the middle item is edited (turned over, sound at 40 %): only the middle
// part of the merged file is.
void TestConverterQueue::mergeKeepsEachItemsEdits()
{
    usePreset("General Video", "4000");
    QAttributeSettingHolder::attributeSetting()->VBitRate = 1500;
    const QList<Range> ranges{{1 * kSecond, 3 * kSecond}, {5 * kSecond, 7 * kSecond}, {9 * kSecond, 11 * kSecond}};
    addItems(gopClip(), ranges);
    VelVideoConvertItem *edited = VelVideoConvertManager::getConvertManagerObject()->GetItem(1);
    QVERIFY(edited);
    edited->m_editConfig.m_cropSettings.m_rotation = 180;
    edited->m_editConfig.m_audioSettings.m_effect.m_volume = 40;
    QConverterObject queue;
    QVERIFY(run(queue, true));
    const QDir dir(outputDir(gopClip()));
    const QStringList files = dir.entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const QString file = dir.filePath(files.first());

    for (int i = 0; i < ranges.size(); ++i) {
        const double at = 2.0 * i, from = ranges[i].start / 1e6;
        const QString picture = i == 1 ? "hflip,vflip," : "";
        const double db = psnrAgainst(file, at + 0.1, gopClip(), from + 0.1, 1.8, picture);
        QVERIFY2(db >= 30.0, qPrintable(QStringLiteral("part %1: PSNR %2 dB").arg(i + 1).arg(db)));
        const double quieter = meanVolume(gopClip(), from + 0.1, 1.8) - meanVolume(file, at + 0.1, 1.8);
        const double wanted = i == 1 ? 7.96 : 0.0;   // 40 % is 7.96 dB down
        QVERIFY2(qAbs(quieter - wanted) <= 1.0, qPrintable(QStringLiteral("part %1: %2 dB quieter").arg(i + 1).arg(quieter)));
    }
}

void TestConverterQueue::losslessMergeOfDifferentItemsEncodes()
{
    // 320x240 and 160x120 cannot share one copied stream: the merge encodes.
    useLosslessMp4();
    addItems(gopClip(), {{0, 2 * kSecond}});
    addItems(smallClip(), {{0, 2 * kSecond}});
    QVERIFY(!VelVideoConvertManager::getConvertManagerObject()->IsLosslessMerger());
    QConverterObject queue;
    QSignalSpy done(&queue, &QConverterObject::emitConvertedFinishCount);
    QVERIFY(run(queue, true));
    QCOMPARE(done.count(), 1);
    const QDir dir(outputDir(smallClip()));
    const QStringList files = dir.entryList(QDir::Files);
    QCOMPARE(files.size(), 1);
    const QJsonObject p = probe(dir.filePath(files.first()));
    const QJsonObject v = p.value("streams").toArray().at(0).toObject();
    QCOMPARE(v.value("width").toInt(), 320);
    QCOMPARE(v.value("height").toInt(), 240);
    const double duration = number(p.value("format").toObject().value("duration"));
    QVERIFY2(qAbs(duration - 4.0) <= 0.1, qPrintable(QString::number(duration)));
}

void TestConverterQueue::sourceDeletedBeforeItsTurn()
{
    useLosslessMp4();
    const QString copy = m_root.filePath("vanishing.mp4");
    QVERIFY(QFile::copy(gopClip(), copy));
    addItems(copy, {{0, 2 * kSecond}, {4 * kSecond, 6 * kSecond}, {8 * kSecond, 10 * kSecond}});
    QConverterObject queue;
    // The file goes away as soon as the first item is done.
    connect(&queue, &QConverterObject::emitConvertedFinishCount, this, [&] { QFile::remove(copy); });
    QueueSignals told(queue);
    LogCapture log("zv.engine");
    QVERIFY(run(queue, false));
    // Item 2 is refused inside item 1's end, so its failure comes first.
    QCOMPARE(told.sequence(), QString("lock progress count unlock fail finish"));
    // The log says which item failed and why, in the library's words.
    const QStringList warnings = log.warnings();
    QVERIFY2(warnings.size() == 1 && warnings.first().contains(copy)
                 && warnings.first().contains("No such file or directory"),
             qPrintable(warnings.join('\n')));
    const QDir dir(outputDir(copy));
    QCOMPARE(dir.entryList(QDir::Files), QStringList{"vanishing_1.mp4"});   // item 1 stays, item 2 left nothing
}

void TestConverterQueue::mergeWhoseFolderVanishesFails()
{
    useLosslessMp4();
    addItems(gopClip(), {{0, 2 * kSecond}, {4 * kSecond, 6 * kSecond}});
    QConverterObject queue;
    QSignalSpy done(&queue, &QConverterObject::emitConvertedFinishCount);
    QSignalSpy finished(&queue, &QConverterObject::emitConvertedFinish);
    // The output folder goes away once the first item is in the file; the
    // merge goes on writing into a file nobody can reach.
    const QString dir = outputDir(gopClip());
    bool removed = false;
    connect(&queue, &QConverterObject::emitConvertedFinish, this, [&] {
        if (!removed)
            removed = QDir(dir).removeRecursively();
    });
    QVERIFY(run(queue, true));
    QVERIFY(removed);
    QCOMPARE(done.count(), 0);
    // The failure is raised inside the last task's own end, so the spy sees it first.
    QVERIFY(std::any_of(finished.cbegin(), finished.cend(), [](const QList<QVariant> &a) { return !a.at(0).toBool(); }));
    QVERIFY(!QDir(dir).exists() || QDir(dir).isEmpty());
}

void TestConverterQueue::stopDuringSecondItem()
{
    usePreset("General Video", "4000");
    addItems(noisyClip(), {{0, 1 * kSecond}, {0, 6 * kSecond}, {0, 6 * kSecond}});
    QConverterObject queue;
    QSignalSpy done(&queue, &QConverterObject::emitConvertedFinishCount);
    QSignalSpy finished(&queue, &QConverterObject::emitConvertedFinish);
    QSignalSpy lock(&queue, &QConverterObject::emitIsStartConverter);
    LogCapture log("zv.engine");
    // Item 2 starts inside the handler of item 1's end; stop once it runs.
    connect(&queue, &QConverterObject::emitConvertedFinishCount, this,
            [&] { QMetaObject::invokeMethod(&queue, [&] { queue.StopConvert(); }, Qt::QueuedConnection); });
    queue.OnStartToCoverter(false);
    QVERIFY(QTest::qWaitFor([&] { return finished.count() >= 2; }, kRunLimitMs));
    QTest::qWait(100);
    QCOMPARE(done.count(), 1);
    QCOMPARE(finished.at(1).at(0).toBool(), false);
    QVERIFY(queue.isStopConvert());
    QCOMPARE(lock.last().at(0).toBool(), false);
    QVERIFY2(log.warnings().isEmpty(), qPrintable(log.warnings().join('\n')));   // a stop is no failure
    const QDir dir(outputDir(noisyClip()));
    const QString base = QFileInfo(noisyClip()).completeBaseName();
    QCOMPARE(dir.entryList(QDir::Files), QStringList{base + "_1.mp4"});
}

void TestConverterQueue::onlyItemFailsRemovesFileAndFolder()
{
    // An encoder this build lacks: the only item fails at its start.
    usePreset("General Video", "4000");
    QAttributeSettingHolder::attributeSetting()->VCodecsId = 72;   // WMV3
    addItems(gopClip(), {{0, 2 * kSecond}});
    QConverterObject queue;
    QueueSignals told(queue);
    LogCapture log("zv.engine");
    QVERIFY(run(queue, false));
    // The only item was the last one: unlocked once as the run's end, once as its failure.
    QCOMPARE(told.sequence(), QString("lock unlock unlock fail"));
    QVERIFY2(!QDir(outputDir(gopClip())).exists(), "the empty output folder must go");
    const QStringList warnings = log.warnings();
    QVERIFY2(warnings.size() == 1 && warnings.first().contains(gopClip())
                 && warnings.first().contains("no encoder for"),
             qPrintable(warnings.join('\n')));
}

void TestConverterQueue::awkwardSourceNames_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("localeCodec");
    QTest::addColumn<QByteArray>("onDisk");
    const QString twoByte = QString(124, QChar(0xE9)) + ".ts";
    QTest::newRow("251-byte name") << tsClip() << QString(248, 'n') + ".ts" << QByteArray("UTF-8")
                                   << QByteArray(248, 'n') + ".ts";
    QTest::newRow("251-byte name without an extension") << gopClip() << QString(251, 'n') << QByteArray("UTF-8")
                                                        << QByteArray(251, 'n');
    QTest::newRow("251-byte name of two-byte letters") << tsClip() << twoByte << QByteArray("UTF-8")
                                                       << twoByte.toUtf8();
    QTest::newRow("Latin-1 name") << gopClip() << QStringLiteral("Caf\u00e9 \u00e0 l'\u00e9t\u00e9.mp4")
                                  << QByteArray("ISO-8859-1") << QByteArray("Caf\xe9 \xe0 l'\xe9t\xe9.mp4");
}

void TestConverterQueue::awkwardSourceNames()
{
    QFETCH(QString, fixture);
    QFETCH(QString, name);
    QFETCH(QByteArray, localeCodec);
    QFETCH(QByteArray, onDisk);
    // The file system's encoding is the locale's: a Latin-1 system names its files in Latin-1.
    QTextCodec *before = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName(localeCodec));
    auto restore = qScopeGuard([before] { QTextCodec::setCodecForLocale(before); });

    const QString sources = QConverterOperate::getConverterPath() + "sources";
    QVERIFY(QDir().mkpath(sources));
    const QString source = sources + "/" + name;
    QVERIFY(QFile::copy(fixture, source));
    QVERIFY2(::access((QFile::encodeName(sources) + "/" + onDisk).constData(), R_OK) == 0, "the fixture's name on disk");

    useLosslessMp4();
    addItems(source, {{1 * kSecond, 3 * kSecond}});
    QConverterObject queue;
    QueueSignals told(queue);
    QVERIFY(run(queue, false));
    QVERIFY2(told.sequence().endsWith("finish"), qPrintable(told.sequence()));

    const QString folder = QConverterOperate::getOutputDir();
    const QStringList made = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(made.size(), 1);
    const QString output = made.first();
    // Shortened only as far as the name must be, keeping its number and extension.
    QVERIFY2(output.endsWith("_1.mp4"), qPrintable(output));
    QVERIFY2(QFile::encodeName(output).size() <= 238, qPrintable(QString::number(QFile::encodeName(output).size())));
    QVERIFY(name.startsWith(output.chopped(int(qstrlen("_1.mp4")))));
    QVERIFY(!output.contains(QChar::ReplacementCharacter));
    const QJsonObject p = probe(folder + output);
    QCOMPARE(p.value("streams").toArray().size(), 2);
}

void TestConverterQueue::unwritableOutputFolderFails_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("folder name taken by a file") << false;
}

void TestConverterQueue::unwritableOutputFolderFails()
{
    QFETCH(bool, readOnly);
    useLosslessMp4();
    const QString blocked = m_root.filePath(readOnly ? "readonly" : "blocked");
    if (readOnly) {
        if (::geteuid() == 0)
            QSKIP("permissions do not hold for root");
        QVERIFY(QDir().mkpath(blocked));
        QVERIFY(QFile::setPermissions(blocked, QFile::ReadOwner | QFile::ExeOwner));
    } else {
        // Nothing can be written below a file, not even by root.
        QFile f(blocked);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
    }
    QConverterOperate::setConverterPath(blocked + "/");
    addItems(gopClip(), {{0, 2 * kSecond}, {2 * kSecond, 4 * kSecond}});
    QConverterObject queue;
    QSignalSpy finished(&queue, &QConverterObject::emitConvertedFinish);
    QSignalSpy done(&queue, &QConverterObject::emitConvertedFinishCount);
    QVERIFY(run(queue, false));
    QCOMPARE(finished.count(), 1);   // the run stops at the first failure
    QCOMPARE(finished.first().at(0).toBool(), false);
    QCOMPARE(done.count(), 0);
    QVERIFY(readOnly ? QDir(blocked).isEmpty() : QFileInfo(blocked).isFile());
    if (readOnly)
        QFile::setPermissions(blocked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestConverterQueue::shutdownOnlyOnExactYes_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("requests");
    QTest::newRow("Y") << "Y" << 1;
    QTest::newRow("lower-case y") << "y" << 0;
    QTest::newRow("N") << "N" << 0;
}

void TestConverterQueue::shutdownOnlyOnExactYes()
{
    QFETCH(QString, setting);
    QFETCH(int, requests);
    useLosslessMp4();
    QVideoSettingXml::SetItemValue("SHOWDOWN_ITEM", "bIsShowDownComputer", setting);
    m_powerCalls = 0;
    addItems(gopClip(), {{0, 1 * kSecond}});
    QConverterObject queue;
    QVERIFY(run(queue, false));
    QCOMPARE(m_powerCalls, requests);
    QVideoSettingXml::SetItemValue("SHOWDOWN_ITEM", "bIsShowDownComputer", "N");
}

QTEST_GUILESS_MAIN(TestConverterQueue)
#include "tst_converterqueue.moc"
