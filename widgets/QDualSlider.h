#pragma once

#include <QPixmap>
#include <QWidget>

class QSliderCtrlBtn;

// The range slider of the cutting workspace: a track, the selected range between a
// start and an end handle, and a play handle. Set in percent, reports fractions of
// the track.
class QDualSlider : public QWidget
{
    Q_OBJECT

public:
    explicit QDualSlider(QWidget* parent = nullptr);

    bool setBottomImage(QString path);
    bool setTopImage(QString path);
    bool setBtnBgImage(QString path);
    void setCircle(bool on);
    void setCircleLenght(int length);
    void setEnabledPull(bool on);
    void setValueRange(qint64 minimum, qint64 maximum);
    void setWidth(int width);
    void showPlayBtn(bool show);
    void setBtnHide();
    void SetFocusInStartBtn(bool on);
    bool GetFocusInStartBtn();

    bool setStartBtnImage(QString path, int yOffset);
    bool setEndBtnImage(QString path);
    bool setProgressBtnImage(QString path, int y);
    void setStartBtnToolTip(QString tip);
    void setEndBtnToolTip(QString tip);

    void setStartValue(float percent);
    void setEndValue(float percent);
    void setPlayValue(float percent, bool notify);
    void resetStartEndValue();
    float getStartValue();
    float getEndValue();
    float getPlayValue();
    float getValue();

    QSliderCtrlBtn* startButton() const { return m_startBtn; }
    QSliderCtrlBtn* endButton() const { return m_endBtn; }
    QSliderCtrlBtn* playButton() const { return m_playBtn; }
    float startPos() const { return m_start; }
    float endPos() const { return m_end; }
    float playPos() const { return m_play; }

signals:
    void sendProgressValue(double fraction);
    void sendEndProgressValue(double fraction);
    void sendPlayProValue(double fraction);
    void emitPreviousFrame();
    void emitNextFrame();
    void emitMousePress();
    void emitmouseRelease();

public slots:
    void setShowValue(bool on = false);
    void setValue(float value);
    void btnMouseMove(QMouseEvent* event, int grabX);
    void btnEndMouseMove(QMouseEvent* event, int grabX);
    void btnProMouseMove(QMouseEvent* event, int grabX);
    void btnMousePress(QMouseEvent* event, int grabX);
    void btnMouseRelease(QMouseEvent* event, int grabX);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A new, unconfigured handle; sliders with handles of their own kind override it.
    virtual QSliderCtrlBtn* createHandle();

private:
    Q_DISABLE_COPY(QDualSlider)
    int trackLength() const;
    int usableSpan() const;
    double fraction(double position) const;
    QSliderCtrlBtn* makeHandle(const QString& path, QPixmap& keep, void (QDualSlider::*moveSlot)(QMouseEvent*, int));
    void resizeToTrack();
    void placePlayAt(int x, bool dragging);
    void drawRounded(QPainter& painter, int y0, int bh);
    void drawRange(QPainter& painter, int y0, int bh);

    QPixmap m_startPixmap;
    QPixmap m_endPixmap;
    QPixmap m_playPixmap;
    QPixmap m_bottomPixmap;
    QPixmap m_topPixmap;
    QPixmap m_btnBgPixmap;
    int m_bottomWidth = 0;
    int m_bottomHeight = 0;
    QSliderCtrlBtn* m_startBtn = nullptr;
    QSliderCtrlBtn* m_endBtn = nullptr;
    QSliderCtrlBtn* m_playBtn = nullptr;
    float m_start = 0;
    float m_end = 0;
    float m_play = 0;
    qint64 m_minimum = 0;
    qint64 m_maximum = 100;
    float m_value = 0;
    int m_startBtnY = 0;
    int m_startBtnWidth = 0;
    int m_marginLeft = 0;
    int m_marginRight = 0;
    int m_playBtnWidth = 0;
    int m_playBtnY = 0;
    bool m_hideStartBtn = false;
    bool m_circle = false;
    int m_circleLength = 5;
    bool m_pull = true;
    bool m_showValue = false;
    bool m_focusInStart = true;
    bool m_hover = false;
};
