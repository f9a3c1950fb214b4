#include "QSubtitleOperationForm.h"

#include "QVEInitCtrlStyle.h"
#include "QVelScrollBar.h"
#include "QVideoEditingSettings.h"
#include "VECommonClass.h"

#include <QAbstractItemView>
#include <QFile>
#include <QPainter>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }

// Slider position of a scale: the left half of the track is 0 to 100 %, the
// right half 100 to 400 %.
int scaleSliderValue(int scale, const QVelBaseSlider* slider)
{
    if (scale <= 100)
        return scale;
    return 100 + ((scale - 100) * int((slider->maximum() - slider->minimum()) * 0.5)) / 300;
}
}

QSubtitleOperationForm::QSubtitleOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QSubtitleOperationForm::~QSubtitleOperationForm() = default;

void QSubtitleOperationForm::initControls()
{
    struct Slider {
        QVelBaseSlider* slider;
        double maximum;
        int value;
    };
    for (const Slider& s : {Slider{m_sliderPosition, 1000, 50}, Slider{m_sliderAlpha, 255, 255},
                            Slider{m_sliderScale, 200, 100}}) {
        QVEInitCtrlStyle::SetQVelSlider(s.slider);
        s.slider->setRange(0, s.maximum);
        s.slider->setValue(s.value);
        connect(s.slider, &QVelBaseSlider::sendProgressValue, this, &QSubtitleOperationForm::progressValue);
    }

    QVEInitCtrlStyle::SetLabel(m_lblTrack, QObject::tr("Track:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblFile, QObject::tr("File:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblPosition, QObject::tr("Position:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblMargin, QObject::tr("Margin:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblTransparency, QObject::tr("Transparency:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblScale, QObject::tr("Scale:"), 12);

    for (QVelLineEdit* edit : {m_leFamilyPath, m_lePositionValue, m_leAlphaValue, m_leScaleValue})
        QVEInitCtrlStyle::SetQVelLineEdit(edit);
    m_leFamilyPath->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_leFamilyPath->setReadOnly(true);
    m_leFamilyPath->setElidePath(true);
    // The folder button covers the edit's right end, where the file name shows.
    m_leFamilyPath->setTextMargins(0, 0, 12, 0);
    m_leFamilyPath->setText(QString());
    for (QVelLineEdit* edit : {m_lePositionValue, m_leAlphaValue, m_leScaleValue}) {
        edit->resize(46, 22);
        connect(edit, &QLineEdit::textEdited, this, &QSubtitleOperationForm::valueTextEdited);
    }

    m_rbtnTop->setText(QObject::tr("Top"));
    m_rbtnMiddle->setText(QObject::tr("Middle"));
    m_rbtnBottom->setText(QObject::tr("Bottom"));
    for (QVelRadioButton* button : {m_rbtnBottom, m_rbtnMiddle, m_rbtnTop}) {
        QVEInitCtrlStyle::SetRadioButton(button);
        connect(button, &QAbstractButton::toggled, this, &QSubtitleOperationForm::onRadioButton);
    }

    QVEInitCtrlStyle::InitVelCheckCombox(m_cbbSubtitleList);
    m_cbbSubtitleList->resize(170, 22);
    m_cbbSubtitleList->setBtnMargins(-1, -1, 2, 0);
    m_scrollBar = new QVelScrollBar(Qt::Vertical, m_cbbSubtitleList->view());
    QVEInitCtrlStyle::SetQVelScrollBar(m_scrollBar);
    m_cbbSubtitleList->view()->setVerticalScrollBar(m_scrollBar);

    m_btnSetFamily->setText(QString());
    m_btnSetFamily->setButtonImage(picture("/btn_family.png"));
    m_btnSetFamily->setToolTip(QObject::tr("Open File"));
    m_btnSetSubtitleFont->setText(QString());
    m_btnSetSubtitleFont->setButtonImage(picture("/btn_text_font.png"));
    m_btnSetSubtitleFont->setToolTip(QObject::tr("Set Font"));
    connect(m_btnSetSubtitleFont, &QAbstractButton::clicked, this, &QSubtitleOperationForm::emitSubtitleSetting);
    connect(m_btnSetFamily, &QAbstractButton::clicked, this, &QSubtitleOperationForm::onSetFamily);
    connect(m_buttonFrom, &QCommonButtonForm::emitReset, this, &QSubtitleOperationForm::reset);
    connect(m_buttonFrom, &QCommonButtonForm::emitApplyToAll, this, &QSubtitleOperationForm::emitApplyToAll);
}

void QSubtitleOperationForm::setEditSettings(QVideoEditingSettings* settings)
{
    m_settings = settings;
    m_bLoaded = false;
}

void QSubtitleOperationForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_bLoaded)
        return;
    m_bLoaded = true;
    loadingSetting();
}

void QSubtitleOperationForm::setScaleSlider(int scale) { m_sliderScale->setValue(scaleSliderValue(scale, m_sliderScale)); }

// Setting sliders and edits from here raises none of the signals the panel
// listens to, so only the position buttons write (the value they already hold).
void QSubtitleOperationForm::loadingSetting()
{
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    const VESubtitleSettings& s = cfg.m_subtitleSettings;
    m_sliderAlpha->setValue(int(s.m_alpha));
    m_leAlphaValue->setText(QString::number(int(s.m_alpha / 2.55)));
    m_sliderPosition->setValue(s.m_marginV * 1000);
    m_lePositionValue->setText(QString::number(int(s.m_marginV * 100)));
    setScaleSlider(int(s.m_scaleX));
    m_leScaleValue->setText(QString::number(s.m_scaleX));
    if (s.m_align == 0)
        m_rbtnBottom->setChecked(true);
    else if (s.m_align == 16)
        m_rbtnTop->setChecked(true);
    else if (s.m_align == 32)
        m_rbtnMiddle->setChecked(true);

    connectList(false);
    for (int row = m_cbbSubtitleList->count() - 1; row >= 0; --row)
        m_cbbSubtitleList->removeItem(row);
    resetSubtlComboxData(cfg);
    m_cbbSubtitleList->setEnabled(true);
    if (cfg.m_bLossless) {
        m_leFamilyPath->setEnabled(false);
        m_btnSetFamily->setEnabled(false);
    }
    if (cfg.m_programValue.subtlType == -3)
        showFilePath(QFile::decodeName(cfg.m_programValue.m_subtitleFile));
    connectList(true);
}

void QSubtitleOperationForm::progressValue(double fraction)
{
    if (!m_settings)
        return;
    VESubtitleSettings s;
    m_settings->getSubtitleSettings(s);
    QObject* from = sender();
    if (from == m_sliderAlpha) {
        if (double(s.m_alpha) == 255 * fraction)
            return;
        s.m_alpha = uint32_t(255 * fraction);
        m_leAlphaValue->setText(QString::number(int(100 * fraction)));
    } else if (from == m_sliderPosition) {
        if (s.m_marginV == fraction)
            return;
        s.m_marginV = fraction;
        m_lePositionValue->setText(QString::number(int(100 * fraction)));
    } else if (from == m_sliderScale) {
        const double p = fraction >= 0.49 && fraction <= 0.51 ? 0.5 : fraction;
        const int range = int(m_sliderScale->maximum() - m_sliderScale->minimum());
        int scale = int(range * p) > range / 2 ? int((p - 0.5) * 600 + 100) : int(200 * p);
        if (scale == 0)
            scale = 1;
        if (int(s.m_scaleX) == scale)
            return;
        s.m_scaleX = s.m_scaleY = uint32_t(scale);
        m_leScaleValue->setText(QString::number(scale));
    } else {
        return;
    }
    m_settings->setSubtitleSettings(s);
}

void QSubtitleOperationForm::valueTextEdited(QString text)
{
    if (!m_settings)
        return;
    VESubtitleSettings s;
    m_settings->getSubtitleSettings(s);
    QObject* from = sender();
    int n = text.toInt();
    if (from == m_leAlphaValue) {
        n = qMin(n, 100);
        m_leAlphaValue->setText(QString::number(n));
        const int alpha = (n * 255) / 100;
        m_sliderAlpha->setValue(alpha);
        if (int(s.m_alpha) == alpha)
            return;
        s.m_alpha = uint32_t(alpha);
    } else if (from == m_lePositionValue) {
        n = qMin(n, 100);
        m_lePositionValue->setText(QString::number(n));
        m_sliderPosition->setValue(n * 10);
        if (s.m_marginV == n / 100.0)
            return;
        s.m_marginV = n / 100.0;
    } else if (from == m_leScaleValue) {
        n = qMin(n, 400);
        m_leScaleValue->setText(QString::number(n));
        const int scale = n > 0 ? n : 1;
        setScaleSlider(scale);
        if (int(s.m_scaleX) == scale)
            return;
        s.m_scaleX = s.m_scaleY = uint32_t(scale);
    } else {
        return;
    }
    m_settings->setSubtitleSettings(s);
}

// Switching buttons reports the one turned off first, so the style is written
// twice and ends with the button turned on.
void QSubtitleOperationForm::onRadioButton()
{
    if (!m_settings)
        return;
    VESubtitleSettings s;
    m_settings->getSubtitleSettings(s);
    QObject* from = sender();
    if (from == m_rbtnBottom)
        s.m_align = 0;
    else if (from == m_rbtnTop)
        s.m_align = 16;
    else if (from == m_rbtnMiddle)
        s.m_align = 32;
    else
        return;
    m_settings->setSubtitleSettings(s);
}

// Files added to the track list stay in it; the path shown stays too.
void QSubtitleOperationForm::reset()
{
    if (!m_settings)
        return;
    VEEditConfig cfg;
    m_settings->getEditConfig(cfg);
    m_settings->setSubtitleSettings(VESubtitleSettings());
    VEProgramValueInfo choice = cfg.m_programValue;
    choice.m_subtitleIndex = 0;
    choice.m_subtitleFile.clear();
    choice.subtlType = -1;
    if (cfg.m_bLossless && choice.m_subtitleCount >= 2 && cfg.m_subtitleTracks.size() >= 2) {
        m_cbbSubtitleList->setCheckAll(true);
        m_cbbSubtitleList->setCheckState(0, false);
        choice.subtlType = 0;
        choice.m_subtitleIndex = 1;
    } else if (cfg.m_bLossless) {
        m_cbbSubtitleList->setCheckState(0, true);
        choice.m_subtitleIndex = -1;
    } else {
        m_cbbSubtitleList->setCheckAll(false);
        m_cbbSubtitleList->setCheckState(0, true);
        choice.m_subtitleIndex = -1;
    }
    writeChoice(choice);
    loadingSetting();
}

void QSubtitleOperationForm::writeChoice(const VEProgramValueInfo& choice)
{
    if (m_settings)
        m_settings->setProgramValueInfo(choice);
}

void QSubtitleOperationForm::resendStyle()
{
    if (!m_settings)
        return;
    VESubtitleSettings s;
    m_settings->getSubtitleSettings(s);
    m_settings->setSubtitleSettings(s);
}

void QSubtitleOperationForm::showFilePath(const QString& path)
{
    m_leFamilyPath->setText(path);
    m_leFamilyPath->setToolTip(path);
}

int QSubtitleOperationForm::columnWidth() const { return (width() - 1 - 345) / 2; }

void QSubtitleOperationForm::paintEvent(QPaintEvent*)
{
    const int k = columnWidth();
    const int bottom = height() - 1;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(51, 51, 51));
    const QColor block(74, 74, 74);
    painter.fillRect(QRect(QPoint(0, 0), QPoint(205, bottom)), block);
    painter.fillRect(QRect(QPoint(208, 0), QPoint(207 + k, bottom)), block);
    painter.fillRect(QRect(QPoint(210 + k, 0), QPoint(209 + 2 * k, bottom)), block);
    painter.fillRect(QRect(QPoint(width() - 134, 0), QPoint(width() - 1, bottom)), block);
}

// The buttons keep the form's width of 70 so they line up as laid out, and grow
// where a language needs more. Measured here rather than at construction:
// the dialog's style sheet may change the font when the form is polished.
void QSubtitleOperationForm::fitRadioButtons()
{
    for (QVelRadioButton* button : {m_rbtnTop, m_rbtnMiddle, m_rbtnBottom}) {
        button->ensurePolished();
        button->adjustSize();
        if (button->width() < kRadioWidth)
            button->resize(kRadioWidth, button->height());
    }
}

void QSubtitleOperationForm::resizeEvent(QResizeEvent*)
{
    const auto bottom = [](const QWidget* w) { return w->geometry().bottom(); };
    const auto right = [](const QWidget* w) { return w->geometry().right(); };
    const int k = columnWidth();
    m_lblTrack->move(18, 12);
    m_cbbSubtitleList->move(18, bottom(m_lblTrack) + 10);
    m_lblFile->move(18, bottom(m_cbbSubtitleList) + 10);
    m_leFamilyPath->move(18, bottom(m_lblFile) + 10);
    m_btnSetFamily->move(right(m_leFamilyPath) - 10, m_leFamilyPath->y());
    m_btnSetSubtitleFont->move(right(m_btnSetFamily) + 6, m_leFamilyPath->y());

    m_lblPosition->move(226, 12);
    fitRadioButtons();
    m_rbtnTop->move(226, bottom(m_lblPosition) + 10);
    m_rbtnMiddle->move(right(m_rbtnTop), m_rbtnTop->y());
    m_rbtnBottom->move(right(m_rbtnMiddle) + 12, m_rbtnTop->y());
    m_lblMargin->move(226, bottom(m_rbtnTop) + 10);
    m_sliderPosition->move(220, bottom(m_lblMargin) + 10);
    m_lePositionValue->move(right(m_sliderPosition) + 6, m_sliderPosition->y());

    m_lblTransparency->move(k + 228, 12);
    m_sliderAlpha->move(k + 222, bottom(m_lblTransparency) + 10);
    m_leAlphaValue->move(right(m_sliderAlpha) + 6, m_sliderAlpha->y());
    m_lblScale->move(k + 228, bottom(m_leAlphaValue) + 10);
    m_sliderScale->move(k + 222, bottom(m_lblScale) + 10);
    m_leScaleValue->move(right(m_sliderScale) + 6, m_sliderScale->y());

    m_buttonFrom->resize(134, height());
    m_buttonFrom->move(width() - 134, 0);
}
