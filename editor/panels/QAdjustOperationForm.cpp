#include "QAdjustOperationForm.h"

#include "QVEInitCtrlStyle.h"
#include "QVideoEditingSettings.h"
#include "VECommonClass.h"
#include "VelPlayerManager.h"

#include <QPainter>
#include <QTimer>
#include <cmath>

namespace {
QString picture(const char* name) { return VECommonClass::getCustomResPath() + QLatin1String(name); }
constexpr int kTypingDelayMs = 1500;
}

QAdjustOperationForm::QAdjustOperationForm(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QAdjustOperationForm::QAdjustOperationForm(QVideoEditingSettings* settings, QWidget* parent)
    : QAdjustOperationForm(parent)
{
    setEditSettings(settings);
}

QAdjustOperationForm::~QAdjustOperationForm() = default;

void QAdjustOperationForm::initControls()
{
    struct Button {
        QVelBaseButton* button;
        const char* image;
        QString tip;
        void (QAdjustOperationForm::*slot)();
    };
    const Button buttons[] = {
        {m_btnRotate_L_90, "/adjust/rotate_L_90.png", QObject::tr("Rotate Anticlockwise"), &QAdjustOperationForm::onRotate_L_90},
        {m_btnRotate_R_90, "/adjust/rotate_R_90.png", QObject::tr("Rotate Clockwise"), &QAdjustOperationForm::onRotate_R_90},
        {m_btnFlipH, "/adjust/flip_H.png", QObject::tr("Flip Horizontal"), &QAdjustOperationForm::onFlipH},
        {m_btnFlipV, "/adjust/flip_V.png", QObject::tr("Flip Vertical"), &QAdjustOperationForm::onFlipV},
    };
    for (const Button& b : buttons) {
        b.button->setText(QString());
        b.button->setButtonImage(picture(b.image));
        b.button->setToolTip(b.tip);
        connect(b.button, &QAbstractButton::clicked, this, b.slot);
    }

    QVEInitCtrlStyle::SetQVelComboBox(m_cbbAspectRatio);
    m_cbbAspectRatio->setBtnMargins(-1, -1, 2, 0);
    m_cbbAspectRatio->addItems({QObject::tr("Original Display"), QObject::tr("Original Resolution"),
                                QObject::tr("Full Screen"), QObject::tr("16:9"), QObject::tr("4:3"),
                                QObject::tr("Pan Scan")});
    connect(m_cbbAspectRatio, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &QAdjustOperationForm::aspectRatioChanged);
    m_cbbAspectRatio->setCurrentIndex(-1);

    for (QVelLineEdit* edit : {m_leCropArea_W, m_leCropArea_H}) {
        QVEInitCtrlStyle::SetQVelLineEdit(edit);
        edit->resize(50, 22);
        edit->onlyInputNumber();
    }
    connect(m_leCropArea_W, &QLineEdit::textEdited, this, &QAdjustOperationForm::cropAreaChangedW);
    connect(m_leCropArea_H, &QLineEdit::textEdited, this, &QAdjustOperationForm::cropAreaChangedH);
    m_lblX->setFixedSize(22, 22);

    QVEInitCtrlStyle::SetLabel(m_lblRotion, QObject::tr("Rotation:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblCropAreaSize, QObject::tr("Crop Area Size:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblX, QStringLiteral("x"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblOriginalSize, QObject::tr("Original Resolution:"), 12);
    QVEInitCtrlStyle::SetLabel(m_lblAspectRatio, QObject::tr("Aspect Ratio:"), 12);
    m_lblX->setFixedSize(22, 22);
    QVEInitCtrlStyle::SetFont(m_lblOriginalSizeValue, 12);
    QVEInitCtrlStyle::SetPalette(m_lblOriginalSizeValue, QPalette::WindowText, QColor(246, 246, 246));

    connect(m_buttonFrom, &QCommonButtonForm::emitReset, this, &QAdjustOperationForm::reset);
    connect(m_buttonFrom, &QCommonButtonForm::emitApplyToAll, this, &QAdjustOperationForm::emitApplyToAll);
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &QAdjustOperationForm::wideTimer);
}

void QAdjustOperationForm::setEditSettings(QVideoEditingSettings* settings)
{
    m_settings = settings;
    if (settings && settings->getPlayerManager())
        connect(settings->getPlayerManager(), &VelPlayerManager::emitCropAreaChange, this,
                &QAdjustOperationForm::cropAreaChange);
}

// A size typed just before OK still counts.
void QAdjustOperationForm::saveEditingSettings() { wideTimer(); }

bool QAdjustOperationForm::isPanScan(const VECropSettings& s)
{
    return s.m_padding != 0 && s.m_cropMode == 1 && s.m_aspectMode != 2;
}

// While the picture is mirrored the turn runs the other way round.
void QAdjustOperationForm::rotate(int plainStep, int mirroredStep)
{
    if (!m_settings)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    s.m_rotation = (s.m_rotation + (s.m_mirror == 0 ? plainStep : mirroredStep)) % 360;
    if (s.m_cropMode == 1) {
        s.m_aspectWidth = 0;
        s.m_aspectHeight = 0;
    }
    m_settings->setCropSettings(s);
}

void QAdjustOperationForm::onRotate_R_90() { rotate(90, 270); }

void QAdjustOperationForm::onRotate_L_90() { rotate(270, 90); }

void QAdjustOperationForm::onFlipH()
{
    if (!m_settings)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    s.m_mirror = 1 - s.m_mirror;
    m_settings->setCropSettings(s);
}

// A vertical flip is a mirror plus a half turn.
void QAdjustOperationForm::onFlipV()
{
    if (!m_settings)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    s.m_rotation = (s.m_rotation + 180) % 360;
    s.m_mirror = 1 - s.m_mirror;
    m_settings->setCropSettings(s);
}

int QAdjustOperationForm::croppedSide(double fraction, int side)
{
    const double f = qBound(0.0, std::isnan(fraction) ? 0.0 : fraction, 1.0);
    const uint64_t q = uint64_t(f * 65536.0 + 0.5);
    if (q == 65536)
        return side;
    const uint64_t t = (q * uint64_t(qMax(side, 0)) + 65536) >> 16;
    return t < uint64_t(side) ? int(t & ~uint64_t(1)) : side;
}

void QAdjustOperationForm::aspectRatioChanged(int index)
{
    if (!m_settings || index < 0 || index > 5)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    if (index == 5) {
        s.m_aspectMode = 0;
        s.m_cropMode = 1;
        s.m_aspectWidth = 0;
        s.m_aspectHeight = 0;
    } else {
        s.m_aspectMode = index;
        s.m_cropMode = 0;
        QSize terms(0, 0);
        if (index == 1) {
            const QSize source = m_settings->getVideoSize();
            terms = QSize(qMax(2, croppedSide(s.m_cropRect.width(), source.width())),
                          qMax(2, croppedSide(s.m_cropRect.height(), source.height())));
        } else if (index == 2) {
            terms = m_settings->getResolutionSize();
        } else if (index == 3) {
            terms = QSize(16, 9);
        } else if (index == 4) {
            terms = QSize(4, 3);
        }
        s.m_aspectWidth = terms.width();
        s.m_aspectHeight = terms.height();
    }
    m_settings->setCropSettings(s);
}

void QAdjustOperationForm::typed(bool widthEdit)
{
    if (!m_settings)
        return;
    m_timer->stop();
    m_bWidthLast = widthEdit;
    m_timer->start(kTypingDelayMs);
}

void QAdjustOperationForm::cropAreaChangedW(QString) { typed(true); }

void QAdjustOperationForm::cropAreaChangedH(QString) { typed(false); }

int QAdjustOperationForm::editValue(const QLineEdit* edit, int minimum) const
{
    const int value = edit->text().toInt();
    return value <= minimum ? minimum : value;
}

void QAdjustOperationForm::wideTimer()
{
    m_timer->stop();
    if (!m_settings)
        return;
    const QSize minimum = m_settings->getCropMinSize();
    if (m_bWidthLast)
        widthChanged(editValue(m_leCropArea_W, minimum.width()));
    else
        heightChanged(editValue(m_leCropArea_H, minimum.height()));
}

// Both edits end up in the record. A source that did not open has no size to
// divide by; the typed values then wait for one.
void QAdjustOperationForm::widthChanged(int width)
{
    applyTypedSide(Qt::Horizontal, width);
}

void QAdjustOperationForm::heightChanged(int height)
{
    applyTypedSide(Qt::Vertical, height);
}

// The other side keeps what its edit shows; a pan-scan crop follows the side typed.
void QAdjustOperationForm::applyTypedSide(Qt::Orientation side, int value)
{
    if (!m_settings)
        return;
    const QSize source = m_settings->getVideoSize();
    if (source.width() <= 0 || source.height() <= 0)
        return;
    const bool horizontal = side == Qt::Horizontal;
    VECropSettings s;
    m_settings->getCropSettings(s);
    const QSize minimum = m_settings->getCropMinSize();
    const int other = horizontal ? editValue(m_leCropArea_H, minimum.height())
                                 : editValue(m_leCropArea_W, minimum.width());
    (horizontal ? m_leCropArea_W : m_leCropArea_H)->setText(QString::number(value));
    s.m_cropRect.setWidth(double(horizontal ? value : other) / source.width());
    s.m_cropRect.setHeight(double(horizontal ? other : value) / source.height());
    if (isPanScan(s))
        m_settings->setPanScanMode(horizontal ? 1 : 2);
    m_settings->setCropSettings(s);
}

// Applies a typed value at once, cut to the room the rectangle has left.
void QAdjustOperationForm::cropAreaChanged(QString text)
{
    if (!m_settings)
        return;
    const QSize source = m_settings->getVideoSize();
    const int value = text.toInt();
    if (value < 20 || source.width() <= 0 || source.height() <= 0)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    QRectF& r = isPanScan(s) ? s.m_padCropRect : s.m_cropRect;
    const bool widthEdit = sender() != m_leCropArea_H;
    const int side = widthEdit ? source.width() : source.height();
    const int offset = int((widthEdit ? r.x() : r.y()) * side);
    const int room = side - offset;
    const int used = qMin(value, room);
    QLineEdit* edit = widthEdit ? m_leCropArea_W : m_leCropArea_H;
    if (used != value)
        edit->setText(QString::number(used));
    if (widthEdit)
        r.setWidth(double(used) / side);
    else
        r.setHeight(double(used) / side);
    m_settings->setCropSettings(s);
}

void QAdjustOperationForm::setCropAreaSize(QSizeF size)
{
    if (!m_settings)
        return;
    const QSize source = m_settings->getVideoSize();
    m_leCropArea_H->setText(QString::number(int(source.height() * size.height() + 0.5)));
    m_leCropArea_W->setText(QString::number(int(source.width() * size.width() + 0.5)));
}

void QAdjustOperationForm::setAspectRatio(int index) { m_cbbAspectRatio->setCurrentIndex(index); }

void QAdjustOperationForm::cropAreaChange(VECropSettings settings)
{
    const QRectF& r = isPanScan(settings) ? settings.m_padCropRect : settings.m_cropRect;
    setCropAreaSize(r.size());
}

void QAdjustOperationForm::reset()
{
    if (!m_settings)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    s = VECropSettings();
    m_cbbAspectRatio->setCurrentIndex(0);
    m_settings->setCropSettings(s);
}

void QAdjustOperationForm::loadingSetting()
{
    if (!m_settings)
        return;
    VECropSettings s;
    m_settings->getCropSettings(s);
    const QSize source = m_settings->getVideoSize();
    m_lblOriginalSizeValue->setText(QStringLiteral("%1 x %2").arg(source.width()).arg(source.height()));
    m_lblOriginalSizeValue->adjustSize();
    cropAreaChange(s);
    m_cbbAspectRatio->setCurrentIndex(s.m_cropMode != 0 ? 5 : s.m_aspectMode);
}

void QAdjustOperationForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_bLoaded)
        return;
    m_bLoaded = true;
    loadingSetting();
}

