#pragma once

#include "QBaseDrawWidget.h"

#include <QMainWindow>

// Frameless main window drawn from a nine-part image.
class QVelMainWindow : public QMainWindow, public QBaseDrawWidget
{
    Q_OBJECT

public:
    explicit QVelMainWindow(QWidget* parent = nullptr);
    ~QVelMainWindow() override;

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
    Q_DISABLE_COPY(QVelMainWindow)
};
