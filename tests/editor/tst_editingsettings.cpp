// The editing model over the preview player: what it stores, what it pushes and
// in which order, what it takes back from the player, and that a record loaded
// from a worker still drives the player only from the GUI thread.
#include "QVideoEditingSettings.h"
#include "RecordingPlayer.h"
#include "TestMedia.h"
#include "zovAruzIvivu.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

const uint64_t kSecond = 1000000;

// A record whose parts are all recognisable in the pushes.
VEEditConfig sampleRecord(uint64_t trimStart, uint64_t trimEnd)
{
    VEEditConfig cfg;
    cfg.m_trimStart = trimStart;
    cfg.m_trimEnd = trimEnd;
    cfg.m_cropSettings.m_rotation = 90;
    cfg.m_videoEffect.brightness = 40;
    cfg.m_audioSettings.m_effect.m_volume = 150;
    const double hz[2] = {100, 1000};
    const double db[2] = {3, -3};
    cfg.m_audioSettings.m_equalize.setBands(hz, db, 2);
    cfg.m_subtitleSettings.m_size = 22;
    cfg.m_programValue.ProgramIndex = 0;
    cfg.m_watermark.m_textSettings.m_showStart = 111;
    cfg.m_videoEffectWk.m_textSettings.m_showStart = 222;
    cfg.m_frameWk.m_textSettings.m_showStart = 333;
    cfg.m_watermark.m_imageSettings.m_showStart = 7;
    return cfg;
}

// The push sequence of sampleRecord(trimStart, trimEnd): the image parts and the
// background sound start with the trim, the texts keep their starts.
QStringList expectedPushes(uint64_t trimStart, uint64_t trimEnd)
{
    const QString s = QString::number(trimStart);
    return {QStringLiteral("setIsTrim(%1)").arg(trimStart != 0 || trimEnd != 0),
            QStringLiteral("setTrimTime(%1,%2)").arg(trimStart).arg(trimEnd),
            "setCropSettings(90)",
            "setEqualizeSettings(2)",
            "setAudioEffectSettings(150,100,100)",
            "setVideoEffectSettings(40)",
            "setAudioBackgroundSettingsSource(0,start " + s + ")",
            "setWatermarkSettingsSource(2,text 333 image " + s + ")",
            "setWatermarkSettingsSource(1,text 222 image " + s + ")",
            "setCurrentWatermarkSettings(0,text 111 image " + s + ",1)",
            "setProgramValueInfo(0)",
            "setSubtitleSettings(22)"};
}

} // namespace

class tst_EditingSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pushesTheWholeRecordInOrder_data();
    void pushesTheWholeRecordInOrder();
    void theHeldRecordItselfIsNotCopied();
    void recordFromAWorkerDrivesThePlayerOnTheGuiThread();
    void openFromAWorkerRunsOnTheGuiThread();
    void playerTrimReport_data();
    void playerTrimReport();
    void draggedOverlayAlwaysReplacesLayerZero();
    void singlePartsPushWhatThePreviewShows();
    void clampedCropComesBack_data();
    void clampedCropComesBack();
    void trimLengthAndQueries_data();
    void trimLengthAndQueries();
    void nullPlayerKeepsTheOldOne();

private:
    QString m_video;
};

void tst_EditingSettings::initTestCase()
{
    ZV_Initialize_Library(1, 0);
    const int32_t formats[2] = {0, 30};
    ZV_SetFrameFormats_Library(formats, 2);
    m_video = TestMedia::h264AacMp4();
    QVERIFY(!m_video.isEmpty());
}

void tst_EditingSettings::pushesTheWholeRecordInOrder_data()
{
    QTest::addColumn<uint64_t>("trimStart");
    QTest::addColumn<uint64_t>("trimEnd");
    QTest::addColumn<QStringList>("pushes");
    QTest::newRow("whole file") << uint64_t(0) << uint64_t(0) << expectedPushes(0, 0);
    QTest::newRow("trimmed, open end") << 2 * kSecond << uint64_t(0) << expectedPushes(2 * kSecond, 0);
    QTest::newRow("end only") << uint64_t(0) << 4 * kSecond << expectedPushes(0, 4 * kSecond);
}

