// The format dialog's modes, preset selection, quality choice and persistence.
#include "FormatWidget.h"
#include "FormatsLog.h"

#include "FormatAllInfo.h"
#include "FormatBaseInfo.h"
#include "QPlistRead.h"
#include "QSettingDlg.h"
#include "QTextImageButton.h"
#include "QVideoSettingXml.h"
#include "SettingKeys.h"

#include <QDebug>

FormatWidget* FormatWidget::m_myself = nullptr;

namespace {

const char kDefaultCategory[] = "General Video";
const char kDefaultEncodingId[] = "4000";
const char kDefaultLosslessId[] = "3000";

bool presetListed(QPlistRead* reader, const QString& category, const QString& id)
{
    const std::vector<FormatBaseInfo*>* list = reader->getCategoriesInfoList(category.toStdString());
    if (!list)
        return false;
    for (const FormatBaseInfo* info : *list) {
        if (info && QString::fromStdString(info->id) == id)
            return true;
    }
    return false;
}

// A stored preset that its list does not hold (stale settings, an edited list)
// would leave the panel empty and the output without a container.
void fallBackWhenStale(QPlistRead* reader, QString& category, QString& id, const char* defaultId)
{
    if (category.isEmpty() || id.isEmpty() || presetListed(reader, category, id))
        return;
    qCWarning(lcFormats).noquote() << QString("Preset \"%1\" / \"%2\" is not in %3; using \"%4\" / \"%5\" instead.")
                                .arg(category, id, QString::fromStdString(reader->path()), kDefaultCategory,
                                     defaultId);
    category = kDefaultCategory;
    id = defaultId;
}

FormatAllInfo* readPreset(QPlistRead* reader, const QString& category, const QString& id)
{
    return reader->GetFormatInfoForPlist(category.toStdString(), id.toStdString(), "", "", "", "");
}

} // namespace

FormatWidget* FormatWidget::getFormatWidget(QWidget* parent)
{
    if (!m_myself)
        m_myself = new FormatWidget(parent);
    return m_myself;
}

QPlistRead* FormatWidget::encodingReader()
{
    return QSettingDlg::encodingReader();
}

QPlistRead* FormatWidget::losslessReader()
{
    return QSettingDlg::losslessReader();
}

void FormatWidget::afterPresetLoaded(bool found, const QString& id)
{
    if (!found)
        return;
    if (QVideoSettingXml::GetDefaultFormat(id)) {
        setCustomizedItem(true);
    } else {
        if (m_cmbQuality->count() >= 3)
            m_cmbQuality->DeleteItem(m_cmbQuality->count() - 1);
        m_quality = VQ_HighQuality;
    }
}

void FormatWidget::setFormatId(QString category, QString id, bool load)
{
    QPlistRead* reader = encodingReader();
    fallBackWhenStale(reader, category, id, kDefaultEncodingId);
    m_formatCate = category;
    storeSetting(SettingKeys::EncodingCategory, m_formatCate);
    m_formatId = id;
    storeSetting(SettingKeys::EncodingPresetId, m_formatId);
    const QString title = QString::fromStdString(
        reader->getFormatInfoForKey(m_formatCate.toStdString(), m_formatId.toStdString(), "title"));
    if (load) {
        FormatAllInfo* record = readPreset(reader, m_formatCate, m_formatId);
        m_settingDlg->setFormatInfoToCtrl(record);
        afterPresetLoaded(record != nullptr, id);
    }
    setDevFormat(title);
}

void FormatWidget::setFormatIdLossLess(QString category, QString id, bool load)
{
    QPlistRead* reader = losslessReader();
    fallBackWhenStale(reader, category, id, kDefaultLosslessId);
    m_formatCateLossless = category;
    storeSetting(SettingKeys::LosslessCategory, m_formatCateLossless);
    m_formatIdLossless = id;
    storeSetting(SettingKeys::LosslessPresetId, m_formatIdLossless);
    const QString title = QString::fromStdString(
        reader->getFormatInfoForKey(m_formatCateLossless.toStdString(), m_formatIdLossless.toStdString(), "title"));
    if (load) {
        m_settingDlg->setFormatInfoToCtrlLossLess(readPreset(reader, m_formatCateLossless, m_formatIdLossless));
        m_settingDlg->hide();
    }
    setDevFormat(title);
}

void FormatWidget::setDevFormat(QString DevName)
{
    m_devFormat = DevName;
    emit sendDevFormatChange(m_devFormat);
}

