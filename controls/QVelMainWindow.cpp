#include "QVelMainWindow.h"

QVelMainWindow::QVelMainWindow(QWidget* parent) : QBaseDrawWindow<QMainWindow>(parent, QBaseDrawWidget::TypeDialog) {}

QVelMainWindow::~QVelMainWindow() = default;
