#pragma once

#include "QVelBaseProgress.h"

class QMouseEvent;
class QVelBaseButton;
class QVelBaseSliderPrivate;

// A progress bar turned into a slider: a draggable handle, clicks and drags on the
// track, arrow keys stepping by a hundredth of the range.
class QVelBaseSlider : public QVelBaseProgress
{
    Q_OBJECT

public:
    explicit QVelBaseSlider(QWidget* parent = nullptr);
    ~QVelBaseSlider() override;

    bool setBtnImage(QString path);
    void setOffset(int start, int end);
    QVelBaseButton* getButton() const;
    void setBtnOffset(int offset);
    void setValue(double value);
    void setValue(int value);
    void setEnabledPull(bool on);
    bool enablePull() const;
    // Track length that values map onto; 0 for the ring.
    int validLength() const;
    // Where the value sits along the track, in widget coordinates.
    QPoint valueToPoint() const;

signals:
    void sendProgressValue(double fraction);
    void sendPressEvent(QMouseEvent* event);
    void sendReleseEvent(QMouseEvent* event);

public slots:
    void btnMouseMove(QMouseEvent* event, int pressX);
    void btnMouseDown(QMouseEvent* event, int pressX);
    void btnMouseRelease(QMouseEvent* event, int pressX);

protected:
    virtual void calcBtnPostion();
    virtual void OnKeyLeftDown();
    virtual void OnKeyRightUp();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(QVelBaseSlider)
    void PointToValue(const QPoint& point);
    void stepValue(double delta);
    QPoint localPoint(QMouseEvent* event) const;
    QVelBaseSliderPrivate* d;
};
