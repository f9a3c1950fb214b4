// Construction, placement, heights, the high-speed band and the sliding panel
// of the format dialog.
#include "FormatWidget.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QSettingDlg.h"
#include "QTextImageButton.h"
#include "SettingKeys.h"
#include "ShowMessage.h"

#include <QDialog>
#include <QPainter>
#include <QPropertyAnimation>

namespace {

constexpr int kWidth = 628;
constexpr int kFullHeight = 488;
constexpr int kCompactHeight = 175;
constexpr int kTilesBottom = 155 + 248;

bool bandOpen()
{
    return readSetting(SettingKeys::LosslessNoteOpen);
}

void saveBand(bool open)
{
    storeSetting(SettingKeys::LosslessNoteOpen, open);
}

} // namespace

FormatWidget::FormatWidget(QWidget* parent)
    : QNinePointsImageDialog(parent)
{
    setupUi(this);
    setWindowTitle("Format");
    setAttribute(Qt::WA_TranslucentBackground, true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);

    setBackgroundImage(QIAnyUtil::getResourcePath() + "/image/Common_bg/bg_4.png", true);
    setVariableResize(false);
    setLogoRect(QRect(115, 5, 0, 0));
    setTitleRect(QRect(0, 7, 0, 0));
    setTextPixelSize(12);
    setTitle("Zededera Raziz Azodor");
    setTextColor(QColor(245, 245, 245));
    setMoveTop(31);
    setGridViewInfo({60, 60}, {60, 60}, {60, 60}, {60, 60});

    resize(kWidth, kFullHeight);
    installEventFilter(this);
    m_bAttentionShown = bandOpen();
    InitDlg();
    InitBtn();
    retranslateUi();
}

FormatWidget::~FormatWidget()
{
    if (m_myself == this)
        m_myself = nullptr;
}

void FormatWidget::InitDlg()
{
    m_formatItemDlg->move(181, 22);
    m_formatItemDlg->setGeometry(36, 155, 556, kTilesBottom - 155);
    m_formatItemDlg->setFixedWidth(556);
    m_formatItemLosslessDlg->setGeometry(36, 155, 556, 248);
    m_formatItemLosslessDlg->setFixedWidth(556);
    m_formatItemLosslessDlg->hide();
    m_btnCategoriesLosslessWgt->hide();
    m_settingDlg->move(174, 395);
    m_btnCategoriesWgt->setGeometry(36, 114, 556, 25);

    connect(m_settingDlg, &QSettingDlg::emitIsCustomized, this, &FormatWidget::isSelCustomized);
    connect(m_settingDlg, &QSettingDlg::emitChangeText, this, &FormatWidget::valueChangeText);
    connect(m_formatItemDlg, &FormatItemWidget::emitClickBtnSet, this, &FormatWidget::OnClickBtnSet);
    connect(m_formatItemDlg, &FormatItemWidget::emitClickFormatWgt, this, &FormatWidget::OnClickFormatWgt);
    connect(m_formatItemDlg, &FormatItemWidget::emitItemPress, this, &FormatWidget::ItemPress);
    connect(m_formatItemDlg, &FormatItemWidget::emitDoubleClick, this, &FormatWidget::OnBtnOk);

    m_btnCategoriesLosslessWgt->setGeometry(194, 114, 232, 25);
    connect(m_formatItemLosslessDlg, &FormatItemWidget::emitItemPress, this, &FormatWidget::ItemPressLossless);
    connect(m_formatItemLosslessDlg, &FormatItemWidget::emitDoubleClick, this, &FormatWidget::OnBtnOk);

    startShowSetDlgAnimtion(false);
}

void FormatWidget::resetControlLocation()
{
    const int w = width();
    const int h = height();
    m_btnCancel->move(w - m_btnCancel->width() - 24, h - 59 + (50 - m_btnCancel->height()) / 2);
    m_btnOk->move(w - m_btnCancel->width() - m_btnOk->width() - 34, m_btnCancel->y());
    m_radLosslessMode->move(36, 46);
    const int advancedX = m_radLosslessMode->geometry().right() + 10;
    m_btnLosslessShow->move(advancedX, 44);
    m_btnLosslessHidden->move(advancedX, 44);
    m_radCustomize->move(36, 78);
    m_cmbQuality->move(m_radCustomize->geometry().right() + 10, 76);
    m_LabPreset->move(20, h - 30 + (34 - m_LabPreset->height()) / 2);
}

