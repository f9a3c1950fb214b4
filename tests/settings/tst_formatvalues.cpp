// Custom encoding values and quality types per preset id
// ("VideoDefaultFormatSetting.xml").
#include "QVideoSettingXml.h"
#include "SettingsTestUtil.h"

#include <QtTest>

using namespace SettingsTestUtil;

class tst_FormatValues : public QObject
{
    Q_OBJECT

    QString formatPath() const { return dataFile(QStringLiteral("VideoDefaultFormatSetting.xml")); }

    static QualitySet sample()
    {
        QualitySet set;
        set.V_Encoder = "avc1";
        set.V_Resolution = "1280*720";
        set.V_FrameRate = "25 fps";
        set.V_BitRate = "2000 kbps";
        set.A_Encoder = "mp4a";
        set.A_Channel = "2";
        set.A_SampleRate = "44100 HZ";
        set.A_BitRate = "128 kbps";
        set.V_A_Quality = 7;
        return set;
    }

private slots:
    void init() { clearDataFolder(); }

    void saveIntoMissingFile();
    void saveTwiceKeepsOneElement();
    void readBack_data();
    void readBack();
    void missingOrUnknownGivesNull();
    void corruptFileLosesNothingOnDisk();
    void qualityType();
};

void tst_FormatValues::saveIntoMissingFile()
{
    QualitySet set = sample();
    QVideoSettingXml::SetDefaultFormat("4000", &set);

    const QDomElement root = rootOf(formatPath());
    QCOMPARE(root.tagName(), QString("ROOTITEM"));
    QCOMPARE(elementChildCount(root), 1);
    const QDomElement preset = root.firstChildElement();
    QCOMPARE(preset.tagName(), QString("FORMAT_"));
    QCOMPARE(preset.attribute("Format_ID"), QString("4000"));
    const QDomElement custom = preset.firstChildElement();
    QCOMPARE(custom.tagName(), QString("Format_Custom"));
    QCOMPARE(custom.attributes().count(), 10);
    QCOMPARE(custom.attribute("OnlyAudio"), QString("N"));
    QCOMPARE(custom.attribute("V_A_Quality"), QString("7"));
}

void tst_FormatValues::saveTwiceKeepsOneElement()
{
    QualitySet set = sample();
    QVideoSettingXml::SetDefaultFormat("4000", &set);
    set.V_BitRate = "800 kbps";
    set.OnlyAudio = true;
    QVideoSettingXml::SetDefaultFormat("4000", &set);

    const QDomElement root = rootOf(formatPath());
    QCOMPARE(elementChildCount(root), 1);
    QCOMPARE(elementChildCount(root.firstChildElement()), 1);
    const QDomElement custom = root.firstChildElement().firstChildElement();
    QCOMPARE(custom.attribute("V_BitRate"), QString("800 kbps"));
    QCOMPARE(custom.attribute("OnlyAudio"), QString("Y"));
}

void tst_FormatValues::readBack_data()
{
    QTest::addColumn<QByteArray>("custom");
    QTest::addColumn<bool>("onlyAudio");
    QTest::addColumn<QString>("videoEncoder");
    QTest::addColumn<QString>("audioBitRate");
    QTest::addColumn<uint>("quality");
    QTest::newRow("as stored")
        << QByteArray("OnlyAudio=\"N\" V_Encoder=\"avc1\" A_BitRate=\"128 kbps\" V_A_Quality=\"3\"")
        << false << "avc1" << "128 kbps" << 3u;
    QTest::newRow("audio only hides the video texts")
        << QByteArray("OnlyAudio=\"Y\" V_Encoder=\"avc1\" A_BitRate=\"96 kbps\" V_A_Quality=\"1\"")
        << true << "" << "96 kbps" << 1u;
    QTest::newRow("blanks and tabs stripped")
        << QByteArray("OnlyAudio=\"N\" V_Encoder=\" \tavc1 \" A_BitRate=\"\t128 kbps  \"")
        << false << "avc1" << "128 kbps" << 0u;
    QTest::newRow("quality not a number")
        << QByteArray("OnlyAudio=\"y\" V_Encoder=\"x\" V_A_Quality=\"high\"")
        << false << "x" << "" << 0u;
}

