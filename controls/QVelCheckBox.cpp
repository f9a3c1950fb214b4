#include "QVelCheckBox.h"

QVelCheckBox::QVelCheckBox(QWidget* parent) : QCheckBox(parent), QVelBaseBoxDraw(this, CheckBox) {}

QVelCheckBox::~QVelCheckBox() = default;

void QVelCheckBox::setCheckImage(QString checked, QString unchecked, QString partially, bool twoFrames)
{
    QVelBaseBoxDraw::setCheckImage(checked, unchecked, partially, false, twoFrames);
}

void QVelCheckBox::setCheckImage(QImage* checked, QImage* unchecked, QImage* partially, bool twoFrames, bool copy)
{
    QVelBaseBoxDraw::setCheckImage(checked, unchecked, partially, false, twoFrames, copy);
}

void QVelCheckBox::adjustSize()
{
    if (isCustomDraw())
        QVelBaseBoxDraw::adjustSize();
    else
        QWidget::adjustSize();
}

void QVelCheckBox::paintEvent(QPaintEvent* event)
{
    if (isCustomDraw())
        QVelBaseBoxDraw::paintEvent(event);
    else
        QCheckBox::paintEvent(event);
}

void QVelCheckBox::mousePressEvent(QMouseEvent* event)
{
    QAbstractButton::mousePressEvent(event);
}

bool QVelCheckBox::hitButton(const QPoint&) const
{
    return true;
}
