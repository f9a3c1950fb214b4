// The category tab strips of both modes and the pictures, texts and
// connections of the format dialog's other controls.
#include "FormatWidget.h"

#include "CaptionSize.h"
#include "CategoriesBtnWgt.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QPlistRead.h"
#include "QTextImageButton.h"
#include "SettingKeys.h"

#include <QCoreApplication>

namespace {

// The preset lists name their categories in English; these are the names shown.
const char* const kCategoryNames[] = {
    QT_TRANSLATE_NOOP("FormatCategory", "Devices"),       QT_TRANSLATE_NOOP("FormatCategory", "HD Video"),
    QT_TRANSLATE_NOOP("FormatCategory", "Web Video"),     QT_TRANSLATE_NOOP("FormatCategory", "General Video"),
    QT_TRANSLATE_NOOP("FormatCategory", "General Audio")};

const char kQualityMenuStyle[] =
    "QMenu{background-color:%1;margin:1px;}QMenu:item{background-color:%2;color:rgb(255,255,255);"
    "font-weight:1px;margin:1px;height:18px;width:98;padding-left :5px;}"
    "QMenu:item:selected{background-color:%3;}QMenu:icon{left:20px;height:20px;}"
    "QMenu:item:!enabled{background-color:rgb(95,185,220);}"
    "QMenu::separator{height:1px;background-color:rgb(62,63,63);margin:1px 0px 1px 0px;}";

} // namespace

QString FormatWidget::categoryKey(const QTextImageButton* tab)
{
    return tab->property("category").toString();
}

QString FormatWidget::categoryCaption(const QString& key)
{
    for (const char* name : kCategoryNames)
        if (key == QLatin1String(name))
            return QCoreApplication::translate("FormatCategory", name);
    return key;
}

void FormatWidget::retranslateCategoryTabs()
{
    for (const auto* tabs : {&m_categoryBtns, &m_categoryLosslessBtns})
        for (QTextImageButton* tab : *tabs) {
            tab->setBtnText(categoryCaption(categoryKey(tab)));
            tab->update();
        }
}

void FormatWidget::addCategoryTabs(QPlistRead* reader, bool lossless)
{
    const QString picture = QIAnyUtil::getResourcePath() + "/image/Format_Dlg/tab_btn_bg_image.png";
    const std::vector<std::string> categories = reader->getCategories();
    for (size_t i = 0; i < categories.size(); ++i) {
        auto* tab = new QTextImageButton(this);
        // Category names are UTF-8 in the preset lists; the list's name stays the
        // key, the tab shows it translated.
        const QString key = QString::fromStdString(categories[i]);
        tab->setProperty("category", key);
        tab->setBtnImageAndText(picture, categoryCaption(key), 9);
        if (lossless || i > 0) {
            tab->setImgBtnRect(QRect(0, 0, 90, 25));
            tab->setTextRect(QRect(0, 0, 90, 25));
        }
        tab->setTextPixelSize(12);
        tab->setTextColor(QColor(246, 246, 246), QColor(246, 246, 246), QColor(243, 228, 142),
                          QColor(246, 246, 246));
        tab->setTextRect(QRect(0, 0, tab->width(), 25));
        if (lossless) {
            connect(tab, &QAbstractButton::clicked, this, &FormatWidget::OnTypeLosslessBtn);
            m_categoryLosslessBtns.append(tab);
            m_btnCategoriesLosslessWgt->AddBtnItem(tab);
        } else {
            connect(tab, &QAbstractButton::clicked, this, &FormatWidget::OnTypeBtn);
            m_categoryBtns.append(tab);
            m_btnCategoriesWgt->AddBtnItem(tab);
        }
    }
}

