// The encoding-settings panel over the shipped preset lists: what a preset puts
// into the eight combos, what each quality selects, what a user's pick keeps,
// and the output profile built from it all.
#include "FormatAllInfo.h"
#include "QCustomComboBox.h"
#include "QPlistRead.h"
#include "QSettingDlg.h"
#include "QTextImageButton.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QVideoSettingXml.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {

QStringList texts(QCustomComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

QString code(QCustomComboBox* combo)
{
    return combo->itemDataString(combo->currentIndex());
}

// What a user's pick does: the menu action fires, the combo selects and emits activated.
void pick(QCustomComboBox* combo, const QString& shown)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == shown) {
            combo->actions().at(i)->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no item " + shown));
}

void pickByCode(QCustomComboBox* combo, const QString& data)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemDataString(i) == data) {
            combo->actions().at(i)->trigger();
            return;
        }
    }
    QFAIL(qPrintable("no code " + data));
}

} // namespace

class tst_SettingPanel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void generalVideoFillsEightCombos();
    void qualityBuildsProfile_data();
    void qualityBuildsProfile();
    void customizedTakesSavedValues();
    void audioOnlyPreset();
    void pickKeepsOtherKeyChoices();
    void pickTurnsQualityCustomizedAndBack();
    void pickInHighSpeedModeKeepsTheLosslessPreset();
    void profileNumbersStartDefined();
    void okSavesCustomValues();
    void pagesAndLanguagePlacement();
    void automaticValuesShownTranslatedKeptEnglish_data();
    void automaticValuesShownTranslatedKeptEnglish();

private:
    QSettingDlg* load(const QString& category, const QString& id);
    std::unique_ptr<QSettingDlg> m_panel;
};

QSettingDlg* tst_SettingPanel::load(const QString& category, const QString& id)
{
    m_panel = std::make_unique<QSettingDlg>();
    FormatAllInfo* record = QSettingDlg::encodingReader()->GetFormatInfoForPlist(
        category.toStdString(), id.toStdString(), "", "", "", "");
    m_panel->setFormatInfoToCtrl(record);
    return m_panel.get();
}

void tst_SettingPanel::initTestCase()
{
    // Settings are written under HOME: only the test HOME that ctest gives is safe.
    if (!QDir::homePath().contains("/testhome/"))
        QSKIP("run through ctest, which gives this test a HOME of its own");
    const QString data = QIAnyUtil::getAppDataPath();
    QFile::remove(data + "/VideoDefaultFormatSetting.xml");
}

void tst_SettingPanel::init()
{
    QSettingDlg::setFormatMode(false);
}

void tst_SettingPanel::generalVideoFillsEightCombos()
{
    QSettingDlg* p = load("General Video", "4000");
    QCOMPARE(texts(p->m_cmbVEncoder), QStringList({"H.264", "H.265 (HEVC)", "MPEG-4"}));
    QCOMPARE(code(p->m_cmbVEncoder), QString("H264"));
    QCOMPARE(p->m_cmbVResolution->currentText(), QString("Original"));
    QVERIFY(texts(p->m_cmbVResolution).contains("1920*1080"));
    QCOMPARE(p->m_cmbVFrame->itemText(0), QString("Auto"));
    QCOMPARE(p->m_cmbVFrame->currentText(), QString("Auto"));
    QVERIFY(texts(p->m_cmbVFrame).contains("29.97 fps"));
    // Both bit-rate combos open on the preset's high value.
    QCOMPARE(p->m_cmbVBitRate->currentText(), QString("8000 kbps"));
    QCOMPARE(texts(p->m_cmbAEncoder), QStringList({"AAC", "MP3", "AC-3"}));
    QCOMPARE(code(p->m_cmbAEncoder), QString("AAC"));
    QCOMPARE(texts(p->m_cmbAChannel), QStringList({"Stereo", "Mono", "5.1 Surround"}));
    QCOMPARE(code(p->m_cmbAChannel), QString("2"));
    QCOMPARE(p->m_cmbASample->currentText(), QString("48000 HZ"));
    QCOMPARE(p->m_cmbABitRate->currentText(), QString("192 kbps"));
    QVERIFY(p->m_btnVideo->isEnabled());
}

