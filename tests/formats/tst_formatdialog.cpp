// The format dialog driven the way the main window drives it, over the shipped
// preset lists: start-up, mode switches, OK and Cancel with the settings keys
// they write, stale preset ids, the tile views and the sliding panel.
#include "CategoriesBtnWgt.h"
#include "FormatItem.h"
#include "FormatItemWidget.h"
#include "FormatWidget.h"
#include "QCheckButton.h"
#include "QCustomComboBox.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QPlistRead.h"
#include "QSettingDlg.h"
#include "QTextImageButton.h"
#include "QVelBaseButton.h"
#include "QMessageCommonDlg.h"
#include "QVideoSettingXml.h"
#include "ShownLink.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

QString setting(const QString& group, const QString& attribute)
{
    return QVideoSettingXml::GetItemValue(group, attribute, "<missing>");
}

QByteArray settingsFile()
{
    QFile f(QIAnyUtil::getAppDataPath() + "/VideoDefaultSetting.xml");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const AttributeSetting& profile()
{
    return *QSettingDlg::m_attributeSetting;
}

// The main window's start-up sequence.
FormatWidget* startUp()
{
    const bool lossless = QVideoSettingXml::GetItemValue("LOSSLESS_ITEM", "Lossless_convert", "Y") == "Y";
    FormatWidget* dlg = FormatWidget::getFormatWidget();
    if (lossless)
        dlg->setFormatIdLossLess(QVideoSettingXml::GetItemValue("FormatSet", "Format_cate_lossless", "General Video"),
                                 QVideoSettingXml::GetItemValue("FormatSet", "Format_ID_lossless", "3000"), true);
    else
        dlg->setFormatId(QVideoSettingXml::GetItemValue("FormatSet", "Format_cate", "General Video"),
                         QVideoSettingXml::GetItemValue("FormatSet", "Format_ID", "4000"), true);
    dlg->setDefaultSet();
    if (lossless)
        dlg->InitLossless();
    else
        dlg->InitCustomizeFormat();
    dlg->setDefaultQuality(QualityItem(QVideoSettingXml::GetItemValue("VIDEO_QUALITY_ITEM", "quality_value", "1").toInt()));
    dlg->saveDefaultQuality();
    return dlg;
}

// A preset list with one category, "Vid\u00e9o", of `count` presets 5000, 5001, ...
bool writePresetList(const QString& path, int count)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                      "<key>Categories</key><array><string>Vid\xc3\xa9o</string></array>"
                      "<key>Vid\xc3\xa9o</key><array>";
    for (int i = 0; i < count; ++i)
        body += QByteArray("<dict><key>baseinfo</key><dict><key>title</key><string>T\xc3\xa9l\xc3\xa9phone ")
                + QByteArray::number(i) + "</string><key>id</key><string>" + QByteArray::number(5000 + i)
                + "</string><key>ext</key><string>mp4</string><key>icon</key><string>video</string>"
                  "</dict></dict>";
    body += "</array></dict></plist>\n";
    return f.write(body) == body.size();
}

QStringList captions(const QList<QTextImageButton*>& tabs)
{
    QStringList out;
    for (QTextImageButton* tab : tabs)
        out << tab->getBtnText();
    return out;
}

} // namespace

class tst_FormatDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstStartIsHighSpeedOriginal();
    void switchToEncodingSelectsDefaults();
    void cancelAfterModeSwitchRestoresLossless();
    void okInEncodingModeWritesKeys();
    void cancelLeavesKeysUntouched();
    void highSpeedMkv();
    void stalePresetIdFallsBack_data();
    void stalePresetIdFallsBack();
    void staleHighSpeedIdInProfile();
    void tilePressAndQualityEntries();
    void settingsButtonSlidesPanelAndAnimationsGo();
    void showAdvancedWarnsOnce();
    void bandButtonsSwitchHeights();
    void tileStates();
    void commonMessageDialog();
    void tileViewColumnsAndUtf8Texts();
    void tileGridIsCentred_data();
    void tileGridIsCentred();
    void openPanelLeavesTilesAboveIt();
    void okAfterAPanelPickSavesCustomized();
    void okOnAFreshSettingsFile();
    void languagePlacement();
    void categoryTabsTranslatedKeepTheirKeys_data();
    void categoryTabsTranslatedKeepTheirKeys();
    // Last: it leaves its own preset and quality behind.
    void cancelForgetsThePickedQuality();

