#include "QVESliderCtrlBtn.h"

QVESliderCtrlBtn::QVESliderCtrlBtn(QWidget* parent) : QSliderCtrlBtn(parent) {}

QVESliderCtrlBtn::~QVESliderCtrlBtn() = default;
