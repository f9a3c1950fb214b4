#pragma once

#include "QBaseDrawWindow.h"

// Skinned child surface; it never moves, resizes or maximises itself.
class QVelWidget : public QBaseDrawWindow<QWidget>
{
    Q_OBJECT

public:
    explicit QVelWidget(QWidget* parent = nullptr);
    ~QVelWidget() override;

private:
    Q_DISABLE_COPY(QVelWidget)
};