private:
    FormatWidget* m_dlg = nullptr;
};

void tst_FormatDialog::initTestCase()
{
    // Settings are written under HOME: only the test HOME that ctest gives is safe.
    if (!QDir::homePath().contains("/testhome/"))
        QSKIP("run through ctest, which gives this test a HOME of its own");
    // The test HOME survives between runs: start from no settings at all.
    const QString data = QIAnyUtil::getAppDataPath();
    QVERIFY(data.startsWith(QDir::homePath()));
    QFile::remove(data + "/VideoDefaultSetting.xml");
    QFile::remove(data + "/VideoDefaultFormatSetting.xml");
    m_dlg = startUp();
}

void tst_FormatDialog::firstStartIsHighSpeedOriginal()
{
    QVERIFY(m_dlg->m_radLosslessMode->isChecked());
    QVERIFY(!m_dlg->m_radCustomize->isChecked());
    QVERIFY(!m_dlg->m_cmbQuality->isEnabled());
    QCOMPARE(m_dlg->formatIdLossless(), QString("3000"));
    QCOMPARE(m_dlg->formatCategoryLossless(), QString("General Video"));
    QCOMPARE(m_dlg->m_formatItemLosslessDlg->selectedItem()->getItemID(), QString("3000"));
    // Band closed: the compact height, no high-speed tiles.
    QVERIFY(m_dlg->isCompact());
    QCOMPARE(m_dlg->size(), QSize(628, 175));
    QVERIFY(!m_dlg->m_btnLosslessShow->isHidden());
    QVERIFY(m_dlg->m_btnLosslessHidden->isHidden());
    QCOMPARE(m_dlg->quality(), int(VQ_HighQuality));

    QCOMPARE(captions(m_dlg->categoryButtons()),
             QStringList({"Devices", "HD Video", "Web Video", "General Video", "General Audio"}));
    QCOMPARE(captions(m_dlg->categoryLosslessButtons()), QStringList({"General Video", "General Audio"}));
    QCOMPARE(m_dlg->categoryButtons().at(1)->size(), QSize(90, 25));
    QCOMPARE(m_dlg->categoryLosslessButtons().at(0)->size(), QSize(90, 25));
    QVERIFY(m_dlg->minButton() && !m_dlg->minButton()->isEnabled());
    QVERIFY(m_dlg->maxButton() && !m_dlg->maxButton()->isEnabled());

    const AttributeSetting& a = profile();
    QVERIFY(a.bLossless);
    QCOMPARE(a.fileFormat, QString("Original"));
    QCOMPARE(a.fileExtend, QString());
    QCOMPARE(a.VEncoder, QString());
    QCOMPARE(a.VCodecsId, 0);
    QCOMPARE(a.AEncoder, QString());
    QCOMPARE(a.ACodecsId, 0);
    QCOMPARE(a.VFrameRate_scale, 1);
}

