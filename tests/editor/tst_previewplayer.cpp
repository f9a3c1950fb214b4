// The preview player on the real codec player: opening, play, pause and stop,
// the trim range and trim play, frame steps, time texts, level data of an audio
// source, snapshots, and the edited picture beside the original one.
#include "QMediaElementWindow.h"
#include "QVelVideoShowWidget.h"
#include "PreviewMedia.h"
#include "TestMedia.h"
#include "VelPlayerClass.h"
#include "VelPlayerManager.h"
#include "zovAruzIvivu.h"

#include <QImageReader>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const uint64_t kSecond = 1000000;

// Three hours of a still picture, one frame every ten minutes: a long file that is tiny.
QString threeHours()
{
    return TestMedia::make("still_3h.mp4", {"-f", "lavfi", "-i", "color=c=gray:size=32x32:rate=1/600:duration=10800",
                                            "-c:v", "libx264", "-preset", "veryfast", "-pix_fmt", "yuv420p"});
}

double meanLuma(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return image.isNull() ? 0.0 : sum / (double(image.width()) * image.height());
}

QSize probedSize(const QString& file)
{
    const QJsonObject stream = QJsonDocument::fromJson(TestMedia::ffprobeJson(
                                                           file, {"-show_entries", "stream=width,height"}))
                                   .object()
                                   .value("streams")
                                   .toArray()
                                   .at(0)
                                   .toObject();
    return QSize(stream.value("width").toInt(), stream.value("height").toInt());
}

} // namespace

class tst_PreviewPlayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensPlaysPausesAndStops();
    void trimRangeStopsAtItsEndAndGoesBack();
    void trimPlayPausesAtItsEnd();
    void stepsForwardThenBackGiveTheSamePicture();
    void longPositionsKeepAllHourDigits();
    void audioOnlySourceSendsLevels();
    void snapshotOfTheEditedPicture_data();
    void snapshotOfTheEditedPicture();
    void noPictureNoSnapshot();
    void discFolderFailsCleanly();
    void editedSurfaceShowsTheColourEffect();

private:
    bool open(const QString& path, const VEEditConfig& cfg = VEEditConfig());
    QImage surfacePicture(QMediaElementWindow* window) const;

    std::unique_ptr<QWidget> m_host;
    QMediaElementWindow* m_original = nullptr;
    QMediaElementWindow* m_preview = nullptr;
    std::unique_ptr<VelPlayerManager> m_player;
    QString m_video;
};

void tst_PreviewPlayer::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    ZV_Initialize_Library(1, 0);
    const int32_t formats[2] = {0, 30};
    ZV_SetFrameFormats_Library(formats, 2);
    m_video = PreviewMedia::video640();
    QVERIFY(!m_video.isEmpty());
}

void tst_PreviewPlayer::init()
{
    m_host.reset(new QWidget);
    m_host->resize(1300, 380);
    m_original = new QMediaElementWindow(m_host.get());
    m_original->setGeometry(0, 0, 640, 360);
    m_preview = new QMediaElementWindow(m_host.get());
    m_preview->setGeometry(650, 0, 640, 360);
    m_host->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_host.get()));
    m_player.reset(new VelPlayerManager);
    m_player->setMediaOriginalWindow(m_original);
    m_player->setMediaPreviewWindow(m_preview);
}

void tst_PreviewPlayer::cleanup()
{
    // The player goes first: no frame may reach a surface being destroyed.
    m_player.reset();
    m_host.reset();
}

bool tst_PreviewPlayer::open(const QString& path, const VEEditConfig& cfg)
{
    if (!m_player->createrPlayer(true) || !m_player->setPlayFile(path, cfg, 3, 0))
        return false;
    m_player->resizeVideoWindow(); // as the preview form does on the player's change
    return true;
}

QImage tst_PreviewPlayer::surfacePicture(QMediaElementWindow* window) const
{
    auto* view = window->findChild<QVelVideoShowWidget*>();
    return view ? view->grabFramebuffer() : QImage();
}

