#include "QTextStyleDlg.h"

#include "QPanelChooser.h"
#include "QVEInitCtrlStyle.h"
#include "VECommonClass.h"

#include <QCoreApplication>
#include <QFont>
#include <QSignalBlocker>
#include <QtMath>

namespace {
QColor argbColor(uint32_t argb)
{
    return QColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

uint32_t colorArgb(const QColor& c)
{
    return uint32_t(c.alpha()) << 24 | uint32_t(c.red()) << 16 | uint32_t(c.green()) << 8 | uint32_t(c.blue());
}

// A medium weight (57) is not bold, demibold (63) is.
constexpr int kBoldAbove = 57;
}

QTextStyleDlg::QTextStyleDlg(QWidget* parent, int gap, int buttonWidth) : QVelDialog(parent), m_gap(gap)
{
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setTitleRect(QRect(0, 8, 0, 0));
    setAlignment(Qt::AlignCenter);
    QVEInitCtrlStyle::SetPalette(this, QPalette::WindowText, QColor(246, 246, 246));
    setMoveTopHeight(30);
    setStretchWidth(6);
    QVEInitCtrlStyle::SetFont(this, 12);
    setBackgroundImage(VECommonClass::getCustomResPath() + "/bg_3.png", false);
    setStretchPolicy(StretchNone);
    initControls();
    m_btnOK->setFixedSize(buttonWidth, 28);
    m_btnCancel->setFixedSize(buttonWidth, 28);
    setAttribute(Qt::WA_TranslucentBackground);
    resize(516, 348);
    setGridViewInfo(rectSize(50, 50), rectSize(50, 50), rectSize(50, 50), rectSize(50, 50));
}

QTextStyleDlg::~QTextStyleDlg() = default;

void QTextStyleDlg::initControls()
{
    const QString res = VECommonClass::getCustomResPath();
    m_btnClose->setButtonImage(res + "/btn_close_c.png", true);
    m_btnMin->setButtonImage(res + "/btn_min.png", true);
    m_btnMax->setButtonImage(res + "/btn_max.png", true);
    m_btnMin->setEnabled(false);
    m_btnMax->setEnabled(false);
    for (QVelButtonExtend* b : {m_btnTextColor, m_btnShadowColor, m_btnOutlineColor})
        QVEInitCtrlStyle::SetVelButtonEx(b, 78, 22);
    QVEInitCtrlStyle::SetVelButton(m_btnFont, 78, 22);
    QVEInitCtrlStyle::SetVelButton(m_btnReset, 78, 22);
    QVEInitCtrlStyle::SetVelButton(m_btnOK, 70, 28);
    QVEInitCtrlStyle::SetVelButton(m_btnCancel, 70, 28);
    for (QVelDoubleSpinBox* d : {m_dspShadowOff, m_dspOutlineSize, m_dspSpacingH, m_dspSpacingV}) {
        QVEInitCtrlStyle::SetQVelDoubleSpinBox(d);
        d->setFixedSize(91, 22);
        connect(d, QOverload<double>::of(&QDoubleSpinBox::valueChanged), this, &QTextStyleDlg::valueChanged);
    }
    connect(m_btnClose, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnCancel, &QAbstractButton::clicked, this, &QWidget::close);
    connect(m_btnFont, &QAbstractButton::clicked, this, &QTextStyleDlg::onFont);
    for (QVelButtonExtend* b : {m_btnTextColor, m_btnShadowColor, m_btnOutlineColor})
        connect(b, &QAbstractButton::clicked, this, &QTextStyleDlg::onColor);
    connect(m_btnReset, &QAbstractButton::clicked, this, &QTextStyleDlg::onReset);
}

QString QTextStyleDlg::trText(const char* text) const
{
    return QCoreApplication::translate(metaObject()->className(), text);
}

void QTextStyleDlg::setTexts()
{
    setDlgTitle(trText(QT_TR_NOOP("Font")));
    const std::pair<QLabel*, const char*> captions[] = {
        {m_lblFontColor, QT_TR_NOOP("Font Color:")},       {m_lblFontName, QT_TR_NOOP("Font Name:")},
        {m_lblShadow, QT_TR_NOOP("Shadow Color:")},        {m_lblShadowOff, QT_TR_NOOP("Shadow Offset:")},
        {m_lblOutline, QT_TR_NOOP("Outline Color:")},      {m_lblOutlineSize, QT_TR_NOOP("Outline Size:")},
        {m_lblSpacingH, QT_TR_NOOP("Horizontal Spacing:")}, {m_lblSpacingV, QT_TR_NOOP("Vertical Spacing:")}};
    for (const auto& c : captions) {
        QVEInitCtrlStyle::SetLabel2(c.first, trText(c.second), 12);
        c.first->setFixedSize(130, 22);
        c.first->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (QVelButtonExtend* b : {m_btnTextColor, m_btnShadowColor, m_btnOutlineColor})
        b->setText(trText(QT_TR_NOOP("Color")));
    m_btnReset->setText(trText(QT_TR_NOOP("Reset")));
    m_btnOK->setText(trText(QT_TR_NOOP("OK")));
    m_btnCancel->setText(trText(QT_TR_NOOP("Cancel")));
    showFamily(QString());
}

void QTextStyleDlg::setEditSettings(QVideoEditingSettings* settings)
{
    m_settings = settings;
}

void QTextStyleDlg::loadingSetting()
{
    QTextStyle s = readStyle();
    const std::pair<QDoubleSpinBox*, double QTextStyle::*> boxes[] = {
        {m_dspShadowOff, &QTextStyle::m_shadowOffset},
        {m_dspOutlineSize, &QTextStyle::m_outlineSize},
        {m_dspSpacingH, &QTextStyle::m_spacingH},
        {m_dspSpacingV, &QTextStyle::m_spacingV}};
    // A stored value the box cannot show (out of its range, or finer than its
    // decimals) is written back as the box shows it, in one write: what the box
    // shows is what the preview and the output use.
    bool adjusted = false;
    for (const auto& b : boxes) {
        const QSignalBlocker quiet(b.first);
        b.first->setValue(s.*b.second);
        if (b.first->value() != s.*b.second) {
            s.*b.second = b.first->value();
            adjusted = true;
        }
    }
    if (adjusted)
        writeStyle(s);
    m_btnTextColor->setIconColor(argbColor(s.m_color));
    m_btnOutlineColor->setIconColor(argbColor(s.m_outlineColor));
    m_btnShadowColor->setIconColor(argbColor(s.m_shadowColor));
    showFamily(QString::fromUtf8(s.m_font));
}

void QTextStyleDlg::showFamily(const QString& family)
{
    if (family.isEmpty()) {
        m_btnFont->setText(trText(QT_TR_NOOP("Default")));
        QVEInitCtrlStyle::SetFontFamily(m_btnFont, "Tahoma", 12);
    } else {
        m_btnFont->setText(family);
        QVEInitCtrlStyle::SetFontFamily(m_btnFont, family, 12);
    }
}

void QTextStyleDlg::onFont()
{
    QTextStyle s = readStyle();
    QFont start;
    start.setFamily(QString::fromUtf8(s.m_font));
    start.setWeight(s.m_bold ? QFont::Bold : QFont::Normal);
    if (s.m_size > 0)
        start.setPointSize(int(s.m_size));
    start.setStyle(s.m_italic ? QFont::StyleItalic : QFont::StyleNormal);
    start.setUnderline(s.m_underline != 0);
    start.setStrikeOut(s.m_strikeout != 0);
    bool ok = false;
    const QFont chosen = QPanelChooser::getFont(&ok, start, this);
    if (!ok)
        return;
    s.m_font = chosen.family().toUtf8();
    s.m_bold = chosen.weight() > kBoldAbove ? 1 : 0;
    s.m_size = uint32_t(qMax(chosen.pointSize(), 0));
    s.m_italic = chosen.style() != QFont::StyleNormal ? 1 : 0;
    s.m_underline = chosen.underline() ? 1 : 0;
    s.m_strikeout = chosen.strikeOut() ? 1 : 0;
    writeStyle(s);
    showFamily(chosen.family());
}

void QTextStyleDlg::onColor()
{
    QTextStyle s = readStyle();
    auto* button = qobject_cast<QVelButtonExtend*>(sender());
    uint32_t* field = nullptr;
    if (button == m_btnTextColor)
        field = &s.m_color;
    else if (button == m_btnOutlineColor)
        field = &s.m_outlineColor;
    else if (button == m_btnShadowColor)
        field = &s.m_shadowColor;
    if (!field)
        return;
    const QColor chosen = QPanelChooser::getColor(
        argbColor(*field), this, QColorDialog::ShowAlphaChannel | QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return;
    *field = colorArgb(chosen);
    writeStyle(s);
    button->setIconColor(chosen);
}

void QTextStyleDlg::valueChanged(double value)
{
    QTextStyle s = readStyle();
    auto* box = qobject_cast<QDoubleSpinBox*>(sender());
    double* field = nullptr;
    if (box == m_dspShadowOff)
        field = &s.m_shadowOffset;
    else if (box == m_dspOutlineSize)
        field = &s.m_outlineSize;
    else if (box == m_dspSpacingH)
        field = &s.m_spacingH;
    else if (box == m_dspSpacingV)
        field = &s.m_spacingV;
    if (!field)
        return;
    // Compared at the box's own precision: every step the user can make is
    // written, and filling the box with the stored value writes nothing.
    const double scale = qPow(10.0, box->decimals());
    if (qRound64(*field * scale) == qRound64(value * scale))
        return;
    *field = value;
    writeStyle(s);
}

void QTextStyleDlg::onReset()
{
    QTextStyle s = readStyle();
    s.m_shadowOffset = 0.5;
    s.m_outlineSize = 1.0;
    s.m_shadowColor = 0x80000000;
    s.m_color = 0xFFFFFFFF;
    s.m_outlineColor = 0xFF000000;
    s.m_spacingH = 0.05;
    s.m_spacingV = 0.05;
    s.m_font.clear();
    writeStyle(s);
    loadingSetting();
}

void QTextStyleDlg::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        loadingSetting();
    }
    QVelDialog::showEvent(event);
}

void QTextStyleDlg::resizeEvent(QResizeEvent* event)
{
    QVelDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_btnClose->move(13, 13);
    m_btnMin->move(m_btnClose->geometry().right() + 9, 13);
    m_btnMax->move(m_btnMin->geometry().right() + 9, 13);
    const int buttonY = h - 58 + (50 - m_btnCancel->height()) / 2;
    m_btnCancel->move(w - 28 - m_btnCancel->width(), buttonY);
    m_btnOK->move(m_btnCancel->x() - 20 - m_btnOK->width(), buttonY);

    // Each row starts 24 (the last one 29) pixels below the last line of the row above.
    const int last = m_lblFontColor->height() - 1;
    const int rows[] = {57, 57 + last + 24, 57 + 2 * (last + 24), 57 + 2 * (last + 24) + last + 29};
    QWidget* left[] = {m_lblFontColor, m_lblShadow, m_lblOutline, m_lblSpacingH};
    QWidget* middle[] = {m_btnTextColor, m_btnShadowColor, m_btnOutlineColor, m_dspSpacingH};
    QWidget* rightCaption[] = {m_lblFontName, m_lblShadowOff, m_lblOutlineSize, m_lblSpacingV};
    QWidget* right[] = {m_btnFont, m_dspShadowOff, m_dspOutlineSize, m_dspSpacingV};
    const int middleX = 38 + m_lblFontColor->width() - 1 + m_gap;
    const int rightX = w - 48 - m_dspShadowOff->width();
    const int captionX = rightX - m_gap - m_lblOutlineSize->width();
    for (int i = 0; i < 4; ++i) {
        left[i]->move(38, rows[i]);
        middle[i]->move(middleX, rows[i]);
        rightCaption[i]->move(captionX, rows[i]);
        right[i]->move(rightX, rows[i]);
    }
    m_btnReset->move(w - 48 - m_btnReset->width(), m_dspSpacingV->geometry().bottom() + 24);
}
