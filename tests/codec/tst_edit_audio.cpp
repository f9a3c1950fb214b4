// The sound half of the edit chain in encode jobs and on the player: volume,
// equaliser, rate, speed, background sound and the audio stream choice,
// judged by the ffmpeg tool (volumedetect, bandpass) and ffprobe.
#include "EditFixtures.h"
#include "TestMedia.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QTest>

#include <vector>

using namespace EditFixtures;

namespace {
// Level of the band around `hz` (half an octave wide).
QString band(int hz) { return QStringLiteral("bandpass=f=%1:t=o:w=0.5,bandpass=f=%1:t=o:w=0.5").arg(hz); }
} // namespace

class TestEditAudio : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString out(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(!toneClip(1000).isEmpty());
        QVERIFY(!toneClip(100).isEmpty());
        QVERIFY(!toneWav(300, 3).isEmpty());
    }

    // Volume and equaliser against the same job without them.
    void levels_data()
    {
        QTest::addColumn<int>("toneHz");
        QTest::addColumn<int>("volume");
        QTest::addColumn<double>("eqHz");
        QTest::addColumn<double>("eqDb");
        QTest::addColumn<double>("expectedDb");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("volume 50") << 1000 << 50 << 0.0 << 0.0 << -6.02 << 0.5;
        QTest::newRow("volume 200") << 100 << 200 << 0.0 << 0.0 << 6.02 << 0.5;
        QTest::newRow("+12 dB band on its tone") << 1000 << 100 << 1000.0 << 12.0 << 12.0 << 1.5;
        QTest::newRow("+12 dB band leaves 100 Hz") << 100 << 100 << 1000.0 << 12.0 << 0.0 << 1.0;
    }
    void levels()
    {
        QFETCH(int, toneHz);
        QFETCH(int, volume);
        QFETCH(double, eqHz);
        QFETCH(double, eqDb);
        QFETCH(double, expectedDb);
        QFETCH(double, tolerance);
        const QString source = toneClip(toneHz);
        const QString plain = out(QStringLiteral("plain_%1.mp4").arg(toneHz));
        if (!QFile::exists(plain))
            QCOMPARE(runJob(source, plain, encodeConfig(160, 120).get()), QString());
        Config cfg = encodeConfig(160, 120);
        ZV_SetAudioVolume_Config(cfg.get(), uint32_t(volume));
        if (eqHz > 0) {
            const double hz[] = {eqHz, 4000}, db[] = {eqDb, 0};
            ZV_SetAudioEqualize_Config(cfg.get(), hz, db, 2);
        }
        const QString edited = out(QStringLiteral("%1.mp4").arg(QTest::currentDataTag()));
        QCOMPARE(runJob(source, edited, cfg.get()), QString());
        const double change = meanVolume(edited, "", 0.5, 3) - meanVolume(plain, "", 0.5, 3);
        QVERIFY2(qAbs(change - expectedDb) <= tolerance, qPrintable(QString::number(change)));
    }

    // Rate changes pitch and length, speed only the length; the pictures follow.
    void tempo_data()
    {
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("heardHz");
        QTest::addColumn<int>("goneHz");
        QTest::newRow("rate 200") << 200 << 100 << 2000 << 1000;
        QTest::newRow("speed 200") << 100 << 200 << 1000 << 2000;
        QTest::newRow("speed 50") << 100 << 50 << 1000 << 500;
    }
    void tempo()
    {
        QFETCH(int, rate);
        QFETCH(int, speed);
        QFETCH(int, heardHz);
        QFETCH(int, goneHz);
        Config cfg = encodeConfig(160, 120);
        ZV_SetAudioRate_Config(cfg.get(), uint32_t(rate));
        ZV_SetAudioSpeed_Config(cfg.get(), uint32_t(speed));
        const QString target = out(QStringLiteral("tempo_%1_%2.mp4").arg(rate).arg(speed));
        QCOMPARE(runJob(toneClip(1000), target, cfg.get()), QString());
        const double expected = 4.0 * 100 / rate * 100 / speed;
        const double video = streamDuration(target, "video"), audio = streamDuration(target, "audio");
        QVERIFY2(qAbs(video - expected) <= 0.041, qPrintable(QString::number(video)));
        QVERIFY2(qAbs(audio - expected) <= 0.041, qPrintable(QString::number(audio)));
        const double heard = meanVolume(target, band(heardHz), 0.2, expected - 0.4);
        const double gone = meanVolume(target, band(goneHz), 0.2, expected - 0.4);
        QVERIFY2(heard > gone + 20, qPrintable(QStringLiteral("%1 dB vs %2 dB").arg(heard).arg(gone)));
    }

    // A 300 Hz background shown from media time 3 s: absent before, present
    // after; the source's 1 kHz tone is lowered by the weight, or replaced
    // (mode 1), only while the background sounds.
    void background_data()
    {
        QTest::addColumn<int>("mixMode");
        QTest::addColumn<int>("loop");
        QTest::addColumn<qint64>("splitEndUs");
        QTest::newRow("mix by weight") << 0 << 0 << qint64(0);
        QTest::newRow("replace, looping a 0.4 s part") << 1 << 1 << qint64(400000);
    }
    void background()
    {
        QFETCH(int, mixMode);
        QFETCH(int, loop);
        QFETCH(qint64, splitEndUs);
        Config cfg = encodeConfig(160, 120);
        ZV_SetAudioBackgroundIndex_Config(cfg.get(), 0);
        ZV_SetAudioBackgroundFile_Config(cfg.get(), toneWav(300, 3).toUtf8());
        ZV_SetAudioBackgroundLoop_Config(cfg.get(), uint32_t(loop));
        ZV_SetAudioBackgroundMixMode_Config(cfg.get(), uint32_t(mixMode));
        ZV_SetAudioBackgroundVolume_Config(cfg.get(), 100);
        ZV_SetAudioBackgroundWeight_Config(cfg.get(), 50);
        ZV_SetAudioBackgroundShowTime_Config(cfg.get(), 3 * kSecond, 0);
        ZV_SetAudioBackgroundSplitTime_Config(cfg.get(), 0, uint64_t(splitEndUs));
        // The range starts at 1 s, so the background starts at output time 2 s.
        const QString target = out(QStringLiteral("background_%1.mp4").arg(mixMode));
        QCOMPARE(runJob(toneClip(1000), target, cfg.get(), kSecond, 0), QString());
        QVERIFY(qAbs(streamDuration(target, "audio") - 3.0) <= 0.05);
        const double before = meanVolume(target, band(300), 0.2, 1.6);
        const double after = meanVolume(target, band(300), 2.2, 0.7);
        QVERIFY2(after > -40 && after > before + 30, qPrintable(QStringLiteral("%1 / %2").arg(before).arg(after)));
        const double mainBefore = meanVolume(target, band(1000), 0.2, 1.6);
        const double mainAfter = meanVolume(target, band(1000), 2.2, 0.7);
        QVERIFY2(mainBefore > -40, qPrintable(QString::number(mainBefore)));
        const double drop = mainBefore - mainAfter;
        if (mixMode == 1)
            QVERIFY2(drop > 30, qPrintable(QString::number(drop)));
        else
            QVERIFY2(qAbs(drop - 6.02) < 1, qPrintable(QString::number(drop)));
    }

    void noAudioStream()
    {
        Config cfg = encodeConfig(160, 120);
        ZV_SetAudioIndex_Config(cfg.get(), kNone);
        const QString target = out("silent.mp4");
        QCOMPARE(runJob(toneClip(1000), target, cfg.get()), QString());
        QCOMPARE(streamDuration(target, "audio"), -1.0);
        QVERIFY(streamDuration(target, "video") > 3.9);

        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        QVERIFY(ZV_SetAudioIndex_Player(p, kNone));
        QVERIFY(ZV_Open_Player(p, toneClip(1000).toUtf8(), 0, 0, 0, 0));
        QVERIFY(ZV_HasVideo_Player(p));
        QVERIFY(!ZV_HasAudio_Player(p));
        QVERIFY(ZV_SetAudioIndex_Player(p, 0)); // the choice reopens the media with its sound
        QTRY_VERIFY_WITH_TIMEOUT(ZV_HasAudio_Player(p), 10000);
        ZV_Destroy_Player(p);
    }

    // The player's sound runs the same chain: over a silent source, a
    // background shown from 1.5 s is heard from then on and not before.
    void playerBackground()
    {
        const QString silence = TestMedia::make("silence_4s.wav", {"-f", "lavfi", "-i",
                                                                    "anullsrc=r=48000:cl=stereo", "-t", "4"});
        QVERIFY(!silence.isEmpty());
        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        QCOMPARE(ZV_SetAudioBackgroundFile_Player(p, toneWav(300, 3).toUtf8()), 1);
        ZV_SetAudioBackgroundLoop_Player(p, 1);
        ZV_SetAudioBackgroundWeight_Player(p, 100);
        ZV_SetAudioBackgroundShowTime_Player(p, 1500000, 0);
        QVERIFY(ZV_Open_Player(p, silence.toUtf8(), 0, 0, 0, 0));
        QVERIFY(ZV_EnableAudioWaveData_Player(p, 1));
        QVERIFY(ZV_Play_Player(p));
        uint32_t earlyPeak = 0, latePeak = 0;
        int early = 0, late = 0;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 20000 && ZV_GetPlayTime_Player(p) < 2600000) {
            QTest::qWait(40);
            uint8_t *b = ZV_GetAudioWaveData_Player(p, 1);
            if (!b)
                continue;
            auto le16 = [&](int at) { return uint32_t(b[at] | (b[at + 1] << 8)); };
            const int64_t firstUs = qFromLittleEndian<qint64>(b + 8);
            const uint32_t n = le16(40) | (le16(42) << 16);
            uint32_t peak = 0;
            for (uint32_t i = 0; i < n / 2; ++i)
                peak = std::max(peak, le16(44 + 2 * int(i)));
            const int64_t lastUs = firstUs + int64_t(n / 2) * 1000000 / 48000;
            if (lastUs < 1400000) {
                earlyPeak = std::max(earlyPeak, peak);
                ++early;
            } else if (firstUs > 1700000) {
                latePeak = std::max(latePeak, peak);
                ++late;
            }
            ZV_FreeAudioWaveData_Player(p, b);
        }
        ZV_Close_Player(p);
        ZV_Destroy_Player(p);
        QVERIFY2(early >= 3 && late >= 3, qPrintable(QStringLiteral("%1 early, %2 late blocks").arg(early).arg(late)));
        QVERIFY2(earlyPeak < 100, qPrintable(QString::number(earlyPeak)));
        QVERIFY2(latePeak > 3000, qPrintable(QString::number(latePeak)));
    }

    // A background that cannot be played refuses the job and the player's setter.
    void unusableBackground_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << out("missing.mp3");
        QTest::newRow("not media") << out("notes.mp3");
        QTest::newRow("no sound") << QStringLiteral("video");
    }
    void unusableBackground()
    {
        QFETCH(QString, file);
        if (file == "video") {
            file = TestMedia::make("picture_only.mkv", {"-f", "lavfi", "-i", "testsrc2=size=64x48:rate=5:duration=1"});
        } else if (file.endsWith("notes.mp3")) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("these are not sound samples\n");
        }
        Config cfg = encodeConfig(160, 120);
        ZV_SetAudioBackgroundIndex_Config(cfg.get(), 0);
        ZV_SetAudioBackgroundFile_Config(cfg.get(), file.toUtf8());
        QString text;
        QVERIFY(!opens(toneClip(1000), cfg.get(), &text));
        QVERIFY2(text.contains(QFileInfo(file).fileName()), qPrintable(text));

        ZvPlayer *p = ZV_Create_Player(0xFFFFFFFF);
        QCOMPARE(ZV_SetAudioBackgroundFile_Player(p, file.toUtf8()), 0);
        QCOMPARE(ZV_SetAudioBackgroundFile_Player(p, toneWav(300, 3).toUtf8()), 1);
        QCOMPARE(ZV_SetAudioBackgroundFile_Player(p, nullptr), 1);
        ZV_Destroy_Player(p);
    }
};

QTEST_GUILESS_MAIN(TestEditAudio)
#include "tst_edit_audio.moc"
