#include "QEffectOperationForm.h"

#include "QFrameChunk.h"
#include "QFrameChunkManager.h"
#include "QVEInitCtrlStyle.h"
#include "QVelScrollBar.h"
#include "QVideoEditingSettings.h"
#include "QVideoEffectManager.h"

#include <QPainter>
#include <cmath>

namespace {
const QColor kPanelGround(51, 51, 51);
const QColor kBlock(74, 74, 74);
const QColor kCaption(246, 246, 246);
constexpr int kShownMax = 200;
}

QEffectOperationForm::QEffectOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
    initLists();
}

QEffectOperationForm::~QEffectOperationForm() = default;

void QEffectOperationForm::initSlider(QVelBaseSlider* slider)
{
    QVEInitCtrlStyle::SetQVelSlider(slider);
    slider->setRange(0, kShownMax);
    slider->setValue(100);
    slider->resize(230, 22);
    connect(slider, &QVelBaseSlider::sendProgressValue, this, &QEffectOperationForm::progressValue);
}

// The edit style admits digits only, so no negative value reaches the panel.
void QEffectOperationForm::initLineEdit(QVelLineEdit* edit)
{
    QVEInitCtrlStyle::SetQVelLineEdit(edit);
    edit->resize(45, 22);
    connect(edit, &QLineEdit::textEdited, this, &QEffectOperationForm::textEdited);
}

