#include "QVEDualSlider.h"

#include "QVESliderCtrlBtn.h"

QVEDualSlider::QVEDualSlider(QWidget* parent) : QDualSlider(parent) {}

QVEDualSlider::~QVEDualSlider() = default;

// The start is cleared first so that the end is not held above the old start.
void QVEDualSlider::setStartEndValue(float startPercent, float endPercent)
{
    setStartValue(0);
    setEndValue(endPercent);
    setStartValue(startPercent);
}

QSliderCtrlBtn* QVEDualSlider::createHandle()
{
    return new QVESliderCtrlBtn(this);
}