void tst_EditingSettings::pushesTheWholeRecordInOrder()
{
    QFETCH(uint64_t, trimStart);
    QFETCH(uint64_t, trimEnd);
    QFETCH(QStringList, pushes);
    RecordingPlayer player;
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    model.setEditConfig(sampleRecord(trimStart, trimEnd));
    QCOMPARE(player.calls(), pushes);

    // The show starts written on the way stay in the model; the texts keep theirs.
    const VEEditConfig& held = model.getEditConfig();
    QCOMPARE(held.m_audioBackground.m_showStart, trimStart);
    QCOMPARE(held.m_watermark.m_imageSettings.m_showStart, trimStart);
    QCOMPARE(held.m_videoEffectWk.m_imageSettings.m_showStart, trimStart);
    QCOMPARE(held.m_frameWk.m_imageSettings.m_showStart, trimStart);
    QCOMPARE(held.m_watermark.m_textSettings.m_showStart, uint64_t(111));
    QCOMPARE(held.m_videoEffectWk.m_textSettings.m_showStart, uint64_t(222));
    QCOMPARE(held.m_frameWk.m_textSettings.m_showStart, uint64_t(333));
    QCOMPARE(player.getIsTrim(), trimStart != 0 || trimEnd != 0);

    // The dialog's OK stores the record back without a push.
    player.clear();
    VEEditConfig back;
    model.getEditConfig(back);
    back.m_videoEffect.brightness = -10;
    model.setConfigSettings(back);
    QVERIFY(player.calls().isEmpty());
    QCOMPARE(model.getEditConfig().m_videoEffect.brightness, -10);
}

void tst_EditingSettings::theHeldRecordItselfIsNotCopied()
{
    RecordingPlayer player;
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    model.setEditConfig(sampleRecord(kSecond, 0));
    player.clear();
    QSignalSpy changed(&model, &QVideoEditingSettings::emitWatermarkSettingsChange);

    model.setEditConfig(model.getEditConfig());
    model.setEffectSettings(model.getEditConfig().m_videoEffect);
    model.setAudioSettings(model.getEditConfig().m_audioSettings);
    QVERIFY(player.calls().isEmpty());

    // Crop and watermark are pushed again, and the watermark tells nobody.
    model.setCropSettings(model.getEditConfig().m_cropSettings);
    model.setWatermarkSettings(model.getEditConfig().m_watermark, true, true);
    QCOMPARE(player.calls(), (QStringList{"setCropSettings(90)", "setCurrentWatermarkSettings(0,text 111 image "
                                                                 "1000000,1)"}));
    QCOMPARE(changed.count(), 0);
}

void tst_EditingSettings::recordFromAWorkerDrivesThePlayerOnTheGuiThread()
{
    RecordingPlayer player;
    QVERIFY(player.createrPlayer(true));
    QVERIFY(player.setPlayFile(m_video, VEEditConfig(), 3, 0));
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    player.onPlay(); // the GUI thread's timers now poll the same player
    const VEEditConfig cfg = sampleRecord(2 * kSecond, 4 * kSecond);
    QThread* worker = QThread::create([&] { model.setEditConfig(cfg); });
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 30000);
    worker->wait();
    delete worker;

    QCOMPARE(player.calls().size(), 12);
    for (QThread* t : player.threads())
        QCOMPARE(t, QThread::currentThread());
    QCOMPARE(model.getTrimStartTime(), 2 * kSecond);
    // The player's answer to the crop push arrived before the worker went on.
    QCOMPARE(model.getEditConfig().m_cropSettings.m_rotation, 90);
    player.onStop();
}

void tst_EditingSettings::openFromAWorkerRunsOnTheGuiThread()
{
    VelPlayerManager player;
    QVERIFY(player.createrPlayer(true));
    QThread* changedOn = nullptr;
    connect(&player, &VelPlayerManager::emitPlayerChange, this, [&] { changedOn = QThread::currentThread(); },
            Qt::DirectConnection);
    bool opened = false;
    QThread* worker = QThread::create([&] { opened = player.setPlayFile(m_video, VEEditConfig(), 3, 0); });
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 30000);
    worker->wait();
    delete worker;
    QVERIFY(opened);
    QCOMPARE(changedOn, QThread::currentThread());
}

