#pragma once

#include "QBaseDrawWidget.h"

#include <QDialog>

// Frameless dialog drawn from a nine-part image; base of the message box.
class QVelDialog : public QDialog, public QBaseDrawWidget
{
    Q_OBJECT

public:
    explicit QVelDialog(QWidget* parent = nullptr);
    ~QVelDialog() override;

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
    Q_DISABLE_COPY(QVelDialog)
};