void tst_FormatDialog::switchToEncodingSelectsDefaults()
{
    m_dlg->OnClickCustomizeFormat();
    QVERIFY(!m_dlg->m_radLosslessMode->isChecked());
    QVERIFY(m_dlg->m_radCustomize->isChecked());
    QVERIFY(m_dlg->m_cmbQuality->isEnabled());
    QVERIFY(!m_dlg->m_btnLosslessShow->isEnabled());
    QVERIFY(!profile().bLossless);
    QCOMPARE(m_dlg->size(), QSize(628, 488));
    QCOMPARE(m_dlg->formatCategory(), QString("General Video"));
    QCOMPARE(m_dlg->formatId(), QString("4000"));
    QCOMPARE(setting("FormatSet", "Format_cate"), QString("General Video"));
    QCOMPARE(setting("FormatSet", "Format_ID"), QString("4000"));
    QCOMPARE(m_dlg->currentCategoryButton()->getBtnText(), QString("General Video"));
    FormatItem* selected = m_dlg->m_formatItemDlg->selectedItem();
    QVERIFY(selected);
    QCOMPARE(selected->getItemID(), QString("4000"));
    QVERIFY(!selected->settingsButton()->isHidden());
    QCOMPARE(m_dlg->devFormat(), QString("MP4"));
}

void tst_FormatDialog::cancelAfterModeSwitchRestoresLossless()
{
    QCOMPARE(setting("LOSSLESS_ITEM", "Lossless_convert"), QString("Y"));
    QVERIFY(!profile().bLossless);
    m_dlg->OnBtnCancel();
    QVERIFY(profile().bLossless);
    QVERIFY(m_dlg->m_radLosslessMode->isChecked());
    QVERIFY(m_dlg->isCompact());
    QCOMPARE(profile().fileFormat, QString("Original"));
}

void tst_FormatDialog::okInEncodingModeWritesKeys()
{
    m_dlg->OnClickCustomizeFormat();
    m_dlg->ItemPress("General Video", "4002");
    m_dlg->ItemChange(1);  // Small Size
    QCOMPARE(m_dlg->quality(), int(VQ_SmallSize));
    m_dlg->OnBtnOk();

    QCOMPARE(setting("LOSSLESS_ITEM", "Lossless_convert"), QString("N"));
    QCOMPARE(setting("FormatSet", "Format_cate"), QString("General Video"));
    QCOMPARE(setting("FormatSet", "Format_ID"), QString("4002"));
    QCOMPARE(setting("VIDEO_QUALITY_ITEM", "quality_value"), QString("0"));
    QVERIFY(QVideoSettingXml::GetDefaultFormat("4002"));

    const AttributeSetting& a = profile();
    QVERIFY(!a.bLossless);
    QCOMPARE(a.fileFormat, QString("matroska"));
    QCOMPARE(a.fileExtend, QString("mkv"));
    QCOMPARE(a.VCodecsId, 28);
    QCOMPARE(a.nQuality, 50);
    // OK leaves the dialog on Customized until the main window sets a quality.
    QCOMPARE(m_dlg->quality(), int(VQ_Customized));
    QCOMPARE(m_dlg->m_cmbQuality->count(), 3);
}

void tst_FormatDialog::cancelLeavesKeysUntouched()
{
    const QByteArray before = settingsFile();
    m_dlg->ItemPress("General Video", "4005");
    m_dlg->ItemChange(0);
    m_dlg->OnBtnCancel();
    QCOMPARE(setting("FormatSet", "Format_ID"), QString("4002"));
    QCOMPARE(settingsFile(), before);
    QCOMPARE(profile().fileFormat, QString("matroska"));
    QCOMPARE(m_dlg->formatId(), QString("4002"));
}

void tst_FormatDialog::cancelForgetsThePickedQuality()
{
    // Small Size confirmed; High Quality picked and cancelled. The "Auto" bit
    // rates used to follow the cancelled pick at the next rebuild or OK.
    m_dlg->OnClickCustomizeFormat();
    m_dlg->ItemPress("General Video", "4001");
    m_dlg->ItemChange(1);
    m_dlg->OnBtnOk();
    const int bitRate = profile().VBitRate;
    QCOMPARE(profile().nQuality, 50);

    m_dlg->ItemChange(0);
    m_dlg->OnBtnCancel();
    QCOMPARE(m_dlg->quality(), int(VQ_SmallSize));
    m_dlg->saveDefaultQuality();
    QCOMPARE(profile().nQuality, 50);
    QCOMPARE(profile().VBitRate, bitRate);
    m_dlg->OnBtnOk();
    QCOMPARE(setting("VIDEO_QUALITY_ITEM", "quality_value"), QString("0"));
    QCOMPARE(profile().VBitRate, bitRate);
}