void QAdjustOperationForm::resizeEvent(QResizeEvent*)
{
    const auto bottom = [](const QWidget* w) { return w->geometry().bottom(); };
    const auto right = [](const QWidget* w) { return w->geometry().right(); };
    const int d = (width() - 1 - 317) / 2;
    const int x0 = (172 - 2 * m_btnRotate_L_90->width()) / 2;
    m_lblRotion->move(x0, 12);
    m_btnRotate_R_90->move(x0, bottom(m_lblRotion) + 15);
    m_btnRotate_L_90->move(right(m_btnRotate_R_90) + 1 + 6, m_btnRotate_R_90->y());
    m_btnFlipH->move(x0, bottom(m_btnRotate_L_90) + 5);
    m_btnFlipV->move(right(m_btnFlipH) + 1 + 6, m_btnFlipH->y());
    m_lblCropAreaSize->move(200, 12);
    m_leCropArea_W->move(200, bottom(m_lblCropAreaSize) + 20);
    m_lblX->move(right(m_leCropArea_W) + 1, m_leCropArea_W->y());
    m_leCropArea_H->move(right(m_lblX) + 1, m_leCropArea_W->y());
    m_lblOriginalSize->move(200, bottom(m_leCropArea_W) + 15);
    m_lblOriginalSizeValue->move(right(m_lblOriginalSize) + 1 + 10, m_lblOriginalSize->y());
    m_lblAspectRatio->move(d + 202, 12);
    m_cbbAspectRatio->move(d + 202, bottom(m_lblAspectRatio) + 30);
    m_buttonFrom->resize(134, height());
    m_buttonFrom->move(width() - 134, 0);
}

void QAdjustOperationForm::paintEvent(QPaintEvent*)
{
    const int d = (width() - 1 - 317) / 2;
    QPainter painter(this);
    painter.fillRect(rect(), QColor(51, 51, 51));
    const QColor block(74, 74, 74);
    painter.fillRect(QRect(QPoint(0, 0), QPoint(177, height() - 1)), block);
    painter.fillRect(QRect(QPoint(180, 0), QPoint(179 + d, height() - 1)), block);
    painter.fillRect(QRect(QPoint(182 + d, 0), QPoint(181 + 2 * d, height() - 1)), block);
    painter.fillRect(QRect(QPoint(width() - 134, 0), QPoint(width() - 1, height() - 1)), block);
}