void QEffectOperationForm::iniLabel(QLabel* label)
{
    QVEInitCtrlStyle::SetPalette(label, QPalette::WindowText, kCaption);
    QVEInitCtrlStyle::SetFont(label, 12);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void QEffectOperationForm::initControls()
{
    for (QVelBaseSlider* slider : {m_sliderBrightness, m_sliderContrast, m_sliderHue, m_sliderSaturation})
        initSlider(slider);
    for (QVelLineEdit* edit : {m_leBrightnessValue, m_leConstrastValue, m_leHueValue, m_leSaturationValue})
        initLineEdit(edit);

    // One width for the four captions, so that their right edges line up.
    const QList<QPair<QLabel*, QString>> captions{{m_lblBrightness, QObject::tr("Brightness:")},
                                                  {m_lblContrast, QObject::tr("Contrast:")},
                                                  {m_lblSaturation, QObject::tr("Saturation:")},
                                                  {m_lblHue, QObject::tr("Hue:")}};
    int captionWidth = 0;
    for (const auto& caption : captions) {
        iniLabel(caption.first);
        caption.first->setText(caption.second);
        captionWidth = qMax(captionWidth, caption.first->fontMetrics().horizontalAdvance(caption.second) + 2);
    }
    for (const auto& caption : captions)
        caption.first->resize(captionWidth, 22);

    m_effectTag->createTag({QObject::tr("Video effects"), QObject::tr("Frame")});
    m_effectTag->setBackgroundColor(kBlock);
    connect(m_effectTag, &QVideoEditTag::emitSelectedTag, this, &QEffectOperationForm::selectedTag);
    m_effectTag->setFixedHeight(25);

    connect(m_buttonFrom, &QCommonButtonForm::emitApplyToAll, this, &QEffectOperationForm::emitApplyToAll);
    connect(m_buttonFrom, &QCommonButtonForm::emitReset, this, &QEffectOperationForm::reset);
}

// The lists own their scroll bars from the moment they are installed.
void QEffectOperationForm::initLists()
{
    m_effectsList->setBackgroundColor(kBlock);
    m_frameList->setBackgroundColor(kBlock);
    connect(m_effectsList, &QHorizontalListFrom::currentIndexChanged, this,
            &QEffectOperationForm::effectsListIndexChanged);
    connect(m_frameList, &QHorizontalListFrom::currentIndexChanged, this,
            &QEffectOperationForm::frameListIndexChanged);
    m_effectScrollBar = new QVelScrollBar(Qt::Horizontal, m_effectsList);
    m_frameScrollBar = new QVelScrollBar(Qt::Horizontal, m_frameList);
    QVEInitCtrlStyle::SetQVelScrollBar(m_effectScrollBar);
    QVEInitCtrlStyle::SetQVelScrollBar(m_frameScrollBar);
    m_effectsList->setHorizontalScrollBar(m_effectScrollBar);
    m_frameList->setHorizontalScrollBar(m_frameScrollBar);

    m_frameManager = new QFrameChunkManager(this);
    fillList(m_frameList, m_frameManager->getFrameChunklist());
    m_effectManager = new QVideoEffectManager(this);
    fillList(m_effectsList, m_effectManager->getVideoEffectlist());
    m_effectsList->hide();
    m_frameList->hide();
}

void QEffectOperationForm::fillList(QHorizontalListFrom* list, const QList<QFrameChunk*>& packs)
{
    list->clear();
    for (const QFrameChunk* pack : packs)
        list->addListItem(pack->getThumbnailImage(), pack->shownName());
}

void QEffectOperationForm::setEditSettings(QVideoEditingSettings* settings) { m_settings = settings; }

int QEffectOperationForm::shownValue(double fraction)
{
    if (fraction > 0.49 && fraction < 0.51)
        return 100;
    return int(std::trunc(kShownMax * fraction));
}

int QEffectOperationForm::recordValue(Channel channel, int shown)
{
    const double s = shown;
    switch (channel) {
    case Brightness:
        return int(std::trunc((s - 100) * 2.55));
    case Contrast:
        return shown <= 100 ? shown : 2 * shown - 100;
    case Saturation:
        return shown;
    case Hue:
        return int(std::trunc((s - 100) * 1.8));
    }
    return 0;
}

int QEffectOperationForm::shownFromRecord(Channel channel, int value)
{
    switch (channel) {
    case Brightness:
        return int(std::trunc((255.0 + value) / 2.55));
    case Contrast:
        return value <= 100 ? value : (value - 100) / 2 + 100;
    case Saturation:
        return value;
    case Hue:
        return int(std::trunc((180.0 + value) / 1.8));
    }
    return 0;
}

int& QEffectOperationForm::recordField(VEVideoEffectSettings& record, Channel channel)
{
    switch (channel) {
    case Contrast:
        return record.contrast;
    case Saturation:
        return record.saturation;
    case Hue:
        return record.hue;
    case Brightness:
        break;
    }
    return record.brightness;
}

int QEffectOperationForm::channelOf(const QObject* control) const
{
    if (control == m_sliderBrightness || control == m_leBrightnessValue)
        return Brightness;
    if (control == m_sliderContrast || control == m_leConstrastValue)
        return Contrast;
    if (control == m_sliderSaturation || control == m_leSaturationValue)
        return Saturation;
    if (control == m_sliderHue || control == m_leHueValue)
        return Hue;
    return -1;
}

// Slider and edit of one channel; setting them from here raises no signal.
void QEffectOperationForm::showChannel(Channel channel, int shown)
{
    QVelBaseSlider* const sliders[] = {m_sliderBrightness, m_sliderContrast, m_sliderSaturation, m_sliderHue};
    QVelLineEdit* const edits[] = {m_leBrightnessValue, m_leConstrastValue, m_leSaturationValue, m_leHueValue};
    sliders[channel]->setValue(shown);
    edits[channel]->setText(QString::number(shown));
}

// Brightness is always written, so that the preview redraws even when the
// truncation leaves the stored value as it was.
void QEffectOperationForm::progressValue(double fraction)
{
    const int channel = channelOf(sender());
    if (!m_settings || channel < 0)
        return;
    VEVideoEffectSettings record;
    m_settings->getEffectSettings(record);
    const int shown = shownValue(fraction);
    QVelLineEdit* const edits[] = {m_leBrightnessValue, m_leConstrastValue, m_leSaturationValue, m_leHueValue};
    edits[channel]->setText(QString::number(shown));
    const int value = recordValue(Channel(channel), shown);
    int& field = recordField(record, Channel(channel));
    if (channel != Brightness && field == value)
        return;
    field = value;
    m_settings->setEffectSettings(record);
}

void QEffectOperationForm::textEdited(QString text)
{
    auto* edit = qobject_cast<QLineEdit*>(sender());
    const int channel = channelOf(edit);
    if (!m_settings || channel < 0)
        return;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('0'))) {
        text.remove(0, 1);
        edit->setText(text);
    } else if (text.isEmpty()) {
        text = QStringLiteral("0");
        edit->setText(text);
    }
    const int shown = qMin(text.toInt(), kShownMax);
    VEVideoEffectSettings record;
    m_settings->getEffectSettings(record);
    recordField(record, Channel(channel)) = recordValue(Channel(channel), shown);
    QVelBaseSlider* const sliders[] = {m_sliderBrightness, m_sliderContrast, m_sliderSaturation, m_sliderHue};
    sliders[channel]->setValue(shown);
    m_settings->setEffectSettings(record);
}

