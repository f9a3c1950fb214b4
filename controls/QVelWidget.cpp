#include "QVelWidget.h"

QVelWidget::QVelWidget(QWidget* parent) : QWidget(parent), QBaseDrawWidget(this, QBaseDrawWidget::TypeChild) {}

QVelWidget::~QVelWidget() = default;

bool QVelWidget::event(QEvent* event)
{
    if (QBaseDrawWidget::event(event))
        return true;
    return QWidget::event(event);
}

void QVelWidget::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    QBaseDrawWidget::mousePressEvent(event);
}

void QVelWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    QBaseDrawWidget::mouseReleaseEvent(event);
}

void QVelWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    QBaseDrawWidget::mouseDoubleClickEvent(event);
}

void QVelWidget::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    QBaseDrawWidget::mouseMoveEvent(event);
}

void QVelWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    QBaseDrawWidget::focusOutEvent(event);
}

void QVelWidget::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QBaseDrawWidget::paintEvent(event);
}

void QVelWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resetControlLocation();
}

void QVelWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    resetControlLocation();
}