void FormatWidget::retranslateUi()
{
    retranslateCategoryTabs();
    const int language = QConverterOperate::getLanguageType();
    QFont font = m_btnLosslessHidden->font();
    struct Look {
        int pixelSize;
        int buttonWidth;
        QRect icon;
        QRect caption;
    };
    Look look{12, 100, QRect(75, 7, 0, 0), QRect(10, 0, 80, 0)};
    if (language == 1 || language == 4)
        look = {10, 120, QRect(80, 7, 0, 0), QRect(10, 0, 85, 0)};
    else if (language == 2)
        look = {10, 120, QRect(80, 7, 0, 0), QRect(5, 0, 85, 0)};
    else if (language == 3)
        look = {10, 144, QRect(80, 7, 0, 0), QRect(10, 0, 85, 0)};
    font.setPixelSize(look.pixelSize);
    m_btnLosslessShow->setFont(font);
    m_btnLosslessHidden->setFont(font);
    m_btnLosslessShow->resize(look.buttonWidth, 21);
    m_btnLosslessHidden->resize(look.buttonWidth, 21);
    m_cmbQuality->setIconRect(look.icon);
    m_cmbQuality->setTextRect(look.caption);

    m_cmbQuality->setIndexText(0, QObject::tr("High Quality"));
    m_cmbQuality->setIndexText(1, QObject::tr("Small Size"));
    m_cmbQuality->setIndexText(2, QObject::tr("Customized"));
    m_btnLosslessShow->setText(QObject::tr("Show Advanced"));
    m_btnLosslessHidden->setText(QObject::tr("Hide Advanced"));
    m_btnCancel->setBtnText(QObject::tr("Cancel"));
    m_btnOk->setBtnText(QObject::tr("OK"));
    m_LabPreset->setText(QObject::tr("Preset:"));
    m_LabPreset->hide();

    switch (language) {
    case 0:
        m_radLosslessMode->setTextRect(QRect(15, 0, 321, 16));
        m_radCustomize->setTextRect(QRect(15, 0, 371, 16));
        break;
    case 2:
        m_radLosslessMode->setTextRect(QRect(15, 0, 374, 16));
        m_radCustomize->setTextRect(QRect(15, 0, 412, 16));
        break;
    case 3: {
        m_radLosslessMode->setTextRect(QRect(15, 0, 333, 16));
        m_radCustomize->setTextRect(QRect(15, 0, 458, 16));
        QFont small = font;
        small.setPixelSize(11);
        m_radLosslessMode->setFont(small);
        m_radCustomize->setFont(small);
        break;
    }
    case 4:
        m_radLosslessMode->setTextRect(QRect(15, 0, 212, 16));
        m_radCustomize->setTextRect(QRect(15, 0, 452, 16));
        break;
    default:
        break;
    }
    // The caption widths above were measured in another font; a caption that
    // needs more room gets it rather than being cut short.
    QFont modeFont("Tahoma");
    modeFont.setPixelSize(language == 3 ? 11 : 12);
    const QFontMetrics metrics(modeFont);
    auto setModeText = [&metrics](QCheckButton* mode, const QString& text) {
        QRect rect = mode->textRect();
        rect.setWidth(qMax(rect.width(), metrics.horizontalAdvance(text) + 4));
        mode->setTextRect(rect);
        mode->setText(text);
        mode->adjustSize();
    };
    setModeText(m_radLosslessMode, QObject::tr("High - Speed mode - Fast and Lossless (Recommended)"));
    setModeText(m_radCustomize, QObject::tr("Encoding mode - Customize file format, quality and codec (Slow)"));

    m_settingDlg->retranslateUi();
    resetControlLocation();
}

void FormatWidget::setCompact(bool compact)
{
    if (m_bCompact == compact)
        return;
    m_bCompact = compact;
    resize(kWidth, compact ? kCompactHeight : kFullHeight);
}

void FormatWidget::showLosslessMode(bool lossless)
{
    if (!lossless) {
        m_btnCategoriesWgt->show();
        m_formatItemDlg->show();
        m_formatItemLosslessDlg->hide();
        m_btnCategoriesLosslessWgt->hide();
        setCompact(false);
        return;
    }
    m_btnCategoriesWgt->hide();
    m_formatItemDlg->hide();
    const bool open = bandOpen();
    m_formatItemLosslessDlg->setVisible(open);
    m_btnCategoriesLosslessWgt->setVisible(open);
    setCompact(!open);
}