void tst_FormatDialog::okAfterAPanelPickSavesCustomized()
{
    m_dlg->OnClickCustomizeFormat();
    m_dlg->ItemPress("General Video", "4003");
    m_dlg->ItemChange(1);
    QCOMPARE(m_dlg->quality(), int(VQ_SmallSize));
    QCustomComboBox* rates = m_dlg->m_settingDlg->m_cmbVBitRate;
    rates->actions().at(rates->currentIndex() == 0 ? 1 : 0)->trigger();
    m_dlg->OnBtnOk();
    QCOMPARE(setting("VIDEO_QUALITY_ITEM", "quality_value"), QString("2"));
    QCOMPARE(setting("FormatSet", "Format_ID"), QString("4003"));
    QCOMPARE(profile().fileFormat, QString("avi"));
}

void tst_FormatDialog::highSpeedMkv()
{
    m_dlg->OnClickLossless();
    m_dlg->ItemPressLossless("General Video", "3002");
    m_dlg->OnBtnOk();
    QCOMPARE(setting("LOSSLESS_ITEM", "Lossless_convert"), QString("Y"));
    QCOMPARE(setting("FormatSet", "Format_ID_lossless"), QString("3002"));
    QCOMPARE(setting("FormatSet", "Format_ID"), QString("4002"));
    const AttributeSetting& a = profile();
    QVERIFY(a.bLossless);
    QCOMPARE(a.fileFormat, QString("matroska"));
    QCOMPARE(a.fileExtend, QString("mkv"));
    // Stream copy: the codes are the list's "Original", never "no stream".
    QVERIFY(a.VCodecsId != -1);
    QVERIFY(a.ACodecsId != -1);
}

void tst_FormatDialog::stalePresetIdFallsBack_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fallback");
    QTest::newRow("encoding") << false << "Format_ID" << "4000";
    QTest::newRow("high-speed") << true << "Format_ID_lossless" << "3000";
}

void tst_FormatDialog::stalePresetIdFallsBack()
{
    QFETCH(bool, lossless);
    QFETCH(QString, key);
    QFETCH(QString, fallback);
    QVideoSettingXml::SetItemValue("FormatSet", key, "9999");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Preset .*9999.* is not in .*; using .*" + fallback));
    if (lossless)
        m_dlg->OnClickLossless();
    else
        m_dlg->OnClickCustomizeFormat();
    QCOMPARE(lossless ? m_dlg->formatIdLossless() : m_dlg->formatId(), fallback);
    QCOMPARE(setting("FormatSet", key), fallback);
    QCOMPARE(m_dlg->m_settingDlg->m_cmbVEncoder->count() > 0, true);
}

void tst_FormatDialog::staleHighSpeedIdInProfile()
{
    m_dlg->OnClickLossless();
    QVideoSettingXml::SetItemValue("FormatSet", "Format_ID_lossless", "3999");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Preset .*3999.* is not in .*; using .*3000"));
    m_dlg->saveDefaultQuality();
    QCOMPARE(profile().fileFormat, QString("Original"));
    QVideoSettingXml::SetItemValue("FormatSet", "Format_ID_lossless", "3000");
}

