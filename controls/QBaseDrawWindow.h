#pragma once

#include "QBaseDrawWidget.h"

#include <QDialog>
#include <QMainWindow>
#include <QWidget>

// A Qt window class (QDialog, QMainWindow or a plain QWidget) that hands its
// events to the frameless look. Of these handlers QDialog overrides only resize
// and show and QMainWindow only event: every other Base:: call is QWidget's.
template <class Base>
class QBaseDrawWindow : public Base, public QBaseDrawWidget
{
public:
    QBaseDrawWindow(QWidget* parent, QBaseDrawWidget::dlgType type) : Base(parent), QBaseDrawWidget(this, type) {}

protected:
    // The look takes what it handles; the mouse, focus and paint handlers run
    // Qt's own first and then the look's.
    bool event(QEvent* e) override { return QBaseDrawWidget::event(e) || Base::event(e); }
    void mousePressEvent(QMouseEvent* e) override { Base::mousePressEvent(e); QBaseDrawWidget::mousePressEvent(e); }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        Base::mouseReleaseEvent(e);
        QBaseDrawWidget::mouseReleaseEvent(e);
    }
    void mouseMoveEvent(QMouseEvent* e) override { Base::mouseMoveEvent(e); QBaseDrawWidget::mouseMoveEvent(e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        Base::mouseDoubleClickEvent(e);
        QBaseDrawWidget::mouseDoubleClickEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override { Base::focusOutEvent(e); QBaseDrawWidget::focusOutEvent(e); }
    void paintEvent(QPaintEvent* e) override { Base::paintEvent(e); QBaseDrawWidget::paintEvent(e); }
    // The caption buttons follow the window's size.
    void resizeEvent(QResizeEvent* e) override { Base::resizeEvent(e); resetControlLocation(); }
    void showEvent(QShowEvent* e) override { Base::showEvent(e); resetControlLocation(); }
};

extern template class QBaseDrawWindow<QDialog>;
extern template class QBaseDrawWindow<QMainWindow>;
extern template class QBaseDrawWindow<QWidget>;