void tst_PreviewPlayer::opensPlaysPausesAndStops()
{
    QSignalSpy haveVideo(m_player.get(), &VelPlayerManager::emitIsHaveVideo);
    QSignalSpy changed(m_player.get(), &VelPlayerManager::emitPlayerChange);
    QSignalSpy state(m_player.get(), qOverload<bool>(&VelPlayerManager::emitPlayState));
    QSignalSpy progress(m_player.get(), &VelPlayerManager::emitPlayProgress);
    QSignalSpy finished(m_player.get(), &VelPlayerManager::emitPlayFinish);
    QSignalSpy times(m_player.get(), &VelPlayerManager::emitPlayTime);
    QVERIFY(open(m_video));
    QCOMPARE(haveVideo.count(), 1);
    QCOMPARE(haveVideo.at(0).at(0).toBool(), true);
    QCOMPARE(changed.count(), 1);

    m_player->onPlay();
    QCOMPARE(state.takeFirst().at(0).toBool(), true);
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toDouble() > 0.05, 20000);
    QVERIFY(times.last().at(0).toString().endsWith(" / 00:00:06"));

    m_player->onPause();
    QCOMPARE(state.takeFirst().at(0).toBool(), false);
    VelPlayerClass* codec = m_player->getPlayerClass();
    QTRY_VERIFY(codec->IsPause_Player());
    const int reported = progress.count();
    QTest::qWait(300); // paused: the time timer no longer reports
    QCOMPARE(progress.count(), reported);

    m_player->onStop();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(progress.last().at(0).toDouble(), 0.0);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:00 / 00:00:06"));
    QTRY_COMPARE(codec->GetPlayTime_Player(), uint64_t(0));
}

void tst_PreviewPlayer::trimRangeStopsAtItsEndAndGoesBack()
{
    QVERIFY(open(m_video));
    QSignalSpy trim(m_player.get(), &VelPlayerManager::emitTrimTimeChange);
    QSignalSpy progress(m_player.get(), &VelPlayerManager::emitPlayProgress);
    QSignalSpy finished(m_player.get(), &VelPlayerManager::emitPlayFinish);
    QSignalSpy times(m_player.get(), &VelPlayerManager::emitPlayTime2);
    m_player->onTrim(2 * kSecond, 4 * kSecond);
    QCOMPARE(trim.count(), 1);
    QCOMPARE(trim.at(0).at(0).value<uint64_t>(), 2 * kSecond);
    QCOMPARE(trim.at(0).at(1).value<uint64_t>(), 4 * kSecond);
    QVERIFY(m_player->getIsTrim());
    QCOMPARE(m_player->getPlaylength(), 2 * kSecond);
    finished.clear();
    progress.clear();

    m_player->onPlay();
    QVERIFY(finished.wait(30000) || finished.count() > 0);
    // Every position reported lay inside the range, measured from its start,
    // and playback got to its end before it stopped.
    double furthest = 0;
    for (int i = 0; i < progress.count() - 1; ++i) {
        const double p = progress.at(i).at(0).toDouble();
        QVERIFY2(p >= 0.0 && p <= 1.0, qPrintable(QString::number(p)));
        furthest = qMax(furthest, p);
    }
    QVERIFY2(furthest > 0.5, qPrintable(QString::number(furthest)));
    QCOMPARE(progress.last().at(0).toDouble(), 0.0);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:00.000 / 00:00:02.000"));
    VelPlayerClass* codec = m_player->getPlayerClass();
    QTRY_COMPARE(codec->GetPlayTime_Player(), 2 * kSecond);
    QVERIFY(!codec->IsRunning_Player());
}

