#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QWidget>

// The time ruler above the segment strip: minor and major ticks over the file's
// length and a time label at every major tick. It takes no input of its own.
class QTimeControl : public QWidget
{
    Q_OBJECT

public:
    explicit QTimeControl(QWidget* parent = nullptr);

    void setTime(unsigned long long total);
    void clearData();
    void getSpaceTime2(unsigned long long total);
    static QString timeToString(unsigned long long us);
    // The label interval the ruler uses for a total, in microseconds.
    static unsigned long long labelInterval(unsigned long long total);

    void setLineColor(QColor color) { m_lineColor = color; }
    void setTextColor(QColor color) { m_textColor = color; }
    void setTimeBGColor(QColor color) { m_bgColor = color; }
    void setTimeFont(QFont font);
    void setTimePoint(QPoint point) { m_timePoint = point; }

    unsigned long long totalTime() const { return m_total; }
    unsigned long long step() const { return m_step; }
    bool hasTime() const { return m_hasTime; }
    // The x of every tick, as painted; empty when nothing can be divided.
    QVector<int> tickPositions() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QTimeControl)
    double tickSpacing() const;

    unsigned long long m_total = 3600000000ULL;
    unsigned long long m_step = 0;
    bool m_hasTime = false;
    QColor m_lineColor = QColor(0, 160, 230);
    QColor m_textColor = QColor(0, 0, 0);
    QColor m_bgColor = QColor(32, 32, 32);
    QFont m_font;
    QPoint m_timePoint;
};
