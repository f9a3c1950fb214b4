#pragma once

#include "QVelBaseButtonDraw.h"

#include <QPushButton>

// Skinned push button: message-box buttons, slider handles, spin and combo buttons.
class QVelBaseButton : public QPushButton, public QVelBaseButtonDraw
{
    Q_OBJECT

public:
    explicit QVelBaseButton(QWidget* parent = nullptr);
    ~QVelBaseButton() override;

    void seedClick();

signals:
    void mouseMove(QMouseEvent* event, int pressX);
    void mouseDown(QMouseEvent* event, int pressX);
    void mouseRelease(QMouseEvent* event, int pressX);
    void mouseEnter(QEvent* event);
    void mouseLeave(QEvent* event);

public slots:
    void addItemCount();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    Q_DISABLE_COPY(QVelBaseButton)
};
