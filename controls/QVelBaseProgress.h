#pragma once

#include <QColor>
#include <QImage>
#include <QPair>
#include <QVector>
#include <QWidget>

class QVelBaseProgressPrivate;

// A value between a minimum and a maximum, drawn as a horizontal or vertical bar
// from track and fill pictures (or palette colours), or as a ring; with an optional
// text built from "%v" (value), "%p" (percentage) and "%m" (range).
class QVelBaseProgress : public QWidget
{
    Q_OBJECT

public:
    enum ProgressPolicy { HorizontalBar = 1, VerticalBar = 2, Ring = 3 };
    enum BarStyle { StyleDonut = 0, StylePie = 1, StyleLine = 2 };

    explicit QVelBaseProgress(QWidget* parent = nullptr);
    ~QVelBaseProgress() override;

    void setProgressPolicy(ProgressPolicy policy);
    ProgressPolicy progressPolicy() const;
    void setBarStyle(BarStyle style);
    BarStyle barStyle() const;
    bool setBottomImage(QString path);
    bool setTopImage(QString path);
    double value() const;
    double minimum() const;
    double maximum() const;
    void setFormat(const QString& format);
    void resetFormat();
    QString format() const;
    QString getFormatValue() const;
    void setTextAlignment(int alignment);
    void setTextOffset(float x, float y);
    void setDecimals(int decimals);
    int decimals() const;
    void setCircle(bool on);
    void setCircleLenght(int length);
    void setOffset(int start, int end);
    int getTLOffset() const;
    int getRBOffset() const;
    void setOutlinePenWidth(double width);
    double outlinePenWidth() const;
    void setDataPenWidth(double width);
    double dataPenWidth() const;
    void setNullPosition(double position);
    double nullPosition() const;
    void setDataColors(const QVector<QPair<double, QColor>>& stops);
    void setUpdateInterval(int ms);
    int getDefaultCircle();
    // Length of the fill for the current value, in logical pixels (0 when the range is empty).
    double filledLength() const;
    bool repaintPending() const;

signals:
    void valueChanged(double value);

public slots:
    void setRange(double minimum, double maximum);
    void setMinimum(double minimum);
    void setMaximum(double maximum);
    void setValue(double value);
    void setValue(int value);
    void UpdateTime();

protected:
    void paintEvent(QPaintEvent* event) override;

    virtual void DrawBackground(QPainter& painter);
    virtual void DrawBottomImage(QPainter& painter, int radius);
    virtual void DrawTopImage(QPainter& painter, QImage& image, int radius);
    virtual void DrawProgress(QPainter& painter);
    virtual void DrawProgressText(QPainter& painter);
    virtual QString valueToText(double value) const;
    virtual void valueFormatChanged();
    virtual void drawBase(QPainter& painter, const QRectF& rect);
    virtual void drawRoundValue(QPainter& painter, const QRectF& rect, double value, double arc);
    virtual void calculateInnerRect(const QRectF& outer, double size, QRectF& inner, double& innerSize);
    virtual void drawInnerBackground(QPainter& painter, const QRectF& inner);

    QRect getBgRect() const;
    // Fraction of the range the value stands at; 0 when the range is empty.
    double valueFraction(double value) const;

private:
    Q_DISABLE_COPY(QVelBaseProgress)
    void rebuildDataBrush();
    void DrawCircleImage(QPainter& painter, QImage& image, const QRect& target, int cap);
    QImage createImage(const QSize& logical, int radius);
    QVelBaseProgressPrivate* d;
};