void tst_SettingPanel::qualityBuildsProfile_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("videoRate");
    QTest::addColumn<int>("videoKbps");
    QTest::addColumn<int>("nQuality");

    QTest::newRow("Small Size") << int(VQ_SmallSize) << "3000 kbps" << 3000 << 50;
    QTest::newRow("High Quality") << int(VQ_HighQuality) << "8000 kbps" << 8000 << 90;
}

void tst_SettingPanel::qualityBuildsProfile()
{
    QFETCH(int, quality);
    QSettingDlg* p = load("General Video", "4000");
    p->setVideoQuality(VideoQuality(quality));
    QFETCH(QString, videoRate);
    QCOMPARE(p->m_cmbVBitRate->currentText(), videoRate);
    // The audio bit rate stays on the preset's high value for both.
    QCOMPARE(p->m_cmbABitRate->currentText(), QString("192 kbps"));

    p->setAttributeSetting();
    const AttributeSetting& a = *QSettingDlg::m_attributeSetting;
    QFETCH(int, videoKbps);
    QFETCH(int, nQuality);
    QCOMPARE(a.fileFormat, QString("mp4"));
    QCOMPARE(a.fileExtend, QString("mp4"));
    QVERIFY(!a.bOnlyAudio);
    QCOMPARE(a.VEncoder, QString("H264"));
    QCOMPARE(a.VCodecsId, 28);
    QCOMPARE(a.VWidth, 0);
    QCOMPARE(a.VHeight, 0);
    QCOMPARE(a.VFrameRate_fps, 0);
    QCOMPARE(a.VFrameRate_scale, 1);
    QCOMPARE(a.VBitRate, videoKbps);
    QCOMPARE(a.nQuality, nQuality);
    QCOMPARE(a.AEncoder, QString("AAC"));
    QCOMPARE(a.ACodecsId, 0x15002);
    QCOMPARE(a.AChannel, 2);
    QCOMPARE(a.ASampleRate, 48000);
    QCOMPARE(a.ABitRate, 192);
}

void tst_SettingPanel::customizedTakesSavedValues()
{
    QualitySet saved;
    saved.V_Encoder = "H265";
    saved.V_Resolution = "1920*1080";
    saved.V_FrameRate = "29.97 fps";
    saved.V_BitRate = "5000 kbps";
    saved.A_Encoder = "AC3";
    saved.A_Channel = "6";
    saved.A_SampleRate = "44100 HZ";
    saved.A_BitRate = "512 kbps";
    QVideoSettingXml::SetDefaultFormat("4000", &saved);

    QSettingDlg* p = load("General Video", "4000");
    QSignalSpy changed(p, &QSettingDlg::emitChangeText);
    p->setVideoQuality(VQ_Customized);
    // Codes pick the codec and channel items even though their shown names differ.
    QCOMPARE(p->m_cmbVEncoder->currentText(), QString("H.265 (HEVC)"));
    QCOMPARE(p->m_cmbVResolution->currentText(), QString("1920*1080"));
    QCOMPARE(p->m_cmbVFrame->currentText(), QString("29.97 fps"));
    QCOMPARE(p->m_cmbVBitRate->currentText(), QString("5000 kbps"));
    QCOMPARE(p->m_cmbAEncoder->currentText(), QString("AC-3"));
    QCOMPARE(p->m_cmbAChannel->currentText(), QString("5.1 Surround"));
    QCOMPARE(p->m_cmbASample->currentText(), QString("44100 HZ"));
    QCOMPARE(p->m_cmbABitRate->currentText(), QString("512 kbps"));

    p->setAttributeSetting();
    const AttributeSetting& a = *QSettingDlg::m_attributeSetting;
    QCOMPARE(a.VEncoder, QString("H265"));
    QCOMPARE(a.VWidth, 1920);
    QCOMPARE(a.VHeight, 1080);
    QCOMPARE(a.VFrameRate_fps, 30000);
    QCOMPARE(a.VFrameRate_scale, 1001);
    QCOMPARE(a.VBitRate, 5000);
    QCOMPARE(a.nQuality, 50);
    QCOMPARE(a.AEncoder, QString("AC3"));
    QCOMPARE(a.ACodecsId, 0x15003);
    QCOMPARE(a.AChannel, 6);
    QCOMPARE(a.ASampleRate, 44100);
    QCOMPARE(a.ABitRate, 512);

    // Customized: later picks never announce a quality.
    pick(p->m_cmbVFrame, "25 fps");
    QCOMPARE(changed.count(), 0);
    p->setAttributeSetting();
    QCOMPARE(a.VFrameRate_fps, 25);
    QCOMPARE(a.VFrameRate_scale, 1);
}

