#pragma once

#include <QColor>
#include <QWidget>

class QProgressIndicatorPrivate;

// Endless busy animation: twelve fading marks turning by 30 degrees per tick.
class QProgressIndicator : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int delay READ animationDelay WRITE setAnimationDelay)
    Q_PROPERTY(bool displayedWhenStopped READ isDisplayedWhenStopped WRITE setDisplayedWhenStopped)
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    enum IndicatorPolicy { RoundedBars = 1, Dots = 2 };

    explicit QProgressIndicator(QWidget* parent = nullptr);
    ~QProgressIndicator() override;

    int animationDelay() const;
    bool isAnimated() const;
    bool isDisplayedWhenStopped() const;
    const QColor& color() const;
    void setIndicatorPolicy(IndicatorPolicy policy);

    QSize sizeHint() const override;
    int heightForWidth(int w) const override;

    // Rotation of the first mark in degrees (0, 30, ... 330).
    int angle() const;

    virtual void DrawAnimation(QPainter& painter);

public slots:
    void startAnimation();
    void stopAnimation();
    void setAnimationDelay(int delay);
    void setDisplayedWhenStopped(bool state);
    void setColor(const QColor& color);

protected:
    void timerEvent(QTimerEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QProgressIndicator)
    QProgressIndicatorPrivate* d;
};
