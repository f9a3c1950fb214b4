#include "CAVEncodeParam.h"
#include "EVAudioTrack.h"
#include "EVSubtitleTrack.h"
#include "Split_Info.h"
#include "VEEditConfig.h"
#include "VideoTrackInfo.h"

#include <QtTest>
#include <memory>

namespace {

VEEditConfig filledConfig()
{
    VEEditConfig c;
    c.m_trimStart = 1000;
    c.m_trimEnd = 5000000;
    c.m_bTrim = true;
    c.m_cropSettings.m_rotation = 90;
    c.m_cropSettings.m_cropRect = QRectF(0.1, 0.2, 0.5, 0.6);
    c.m_videoEffect.hue = -30;
    c.m_watermark.m_textSettings.m_text = "Sample \xC3\xA9";
    c.m_watermark.m_imageSettings.m_imageFile = "/tmp/logo.png";
    c.m_subtitleSettings.m_font = "@Serif";
    c.m_audioBackground.m_file = "/tmp/back.wav";
    const double hz[] = {60, 1000, 8000};
    const double db[] = {3, -2, 1};
    c.m_audioSettings.m_equalize.setBands(hz, db, 3);
    c.m_audioTagInfo.m_title = "Title";
    c.m_audioTagInfo.m_cover = QByteArray(100, 'x');
    c.m_audioTagInfo.m_coverSize = 100;
    c.m_fileFormat = QStringLiteral("mov");
    c.m_bLossless = true;
    c.m_programValue.subtlType = 0;
    c.m_subtitleItems.append(VESubltItemInfo{"No Subtitle", ""});
    c.m_audioList.append("English(aac)");
    c.m_chapterList.append(VEChapterInfo{0, 0, 10, 10, "Current", "Current, 00:00:00-00:00:10"});

    EVAudioTrack audio;
    audio.m_bSelected = 1;
    audio.m_trackInfo.m_trackIndex = 0;
    audio.m_trackInfo.m_privateData = QByteArray(12, '\x11');
    c.m_audioTracks.append(audio);
    EVSubtitleTrack subtitle;
    subtitle.m_trackInfo.m_trackId = 0;
    subtitle.m_trackInfo.m_privateData = QByteArray("\x01\x02\x03", 3);
    c.m_subtitleTracks.append(subtitle);
    return c;
}

} // namespace

