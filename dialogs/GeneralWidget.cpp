#include "GeneralWidget.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QVideoSettingXml.h"
#include "SettingKeys.h"

#include <QPainter>

namespace {

const char kGroupStyle[] =
    "QGroupBox{border:1px solid gray; border-radius:5px;margin-top:2ex;} "
    "QGroupBox::title {subcontrol-origin: margin;subcontrol-position: top left;left:5px;padding:0px;}";

// The forms were laid out for the 72-dpi points of the first platform, where a
// point is a pixel; taken as points at 96 dpi the captions outgrow their boxes.
QFont tahomaPoints(int points)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(points);
    return font;
}

void setAllGroups(QPalette& palette, QPalette::ColorRole role, const QColor& color)
{
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, color);
}

} // namespace

GeneralWidget::GeneralWidget(QWidget* parent)
    : QWidget(parent)
    , m_nLanguageType(QConverterOperate::getLanguageType())
{
    setupUi(this);
    InitCtrl();
}

GeneralWidget::~GeneralWidget() = default;

QString GeneralWidget::languageListPath()
{
    return QIAnyUtil::getResourcePath() + "/Language/Language.xml";
}

void GeneralWidget::InitCtrl()
{
    InitCombo();
    connect(m_cmbLan, QOverload<int>::of(&QComboBox::activated), this, &GeneralWidget::languageChange);
    InitLanguage();
    retranslateUi();
    InitGroups();
    InitChoices();
}

void GeneralWidget::InitCombo()
{
    const QString res = QIAnyUtil::getResourcePath();
    m_cmbLan->setBackgroundImage(res + "/image/Common_bg/bg_combobox2.png");
    m_cmbLan->setButtonImage(res + "/image/Common_bg/btn_arrow.png");
    m_cmbLan->setBtnMode(true);
    m_cmbLan->setBtnMargins(m_cmbLan->width() - 13, -1, 0, 0);
    m_cmbLan->setDrawTextMargins(5, 0, 17, 1);
    m_cmbLan->setTextColor(QColor(255, 255, 255));
    m_cmbLan->setItemHeight(24);
    m_cmbLan->setItemBorder(1, QColor(62, 63, 63));
    m_cmbLan->setItemBgColor(QColor(62, 63, 63));
    m_cmbLan->setItemSelectedColor(QColor(105, 105, 105));
    m_cmbLan->setItemTextColor(QColor(255, 255, 255));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    m_cmbLan->setItemFont(font);
    m_cmbLan->setFont(font);
    QPalette palette = m_cmbLan->palette();
    setAllGroups(palette, QPalette::Text, QColor(228, 228, 228));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(87, 108, 119));
    m_cmbLan->setPalette(palette);
}

// Making the saved entry current sends no activated(), so nothing is previewed
// while the page is built. A saved name missing from the list leaves the first
// entry shown, and that entry counts as the one the page opened with.
void GeneralWidget::InitLanguage()
{
    const QString name = readSetting(SettingKeys::Language);
    m_cmbLan->addItems(QVideoSettingXml::GetLanguage(languageListPath()));
    const int saved = m_cmbLan->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (saved >= 0)
        m_cmbLan->setCurrentIndex(saved);
    m_nLanguageIndex = m_cmbLan->currentIndex();
}

void GeneralWidget::InitGroups()
{
    const QString res = QIAnyUtil::getResourcePath();
    for (QGroupBox* group : {m_GroupLanguage, m_GroupUpdates, m_GroupClose}) {
        group->setStyleSheet(kGroupStyle);
        QPalette palette = group->palette();
        setAllGroups(palette, QPalette::WindowText, QColor(228, 228, 228));
        group->setPalette(palette);
        group->setFont(tahomaPoints(11));
    }
    for (QCheckButton* button : {m_radAutoUpdate, m_radCloseUpdate, m_radMin, m_radExit}) {
        button->setCheckImage(res + "/image/Common_bg/Edit_selections_yes.png",
                              res + "/image/Common_bg/Edit_selections_no.png");
        button->setTextColor(QColor(228, 228, 228));
        button->setFont(tahomaPoints(11));
        button->setButtonType(true);
    }
    connect(m_radAutoUpdate, &QCheckButton::clicked, this, &GeneralWidget::OnChanegeUpdate);
    connect(m_radCloseUpdate, &QCheckButton::clicked, this, &GeneralWidget::OnChanegeUpdate);
    connect(m_radExit, &QCheckButton::clicked, this, &GeneralWidget::OnChangeClose);
    connect(m_radMin, &QCheckButton::clicked, this, &GeneralWidget::OnChangeClose);
}

// Flags count as set only when stored exactly as "Y".
void GeneralWidget::InitChoices()
{
    m_bIsAutoUpdate = readSetting(SettingKeys::AutoUpdate);
    m_radAutoUpdate->setChecked(m_bIsAutoUpdate);
    m_radCloseUpdate->setChecked(!m_bIsAutoUpdate);
    m_bIsCloseDlg = readSetting(SettingKeys::CloseQuits);
    m_radExit->setChecked(m_bIsCloseDlg);
    m_radMin->setChecked(!m_bIsCloseDlg);
}

void GeneralWidget::OnChanegeUpdate()
{
    const bool autoUpdate = sender() == m_radAutoUpdate;
    m_radAutoUpdate->setChecked(autoUpdate);
    m_radCloseUpdate->setChecked(!autoUpdate);
}

void GeneralWidget::OnChangeClose()
{
    const bool exit = sender() == m_radExit;
    m_radExit->setChecked(exit);
    m_radMin->setChecked(!exit);
}

void GeneralWidget::languageChange(int)
{
    const QPair<QString, QString> entry = QVideoSettingXml::GetLanguageFile(languageListPath(), m_cmbLan->currentText());
    QConverterOperate::setLanguageType(entry.second);
    emit sendLanguageName(QIAnyUtil::getResourcePath() + "/Language/" + entry.first);
}

void GeneralWidget::restoreLanguageType()
{
    QConverterOperate::g_langugeType = m_nLanguageType;
}

bool GeneralWidget::getChangeLanguage()
{
    return m_cmbLan->currentIndex() != m_nLanguageIndex;
}

void GeneralWidget::saveSetting()
{
    const bool autoUpdate = m_radAutoUpdate->isChecked();
    if (autoUpdate != m_bIsAutoUpdate) {
        updateSetting(SettingKeys::AutoUpdate, autoUpdate);
        emit sendUpdate(autoUpdate);
    }
    const bool exit = m_radExit->isChecked();
    if (exit != m_bIsCloseDlg)
        updateSetting(SettingKeys::CloseQuits, exit);
    if (getChangeLanguage())
        updateSetting(SettingKeys::Language, m_cmbLan->currentText());
}

void GeneralWidget::retranslateUi()
{
    m_GroupUpdates->setTitle(QObject::tr("Automatic updates"));
    m_GroupClose->setTitle(QObject::tr("Close"));
    m_GroupLanguage->setTitle(QObject::tr("Language"));
    m_radAutoUpdate->setText(QObject::tr("Automatically update to the newest version"));
    m_radCloseUpdate->setText(QObject::tr("Close automatic updates"));
    m_radMin->setText(QObject::tr("Minimize to Tray"));
    m_radExit->setText(QObject::tr("Exit"));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    m_radAutoUpdate->setFont(font);
    m_radCloseUpdate->setFont(font);
}

void GeneralWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(rect(), QColor(51, 51, 51));
}
