#include "QVEInitCtrlStyle.h"

#include "QCheckboxCombobox.h"
#include "QVelBaseSlider.h"
#include "QVelButtonExtend.h"
#include "QVelCheckBox.h"
#include "QVelComboBox.h"
#include "QVelDoubleSpinBox.h"
#include "QVelLineEdit.h"
#include "QVelRadioButton.h"
#include "QVelScrollBar.h"
#include "VECommonClass.h"

#include <QLabel>

namespace {
const QColor kText(246, 246, 246, 255);
// Dimmer than the text, yet 3:1 on the forms' (51, 51, 51) ground.
const QColor kDisabledText(150, 150, 150, 255);
const QColor kButtonText(51, 51, 51, 255);
const QColor kDark(51, 51, 51, 255);
const QColor kMid(74, 74, 74, 255);
const QColor kHover(105, 105, 105, 255);
const QString kFamily = QStringLiteral("Tahoma");

QFont tahoma(QFont font, int pixelSize)
{
    font.setFamily(kFamily);
    font.setPixelSize(pixelSize);
    return font;
}
}

QString QVEInitCtrlStyle::picture(const char* name)
{
    return VECommonClass::getCustomResPath() + QLatin1String(name);
}

void QVEInitCtrlStyle::SetFont(QWidget* widget, int pixelSize)
{
    SetFontFamily(widget, kFamily, pixelSize);
}

void QVEInitCtrlStyle::SetFontFamily(QWidget* widget, QString family, int pixelSize)
{
    if (!widget)
        return;
    QFont font = widget->font();
    font.setFamily(family);
    font.setPixelSize(pixelSize);
    widget->setFont(font);
}

void QVEInitCtrlStyle::SetPalette(QWidget* widget, QPalette::ColorRole role, QColor color)
{
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, role, QBrush(color, Qt::SolidPattern));
    widget->setPalette(palette);
}

void QVEInitCtrlStyle::SetLabel(QLabel* label, QString text, int pixelSize)
{
    if (!label)
        return;
    SetFont(label, pixelSize);
    label->resize(label->fontMetrics().horizontalAdvance(text), label->height());
    label->setText(text);
    SetPalette(label, QPalette::WindowText, kText);
}

void QVEInitCtrlStyle::SetLabel2(QLabel* label, QString text, int pixelSize)
{
    if (!label)
        return;
    SetFont(label, pixelSize);
    label->setText(text);
    SetPalette(label, QPalette::WindowText, kText);
}

void QVEInitCtrlStyle::SetVelButton(QVelBaseButton* button, int width, int height)
{
    if (!button)
        return;
    // Grid drawing stretches each frame nine-part, so any size works.
    button->setButtonImage(picture("/btn_common.png"), true);
    button->setTextColor(kButtonText, kButtonText, kButtonText, kButtonText);
    button->resize(width, height);
    SetFont(button, 12);
}

void QVEInitCtrlStyle::SetVelButtonEx(QVelButtonExtend* button, int width, int height)
{
    SetVelButton(button, width, height);
    button->setIconColorRect(QRect(QPoint(5, 3), QPoint(20, 18)));
    button->setTextRect(QRect(QPoint(26, 0), QPoint(68, 21)));
}

void QVEInitCtrlStyle::SetQVelLineEdit(QVelLineEdit* edit)
{
    if (!edit)
        return;
    edit->setBackgroundImage(picture("/edit_background.png"));
    edit->onlyInputNumber();
    edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SetFont(edit, 12);
    // The edit's own setter, which also remembers the colour for its placeholder.
    QPalette palette = edit->palette();
    palette.setBrush(QPalette::All, QPalette::Text, QBrush(kText, Qt::SolidPattern));
    edit->setPalette(palette);
}

void QVEInitCtrlStyle::SetQVelSlider(QVelBaseSlider* slider)
{
    if (!slider)
        return;
    slider->setProgressPolicy(QVelBaseProgress::HorizontalBar);
    slider->setBottomImage(picture("/slider_bottom.png"));
    slider->setTopImage(picture("/slider_top.png"));
    slider->setBtnImage(picture("/slider_image.png"));
    slider->setOffset(0, 0);
    slider->setBtnOffset(-4);
    slider->setFormat(QString());
}