void tst_FormatDialog::tilePressAndQualityEntries()
{
    m_dlg->OnClickCustomizeFormat();
    // 4002 has saved custom values (from OK above); 4001 has none.
    m_dlg->ItemPress("General Video", "4002");
    QCOMPARE(m_dlg->quality(), int(VQ_Customized));
    QCOMPARE(m_dlg->m_cmbQuality->count(), 3);
    QCOMPARE(m_dlg->m_cmbQuality->currentIndex(), 2);
    m_dlg->ItemChange(1);
    m_dlg->ItemPress("General Video", "4001");
    QCOMPARE(m_dlg->quality(), int(VQ_HighQuality));
    QCOMPARE(m_dlg->m_cmbQuality->count(), 2);
    QCOMPARE(m_dlg->m_cmbQuality->currentIndex(), 0);
    QCOMPARE(m_dlg->m_settingDlg->m_cmbVEncoder->currentText(), QString("H.264"));
}

void tst_FormatDialog::settingsButtonSlidesPanelAndAnimationsGo()
{
    m_dlg->OnClickCustomizeFormat();
    QVERIFY(m_dlg->m_settingDlg->isHidden());
    m_dlg->OnClickBtnSet("4000");
    QVERIFY(!m_dlg->m_settingDlg->isHidden());
    QPointer<QPropertyAnimation> slide = m_dlg->settingAnimation();
    QVERIFY(slide);
    QTRY_VERIFY_WITH_TIMEOUT(slide.isNull(), 2000);
    QCOMPARE(m_dlg->m_settingDlg->geometry(), QRect(36, 275, 556, 130));

    // A slide interrupted by the next one goes too.
    m_dlg->OnClickBtnSet("4000");
    QPointer<QPropertyAnimation> out = m_dlg->settingAnimation();
    m_dlg->OnClickFormatWgt();
    QTRY_VERIFY_WITH_TIMEOUT(out.isNull(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(m_dlg->m_settingDlg->isHidden(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(m_dlg->settingAnimation() == nullptr, 2000);
}

void tst_FormatDialog::showAdvancedWarnsOnce()
{
    m_dlg->OnClickLossless();
    int warnings = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&warnings] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++warnings;
            box->accept();
        }
    });
    closer.start(20);
    m_dlg->OnClickLosslessShow();
    QCOMPARE(warnings, 1);
    QCOMPARE(setting("Lossless_H", "Lossless_H_value"), QString("Y"));
    QVERIFY(!m_dlg->isCompact());
    QVERIFY(!m_dlg->m_formatItemLosslessDlg->isHidden());
    QVERIFY(m_dlg->m_btnLosslessShow->isHidden());
    m_dlg->OnClickLosslessHidden();
    m_dlg->OnClickLosslessShow();
    QTest::qWait(60);
    QCOMPARE(warnings, 1);
    m_dlg->OnClickLosslessHidden();
}

void tst_FormatDialog::tileStates()
{
    FormatItem tile;
    tile.setHiddenSet(false);
    QVERIFY(!tile.settingsButton()->isHidden());
    tile.setItemState(FIS_Normal);
    QVERIFY(tile.settingsButton()->isHidden());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&tile, &enter);
    QCOMPARE(tile.getItemState(), FIS_Hover);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&tile, &leave);
    QCOMPARE(tile.getItemState(), FIS_Normal);
    tile.setItemState(FIS_Selected);
    QApplication::sendEvent(&tile, &enter);
    QCOMPARE(tile.getItemState(), FIS_Selected);
    QVERIFY(!tile.settingsButton()->isHidden());
    tile.grab();
    QCOMPARE(tile.nameLabel()->palette().color(QPalette::WindowText), QColor(228, 228, 228));

    FormatItem quiet;
    quiet.setHiddenSet(true);
    quiet.setItemState(FIS_Selected);
    QVERIFY(quiet.settingsButton()->isHidden());
}

