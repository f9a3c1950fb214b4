#pragma once

#include "QBaseDrawWindow.h"

// Frameless main window drawn from a nine-part image.
class QVelMainWindow : public QBaseDrawWindow<QMainWindow>
{
    Q_OBJECT

public:
    explicit QVelMainWindow(QWidget* parent = nullptr);
    ~QVelMainWindow() override;

private:
    Q_DISABLE_COPY(QVelMainWindow)
};
