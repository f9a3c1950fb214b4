// The legacy per-format description read from the resources folder. This test
// runs from a bundle of its own whose resources hold a fixture list.
#include "FormatAllInfo.h"
#include "QVideoSettingXml.h"
#include "SettingsTestUtil.h"

#include <QtTest>

using namespace SettingsTestUtil;

using Strings = std::vector<std::string>;
Q_DECLARE_METATYPE(Strings)

class tst_LegacyFormat : public QObject
{
    Q_OBJECT

private slots:
    void listForm_data();
    void listForm();
    void addUnit_data();
    void addUnit();
    void formatLists();
    void audioOnlyFormatHasNoVideo();
    void qualityPreset();
    void formatInfo();
    void misses();
};

void tst_LegacyFormat::listForm_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("unit");
    QTest::addColumn<Strings>("expected");
    QTest::newRow("blank piece dropped, 0 is Auto") << QByteArray("a, ,0,b") << QByteArray(" kbps")
                                                    << Strings{"a kbps", "Auto", "b kbps"};
    QTest::newRow("blanks and trailing comma") << QByteArray(" 1280*720 ,1920*1080,") << QByteArray()
                                               << Strings{"1280*720", "1920*1080"};
    QTest::newRow("Auto gets the unit") << QByteArray("Auto") << QByteArray(" fps") << Strings{"Auto fps"};
    QTest::newRow("tab stays") << QByteArray("\t128") << QByteArray(" kbps") << Strings{"\t128 kbps"};
    QTest::newRow("duplicates stay") << QByteArray("2,2") << QByteArray() << Strings{"2", "2"};
    QTest::newRow("empty") << QByteArray() << QByteArray(" HZ") << Strings{};
}

void tst_LegacyFormat::listForm()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, unit);
    QFETCH(Strings, expected);
    Strings list{"stale"};
    if (unit.isEmpty())
        QVideoSettingXml::analysisTextInfo(text.toStdString(), list);
    else
        QVideoSettingXml::analysisTextInfo(text.toStdString(), unit.toStdString(), list);
    QVERIFY(list == expected);
}

void tst_LegacyFormat::addUnit_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("frame rate") << " 25 " << "V_FrameRate" << "25 fps";
    QTest::newRow("video bit rate") << "800" << "V_BitRate" << "800 kbps";
    QTest::newRow("sample rate") << "44100" << "A_SampleRate" << "44100 HZ";
    QTest::newRow("Original") << "Original" << "A_SampleRate" << "Original";
    QTest::newRow("Auto") << "Auto" << "V_BitRate" << "Auto";
    QTest::newRow("0") << "0" << "A_BitRate" << "Auto";
    QTest::newRow("empty still gets the unit") << "" << "V_FrameRate" << " fps";
    QTest::newRow("encoder") << " mp4a " << "A_Encoder" << "mp4a";
}

void tst_LegacyFormat::addUnit()
{
    QFETCH(QString, value);
    QFETCH(QString, key);
    QTEST(QVideoSettingXml::addUnit(value, key), "expected");
}

void tst_LegacyFormat::formatLists()
{
    const FormatAllInfo* info = QVideoSettingXml::GetFormatAllInfo("MP4");
    QVERIFY(info);
    QVERIFY(!info->onlyAudio);
    QVERIFY(info->videoEncoderList == (Strings{"avc1", "mp4v"}));
    QVERIFY(info->resolutionList == (Strings{"1280*720", "1920*1080"}));
    QVERIFY(info->frameRateList == (Strings{"Auto", "25 fps", "Auto fps"}));
    QVERIFY(info->videoBitRateList == (Strings{"a kbps", "Auto", "b kbps"}));
    QVERIFY(info->sampleRateList == (Strings{"44100 HZ", "48000 HZ"}));
    QVERIFY(info->audioBitRateList == (Strings{"\t128 kbps", "256 kbps"}));
    QVERIFY(info->ext.empty() && info->videoEncoder.empty() && !info->isAuto);
}

void tst_LegacyFormat::audioOnlyFormatHasNoVideo()
{
    const FormatAllInfo* info = QVideoSettingXml::GetFormatAllInfo("MP3");
    QVERIFY(info);
    QVERIFY(info->onlyAudio);
    QVERIFY(info->videoEncoderList.empty() && info->resolutionList.empty()
            && info->frameRateList.empty() && info->videoBitRateList.empty());
    QVERIFY(info->audioBitRateList == (Strings{"192 kbps"}));

    const QualitySet* set = QVideoSettingXml::GetQuality("High", "MP3");
    QVERIFY(set);
    QVERIFY(set->OnlyAudio);
    QVERIFY(set->V_Encoder.isEmpty() && set->V_FrameRate.isEmpty());
    QCOMPARE(set->A_BitRate, QString("192 kbps"));
}

void tst_LegacyFormat::qualityPreset()
{
    const QualitySet* set = QVideoSettingXml::GetQuality("High", "MP4");
    QVERIFY(set);
    QCOMPARE(set->V_Encoder, QString("avc1"));
    QCOMPARE(set->V_FrameRate, QString("25 fps"));
    QCOMPARE(set->V_BitRate, QString("Auto"));
    QCOMPARE(set->A_Encoder, QString("mp4a"));
    QCOMPARE(set->A_SampleRate, QString("Original"));
    QCOMPARE(set->A_BitRate, QString("128 kbps"));
    QCOMPARE(set->V_A_Quality, quint32(0));
    QCOMPARE(set, QVideoSettingXml::m_highQualitySet);

    // An empty format name matches a format element without a name.
    QCOMPARE(QVideoSettingXml::GetQuality("High", "")->A_Encoder, QString("nameless"));
}

void tst_LegacyFormat::formatInfo()
{
    const FileFormatInfo* info = QVideoSettingXml::GetFormatInfo("MP3");
    QVERIFY(info);
    QCOMPARE(info->formatName, QString(" mp3 "));   // as stored
    QCOMPARE(info->extend, QString("mp3"));
}

void tst_LegacyFormat::misses()
{
    QVERIFY(!QVideoSettingXml::GetFormatAllInfo(""));
    QVERIFY(QVideoSettingXml::m_formatInfo);   // replaced even when nothing is returned
    QVERIFY(!QVideoSettingXml::GetFormatAllInfo("NoLists"));
    QVERIFY(!QVideoSettingXml::GetFormatAllInfo("Unknown"));
    QVERIFY(!QVideoSettingXml::GetFormatInfo(""));
    QVERIFY(!QVideoSettingXml::GetFormatInfo("NoLists"));
    QVERIFY(!QVideoSettingXml::GetQuality("Low", "MP4"));

    // The shipped file is only read.
    const QString shipped = QIAnyUtil::getResourcePath() + "/VideoSetting.xml";
    const QByteArray before = readFile(shipped);
    QVERIFY(!before.isEmpty());
    QVideoSettingXml::GetFormatAllInfo("MP4");
    QCOMPARE(readFile(shipped), before);
}

QTEST_GUILESS_MAIN(tst_LegacyFormat)
#include "tst_legacyformat.moc"
