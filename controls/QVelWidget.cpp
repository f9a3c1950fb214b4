#include "QVelWidget.h"

QVelWidget::QVelWidget(QWidget* parent) : QBaseDrawWindow<QWidget>(parent, QBaseDrawWidget::TypeChild) {}

QVelWidget::~QVelWidget() = default;
