#include "QVelDialog.h"

QVelDialog::QVelDialog(QWidget* parent) : QDialog(parent), QBaseDrawWidget(this, QBaseDrawWidget::TypeDialog) {}

QVelDialog::~QVelDialog() = default;

bool QVelDialog::event(QEvent* event)
{
    if (QBaseDrawWidget::event(event))
        return true;
    return QWidget::event(event);
}

void QVelDialog::mousePressEvent(QMouseEvent* event)
{
    QWidget::mousePressEvent(event);
    QBaseDrawWidget::mousePressEvent(event);
}

void QVelDialog::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    QBaseDrawWidget::mouseReleaseEvent(event);
}

void QVelDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    QWidget::mouseDoubleClickEvent(event);
    QBaseDrawWidget::mouseDoubleClickEvent(event);
}

void QVelDialog::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    QBaseDrawWidget::mouseMoveEvent(event);
}

void QVelDialog::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    QBaseDrawWidget::focusOutEvent(event);
}

void QVelDialog::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QBaseDrawWidget::paintEvent(event);
}

void QVelDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    resetControlLocation();
}

void QVelDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    resetControlLocation();
}