void tst_FormatDialog::commonMessageDialog()
{
    QMessageCommonDlg dlg;
    QCOMPARE(dlg.size(), QSize(380, 170));
    dlg.setMsgText("Done.");
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.m_btnOk->geometry().right(), 380 - 24 - 1);
    QCOMPARE(dlg.m_labLink->x(), dlg.m_labMsg->x());
    QVERIFY(dlg.m_labLink->text().contains(QMessageCommonDlg::siteAddress()));
    // The shown address is one link, to the site, in the link colour.
    const ShownLink link = shownLink(dlg.m_labLink->text());
    QCOMPARE(link.text, QMessageCommonDlg::siteAddress());
    QCOMPARE(link.href, QMessageCommonDlg::siteAddress());
    QCOMPARE(link.colour, QColor(0xff, 0x9c, 0x9c));
    QSignalSpy accepted(&dlg, &QDialog::accepted);
    dlg.m_btnOk->click();
    QCOMPARE(accepted.count(), 1);
}

void tst_FormatDialog::bandButtonsSwitchHeights()
{
    m_dlg->OnClickLossless();
    QVERIFY(m_dlg->isCompact());
    m_dlg->OnClickLosslessHidden();
    QCOMPARE(setting("Lossless_H", "Lossless_H_value"), QString("N"));
    QCOMPARE(m_dlg->size(), QSize(628, 175));
    QVERIFY(m_dlg->m_formatItemLosslessDlg->isHidden());
    m_dlg->OnClickCustomizeFormat();
    QCOMPARE(m_dlg->size(), QSize(628, 488));
}

void tst_FormatDialog::tileViewColumnsAndUtf8Texts()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("presets.plist");
    QVERIFY(writePresetList(path, 11));
    QPlistRead reader(path.toStdString());

    FormatItemWidget view;
    QSignalSpy pressed(&view, &FormatItemWidget::emitItemPress);
    view.RefreshItem(QString::fromUtf8("Vid\xc3\xa9o"), &reader, false);
    QCOMPARE(view.items().size(), 11);
    QCOMPARE(view.items().at(0)->getItemName(), QString::fromUtf8("T\xc3\xa9l\xc3\xa9phone 0"));
    QCOMPARE(view.items().at(0)->getCategories(), QString::fromUtf8("Vid\xc3\xa9o"));
    view.RefreshItem(QString::fromUtf8("Vid\xc3\xa9o"), &reader, false);
    QCOMPARE(view.items().size(), 11);

    // Tiles go round the five columns: 1, 6 and 11 share the first.
    view.resize(556, 248);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QList<FormatItem*>& tiles = view.items();
    QCOMPARE(tiles.at(5)->x(), tiles.at(0)->x());
    QCOMPARE(tiles.at(10)->x(), tiles.at(0)->x());
    QVERIFY(tiles.at(1)->x() > tiles.at(0)->x());
    QCOMPARE(tiles.at(6)->x(), tiles.at(1)->x());
    QVERIFY(tiles.at(5)->y() > tiles.at(0)->y());

    view.setDefaultItem("5003");
    QCOMPARE(view.selectedItem()->getItemID(), QString("5003"));
    int shown = 0;
    for (FormatItem* item : view.items())
        shown += item->settingsButton()->isHidden() ? 0 : 1;
    QCOMPARE(shown, 1);

    QSignalSpy empty(&view, &FormatItemWidget::emitClickFormatWgt);
    QTest::mouseClick(view.items().at(6), Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(pressed.at(0).at(1).toString(), QString("5006"));
    QCOMPARE(empty.count(), 0);
    QTest::mouseClick(view.widget(), Qt::LeftButton, {}, QPoint(view.widget()->width() - 8, 8));
    QCOMPARE(empty.count(), 1);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(view.selectedItem(), view.items().at(6));
    QCOMPARE(view.items().at(3)->getItemState(), FIS_Normal);
    QTest::mouseClick(view.items().at(6), Qt::LeftButton);
    QCOMPARE(pressed.count(), 1);

    // The high-speed view never shows a settings button.
    FormatItemWidget lossless;
    lossless.RefreshItem(QString::fromUtf8("Vid\xc3\xa9o"), &reader, true);
    lossless.setDefaultItem("5000");
    for (FormatItem* item : lossless.items())
        QVERIFY(item->settingsButton()->isHidden());
}