void tst_EditingSettings::playerTrimReport_data()
{
    QTest::addColumn<bool>("follows");
    QTest::addColumn<QStringList>("pushes");
    QTest::newRow("starts stay") << false << QStringList();
    QTest::newRow("starts follow the trim")
        << true
        << QStringList{"setCurrentWatermarkSettingsNotSource(0,text 3000000 image 3000000,1)",
                       "setWatermarkSettingsNotSource(1,text 3000000 image 3000000)",
                       "setWatermarkSettingsNotSource(2,text 3000000 image 3000000)",
                       "setAudioBackgroundSettingsNotSource(0,start 3000000)"};
}

void tst_EditingSettings::playerTrimReport()
{
    QFETCH(bool, follows);
    QFETCH(QStringList, pushes);
    RecordingPlayer player;
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    model.setEditConfig(sampleRecord(0, 0));
    model.setIsWatermarkAudioStartTime(follows);
    player.clear();
    emit player.emitTrimTimeChange(3 * kSecond, 5 * kSecond);
    QCOMPARE(player.calls(), pushes);
    const VEEditConfig& held = model.getEditConfig();
    QCOMPARE(held.m_trimStart, 3 * kSecond);
    QCOMPARE(held.m_trimEnd, 5 * kSecond);
    QCOMPARE(held.m_frameWk.m_textSettings.m_showStart, follows ? 3 * kSecond : uint64_t(333));
    QCOMPARE(held.m_audioBackground.m_showStart, follows ? 3 * kSecond : uint64_t(0));
    QCOMPARE(held.m_watermark.m_textSettings.m_showEnd, uint64_t(0));
}

void tst_EditingSettings::draggedOverlayAlwaysReplacesLayerZero()
{
    RecordingPlayer player;
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    QSignalSpy changed(&model, &QVideoEditingSettings::emitWatermarkSettingsChange);
    VEWatermarkSettings dragged;
    dragged.m_textSettings.m_text = "moved";
    dragged.m_textSettings.m_posX = 0.4;
    const VEWatermarkSettings frameBefore = model.getEditConfig().m_frameWk;
    emit player.emitWatermarkSettingChange(dragged, 2);
    QCOMPARE(model.getEditConfig().m_watermark, dragged);
    QCOMPARE(model.getEditConfig().m_frameWk, frameBefore);
    QCOMPARE(changed.count(), 1);
    QVERIFY(player.calls().isEmpty());
}

void tst_EditingSettings::singlePartsPushWhatThePreviewShows()
{
    RecordingPlayer player;
    QVideoEditingSettings model;
    // Without a player only the record changes.
    VEVideoEffectSettings effect;
    effect.brightness = 12;
    model.setEffectSettings(effect);
    QCOMPARE(model.getEditConfig().m_videoEffect.brightness, 12);

    model.setPlayerManager(&player);
    VEAudioSettings audio;
    audio.m_effect.m_speed = 150;
    model.setAudioSettings(audio);
    VESubtitleValue_Info subtitle;
    subtitle.m_subtitleNumber = 1;
    model.setSubtitleInfo(subtitle);
    VEAudioBackgroundSettings background;
    background.m_showStart = 5;
    model.setAudioBackgroundSettings(background, false);
    model.setAudiolist({"one", "two"});
    model.setResolutionSize(640, 360);
    model.setPanScanMode(2);
    QCOMPARE(player.calls(), (QStringList{"setAudioEffectSettings(100,150,100)", "setEqualizeSettings(0)",
                                          "setSubtitleValueInfo(1)", "setSubtitleSettings(18)",
                                          "setAudioBackgroundSettingsNotSource(0,start 5)", "setPanScanMode(2)"}));
    QStringList list;
    model.getAudiolist(list);
    QCOMPARE(list, (QStringList{"one", "two"}));
    QCOMPARE(model.getResolutionSize(), QSize(640, 360));
}

