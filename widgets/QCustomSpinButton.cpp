#include "QCustomSpinButton.h"

QCustomSpinButton::QCustomSpinButton(QWidget* parent) : QTextImageButton(parent) {}

void QCustomSpinButton::paintEvent(QPaintEvent* event)
{
    QTextImageButton::paintEvent(event);
}