void tst_FormatDialog::tileGridIsCentred_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("one full row") << 5;
    QTest::newRow("three rows") << 11;
    QTest::newRow("more rows than fit, with a scroll bar") << 23;
}

// The columns share the spare width: the space left of the first column's
// tiles equals the space right of the last column's, also with a scroll bar.
void tst_FormatDialog::tileGridIsCentred()
{
    QFETCH(int, count);
    QTemporaryDir dir;
    const QString path = dir.filePath("presets.plist");
    QVERIFY(writePresetList(path, count));
    QPlistRead reader(path.toStdString());
    FormatItemWidget view;
    view.RefreshItem(QString::fromUtf8("Vid\xc3\xa9o"), &reader, false);
    view.resize(556, 248);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QList<FormatItem*>& tiles = view.items();
    const int inside = view.viewport()->width();
    QTRY_VERIFY_WITH_TIMEOUT(tiles.at(4)->geometry().right() < inside, 5000);
    const int left = tiles.at(0)->x();
    const int right = inside - 1 - tiles.at(4)->geometry().right();
    QVERIFY2(qAbs(left - right) <= 1, qPrintable(QString("left %1, right %2").arg(left).arg(right)));
    QVERIFY(left >= 0);
    // The columns stand evenly: the gaps between neighbours are equal too.
    const int gap = tiles.at(1)->x() - tiles.at(0)->geometry().right();
    for (int i = 2; i < 5; ++i)
        QVERIFY(qAbs(tiles.at(i)->x() - tiles.at(i - 1)->geometry().right() - gap) <= 1);
}

// The open advanced panel and the tiles share the tile area without hiding
// each other: no visible tile lies under the panel, the chosen tile shows
// whole above it, and the tiles take the whole area again once it closes.
void tst_FormatDialog::openPanelLeavesTilesAboveIt()
{
    m_dlg->OnClickCustomizeFormat();
    m_dlg->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg));
    for (QTextImageButton* tab : m_dlg->categoryButtons()) {
        if (tab->getBtnText() == "General Video")
            QTest::mouseClick(tab, Qt::LeftButton);
    }
    FormatItemWidget* view = m_dlg->m_formatItemDlg;
    const QRect fullArea = view->geometry();
    QVERIFY(view->items().size() > 5);
    FormatItem* lowRow = view->items().last();
    QVERIFY(lowRow->y() > view->items().first()->geometry().bottom());
    QTest::mouseClick(lowRow, Qt::LeftButton);
    QCOMPARE(view->selectedItem(), lowRow);

    m_dlg->OnClickBtnSet(lowRow->getItemID());
    QPointer<QPropertyAnimation> slide = m_dlg->settingAnimation();
    QTRY_VERIFY_WITH_TIMEOUT(slide.isNull(), 5000);
    const QRect panel = m_dlg->m_settingDlg->geometry();
    QCOMPARE(panel, QRect(36, 275, 556, 130));
    QVERIFY(!view->geometry().intersects(panel));
    QCOMPARE(view->geometry().top(), fullArea.top());
    const QRect shown(view->viewport()->mapTo(m_dlg, QPoint(0, 0)), view->viewport()->size());
    QTRY_VERIFY_WITH_TIMEOUT(shown.contains(QRect(lowRow->mapTo(m_dlg, QPoint(0, 0)), lowRow->size())), 5000);

    m_dlg->OnClickFormatWgt();
    QTRY_VERIFY_WITH_TIMEOUT(m_dlg->m_settingDlg->isHidden(), 5000);
    QCOMPARE(view->geometry(), fullArea);
    m_dlg->hide();
}