void FormatWidget::setDefaultSet()
{
    auto clickStored = [](const QList<QTextImageButton*>& tabs, const QString& category) {
        if (category.isEmpty())
            return;
        for (QTextImageButton* tab : tabs) {
            if (categoryKey(tab) == category) {
                tab->seedChick();
                return;
            }
        }
    };
    clickStored(m_categoryBtns, m_formatCate);
    if (!m_formatId.isEmpty())
        m_formatItemDlg->setDefaultItem(m_formatId);
    clickStored(m_categoryLosslessBtns, m_formatCateLossless);
    if (!m_formatIdLossless.isEmpty())
        m_formatItemLosslessDlg->setDefaultItem(m_formatIdLossless);
}

void FormatWidget::InitLossless()
{
    m_settingDlg->setFormatMode(true);
    m_radLosslessMode->setChecked(true);
    m_radCustomize->setChecked(false);
    m_cmbQuality->setEnabled(false);
    m_btnLosslessShow->setEnabled(true);
    m_btnLosslessHidden->setEnabled(true);
    const bool open = readSetting(SettingKeys::LosslessNoteOpen);
    m_btnLosslessShow->setHidden(open);
    m_btnLosslessHidden->setHidden(!open);
    m_settingDlg->hide();
    showLosslessMode(true);
}

void FormatWidget::InitCustomizeFormat()
{
    m_settingDlg->setFormatMode(false);
    m_radLosslessMode->setChecked(false);
    m_radCustomize->setChecked(true);
    m_cmbQuality->setEnabled(true);
    m_btnLosslessShow->setEnabled(false);
    m_btnLosslessHidden->setEnabled(false);
    m_settingDlg->hide();
    showLosslessMode(false);
}

void FormatWidget::setDefaultQuality(QualityItem quality)
{
    m_quality = int(quality);
    selectQuality();
}

void FormatWidget::saveDefaultQuality()
{
    m_settingDlg->setAttributeSetting();
}

void FormatWidget::OnTypeBtn()
{
    auto* tab = qobject_cast<QTextImageButton*>(sender());
    if (!tab || tab == m_currentCategoryBtn)
        return;
    if (m_currentCategoryBtn)
        m_currentCategoryBtn->setCheckState(false);
    m_currentCategoryBtn = tab;
    tab->setCheckState(true);
    m_formatItemDlg->RefreshItem(categoryKey(tab), encodingReader(), false);
    m_formatItemDlg->setDefaultItem(m_formatId);
    startShowSetDlgAnimtion(false);
}

void FormatWidget::OnTypeLosslessBtn()
{
    auto* tab = qobject_cast<QTextImageButton*>(sender());
    if (!tab || tab == m_currentCategoryLosslessBtn)
        return;
    if (m_currentCategoryLosslessBtn)
        m_currentCategoryLosslessBtn->setCheckState(false);
    m_currentCategoryLosslessBtn = tab;
    tab->setCheckState(true);
    m_formatItemLosslessDlg->RefreshItem(categoryKey(tab), losslessReader(), true);
    m_formatItemLosslessDlg->setDefaultItem(m_formatIdLossless);
}

void FormatWidget::ItemPress(QString categories, QString itemID)
{
    m_formatId = itemID;
    m_formatCate = categories;
    FormatAllInfo* record = readPreset(encodingReader(), categories, itemID);
    const QString id = record ? QString::fromStdString(record->id) : QString();
    m_settingDlg->setFormatInfoToCtrl(record);
    afterPresetLoaded(record != nullptr, id);
    selectQuality();
}

void FormatWidget::ItemPressLossless(QString categories, QString itemID)
{
    m_formatCateLossless = categories;
    m_formatIdLossless = itemID;
    m_settingDlg->setFormatInfoToCtrlLossLess(readPreset(losslessReader(), categories, itemID));
}

void FormatWidget::OnShowSettingDlg(bool show)
{
    startShowSetDlgAnimtion(show);
    if (!show)
        return;
    FormatAllInfo* record = readPreset(encodingReader(), m_formatCate, m_formatId);
    if (!record)
        return;
    const QString id = QString::fromStdString(record->id);
    m_settingDlg->setFormatInfoToCtrl(record);
    if (m_quality == VQ_Customized)
        m_settingDlg->SetDefaultValue(id);
    selectQuality();
}

