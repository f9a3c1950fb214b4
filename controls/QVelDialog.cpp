#include "QVelDialog.h"

QVelDialog::QVelDialog(QWidget* parent) : QBaseDrawWindow<QDialog>(parent, QBaseDrawWidget::TypeDialog) {}

QVelDialog::~QVelDialog() = default;
