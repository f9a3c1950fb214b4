// The engine's player wrappers: the player handle wrapper of the preview and
// the main window's player object, over the real codec library.
#include "TestMedia.h"
#include "QPlayObject.h"
#include "VelPlayerClass.h"
#include "zovAruzIvivu.h"

#include <QtTest>

class TestPlayerWrappers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ZV_Initialize_Library(1, 0); }

    void newWrapperAnswersMissingValues()
    {
        VelPlayerClass w;
        QVERIFY(!w.IsCreatePlayer());
        QVERIFY(!w.getPlayer());
        QVERIFY(!w.IsOpenPlayerSuccess());
        QVERIFY(!w.Play_Player());
        QVERIFY(!w.IsCompleted_Player());
        QVERIFY(!w.HasVideoAndAudio_Player());
        QCOMPARE(w.GetDuration_Player(), uint64_t(0));
        QCOMPARE(w.GetVideoSize_Player(), uint64_t(0));
        QCOMPARE(w.GetWatermarkTextWidth_Player(), 0.0);
        QVERIFY(!w.CaptureVideoImage_Player(0, 0, 0));
        QVERIFY(!w.GetAudioWaveData_Player(1));
        QCOMPARE(w.GetAudioWaveRate_Player(), 0u);
        QVERIFY(!w.OpenEx_Player(TestMedia::sineWav().toUtf8(), 0, 0, 0, 0, 0));
        QVERIFY(!w.IsOpenPlayerSuccess());
    }

    void createReleasesTheHeldPlayerFirst()
    {
        VelPlayerClass w;
        QVERIFY(w.Create_Player(true));
        QVERIFY(w.OpenEx_Player(TestMedia::h264AacMp4().toUtf8(), 0, 0, 0, 0, 0));
        QVERIFY(w.IsOpenPlayerSuccess());
        ZvPlayer *old = ZV_Reference_Player(w.getPlayer()); // keeps the old player alive
        QVERIFY(w.Play_Player());
        QVERIFY(w.Create_Player(true));
        QVERIFY(w.getPlayer());
        // The old player was stopped and closed before the new one was made.
        QVERIFY(!ZV_HasVideo_Player(old));
        QVERIFY(!ZV_IsRunning_Player(old));
        ZV_Destroy_Player(old);
        w.Release_Player();
        QVERIFY(!w.IsCreatePlayer());
    }

    void openForms_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<uint32_t>("option");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("video");
        QTest::newRow("path") << TestMedia::h264AacMp4() << 0u << true << true;
        QTest::newRow("source object") << TestMedia::h264AacMp4() << 7u << true << true;
        QTest::newRow("audio only") << TestMedia::sineWav() << 0u << true << false;
        QTest::newRow("missing file, source object") << QString("/nonexistent/a.mp4") << 7u << false << false;
        QTest::newRow("missing file") << QString("/nonexistent/a.mp4") << 0u << false << false;
    }

    void openForms()
    {
        QFETCH(QString, path);
        QFETCH(uint32_t, option);
        QFETCH(bool, opens);
        QFETCH(bool, video);
        VelPlayerClass w;
        QVERIFY(w.Create_Player(true));
        QCOMPARE(w.OpenEx_Player(path.toUtf8(), 0, 0, 0, 0, option), opens);
        QCOMPARE(w.IsOpenPlayerSuccess(), opens);
        QCOMPARE(w.HasVideo_Player(), video);
        QCOMPARE(w.HasVideoAndAudio_Player(), opens);
        QCOMPARE(w.GetVideoSize_Player(), video ? (uint64_t(240) << 32 | 320) : uint64_t(0));
        if (video) {
            QVERIFY(w.Seek_Player(1000000));
            QVERIFY(w.FrameStep_Player(1));
            QCOMPARE(w.GetVideoTime_Player(), uint64_t(1040000));
            QVERIFY(w.KeyFrameStep_Player(1));
            QCOMPARE(w.GetVideoTime_Player(), uint64_t(2000000));
        }
        QVERIFY(!w.OpenDVD_ExPlayer(path.toUtf8(), 0, 0, 0, 0));
        QVERIFY(!w.IsOpenPlayerSuccess());
    }

    void referenceSharesThePlayer()
    {
        VelPlayerClass owner, other;
        QVERIFY(owner.Create_Player(true));
        QVERIFY(owner.OpenEx_Player(TestMedia::h264AacMp4().toUtf8(), 0, 0, 0, 0, 0));
        QVERIFY(other.Reference_Player(owner.getPlayer()));
        QVERIFY(other.IsOpenPlayerSuccess());
        QCOMPARE(other.GetDuration_Player(), owner.GetDuration_Player());
        QVERIFY(!other.Reference_Player(nullptr));
        QVERIFY(!other.IsOpenPlayerSuccess());
    }

    void cropSizeFollowsTheCropRule()
    {
        QCOMPARE(VelPlayerClass::getCropSize(0, 0, 0.5, 0.5, 320, 240), uint64_t(120) << 32 | 160);
        QCOMPARE(VelPlayerClass::getCropSize(0, 0, 1, 1, 1920, 1080), uint64_t(1080) << 32 | 1920);
    }

    void playObject()
    {
        QPlayObject fresh;
        QVERIFY(!fresh.IsAudioRendererOpenFailed());
        QVERIFY(!fresh.m_hPlayer);

        QPlayObject obj;
        QVERIFY(obj.SetVideoFile(TestMedia::h264AacMp4(), 0, 0));
        ZvPlayer *first = ZV_Reference_Player(obj.m_hPlayer);
        QVERIFY(ZV_IsStop_Player(first));
        QVERIFY(!obj.IsAudioRendererOpenFailed()); // ZV_AUDIO=null: silent on purpose
        // The second file starts from a new player; the first was closed.
        QVERIFY(obj.SetVideoFile(TestMedia::sineWav(), 0, 0));
        QVERIFY(obj.m_hPlayer);
        QVERIFY(!ZV_HasVideo_Player(first));
        QVERIFY(ZV_HasAudio_Player(obj.m_hPlayer));
        ZV_Destroy_Player(first);
        // A file that does not open: false, with the unopened handle held.
        QVERIFY(!obj.SetVideoFile("/nonexistent/a.mp4", 0, 0));
        QVERIFY(obj.m_hPlayer);
        QVERIFY(obj.ResetPlay());
    }
};

QTEST_GUILESS_MAIN(TestPlayerWrappers)
#include "tst_player_wrappers.moc"
