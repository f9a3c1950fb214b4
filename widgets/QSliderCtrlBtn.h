#pragma once

#include <QImage>
#include <QPushButton>

// The draggable handle of the sliders: a four-state strip picture that reports its
// presses, moves and releases with the grab offset inside the handle.
class QSliderCtrlBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit QSliderCtrlBtn(QWidget* parent = nullptr);

    bool setBtnImage(QString path);
    void setStatePress();
    void setStateNormal();
    bool getMove();
    int state() const { return m_state; }

signals:
    void mouseMove(QMouseEvent* event, int grabX);
    void mouseMoveY(QMouseEvent* event, int grabY);
    void mouseDown(QMouseEvent* event, int grabX);
    void mouseDownY(QMouseEvent* event, int grabY);
    void mouseUp(QMouseEvent* event, int grabX);
    void mouseUpY(QMouseEvent* event, int grabY);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QSliderCtrlBtn)
    void grab(QMouseEvent* event);
    void setStateNow(int state);

    int m_grabX = 0;
    int m_grabY = 0;
    QImage m_image;
    int m_state = 0;
};

// A pointer's screen position rounded to whole pixels, halves upward.
int sliderScreenX(const QMouseEvent* event);
