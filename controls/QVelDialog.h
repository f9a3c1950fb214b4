#pragma once

#include "QBaseDrawWindow.h"

// Frameless dialog drawn from a nine-part image; base of the message box.
class QVelDialog : public QBaseDrawWindow<QDialog>
{
    Q_OBJECT

public:
    explicit QVelDialog(QWidget* parent = nullptr);
    ~QVelDialog() override;

private:
    Q_DISABLE_COPY(QVelDialog)
};
