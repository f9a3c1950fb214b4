#pragma once

#include <QPixmap>
#include <QWidget>

class QSliderCtrlBtn;

// A one-value slider drawn from a track and a fill picture, with an optional handle
// and percentage text; the vertical mode draws a plain level bar.
class qSliderCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit qSliderCtrl(QWidget* parent = nullptr);

    bool setBottomImage(QString path);
    bool setTopImage(QString path);
    bool setBtnImage(QString path);
    void setCircle(bool on);
    void setCircleLenght(int length);
    void setEnabledPull(bool on);
    void setShowValue(bool on);
    void SetVerticalMode(bool on);
    void setBtnHide();
    void setWidth(int width);
    void setValueRange(qint64 minimum, qint64 maximum);
    void setValue(float value);
    void resizeWidth();
    float getValue();

    float percent() const { return m_percent; }
    float position() const { return m_pos; }
    QSliderCtrlBtn* handle() const { return m_btn; }
    // The percentage as the horizontal modes write it (rounded: general, plain: 2 decimals).
    QString valueText() const;

signals:
    void sendProgressValue(double fraction);

public slots:
    void btnMouseMove(QMouseEvent* event, int grabX);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(qSliderCtrl)
    int usable() const;
    double fraction() const;
    void moveTo(float pos);
    void drawVertical(QPainter& painter);
    void drawRounded(QPainter& painter);
    void drawValueText(QPainter& painter);

    QPixmap m_btnPixmap;
    QPixmap m_bottomPixmap;
    QPixmap m_topPixmap;
    // What the value caption reads on over the track and over the fill.
    QColor m_onTrack{228, 228, 228};
    QColor m_onFill{31, 31, 31};
    int m_bottomWidth = 0;
    int m_bottomHeight = 0;
    QSliderCtrlBtn* m_btn = nullptr;
    float m_pos = 0;
    qint64 m_minimum = 0;
    qint64 m_maximum = 100;
    float m_percent = 0;
    int m_btnY = 0;
    int m_btnWidth = 0;
    bool m_hideBtn = false;
    bool m_circle = false;
    int m_circleLength = 5;
    bool m_pull = true;
    bool m_showValue = false;
    bool m_vertical = false;
};