void QEffectOperationForm::selectedTag(int tag)
{
    if (tag != 0 && tag != 1)
        return;
    m_effectsList->setVisible(tag == 0);
    m_frameList->setVisible(tag == 1);
}

// A layer with an empty picture shows nothing; its other fields stay.
void QEffectOperationForm::reset()
{
    if (!m_settings)
        return;
    VEVideoEffectSettings colours;
    m_settings->setEffectSettings(colours);
    VEWatermarkSettings layer;
    m_settings->getFrameWkSettings(layer);
    layer.m_imageSettings.m_imageFile.clear();
    layer.m_reserved2 = 0;
    m_settings->setFrameWkSettings(layer);
    m_settings->getVideoEffectWkSettings(layer);
    layer.m_imageSettings.m_imageFile.clear();
    layer.m_reserved2 = 0;
    m_settings->setVideoEffectWkSettings(layer);
    m_frameList->clearSelectState();
    m_effectsList->clearSelectState();
    loadingSetting();
}

// Highlights the stored packs without applying them, and always comes back to
// the video-effect list.
void QEffectOperationForm::loadingSetting()
{
    if (!m_settings)
        return;
    VEVideoEffectSettings record;
    m_settings->getEffectSettings(record);
    for (Channel channel : {Hue, Contrast, Saturation, Brightness})
        showChannel(channel, shownFromRecord(channel, recordField(record, channel)));
    VEWatermarkSettings layer;
    m_settings->getVideoEffectWkSettings(layer);
    m_effectsList->setCurrentIndex(layer.m_reserved2);
    m_settings->getFrameWkSettings(layer);
    m_frameList->setCurrentIndex(layer.m_reserved2);
    m_effectTag->setSelectedTag(0);
    selectedTag(0);
}

void QEffectOperationForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_bLoaded)
        return;
    m_bLoaded = true;
    loadingSetting();
}

void QEffectOperationForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    QLabel* const captions[] = {m_lblBrightness, m_lblContrast, m_lblSaturation, m_lblHue};
    QVelBaseSlider* const sliders[] = {m_sliderBrightness, m_sliderContrast, m_sliderSaturation, m_sliderHue};
    QVelLineEdit* const edits[] = {m_leBrightnessValue, m_leConstrastValue, m_leSaturationValue, m_leHueValue};
    const int captionTop = (h - 1 - 29 - 4 * m_lblBrightness->height()) / 2;
    const int sliderTop = (h - 1 - 29 - 4 * m_sliderBrightness->height()) / 2 + 2;
    const int editTop = (h - 1 - 29 - 4 * m_leBrightnessValue->height()) / 2 + 2;
    const int sliderX = m_lblBrightness->geometry().right() + 6;
    for (int row = 0; row < 4; ++row) {
        captions[row]->move(8, captionTop + row * (captions[row]->height() + 10));
        sliders[row]->move(sliderX, sliderTop + row * (sliders[row]->height() + 10));
    }
    const int editX = m_sliderBrightness->geometry().right() + 6;
    for (int row = 0; row < 4; ++row)
        edits[row]->move(editX, editTop + row * (edits[row]->height() + 10));
    m_effectTag->resize(w - 530, m_effectTag->height());
    m_effectTag->move(389, 6);
    const int listTop = m_effectTag->geometry().bottom() + 1 + 6;
    for (QHorizontalListFrom* list : {m_effectsList, m_frameList})
        list->setGeometry(389, listTop, w - 530, qMax(0, h - listTop - 4));
    m_buttonFrom->resize(134, h);
    m_buttonFrom->move(w - 134, 0);
}

void QEffectOperationForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), kPanelGround);
    painter.fillRect(QRect(QPoint(0, 0), QPoint(381, h - 1)), kBlock);
    painter.fillRect(QRect(QPoint(384, 0), QPoint(w - 137, h - 1)), kBlock);
    painter.fillRect(QRect(QPoint(w - 134, 0), QPoint(w - 1, h - 1)), kBlock);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(kPanelGround);
    painter.drawLine(QPoint(394, 30), QPoint(w - 146, 30));
}