void FormatWidget::InitBtn()
{
    const QString res = QIAnyUtil::getResourcePath();
    addCategoryTabs(encodingReader(), false);
    m_currentCategoryBtn = nullptr;
    addCategoryTabs(losslessReader(), true);

    // The base owns its title buttons; it builds them from our pictures.
    addCloseBtn(res + "/image/btn_close.png", true);
    closeButton()->move(12, 14);

    m_btnCancel->setBtnImageAndText(res + "/image/Common_bg/btn_common.png", QObject::tr("Cancel"), 12);
    m_btnCancel->setTextRect(QRect(0, 0, 80, 24));
    m_btnCancel->setFixedSize(80, 24);
    m_btnOk->setBtnImageForRect(res + "/image/Common_bg/btn_common.png", QRect(0, 0, 80, 24));
    m_btnOk->setBtnText(QObject::tr("OK"));
    m_btnOk->setTextRect(QRect(0, 0, 80, 24));

    for (QCheckButton* mode : {m_radLosslessMode, m_radCustomize}) {
        mode->setCheckImage(res + "/image/Common_bg/Edit_selections_yes.png",
                            res + "/image/Common_bg/Edit_selections_no.png");
        mode->setTextColor(QColor(245, 245, 245));
        mode->setButtonType(true);
        mode->setTextRect(QRect(15, 0, 0, 15));
    }

    const bool converting = readSetting(SettingKeys::LosslessMode, m_radLosslessMode->isChecked());
    m_btnLosslessShow->setEnabled(converting);
    m_btnLosslessHidden->setEnabled(converting);
    const bool open = readSetting(SettingKeys::LosslessNoteOpen);
    m_btnLosslessShow->setHidden(open);
    m_btnLosslessHidden->setHidden(!open);

    connect(m_radLosslessMode, &QCheckButton::clicked, this, &FormatWidget::OnClickLossless);
    connect(m_btnLosslessShow, &QAbstractButton::clicked, this, &FormatWidget::OnClickLosslessShow);
    connect(m_btnLosslessHidden, &QAbstractButton::clicked, this, &FormatWidget::OnClickLosslessHidden);
    connect(m_radCustomize, &QCheckButton::clicked, this, &FormatWidget::OnClickCustomizeFormat);

    InitLossless();
    closeButton()->move(12, 14);

    addMinBtn(res + "/image/btn_min.png", true);
    minButton()->move(32, 14);
    minButton()->setEnabled(false);
    addMaxBtn(res + "/image/btn_max.png", true);
    maxButton()->move(52, 14);
    maxButton()->setEnabled(false);

    m_btnOk->setTextPixelSize(12);
    m_btnCancel->setTextPixelSize(12);
    QFont font = m_radLosslessMode->font();
    font.setFamily("Tahoma");
    font.setPixelSize(12);
    m_radLosslessMode->setFont(font);
    m_radCustomize->setFont(font);
    const QColor dark(55, 55, 55);
    m_btnOk->setTextColor(dark, dark, dark, dark);
    m_btnCancel->setTextColor(dark, dark, dark, dark);

    initQualityCombo();
    connect(closeButton(), &QAbstractButton::clicked, this, &FormatWidget::OnBtnCancel);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &FormatWidget::OnBtnCancel);
    connect(m_btnOk, &QAbstractButton::clicked, this, &FormatWidget::OnBtnOk);
    setSelectText(QObject::tr("High Quality"));

    QFont small = font;
    small.setPixelSize(11);
    m_btnLosslessShow->setText(QObject::tr("Show Advanced"));
    m_btnLosslessShow->setFont(small);
    m_btnLosslessHidden->setText(QObject::tr("Hide Advanced"));
    m_btnLosslessHidden->setFont(small);
    m_btnLosslessShow->setGridView(true);
    for (QVelBaseButton* b : {m_btnLosslessHidden, m_btnLosslessShow}) {
        b->setButtonImage(res + "/image/Common_bg/btn_common.png", true);
        b->setTextColor(dark, dark, dark, dark);
        b->resize(100, 21);
    }
}

void FormatWidget::initQualityCombo()
{
    const QString res = QIAnyUtil::getResourcePath();
    m_cmbQuality->setImageForRect(res + "/image/Common_bg/bg_combobox1.png", QRect(0, 0, 90, 21));
    m_cmbQuality->setBtnIcon(res + "/image/Format_Dlg/btn_quality.png", true);
    m_cmbQuality->setTextPixelSize(captionPoints(11));
    m_cmbQuality->setItemFontPointSize(11);
    m_cmbQuality->setIconRect(QRect(75, 7, 0, 0));
    m_cmbQuality->setTextRect(QRect(10, 0, 80, 0));
    m_cmbQuality->setTextColor(QColor(245, 245, 245), QColor(245, 245, 245), QColor(245, 245, 245),
                               QColor(74, 74, 74));
    m_cmbQuality->setItemStyleSheet(
        QString(kQualityMenuStyle).arg("rgb(105,105,105)").arg("rgb(74,74,74)").arg("rgb(105,105,105)"));
    m_cmbQuality->setPopupX(0);
    m_cmbQuality->setItemDefaultW(m_cmbQuality->width() - 7);
    m_cmbQuality->clear();
    m_cmbQuality->addItem(QObject::tr("High Quality"));
    m_cmbQuality->addItem(QObject::tr("Small Size"));
    m_cmbQuality->addItem(QObject::tr("Customized"));
    connect(m_cmbQuality, &QCustomComboBox::activated, this, &FormatWidget::ItemChange);
}