void tst_EditingSettings::clampedCropComesBack_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<QRectF>("asked");
    QTest::addColumn<QRectF>("held");
    QTest::newRow("inside") << QRectF(0.1, 0.2, 0.5, 0.5) << QRectF(0.1, 0.2, 0.5, 0.5);
    QTest::newRow("past the right border") << QRectF(0.9, 0.0, 0.5, 1.0) << QRectF(0.9, 0.0, 0.1, 1.0);
    QTest::newRow("past the bottom border") << QRectF(0.0, 0.5, 1.0, 0.8) << QRectF(0.0, 0.5, 1.0, 0.5);
    QTest::newRow("negative origin") << QRectF(-0.5, -1.0, 0.5, 0.5) << QRectF(0.0, 0.0, 0.5, 0.5);
    QTest::newRow("no width") << QRectF(0.2, 0.2, 0.0, -0.3) << QRectF(0.2, 0.2, 0.001, 0.001);
    QTest::newRow("origin at the far corner") << QRectF(1.0, 1.0, 0.5, 0.5) << QRectF(0.999, 0.999, 0.001, 0.001);
    QTest::newRow("not a number") << QRectF(nan, 0.25, nan, nan) << QRectF(0.0, 0.25, 1.0, 0.75);
}

void tst_EditingSettings::clampedCropComesBack()
{
    QFETCH(QRectF, asked);
    QFETCH(QRectF, held);
    VelPlayerManager player;
    QVERIFY(player.createrPlayer(true));
    QVERIFY(player.setPlayFile(m_video, VEEditConfig(), 3, 0));
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    VECropSettings crop;
    crop.m_cropRect = asked;
    crop.m_padCropRect = asked;
    model.setCropSettings(crop);
    VECropSettings back;
    model.getCropSettings(back);
    for (const QRectF& r : {back.m_cropRect, back.m_padCropRect}) {
        QVERIFY2(qAbs(r.x() - held.x()) < 1e-9 && qAbs(r.y() - held.y()) < 1e-9
                     && qAbs(r.width() - held.width()) < 1e-9 && qAbs(r.height() - held.height()) < 1e-9,
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
    }
}

void tst_EditingSettings::trimLengthAndQueries_data()
{
    QTest::addColumn<bool>("withPlayer");
    QTest::addColumn<uint64_t>("trimStart");
    QTest::addColumn<uint64_t>("trimEnd");
    QTest::addColumn<uint64_t>("length");
    // A length of 0 with a player stands for the rest of the file after the start.
    QTest::newRow("range") << true << 1 * kSecond << 3 * kSecond << 2 * kSecond;
    QTest::newRow("open end") << true << 1 * kSecond << uint64_t(0) << uint64_t(0);
    QTest::newRow("end before start") << true << 4 * kSecond << 2 * kSecond << uint64_t(0);
    QTest::newRow("no player, open end") << false << 1 * kSecond << uint64_t(0) << uint64_t(0);
    QTest::newRow("no player, range") << false << 1 * kSecond << 3 * kSecond << 2 * kSecond;
}

void tst_EditingSettings::trimLengthAndQueries()
{
    QFETCH(bool, withPlayer);
    QFETCH(uint64_t, trimStart);
    QFETCH(uint64_t, trimEnd);
    QFETCH(uint64_t, length);
    VelPlayerManager player;
    QVideoEditingSettings model;
    if (withPlayer) {
        QVERIFY(player.createrPlayer(true));
        QVERIFY(player.setPlayFile(m_video, VEEditConfig(), 3, 0));
        model.setPlayerManager(&player);
    }
    model.setTrimTimeNoSeekPlayer(trimStart, trimEnd);
    const uint64_t duration = player.getDuration();
    QCOMPARE(model.getDuration(), duration);
    QVERIFY(withPlayer ? duration >= 6 * kSecond - 50000 : duration == 0);
    QCOMPARE(model.getTrimTimeLength(), withPlayer && length == 0 ? duration - trimStart : length);
    QCOMPARE(model.getVideoSize(), withPlayer ? QSize(320, 240) : QSize(0, 0));
    // Without a surface the player knows no minimum crop.
    QCOMPARE(model.getCropMinSize(), QSize(0, 0));
}

void tst_EditingSettings::nullPlayerKeepsTheOldOne()
{
    RecordingPlayer player;
    QVideoEditingSettings model;
    model.setPlayerManager(&player);
    model.setPlayerManager(nullptr);
    QCOMPARE(model.getPlayerManager(), &player);
    model.setTrimTime(kSecond, 2 * kSecond);
    QCOMPARE(player.calls(), QStringList{"setTrimTime(1000000,2000000)"});
}

QTEST_MAIN(tst_EditingSettings)
#include "tst_editingsettings.moc"