void tst_SettingPanel::audioOnlyPreset()
{
    QSettingDlg* p = load("General Audio", "4100");
    QCOMPARE(p->m_cmbVEncoder->count(), 0);
    QCOMPARE(p->m_cmbVResolution->count(), 0);
    QVERIFY(!p->m_btnVideo->isEnabled());
    QVERIFY(p->m_cmbVEncoder->isHidden());
    QVERIFY(!p->m_cmbAEncoder->isHidden());

    p->setVideoQuality(VQ_SmallSize);
    p->setAttributeSetting();
    const AttributeSetting& a = *QSettingDlg::m_attributeSetting;
    QVERIFY(a.bOnlyAudio);
    QCOMPARE(a.fileFormat, QString("mp3"));
    QCOMPARE(a.VEncoder, QString());
    QCOMPARE(a.VCodecsId, -1);
    QCOMPARE(a.VWidth, 0);
    QCOMPARE(a.VHeight, 0);
    QCOMPARE(a.VFrameRate_fps, 0);
    QCOMPARE(a.VBitRate, 0);
    QCOMPARE(a.AEncoder, QString("MP3"));
    QCOMPARE(a.ACodecsId, 0x15001);
    QCOMPARE(a.AChannel, 2);
    QCOMPARE(a.ASampleRate, 44100);
    QCOMPARE(a.ABitRate, 320);
}

// A new codec, resolution or channel re-reads the preset with every current key
// choice, so a pick made earlier survives the next one.
void tst_SettingPanel::pickKeepsOtherKeyChoices()
{
    QSettingDlg* p = load("General Video", "4000");
    p->setVideoQuality(VQ_HighQuality);

    pickByCode(p->m_cmbAEncoder, "AC3");
    QCOMPARE(code(p->m_cmbAEncoder), QString("AC3"));
    // The earlier bit rate is still offered for AC-3 stereo, so it stays.
    QCOMPARE(p->m_cmbABitRate->currentText(), QString("192 kbps"));
    QCOMPARE(texts(p->m_cmbABitRate).last(), QString("448 kbps"));
    pickByCode(p->m_cmbAChannel, "6");
    QCOMPARE(code(p->m_cmbAEncoder), QString("AC3"));
    QCOMPARE(code(p->m_cmbAChannel), QString("6"));
    QCOMPARE(texts(p->m_cmbABitRate), QStringList({"384 kbps", "448 kbps", "512 kbps", "576 kbps", "640 kbps"}));
    QCOMPARE(p->m_cmbABitRate->currentText(), QString("640 kbps"));

    pickByCode(p->m_cmbVEncoder, "H265");
    pick(p->m_cmbVResolution, "1280*720");
    QCOMPARE(code(p->m_cmbVEncoder), QString("H265"));
    QCOMPARE(p->m_cmbVResolution->currentText(), QString("1280*720"));
    QVERIFY(texts(p->m_cmbVBitRate).contains("768 kbps"));
    QCOMPARE(code(p->m_cmbAEncoder), QString("AC3"));
    QCOMPARE(code(p->m_cmbAChannel), QString("6"));

    p->setAttributeSetting();
    const AttributeSetting& a = *QSettingDlg::m_attributeSetting;
    QCOMPARE(a.VEncoder, QString("H265"));
    QCOMPARE(a.VWidth, 1280);
    QCOMPARE(a.VHeight, 720);
    QCOMPARE(a.AEncoder, QString("AC3"));
    QCOMPARE(a.AChannel, 6);
}

