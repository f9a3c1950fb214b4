#include "QVelMainWindow.h"

QVelMainWindow::QVelMainWindow(QWidget* parent) : QMainWindow(parent), QBaseDrawWidget(this, QBaseDrawWidget::TypeDialog) {}

QVelMainWindow::~QVelMainWindow() = default;

bool QVelMainWindow::event(QEvent* event)
{
    if (QBaseDrawWidget::event(event))
        return true;
    return QMainWindow::event(event);
}

void QVelMainWindow::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    QBaseDrawWidget::mousePressEvent(event);
}

void QVelMainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    QBaseDrawWidget::mouseReleaseEvent(event);
}

void QVelMainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    QBaseDrawWidget::mouseDoubleClickEvent(event);
}

void QVelMainWindow::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    QBaseDrawWidget::mouseMoveEvent(event);
}

void QVelMainWindow::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    QBaseDrawWidget::focusOutEvent(event);
}

void QVelMainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QBaseDrawWidget::paintEvent(event);
}

void QVelMainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resetControlLocation();
}

void QVelMainWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    resetControlLocation();
}