void tst_FormatValues::readBack()
{
    QFETCH(QByteArray, custom);
    QVERIFY(writeFile(formatPath(), "<ROOTITEM><FORMAT_ Format_ID=\"1\"/>"
                                    "<FORMAT_ Format_ID=\"4000\"><Format_Custom " + custom + "/></FORMAT_>"
                                    "</ROOTITEM>"));
    const QualitySet* set = QVideoSettingXml::GetDefaultFormat("4000", nullptr);
    QVERIFY(set);
    QTEST(set->OnlyAudio, "onlyAudio");
    QTEST(set->V_Encoder, "videoEncoder");
    QTEST(set->A_BitRate, "audioBitRate");
    QTEST(uint(set->V_A_Quality), "quality");
    QCOMPARE(set, QVideoSettingXml::m_defaultQualitySet);
}

void tst_FormatValues::missingOrUnknownGivesNull()
{
    QVERIFY(!QVideoSettingXml::GetDefaultFormat("4000", nullptr));
    QVERIFY(!QFileInfo::exists(formatPath()));

    QualitySet set = sample();
    QVideoSettingXml::SetDefaultFormat("4000", &set);
    QVERIFY(!QVideoSettingXml::GetDefaultFormat("4001", nullptr));
    QVERIFY(QVideoSettingXml::GetDefaultFormat("4000", nullptr));

    // An element without values (made by the quality-type writer) has none.
    QVideoSettingXml::SetQualityType("5000", 2);
    QVERIFY(!QVideoSettingXml::GetDefaultFormat("5000", nullptr));
}

void tst_FormatValues::corruptFileLosesNothingOnDisk()
{
    QVERIFY(writeFile(formatPath(), "<ROOTITEM><FORMAT_ Format_ID="));
    QVERIFY(!QVideoSettingXml::GetDefaultFormat("4000", nullptr));
    QCOMPARE(readFile(formatPath() + ".bad"), QByteArray("<ROOTITEM><FORMAT_ Format_ID="));

    QualitySet set = sample();
    QVideoSettingXml::SetDefaultFormat("4000", &set);
    QCOMPARE(QVideoSettingXml::GetDefaultFormat("4000", nullptr)->V_Resolution, QString("1280*720"));
    QCOMPARE(readFile(formatPath() + ".bad"), QByteArray("<ROOTITEM><FORMAT_ Format_ID="));
}

void tst_FormatValues::qualityType()
{
    // Missing file: the default, and nothing is created.
    QCOMPARE(QVideoSettingXml::GetQualityType("4000", 2), 2);
    QVERIFY(!QFileInfo::exists(formatPath()));

    QualitySet set = sample();
    QVideoSettingXml::SetDefaultFormat("4000", &set);
    QCOMPARE(QVideoSettingXml::GetQualityType("4000", 2), 1);   // known id without a type
    QCOMPARE(QVideoSettingXml::GetQualityType("4100", 2), 2);   // unknown id: added with the default
    QCOMPARE(QVideoSettingXml::GetQualityType("4100", 0), 2);
    QVideoSettingXml::SetQualityType("4000", 0);
    QCOMPARE(QVideoSettingXml::GetQualityType("4000", 2), 0);

    // The quality type lives beside the custom values, which stay intact.
    const QDomElement first = rootOf(formatPath()).firstChildElement();
    QCOMPARE(first.attribute("Format_QualityType"), QString("0"));
    QCOMPARE(first.firstChildElement("Format_Custom").attribute("V_Encoder"), QString("avc1"));
}

QTEST_GUILESS_MAIN(tst_FormatValues)
#include "tst_formatvalues.moc"
