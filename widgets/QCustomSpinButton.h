#pragma once

#include "QTextImageButton.h"

// The up and down buttons of the spin box: a text picture button as it is.
class QCustomSpinButton : public QTextImageButton
{
    Q_OBJECT

public:
    explicit QCustomSpinButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QCustomSpinButton)
};
