// Every shipped preset, chosen in the format dialog and confirmed, gives an
// output profile the codec library accepts: a job configured from it, the way
// the converter configures one, opens and begins on a small clip.
#include "FormatBaseInfo.h"
#include "FormatWidget.h"
#include "QIAnyUtil.h"
#include "QPlistRead.h"
#include "QSettingDlg.h"
#include "QVideoSettingXml.h"
#include "TestMedia.h"

#include "zovAruzIvivu.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

struct ConfigDeleter {
    void operator()(ZvConfig* c) const { ZV_Release_Config(c); }
};
struct JobDeleter {
    void operator()(ZvJob* j) const { ZV_Destroy_Job(j); }
};
using Config = std::unique_ptr<ZvConfig, ConfigDeleter>;
using Job = std::unique_ptr<ZvJob, JobDeleter>;

constexpr uint32_t kNone = 0xFFFFFFFF;
constexpr uint64_t kSecond = 1000000;

uint32_t codecOf(int id, bool absent)
{
    return absent || id == -1 ? kNone : uint32_t(id);
}

// The keys the converter sets from its encode parameters.
Config configFor(const AttributeSetting& a)
{
    Config c(ZV_Create_Config());
    ZV_SetVideoCodec_Config(c.get(), codecOf(a.VCodecsId, a.bOnlyAudio));
    ZV_SetAudioCodec_Config(c.get(), codecOf(a.ACodecsId, false));
    if (a.bLossless)
        return c;
    ZV_EnableVideo_Config(c.get(), 1);
    ZV_EnableAudio_Config(c.get(), 1);
    if (a.VWidth && a.VHeight)
        ZV_SetVideoSize_Config(c.get(), uint32_t(a.VWidth), uint32_t(a.VHeight));
    if (a.VFrameRate_fps)
        ZV_SetVideoFrameRate_Config(c.get(), uint32_t(a.VFrameRate_fps), uint32_t(a.VFrameRate_scale));
    if (a.VBitRate)
        ZV_SetVideoBitRate_Config(c.get(), uint32_t(a.VBitRate) * 1000);
    ZV_SetAudioChannels_Config(c.get(), a.AChannel ? uint32_t(a.AChannel) : 2);
    ZV_SetAudioSampleRate_Config(c.get(), a.ASampleRate ? uint32_t(a.ASampleRate) : 44100);
    if (a.ABitRate)
        ZV_SetAudioBitRate_Config(c.get(), uint32_t(a.ABitRate) * 1000);
    ZV_SetVideoQuality_Config(c.get(), uint32_t(a.nQuality));
    ZV_SetAudioQuality_Config(c.get(), uint32_t(a.nQuality));
    return c;
}

QString clip()
{
    return TestMedia::make("formats_preset_source.mp4",
                           {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=2", "-f", "lavfi", "-i",
                            "sine=frequency=440:sample_rate=44100:duration=2", "-ac", "2", "-c:v", "libx264",
                            "-preset", "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"});
}

} // namespace

class tst_PresetJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPresetBeginsAJob_data();
    void everyPresetBeginsAJob();

private:
    QTemporaryDir m_out;
    FormatWidget* m_dlg = nullptr;
};

void tst_PresetJobs::initTestCase()
{
    // Settings are written under HOME: only the test HOME that ctest gives is safe.
    if (!QDir::homePath().contains("/testhome/"))
        QSKIP("run through ctest, which gives this test a HOME of its own");
    QVERIFY(m_out.isValid());
    QVERIFY(!clip().isEmpty());
    ZV_Initialize_Library(0, 0);
    const QString data = QIAnyUtil::getAppDataPath();
    QVERIFY(data.startsWith(QDir::homePath()));
    QFile::remove(data + "/VideoDefaultSetting.xml");
    QFile::remove(data + "/VideoDefaultFormatSetting.xml");
    m_dlg = FormatWidget::getFormatWidget();
}

void tst_PresetJobs::everyPresetBeginsAJob_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("id");
    for (bool lossless : {false, true}) {
        QPlistRead* reader = lossless ? FormatWidget::losslessReader() : FormatWidget::encodingReader();
        for (const std::string& category : reader->getCategories()) {
            const std::vector<FormatBaseInfo*>* list = reader->getCategoriesInfoList(category);
            QVERIFY(list && !list->empty());
            for (const FormatBaseInfo* info : *list) {
                const QString name = QString::fromStdString(info->category + " " + info->id + " " + info->title);
                QTest::newRow(qPrintable(name)) << lossless << QString::fromStdString(info->category)
                                                << QString::fromStdString(info->id);
            }
        }
    }
}

void tst_PresetJobs::everyPresetBeginsAJob()
{
    QFETCH(bool, lossless);
    QFETCH(QString, category);
    QFETCH(QString, id);
    if (lossless) {
        m_dlg->OnClickLossless();
        m_dlg->ItemPressLossless(category, id);
    } else {
        m_dlg->OnClickCustomizeFormat();
        m_dlg->ItemPress(category, id);
    }
    m_dlg->OnBtnOk();
    const AttributeSetting a = *QSettingDlg::m_attributeSetting;
    QCOMPARE(a.bLossless, lossless);
    QVERIFY2(!a.fileFormat.isEmpty(), "no container");

    // "Original" keeps the source's container and extension.
    const bool original = a.fileFormat == "Original";
    const QString container = original ? QString("mp4") : a.fileFormat.toLower();
    const QString ext = original ? QString("mp4") : a.fileExtend;
    const QString target = m_out.filePath(id + "." + ext);
    Config cfg = configFor(a);
    Job job(lossless ? ZV_CreateCopy_Job(-1) : ZV_CreateEncode_Job(-1));
    QVERIFY(job);
    QVERIFY2(ZV_Open_Job(job.get(), clip().toUtf8(), target.toUtf8(), container.toUtf8(), cfg.get()),
             ZV_GetErrorText_Job(job.get()));
    ZV_SetRange_Job(job.get(), 0, kSecond / 4);
    QVERIFY2(ZV_Begin_Job(job.get()), ZV_GetErrorText_Job(job.get()));
    QElapsedTimer waited;
    waited.start();
    // A 4K encode of a quarter second takes tens of seconds on a loaded
    // two-core machine; the limit only catches a job that never ends.
    while (!ZV_IsFinished_Job(job.get()) && waited.elapsed() < 300000) {
    }
    QVERIFY2(ZV_IsFinished_Job(job.get()), "the job did not end");
    QVERIFY2(ZV_GetError_Job(job.get()) == 0, ZV_GetErrorText_Job(job.get()));
    ZV_Close_Job(job.get());

    // The file is what the profile asked for, as an independent prober sees it.
    const QJsonObject probe = QJsonDocument::fromJson(
        TestMedia::ffprobeJson(target, {"-show_streams", "-show_format"})).object();
    QStringList kinds;
    for (const QJsonValue& s : probe.value("streams").toArray())
        kinds << s.toObject().value("codec_type").toString();
    QCOMPARE(kinds.contains("video"), !a.bOnlyAudio);
    QVERIFY(kinds.contains("audio"));
}

QTEST_MAIN(tst_PresetJobs)
#include "tst_presetjobs.moc"