void QVEInitCtrlStyle::setCheckPalette(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(kText, Qt::SolidPattern));
    palette.setBrush(QPalette::Active, QPalette::WindowText, QBrush(kText, Qt::SolidPattern));
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, QBrush(kDisabledText, Qt::SolidPattern));
    widget->setPalette(palette);
}

void QVEInitCtrlStyle::SetRadioButton(QVelRadioButton* button)
{
    if (!button)
        return;
    button->setCheckImage(picture("/Edit_selections_yes.png"), picture("/Edit_selections_no.png"), false, false);
    SetFont(button, 12);
    setCheckPalette(button);
}

void QVEInitCtrlStyle::SetCheckBox(QVelCheckBox* box)
{
    if (!box)
        return;
    box->setCheckImage(picture("/btn_check_on.png"), picture("/btn_check_off.png"), QString(), false);
    SetFont(box, 12);
    setCheckPalette(box);
}

void QVEInitCtrlStyle::SetQVelScrollBar(QVelScrollBar* bar)
{
    QVelScrollBarStyleAttribute attribute = bar->styleAttribute();
    attribute.grooveColor = kDark;
    attribute.hoverGrooveColor = kDark;
    attribute.hoverAlways = true;
    attribute.buttonAreaColor = kDark;
    attribute.arrowColor = kMid;
    attribute.arrowHoverColor = kMid;
    attribute.arrowPressedColor = QColor(69, 68, 68, 255);
    attribute.flag = 1;
    attribute.handleColor = kMid;
    attribute.handlePressedColor = kMid;
    attribute.handleHoverColor = kMid;
    attribute.handleMargin = 1;
    bar->setStyleAttribute(attribute);
}

void QVEInitCtrlStyle::setPopupColors(QVelComboBox* combo)
{
    combo->setItemBorder(1, kMid);
    combo->setItemBgColor(kDark);
    combo->setItemSelectedColor(kMid);
    combo->setItemHoverColor(kHover);
}

void QVEInitCtrlStyle::SetQVelComboBox(QVelComboBox* combo)
{
    combo->setBackgroundImage(picture("/edit_background.png"));
    combo->setButtonImage(picture("/cbb_trigonometric.png"), true);
    combo->setDrawTextMargins(5, 0, 22, 0);
    combo->setMaxVisibleItems(16);
    combo->setTextColor(kText);
    setPopupColors(combo);
    combo->setItemTextColor(kText);
    combo->setItemTextMargins(5, 0, 0, 0);
    combo->setFont(tahoma(combo->font(), 11));
}

void QVEInitCtrlStyle::SetQVelDoubleSpinBox(QVelDoubleSpinBox* spin)
{
    spin->setBackgroundImage(picture("/spinBox_bg.png"));
    spin->setUpAndDownBtnImage(picture("/spinBox_up.png"), picture("/spinBox_down.png"), true);
    spin->resize(78, 22);
    spin->setDrawTextMargins(3, 0, 0, 0);
    SetPalette(spin, QPalette::Text, kText);
}

void QVEInitCtrlStyle::InitVelCheckCombox(QCheckboxCombobox* combo)
{
    if (!combo)
        return;
    combo->setBackgroundImage(picture("/edit_background.png"));
    combo->setButtonImage(picture("/cbb_trigonometric.png"), true);
    combo->setCheckImage(picture("/btn_check_on.png"), picture("/btn_check_off.png"));
    combo->setIconBtnMode(true);
    combo->setDrawTextMargins(5, 0, 22, 0);
    combo->setTextColor(kText);
    setPopupColors(combo);
    combo->setItemTextColor(kText, kText, kText, kText);
    combo->setFont(tahoma(combo->font(), 11));
    combo->setCheckboxPos(QPoint(2, -1));
    combo->setItemTextMargins(18, 1, 1, 1);
    combo->setMaxVisibleItems(20);
    combo->setSeparatorColor(kMid);
    combo->setTextColor(kText, kText, kText, kDisabledText);
}