void FormatWidget::OnClickLosslessShow()
{
    if (!m_bAttentionShown) {
        m_bAttentionShown = true;
        ShowMessage(this, QObject::tr("Attention: Please don't change advanced settings if you are "
                                "non-professionals. Please leave it as the default \"Original\". "
                                "Otherwise the conversion may fail."),
                    QString(), 18);
    }
    saveBand(true);
    m_formatItemLosslessDlg->show();
    m_btnCategoriesLosslessWgt->show();
    m_btnLosslessShow->hide();
    m_btnLosslessHidden->show();
    setCompact(false);
}

void FormatWidget::OnClickLosslessHidden()
{
    saveBand(false);
    m_formatItemLosslessDlg->hide();
    m_btnCategoriesLosslessWgt->hide();
    m_btnLosslessShow->show();
    m_btnLosslessHidden->hide();
    setCompact(true);
}

void FormatWidget::startShowSetDlgAnimtion(bool show)
{
    // One slide at a time: a slide still running is stopped (and so deleted)
    // before the next starts, and each deletes itself when it ends.
    if (m_settingAnimation)
        m_settingAnimation->stop();
    auto* animation = new QPropertyAnimation(m_settingDlg, "geometry");
    animation->setDuration(150);
    const QRect open(36, 275, 556, 130);
    const QRect closed(36, 405, 556, 0);
    if (show) {
        m_settingDlg->show();
        animation->setStartValue(closed);
        animation->setEndValue(open);
    } else {
        animation->setStartValue(open);
        animation->setEndValue(closed);
        connect(animation, &QAbstractAnimation::finished, m_settingDlg, &QWidget::hide);
    }
    m_settingAnimation = animation;
    animation->start(QAbstractAnimation::DeleteWhenStopped);
    fitTilesAbovePanel(show ? open.top() : kTilesBottom);
}

void FormatWidget::fitTilesAbovePanel(int bottom)
{
    // The open panel lies over the lower part of the tile area: the tiles keep
    // to the band above it, with the chosen one scrolled into view, so no tile
    // hides half under the panel.
    m_formatItemDlg->resize(m_formatItemDlg->width(), bottom - m_formatItemDlg->y());
    m_formatItemDlg->showSelectedItem();
}

void FormatWidget::startShowFormatAnimtion(bool compact)
{
    setCompact(compact);
}

void FormatWidget::paintEvent(QPaintEvent* event)
{
    QNinePointsImageDialog::paintEvent(event);
    if (m_bCompact)
        return;
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.setPen(QColor(34, 34, 34));
    painter.setBrush(Qt::NoBrush);
    const QRect frame(QPoint(24, 106), QPoint(w - 25, h - 70));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    // The ground fills only the inside of the outline, so the right and bottom
    // edges of the frame stay visible like the left and top ones.
    painter.fillRect(frame.adjusted(1, 1, -1, -1), QColor(45, 45, 45));
    const QRect strip = m_btnCategoriesWgt->geometry();
    painter.setPen(QColor(38, 38, 38));
    painter.drawLine(strip.left(), strip.bottom(), strip.right(), strip.bottom());
}

void FormatWidget::resizeEvent(QResizeEvent* event)
{
    QNinePointsImageDialog::resizeEvent(event);
    resetControlLocation();
}

bool FormatWidget::eventFilter(QObject* object, QEvent* event)
{
    // The dialog stays put when another window takes the focus.
    if (object == this && event->type() == QEvent::WindowDeactivate)
        return true;
    return false;
}

void FormatWidget::CenterDlg(QDialog& dlg)
{
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    int x = origin.x() + (width() - dlg.width()) / 2 + 10;
    int y = origin.y() + (height() - dlg.height()) / 2 + 50;
    if (x < 1)
        x = 50;
    if (y < 1)
        y = 50;
    dlg.move(x, y);
}

QString FormatWidget::analysisItemIcon(QString category)
{
    if (category == "Devices")
        return "/image/Format_Dlg/profile_icon_devices@2x.png";
    if (category == "HD Video")
        return "/image/Format_Dlg/profile_icon_hdvideo@2x.png";
    if (category == "Web Video")
        return "/image/Format_Dlg/profile_icon_webvideo@2x.png";
    if (category == "General Video")
        return "/image/Format_Dlg/profile_icon_video@2x.png";
    if (category == "General Audio")
        return "/image/Format_Dlg/profile_icon_audio@2x.png";
    return "/image/Format_Dlg/main_icon_format@2x.png";
}

QString FormatWidget::getItemIcon()
{
    return "/image/Format/" + QString("icon_%1.png").arg(m_formatId);
}
