#include "QVelBaseSlider.h"

#include "QVeAnyUtiliy.h"
#include "QVelBaseButton.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

class QVelBaseSliderPrivate
{
public:
    bool pullEnabled = true;
    QVelBaseButton* handle = nullptr;
    int handleOffset = 0;
    bool pressed = false;
};

QVelBaseSlider::QVelBaseSlider(QWidget* parent) : QVelBaseProgress(parent), d(new QVelBaseSliderPrivate)
{
    setFocusPolicy(Qt::StrongFocus);
}

QVelBaseSlider::~QVelBaseSlider()
{
    delete d;
}

bool QVelBaseSlider::setBtnImage(QString path)
{
    delete d->handle;
    d->handle = new QVelBaseButton(this);
    d->handle->setFocusPolicy(Qt::NoFocus);
    connect(d->handle, &QVelBaseButton::mouseMove, this, &QVelBaseSlider::btnMouseMove);
    connect(d->handle, &QVelBaseButton::mouseDown, this, &QVelBaseSlider::btnMouseDown);
    connect(d->handle, &QVelBaseButton::mouseRelease, this, &QVelBaseSlider::btnMouseRelease);
    if (!d->handle->setButtonImage(path, false)) {
        if (progressPolicy() == HorizontalBar)
            d->handle->resize(10, height());
        else
            d->handle->resize(width(), 10);
    }
    d->handle->move(0, 0);
    d->handle->show();
    setOffset(getTLOffset(), getRBOffset());
    update();
    return true;
}

void QVelBaseSlider::setOffset(int start, int end)
{
    if (d->handle) {
        const int halfHeight = d->handle->height() / 2;
        const int halfWidth = d->handle->width() / 2;
        if (start < halfHeight)
            start = halfWidth;
        if (end < halfHeight)
            end = halfWidth;
    }
    QVelBaseProgress::setOffset(start, end);
    update();
}

QVelBaseButton* QVelBaseSlider::getButton() const { return d->handle; }
void QVelBaseSlider::setBtnOffset(int offset) { d->handleOffset = offset; }

void QVelBaseSlider::setValue(double value)
{
    if (QVeAnyUtiliy::equalDouble(value, this->value()))
        return;
    QVelBaseProgress::setValue(value);
    update();
}

void QVelBaseSlider::setValue(int value)
{
    setValue(double(value));
}

void QVelBaseSlider::setEnabledPull(bool on) { d->pullEnabled = on; }
bool QVelBaseSlider::enablePull() const { return d->pullEnabled; }

int QVelBaseSlider::validLength() const
{
    const int policy = progressPolicy();
    if (policy == HorizontalBar)
        return width() - getTLOffset() - getRBOffset();
    if (policy == VerticalBar)
        return height() - getTLOffset() - getRBOffset();
    return 0;
}

QPoint QVelBaseSlider::valueToPoint() const
{
    const int length = validLength();
    const double fraction = valueFraction(value());
    if (progressPolicy() == HorizontalBar)
        return QPoint(int(getTLOffset() + length * fraction), 0);
    return QPoint(0, int(getTLOffset() + length - length * fraction));
}

void QVelBaseSlider::calcBtnPostion()
{
    if (!d->handle)
        return;
    const QPoint point = valueToPoint();
    if (progressPolicy() == HorizontalBar)
        d->handle->move(point.x() - d->handle->width() / 2, (height() - d->handle->height()) / 2 + d->handleOffset);
    else
        d->handle->move((width() - d->handle->width()) / 2 + d->handleOffset, point.y() - d->handle->height() / 2);
}

void QVelBaseSlider::paintEvent(QPaintEvent* event)
{
    QVelBaseProgress::paintEvent(event);
    calcBtnPostion();
}

void QVelBaseSlider::PointToValue(const QPoint& point)
{
    const int policy = progressPolicy();
    const int length = validLength();
    if (!d->pullEnabled || (policy != HorizontalBar && policy != VerticalBar) || length == 0)
        return;
    double distance = policy == HorizontalBar ? point.x() - getTLOffset() : length - (point.y() - getTLOffset());
    distance = std::clamp(distance, 0.0, double(length));
    const double range = maximum() - minimum();
    const double v = range * distance / length;
    if (QVeAnyUtiliy::equalDouble(v, value()))
        return;
    QVelBaseProgress::setValue(v);
    update();
    emit sendProgressValue(range > 0 ? v / range : 0.0);
}

QPoint QVelBaseSlider::localPoint(QMouseEvent* event) const
{
    return event->globalPos() - mapToGlobal(QPoint(0, 0));
}

void QVelBaseSlider::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = localPoint(event);
    const int policy = progressPolicy();
    bool onTrack = false;
    if (policy == HorizontalBar)
        onTrack = getTLOffset() <= point.x() && point.x() <= width() - getRBOffset();
    else if (policy == VerticalBar)
        onTrack = getTLOffset() <= point.y() && point.y() <= height() - getRBOffset();
    if (!onTrack)
        return;
    d->pressed = true;
    emit sendPressEvent(event);
    PointToValue(point);
}

void QVelBaseSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (d->pressed)
        PointToValue(localPoint(event));
}

void QVelBaseSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!d->pressed)
        return;
    d->pressed = false;
    emit sendReleseEvent(event);
}

void QVelBaseSlider::btnMouseMove(QMouseEvent* event, int pressX)
{
    if (!d->handle)
        return;
    QPoint point = localPoint(event);
    if (progressPolicy() == HorizontalBar)
        point.setX(point.x() - pressX + d->handle->width() / 2);
    else
        point.setY(point.y() + d->handle->height() / 2 - d->handle->getPressMapValueY());
    PointToValue(point);
    update();
}

void QVelBaseSlider::btnMouseDown(QMouseEvent* event, int)
{
    emit sendPressEvent(event);
}

void QVelBaseSlider::btnMouseRelease(QMouseEvent* event, int)
{
    emit sendReleseEvent(event);
}

void QVelBaseSlider::stepValue(double delta)
{
    const double target = std::clamp(value() + delta, minimum(), maximum());
    if (QVeAnyUtiliy::equalDouble(target, value()))
        return;
    QVelBaseProgress::setValue(target);
    update();
}

void QVelBaseSlider::OnKeyLeftDown()
{
    stepValue(-(maximum() - minimum()) / 100.0);
}

void QVelBaseSlider::OnKeyRightUp()
{
    stepValue((maximum() - minimum()) / 100.0);
}

void QVelBaseSlider::keyPressEvent(QKeyEvent* event)
{
    QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        OnKeyLeftDown();
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        OnKeyRightUp();
        break;
    default:
        break;
    }
}

void QVelBaseSlider::enterEvent(QEvent*) {}
void QVelBaseSlider::leaveEvent(QEvent*) {}
