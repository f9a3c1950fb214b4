#include "QVelBaseButton.h"

#include "QVelFallbackLook.h"

#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

QVelBaseButton::QVelBaseButton(QWidget* parent) : QPushButton(parent), QVelBaseButtonDraw(this) {}

QVelBaseButton::~QVelBaseButton() = default;

void QVelBaseButton::seedClick()
{
    click();
}

void QVelBaseButton::addItemCount()
{
    QVelBaseButtonDraw::addItemCount();
}

void QVelBaseButton::mousePressEvent(QMouseEvent* event)
{
    if (mousePressEventDraw(event))
        emit mouseDown(event, getMouseMapValue());
    QAbstractButton::mousePressEvent(event);
}

void QVelBaseButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (mouseReleaseEventDraw(event))
        emit mouseRelease(event, getMouseMapValue());
    QAbstractButton::mouseReleaseEvent(event);
}

void QVelBaseButton::mouseMoveEvent(QMouseEvent* event)
{
    QAbstractButton::mouseMoveEvent(event);
    if (mouseMoveEventDraw(event))
        emit mouseMove(event, getMouseMapValue());
}

void QVelBaseButton::enterEvent(QEvent* event)
{
    enterEventDraw(event);
    emit mouseEnter(event);
    QWidget::enterEvent(event);
    if (getEnterIsChangeMouse())
        setCursor(Qt::ArrowCursor);
}

void QVelBaseButton::leaveEvent(QEvent* event)
{
    leaveEventDraw(event);
    emit mouseLeave(event);
    QWidget::leaveEvent(event);
}

void QVelBaseButton::changeEvent(QEvent* event)
{
    changeEventDraw(event);
    QAbstractButton::changeEvent(event);
}

void QVelBaseButton::paintEvent(QPaintEvent* event)
{
    if (isCustomDraw()) {
        paintEventDraw(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.palette = QVelFallbackLook::palette(option.palette);
    painter.drawControl(QStyle::CE_PushButton, option);
}

void QVelBaseButton::focusInEvent(QFocusEvent* event)
{
    QPushButton::focusInEvent(event);
    QVelBaseButtonDraw::focusInEvent(event);
}

void QVelBaseButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    QVelBaseButtonDraw::focusOutEvent(event);
}

void QVelBaseButton::timerEvent(QTimerEvent* event)
{
    QAbstractButton::timerEvent(event);
    timerEventDraw(event);
}