void tst_SettingPanel::pickTurnsQualityCustomizedAndBack()
{
    QSettingDlg* p = load("General Video", "4000");
    p->setVideoQuality(VQ_SmallSize);
    QSignalSpy changed(p, &QSettingDlg::emitChangeText);
    pick(p->m_cmbVBitRate, "10000 kbps");
    pick(p->m_cmbVBitRate, "3000 kbps");
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).value<VideoQuality>(), VQ_Customized);
    QCOMPARE(changed.at(1).at(0).value<VideoQuality>(), VQ_SmallSize);
    QCOMPARE(p->getChangeQuality(), int(VQ_SmallSize));
}

void tst_SettingPanel::pickInHighSpeedModeKeepsTheLosslessPreset()
{
    QSettingDlg::setFormatMode(true);
    m_panel = std::make_unique<QSettingDlg>();
    QSettingDlg* p = m_panel.get();
    p->setFormatInfoToCtrlLossLess(
        QSettingDlg::losslessReader()->GetFormatInfoForPlist("General Video", "3002", "", "", "", ""));
    QCOMPARE(code(p->m_cmbVEncoder), QString("Original"));
    pick(p->m_cmbVEncoder, "Original");
    pickByCode(p->m_cmbAChannel, "Original");
    // The high-speed preset is not in the encoding list; its combos stay filled.
    QCOMPARE(code(p->m_cmbVEncoder), QString("Original"));
    QCOMPARE(code(p->m_cmbAEncoder), QString("Original"));
}

void tst_SettingPanel::profileNumbersStartDefined()
{
    AttributeSetting fresh;
    QCOMPARE(fresh.VFrameRate_scale, 1);
    QCOMPARE(fresh.VFrameRate_fps, 0);
    QCOMPARE(fresh.VCodecsId, 0);
    QCOMPARE(fresh.ABitRate, 0);
    QCOMPARE(fresh.nQuality, 0);

    // An audio-only first build leaves the denominator at its defined start.
    AttributeSetting* record = QSettingDlg::attributeSetting();
    QSettingDlg* p = load("General Audio", "4101");
    p->setAttributeSetting();
    QVERIFY(record->VFrameRate_scale != 0);
    QCOMPARE(QSettingDlg::m_attributeSetting, record);
    QCOMPARE(QAttributeSettingHolder::attributeSetting(), record);
}

void tst_SettingPanel::okSavesCustomValues()
{
    QSettingDlg* p = load("Web Video", "4403");
    p->setVideoQuality(VQ_HighQuality);
    pickByCode(p->m_cmbVEncoder, "VP8");
    QSignalSpy customized(p, &QSettingDlg::emitIsCustomized);
    p->OnOkSet();
    QCOMPARE(customized.count(), 1);
    QCOMPARE(customized.at(0).at(0).toBool(), true);
    const QualitySet* saved = QVideoSettingXml::GetDefaultFormat("4403");
    QVERIFY(saved);
    QCOMPARE(saved->V_Encoder, QString("VP8"));
    QCOMPARE(saved->A_Encoder, QString("OGG"));
    QCOMPARE(saved->V_BitRate, p->m_cmbVBitRate->currentText());
    QCOMPARE(QSettingDlg::m_attributeSetting->fileFormat, QString("webm"));
    QCOMPARE(QSettingDlg::m_attributeSetting->VCodecsId, 0x8D);
}

