#pragma once

#include "QBaseDrawWidget.h"

#include <QWidget>

// Skinned child surface; it never moves, resizes or maximises itself.
class QVelWidget : public QWidget, public QBaseDrawWidget
{
    Q_OBJECT

public:
    explicit QVelWidget(QWidget* parent = nullptr);
    ~QVelWidget() override;

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Q_DISABLE_COPY(QVelWidget)
};