void tst_PreviewPlayer::trimPlayPausesAtItsEnd()
{
    QVERIFY(open(m_video));
    m_player->onTrim(2 * kSecond, 4 * kSecond);
    QSignalSpy trimState(m_player.get(), &VelPlayerManager::emitTrimPlayState);
    QSignalSpy progress(m_player.get(), &VelPlayerManager::emitPlayProgress);
    QSignalSpy times(m_player.get(), &VelPlayerManager::emitPlayTime2);
    m_player->onTrimPlay(0.25f, 0.75f);
    QCOMPARE(trimState.count(), 1);
    QCOMPARE(trimState.at(0).at(0).toBool(), true);
    QTRY_COMPARE_WITH_TIMEOUT(trimState.count(), 2, 30000);
    QCOMPARE(trimState.at(1).at(0).toBool(), false);
    // It ends exactly on the end of the played part, 1.5 s into the range.
    QCOMPARE(progress.last().at(0).toDouble(), 0.75);
    QCOMPARE(times.last().at(0).toString(), QStringLiteral("00:00:01.500 / 00:00:02.000"));
    VelPlayerClass* codec = m_player->getPlayerClass();
    QTRY_VERIFY(codec->IsPause_Player());
    // The picture shown there is the first one at or after that time.
    const uint64_t shown = codec->GetPlayTime_Player();
    QVERIFY2(shown >= 3500000 && shown < 3540000, qPrintable(QString::number(shown)));
}

void tst_PreviewPlayer::stepsForwardThenBackGiveTheSamePicture()
{
    QVERIFY(open(m_video));
    QTemporaryDir dir;
    QSignalSpy times(m_player.get(), &VelPlayerManager::emitPlayTime2);
    QSignalSpy percent(m_player.get(), &VelPlayerManager::emitStartEndProgressValue);
    VelPlayerClass* codec = m_player->getPlayerClass();
    m_player->onNextStep(true, 0.25f); // to 1.5 s, then one frame on
    const uint64_t first = codec->GetVideoTime_Player();
    QVERIFY2(first > 1500000 && first <= 1560000, qPrintable(QString::number(first)));
    QVERIFY(times.last().at(0).toString().startsWith(QStringLiteral("00:00:01.%1 / 00:00:06.").arg(first / 1000 % 1000)));
    const float expected = float(100.0 * double(first) / double(m_player->getPlaylength()));
    QVERIFY(qAbs(percent.last().at(0).toFloat() - expected) < 0.01f);
    QVERIFY(m_player->captureImage(dir.filePath("first.png"), "png"));

    const int steps = 7; // across the key frame at 2 s
    for (int i = 0; i < steps; ++i)
        m_player->onNextStep(false, 0.5f);
    QCOMPARE(codec->GetVideoTime_Player(), first + steps * 40000);
    for (int i = 0; i < steps; ++i)
        m_player->onPreviousStep(false, 0.5f);
    QCOMPARE(codec->GetVideoTime_Player(), first);
    QVERIFY(m_player->captureImage(dir.filePath("back.png"), "png"));
    QCOMPARE(QImage(dir.filePath("back.png")), QImage(dir.filePath("first.png")));
}

void tst_PreviewPlayer::longPositionsKeepAllHourDigits()
{
    const QString file = threeHours();
    QVERIFY(!file.isEmpty());
    QVERIFY(open(file));
    QSignalSpy plain(m_player.get(), &VelPlayerManager::emitPlayTime);
    QSignalSpy precise(m_player.get(), &VelPlayerManager::emitPlayTime2);
    m_player->progressValueChange(0.5);
    QCOMPARE(plain.last().at(0).toString(), QStringLiteral("01:30:00 / 03:00:00"));
    QCOMPARE(precise.last().at(0).toString(), QStringLiteral("01:30:00.000 / 03:00:00.000"));
    m_player->progressValueChange(1.0);
    QCOMPARE(plain.last().at(0).toString(), QStringLiteral("03:00:00 / 03:00:00"));
}

void tst_PreviewPlayer::audioOnlySourceSendsLevels()
{
    QSignalSpy haveVideo(m_player.get(), &VelPlayerManager::emitIsHaveVideo);
    QVERIFY(open(TestMedia::sineWav()));
    QCOMPARE(haveVideo.count(), 1);
    QCOMPARE(haveVideo.at(0).at(0).toBool(), false);
    // The block lives only during the emission, so it is read right there.
    int blocks = 0, cleared = 0, rate = 0;
    bool wellFormed = true;
    connect(m_player.get(), &VelPlayerManager::emitAudioData, this,
            [&](unsigned char* data, int sps) {
                if (!data) {
                    ++cleared;
                    return;
                }
                ++blocks;
                rate = sps;
                wellFormed = wellFormed && QByteArray(reinterpret_cast<char*>(data), 4) == "ZVWB";
            },
            Qt::DirectConnection);
    m_player->onPlay();
    VelPlayerClass* codec = m_player->getPlayerClass();
    QTRY_VERIFY_WITH_TIMEOUT(codec->GetPlayTime_Player() >= 1500000, 20000);
    // About one block each 50 ms of play; a loaded machine may skip some.
    QVERIFY2(blocks >= 5, qPrintable(QString::number(blocks)));
    QVERIFY(wellFormed);
    QCOMPARE(rate, 44100);
    m_player->onPause();
    QCOMPARE(cleared, 1);
    const int atPause = blocks;
    QTest::qWait(300);
    QCOMPARE(blocks, atPause);
}