void FormatWidget::OnClickBtnSet(QString)
{
    OnShowSettingDlg(m_settingDlg->isHidden());
}

void FormatWidget::OnClickFormatWgt()
{
    startShowSetDlgAnimtion(false);
}

void FormatWidget::OnClickLossless()
{
    const QString category = readSetting(SettingKeys::LosslessCategory);
    const QString id = readSetting(SettingKeys::LosslessPresetId);
    setFormatIdLossLess(category, id, true);
    setDefaultSet();
    InitLossless();
}

void FormatWidget::OnClickCustomizeFormat()
{
    const QString category = readSetting(SettingKeys::EncodingCategory);
    const QString id = readSetting(SettingKeys::EncodingPresetId);
    setFormatId(category, id, true);
    setDefaultSet();
    InitCustomizeFormat();
}

void FormatWidget::selectQuality(bool)
{
    // Combo order: High Quality, Small Size, Customized.
    switch (m_quality) {
    case VQ_SmallSize:
        m_settingDlg->setVideoQuality(VQ_SmallSize);
        m_cmbQuality->setCurrentIndex(1);
        break;
    case VQ_HighQuality:
        m_settingDlg->setVideoQuality(VQ_HighQuality);
        m_cmbQuality->setCurrentIndex(0);
        break;
    case VQ_Customized:
        m_settingDlg->setVideoQuality(VQ_Customized);
        m_cmbQuality->setCurrentIndex(2);
        break;
    default:
        return;
    }
    setSelectText(m_cmbQuality->currentText());
}

void FormatWidget::setCustomizedItem(bool on)
{
    if (on) {
        if (m_cmbQuality->count() <= 2)
            m_cmbQuality->addItem(QObject::tr("Customized"));
        m_quality = VQ_Customized;
    } else {
        if (m_cmbQuality->count() >= 3)
            m_cmbQuality->DeleteItem(m_cmbQuality->count() - 1);
        m_quality = VQ_HighQuality;
    }
}

void FormatWidget::ItemChange(int index)
{
    m_quality = index == 0 ? VQ_HighQuality : index == 1 ? VQ_SmallSize : VQ_Customized;
    selectQuality();
}

void FormatWidget::isSelCustomized(bool customized)
{
    if (customized) {
        m_quality = VQ_Customized;
        if (m_cmbQuality->count() <= 2)
            m_cmbQuality->addItem(QObject::tr("Customized"));
    } else {
        m_quality = VQ_HighQuality;
    }
    selectQuality();
}

QString FormatWidget::qualityText(int quality) const
{
    switch (quality) {
    case VQ_SmallSize:
        return QObject::tr("Small Size");
    case VQ_HighQuality:
        return QObject::tr("High Quality");
    case VQ_Customized:
        return QObject::tr("Customized");
    default:
        return QString();
    }
}

void FormatWidget::valueChangeText(VideoQuality quality)
{
    m_cmbQuality->setEditText(qualityText(quality));
    setSelectText(qualityText(quality));
}

void FormatWidget::setSelectText(QString text)
{
    // Kept for its callers; the link it once built is not shown anywhere.
    Q_UNUSED(text);
}

void FormatWidget::OnBtnOk()
{
    const bool lossless = m_radLosslessMode->isChecked();
    storeSetting(SettingKeys::LosslessMode, lossless);
    hide();
    if (m_quality == VQ_SmallSize || m_quality == VQ_HighQuality)
        m_quality = m_settingDlg->getChangeQuality();
    storeSetting(SettingKeys::Quality, m_quality);
    if (lossless)
        setFormatIdLossLess(m_formatCateLossless, m_formatIdLossless, true);
    else
        setFormatId(m_formatCate, m_formatId, false);
    m_settingDlg->OnOkSet();
    emit settingChangeForFormat();
}

void FormatWidget::OnBtnCancel()
{
    hide();
    // Nothing stored keeps the mode on screen.
    if (readSetting(SettingKeys::LosslessMode, m_radLosslessMode->isChecked()))
        OnClickLossless();
    else
        OnClickCustomizeFormat();
    // The panel must also forget a quality picked before Cancel: its "Auto"
    // bit rates follow that quality whenever the profile is next rebuilt.
    const int quality = readSetting(SettingKeys::Quality);
    if (quality == VQ_SmallSize || quality == VQ_HighQuality
        || (quality == VQ_Customized && m_cmbQuality->count() >= 3))
        setDefaultQuality(QualityItem(quality));
}