// The store writes only into groups that exist; OK must not lose the choice
// when the settings file was removed while the program ran.
void tst_FormatDialog::okOnAFreshSettingsFile()
{
    m_dlg->OnClickCustomizeFormat();
    m_dlg->ItemPress("Web Video", "4403");
    QVERIFY(QFile::remove(QIAnyUtil::getAppDataPath() + "/VideoDefaultSetting.xml"));
    m_dlg->OnBtnOk();
    QCOMPARE(setting("LOSSLESS_ITEM", "Lossless_convert"), QString("N"));
    QCOMPARE(setting("FormatSet", "Format_cate"), QString("Web Video"));
    QCOMPARE(setting("FormatSet", "Format_ID"), QString("4403"));
    QCOMPARE(setting("VIDEO_QUALITY_ITEM", "quality_value"), QString("1"));
    QCOMPARE(profile().fileFormat, QString("webm"));
}

void tst_FormatDialog::categoryTabsTranslatedKeepTheirKeys_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("de") << "lang_de.qm" << QStringList({"Geräte", "HD-Video", "Web-Video", "Video", "Audio"});
    QTest::newRow("zh_CN") << "lang_zh_CN.qm" << QStringList({"设备", "高清视频", "网络视频", "常规视频", "常规音频"});
    QTest::newRow("ja") << "lang_ja.qm"
                        << QStringList({"デバイス", "HDビデオ", "Webビデオ", "一般ビデオ", "一般オーディオ"});
}

// The tabs show the preset list's category names translated; picking one still
// reads its category by the list's English name.
void tst_FormatDialog::categoryTabsTranslatedKeepTheirKeys()
{
    QFETCH(QString, file);
    QFETCH(QStringList, shown);
    QTranslator translator;
    QVERIFY(translator.load(QIAnyUtil::getResourcePath() + "/Language/" + file));
    QCoreApplication::installTranslator(&translator);
    m_dlg->retranslateUi();
    const QStringList texts = captions(m_dlg->categoryButtons());
    QCoreApplication::removeTranslator(&translator);
    m_dlg->retranslateUi();
    QCOMPARE(texts, shown);
    QStringList keys;
    for (QTextImageButton* tab : m_dlg->categoryButtons())
        keys << FormatWidget::categoryKey(tab);
    QCOMPARE(keys, QStringList({"Devices", "HD Video", "Web Video", "General Video", "General Audio"}));
    // Back in English the captions are the keys again.
    QCOMPARE(captions(m_dlg->categoryButtons()), keys);
}

void tst_FormatDialog::languagePlacement()
{
    QConverterOperate::setLanguageType("French");
    m_dlg->retranslateUi();
    QCOMPARE(m_dlg->m_btnLosslessShow->width(), 144);
    QCOMPARE(m_dlg->m_btnLosslessHidden->width(), 144);
    QCOMPARE(m_dlg->m_settingDlg->m_cmbVEncoder->x(), 138);
    QConverterOperate::setLanguageType("English");
    m_dlg->retranslateUi();
    QCOMPARE(m_dlg->m_btnLosslessShow->width(), 100);
    QCOMPARE(m_dlg->m_settingDlg->m_cmbVEncoder->x(), 116);
    // OK and Cancel keep to the bottom right, 10 px apart.
    QCOMPARE(m_dlg->m_btnCancel->geometry().right(), m_dlg->width() - 24 - 1);
    QCOMPARE(m_dlg->m_btnOk->geometry().right() + 10 + 1, m_dlg->m_btnCancel->x());
    // The quality combo sits right of its mode caption, which is never cut.
    QCOMPARE(m_dlg->m_cmbQuality->x(), m_dlg->m_radCustomize->geometry().right() + 10);
    QFont captionFont("Tahoma");
    captionFont.setPixelSize(12);
    QVERIFY(m_dlg->m_radCustomize->textRect().width()
            >= QFontMetrics(captionFont).horizontalAdvance(
                "Encoding mode - Customize file format, quality and codec (Slow)"));
}

QTEST_MAIN(tst_FormatDialog)
#include "tst_formatdialog.moc"