class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void editConfigDefaults()
    {
        const VEEditConfig c;
        QCOMPARE(c.m_programValue.subtlType, -1);
        QCOMPARE(c.m_programValue.ProgramIndex, 0);
        QCOMPARE(c.m_overlayCount, 3);
        QCOMPARE(c.m_bOverlayCountSet, false);
        QCOMPARE(c.m_videoEffectWk.m_imageSettings.m_mixMode, 1u);
        QCOMPARE(c.m_frameWk.m_imageSettings.m_mixMode, 0u);
        QCOMPARE(c.m_watermark.m_imageSettings.m_mixMode, 0u);
        QCOMPARE(c.m_watermark.m_imageSettings.m_width, 0.0);
        QCOMPARE(c.m_watermark.m_imageSettings.m_height, 0.0);
        QCOMPARE(c.m_frameWk.m_imageSettings.m_width, 1.0);
        QCOMPARE(c.m_videoEffectWk.m_imageSettings.m_height, 1.0);
        const QRectF unit(0, 0, 1, 1);
        QCOMPARE(c.m_cropSettings.m_cropRect, unit);
        QCOMPARE(c.m_cropSettings.m_padCropRect, unit);
        for (const VEWatermarkSettings *layer : {&c.m_watermark, &c.m_videoEffectWk, &c.m_frameWk})
            QCOMPARE(layer->m_imageSettings.m_cropRect, unit);
        QCOMPARE(c.m_cropSettings.m_padding, 1);
        QCOMPARE(c.m_cropSettings.m_padColor, 0xFF000000u);
        QCOMPARE(c.m_videoEffect.saturation, 100);
        QCOMPARE(c.m_watermark.m_textSettings.m_size, 28u);
        QCOMPARE(c.m_subtitleSettings.m_size, 18u);
        QCOMPARE(c.m_subtitleSettings.m_marginV, 0.05);
        QCOMPARE(c.m_audioBackground.m_weight, 50u);
        QCOMPARE(c.m_audioSettings.m_effect.m_rate, 100u);
        QCOMPARE(c.m_audioSettings.m_equalize.count(), 0);
        QVERIFY(!c.m_audioSettings.m_equalize.frequencies());
        QVERIFY(c.m_fileFormat.isEmpty());

        // A layer built on its own has no size and mix mode 0.
        const VEWatermarkSettings alone;
        QCOMPARE(alone.m_imageSettings.m_mixMode, 0u);
        QCOMPARE(alone.m_imageSettings.m_width, 0.0);
        QCOMPARE(alone.m_imageSettings.m_height, 0.0);
    }

    void copiesAreIndependent()
    {
        std::unique_ptr<VEEditConfig> original(new VEEditConfig(filledConfig()));
        VEEditConfig copy(*original);
        QVERIFY(copy == *original);

        copy.m_audioSettings.m_equalize.setBands(nullptr, nullptr, 0);
        copy.m_audioTracks[0].m_trackInfo.m_privateData[0] = '\x7f';
        copy.m_subtitleTracks[0].m_bSelected = 1;
        copy.m_watermark.m_textSettings.m_text = "changed";
        copy.m_audioTagInfo.m_cover[0] = 'y';
        copy.m_chapterList[0].m_text = "changed";
        QVERIFY(copy != *original);

        const VEEditConfig expected = filledConfig();
        QVERIFY(*original == expected);
        QCOMPARE(original->m_audioSettings.m_equalize.count(), 3);
        QCOMPARE(original->m_audioSettings.m_equalize.gain(1), -2.0);
        QCOMPARE(original->m_audioTracks[0].m_trackInfo.m_privateData, QByteArray(12, '\x11'));

        // The copy survives the original.
        VEEditConfig assigned;
        assigned = *original;
        original.reset();
        QVERIFY(assigned == expected);
        QCOMPARE(assigned.m_watermark.m_textSettings.m_text, QByteArray("Sample \xC3\xA9"));
    }

    void selfAssignmentKeepsEverything()
    {
        VEEditConfig c = filledConfig();
        VEEditConfig &alias = c;
        c = alias;
        QVERIFY(c == filledConfig());

        VEEqualizeSettings eq = filledConfig().m_audioSettings.m_equalize;
        VEEqualizeSettings &eqAlias = eq;
        eq = eqAlias;
        QCOMPARE(eq.count(), 3);
        QCOMPARE(eq.frequency(2), 8000.0);

        AudioTrackInfo track;
        track.m_privateData = QByteArray(12, 'a');
        AudioTrackInfo &trackAlias = track;
        track = trackAlias;
        QCOMPARE(track.privateDataSize(), 12u);
    }

    void equaliserAssignment()
    {
        VEEqualizeSettings target = filledConfig().m_audioSettings.m_equalize;
        target = VEEqualizeSettings();
        QCOMPARE(target.count(), 0);
        QVERIFY(!target.frequencies());
        QVERIFY(!target.gains());

        const double hz[] = {100, 200};
        const double db[] = {1.5, -1.5};
        target.setBands(hz, db, 2);
        QCOMPARE(target.count(), 2);
        QCOMPARE(target.frequencies()[1], 200.0);
        QCOMPARE(target.gains()[0], 1.5);
        target.setBands(hz, db, -4);   // nonsense count: no bands, not a crash
        QCOMPARE(target.count(), 0);
    }

    void setDefaultsResetsEditsButKeepsSourceLists()
    {
        VEEditConfig c = filledConfig();
        c.setDefaults();
        QVERIFY(c.m_audioTracks.isEmpty());
        QVERIFY(c.m_subtitleTracks.isEmpty());
        QCOMPARE(c.m_trimEnd, uint64_t(0));
        QCOMPARE(c.m_programValue.subtlType, -1);
        QCOMPARE(c.m_audioSettings.m_equalize.count(), 0);
        QVERIFY(c.m_audioTagInfo.m_title.isEmpty());
        QCOMPARE(c.m_audioTagInfo.m_coverSize, 0u);
        QVERIFY(c.m_fileFormat.isEmpty());
        QCOMPARE(c.m_videoEffectWk.m_imageSettings.m_mixMode, 1u);
        // These describe the source and stay.
        QCOMPARE(c.m_subtitleItems.size(), 1);
        QCOMPARE(c.m_audioList, QList<QByteArray>{"English(aac)"});
        QCOMPARE(c.m_chapterList.size(), 1);
    }

    void trackRecords()
    {
        const SubtitleTrackInfo subtitle;
        QCOMPARE(subtitle.m_firstId, 0);
        QCOMPARE(subtitle.m_trackId, -1);
        QCOMPARE(subtitle.privateDataSize(), 0u);
        const AudioTrackInfo audio;
        QCOMPARE(audio.m_trackIndex, -1);
        QCOMPARE(audio.m_secondId, 0);
        const VideoTrackInfo video;
        QCOMPARE(video.m_trackIndex, -1);

        AudioTrackInfo withData;
        withData.m_privateData = QByteArray("0123456789AB");
        AudioTrackInfo copy = withData;
        QCOMPARE(copy.privateDataSize(), 12u);
        copy.m_privateData[0] = 'Z';
        QCOMPARE(withData.m_privateData, QByteArray("0123456789AB"));

        AudioTrackInfo empty;
        copy = empty;
        QCOMPARE(copy.privateDataSize(), 0u);
        QVERIFY(copy.m_privateData.isEmpty());

        VideoTrackInfo reset;
        reset.m_trackIndex = 3;
        reset.m_numbers[1] = 640;
        reset.m_privateData = "xyz";
        reset.m_codecName = "h264";
        reset.reset();
        QVERIFY(reset == VideoTrackInfo());

        SubtitleTrackInfo cc;
        cc.m_codecTag = SubtitleTrackInfo::ClosedCaptionTag;
        QVERIFY(cc.isClosedCaption());
    }

    void encodeParamCopy()
    {
        std::unique_ptr<CAVEncodeParam> original(new CAVEncodeParam);
        original->m_format = "mp4";
        original->m_videoCodec = 28;
        original->m_texts[11] = "preset=fast";
        original->m_editConfig = filledConfig();
        const CAVEncodeParam copy = *original;
        original.reset();
        QCOMPARE(copy.m_format, QByteArray("mp4"));
        QCOMPARE(QByteArray(copy.m_format.constData()), QByteArray("mp4"));
        QCOMPARE(copy.m_videoCodec, 28);
        QCOMPARE(copy.textOption(), QByteArray("preset=fast"));
        QVERIFY(copy.m_editConfig == filledConfig());
    }

    void splitInfoDefaults()
    {
        const Split_Info info;
        QCOMPARE(info.m_mode, 0);
        QCOMPARE(info.m_everyCount, 1);
        QCOMPARE(info.m_bMinutes, uint8_t(0));
        QCOMPARE(info.m_partCount, 1);
        QCOMPARE(info.unitMicroseconds(), 3600000000ULL);
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