void tst_PreviewPlayer::snapshotOfTheEditedPicture_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("output");
    QTest::addColumn<QSize>("written");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("png at the source size") << "PNG" << QSize(0, 0) << QSize(640, 360) << QByteArray("png");
    QTest::newRow("jpg at the output size") << "jpg" << QSize(320, 240) << QSize(320, 240) << QByteArray("jpeg");
    QTest::newRow("bmp") << "Bmp" << QSize(0, 0) << QSize(640, 360) << QByteArray("bmp");
}

void tst_PreviewPlayer::snapshotOfTheEditedPicture()
{
    QFETCH(QString, format);
    QFETCH(QSize, output);
    QFETCH(QSize, written);
    QFETCH(QByteArray, decoded);
    VEEditConfig cfg;
    cfg.m_outputWidth = output.width();
    cfg.m_outputHeight = output.height();
    QVERIFY(open(m_video, cfg));
    m_player->progressValueChange(0.5);
    QTemporaryDir dir;
    const QString path = dir.filePath("shot." + format.toLower());
    QTRY_VERIFY_WITH_TIMEOUT(m_player->captureImage(path, format), 20000);
    QCOMPARE(QImageReader(path).format(), decoded);
    QCOMPARE(probedSize(path), written);
}

void tst_PreviewPlayer::noPictureNoSnapshot()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("none.png");
    QVERIFY(!m_player->captureImage(path, "png")); // no player at all
    QVERIFY(m_player->createrPlayer(true));
    QVERIFY(!m_player->captureImage(path, "png")); // a player with nothing open
    QVERIFY(!QFile::exists(path));
}

void tst_PreviewPlayer::discFolderFailsCleanly()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("VIDEO_TS"));
    VEEditConfig cfg;
    cfg.m_discSource = 1;
    QSignalSpy finished(m_player.get(), &VelPlayerManager::emitPlayFinish);
    QSignalSpy changed(m_player.get(), &VelPlayerManager::emitPlayerChange);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot open the disc folder"));
    QVERIFY(!open(dir.filePath("VIDEO_TS"), cfg));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!m_player->getPlayerClass()->IsCreatePlayer());
    // Nothing is left to drive: the commands are harmless.
    m_player->onPlay();
    m_player->onNextStep(true, 0.5f);
    QCOMPARE(m_player->getPlaylength(), uint64_t(0));
    // The same player opens a real file afterwards.
    QVERIFY(open(m_video));
}

void tst_PreviewPlayer::editedSurfaceShowsTheColourEffect()
{
    QVERIFY(open(m_video));
    VEVideoEffectSettings effect;
    effect.brightness = 100;
    m_player->setVideoEffectSettings(effect);
    m_player->progressValueChange(0.5);
    // Both surfaces show the same picture, the edited one brighter.
    double original = 0, edited = 0;
    const auto brighter = [&] {
        original = meanLuma(surfacePicture(m_original));
        edited = meanLuma(surfacePicture(m_preview));
        return original > 20 && edited > original + 40;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(brighter(), qPrintable(QStringLiteral("%1 %2").arg(original).arg(edited)), 20000);
    QCOMPARE(m_original->getVideoElementRect(), QRect(0, 0, 640, 360));
    QCOMPARE(m_preview->getVideoElementRect(), QRect(0, 0, 640, 360));
}

QTEST_MAIN(tst_PreviewPlayer)
#include "tst_previewplayer.moc"
