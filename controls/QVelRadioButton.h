#pragma once

#include "QVelBaseBoxDraw.h"
#include "QVelBaseButtonDraw.h"

#include <QRadioButton>

// Skinned radio button drawn like a check box (box mode) or like a push button
// with a state sheet (button mode).
class QVelRadioButton : public QRadioButton, public QVelBaseBoxDraw, public QVelBaseButtonDraw
{
    Q_OBJECT

public:
    explicit QVelRadioButton(QWidget* parent = nullptr);
    ~QVelRadioButton() override;

    void setCheckImage(QString first, QString second, bool buttonMode = false, bool twoFrames = true);
    void setBtnIcon(QString path);
    void setIconRect(QRect rect);
    void setTextRect(QRect rect);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    void adjustSize();
    void seedClick();
    bool isButtonMode() const;
    // Whether the pictures of the current mode are set (both mix-ins answer this).
    bool isCustomDraw() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Q_DISABLE_COPY(QVelRadioButton)
    bool m_buttonMode = false;
};