void tst_SettingPanel::pagesAndLanguagePlacement()
{
    QSettingDlg* p = load("General Video", "4000");
    QCOMPARE(p->m_cmbVEncoder->QWidget::size(), QSize(120, 22));
    QVERIFY(!p->m_cmbVEncoder->isHidden());
    QVERIFY(p->m_cmbAEncoder->isHidden());
    const QString before = p->m_cmbVBitRate->currentText();
    p->OnClickAudio();
    QVERIFY(p->m_cmbVEncoder->isHidden());
    QVERIFY(p->m_labCodec->isHidden());
    QVERIFY(!p->m_cmbAEncoder->isHidden());
    QVERIFY(!p->m_labACodec->isHidden());
    p->OnClickVideo();
    QVERIFY(!p->m_cmbVEncoder->isHidden());
    QCOMPARE(p->m_cmbVBitRate->currentText(), before);

    QConverterOperate::setLanguageType("French");
    p->retranslateUi();
    QCOMPARE(p->m_cmbVEncoder->x(), 138);
    QCOMPARE(p->m_cmbVFrame->x(), 138);
    QCOMPARE(p->m_labCodec->width(), 102);
    QCOMPARE(p->m_cmbAEncoder->x(), 116);
    QConverterOperate::setLanguageType("English");
    p->retranslateUi();
    QCOMPARE(p->m_cmbVEncoder->x(), 116);
    QCOMPARE(p->m_labFrame->width(), 81);

    // The page buttons meet at the centre; Default sits at the right.
    p->resize(600, 130);
    p->grab();
    QCOMPARE(p->m_btnVideo->geometry().right() + 1, 300);
    QCOMPARE(p->m_btnAudio->x(), 300);
    QCOMPARE(p->m_btnDefault->geometry().right(), 600 - 4 - 1);
}

void tst_SettingPanel::automaticValuesShownTranslatedKeptEnglish_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("automatic");
    QTest::newRow("Chinese") << "lang_zh_CN.qm" << QString("原始") << QString("自动");
    QTest::newRow("Japanese") << "lang_ja.qm" << QString("オリジナル") << QString("自動");
}

// The combos show the values in the interface language; what is picked, stored
// and compared stays the preset's English value.
void tst_SettingPanel::automaticValuesShownTranslatedKeptEnglish()
{
    QFETCH(QString, file);
    QFETCH(QString, original);
    QFETCH(QString, automatic);
    QTranslator translator;
    QVERIFY(translator.load(QIAnyUtil::getResourcePath() + "/Language/" + file));
    QCoreApplication::installTranslator(&translator);
    QSettingDlg* p = load("General Video", "4000");
    p->setVideoQuality(VQ_HighQuality);
    QCOMPARE(p->m_cmbVResolution->currentText(), original);
    QCOMPARE(code(p->m_cmbVResolution), QString("Original"));
    QCOMPARE(p->m_cmbVFrame->currentText(), automatic);
    QCOMPARE(code(p->m_cmbVFrame), QString("Auto"));

    pick(p->m_cmbVResolution, "1280*720");
    pick(p->m_cmbVResolution, original);
    QCOMPARE(code(p->m_cmbVResolution), QString("Original"));
    pick(p->m_cmbVFrame, "29.97 fps");
    pick(p->m_cmbVFrame, automatic);
    pickByCode(p->m_cmbVEncoder, "H265");
    p->OnOkSet();
    const QualitySet* saved = QVideoSettingXml::GetDefaultFormat("4000");
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(saved);
    QCOMPARE(saved->V_Resolution, QString("Original"));
    QCOMPARE(saved->V_FrameRate, QString("Auto"));

    // Chosen again by value when the panel comes back.
    p = load("General Video", "4000");
    pick(p->m_cmbVResolution, "1280*720");
    pick(p->m_cmbVFrame, "29.97 fps");
    p->SetCustomValue(const_cast<QualitySet*>(saved));
    QCOMPARE(code(p->m_cmbVResolution), QString("Original"));
    QCOMPARE(code(p->m_cmbVFrame), QString("Auto"));
    QFile::remove(QIAnyUtil::getAppDataPath() + "/VideoDefaultFormatSetting.xml");
}

QTEST_MAIN(tst_SettingPanel)
#include "tst_settingpanel.moc"
