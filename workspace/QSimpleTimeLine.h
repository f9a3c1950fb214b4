#pragma once

#include "TimeItemInfo.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class QDrawLine;
class QTimeContainer;
class QTimeControl;
class QVelBaseButton;

// The "Simple Mode" view of the segment list: a ruler over the file's length,
// the segment strip under it, and a slider button with a dashed line that
// show and set the playback position.
class QSimpleTimeLine : public QWidget
{
    Q_OBJECT

public:
    explicit QSimpleTimeLine(QWidget* parent = nullptr);
    ~QSimpleTimeLine() override;

    void setTime(unsigned long long total);
    void setProgressValue(double position);
    double progressValue() const { return m_position; }
    void addTrimTime(const TimeItemInfo& info);
    void setCurrentTimeItemInfoChange(const TimeItemInfo& info);
    void deleteSelectedTimeItem();
    void clearAllData();
    void clearContainerData();
    void selectedTimeItemIndex(int index);
    bool isAddItem() const;
    int count() const;
    TimeItemInfo getCanAddTimeItemInfo() const;
    TimeItemInfo getCurrentTimeItemInfo() const;
    void setImageCount(int count);
    void setImageList(const QImage& frame);
    void setTimeColor(QColor text, QColor line, QColor background);
    void setBackgroundColor(QColor color);
    void setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other);
    void setSliderLineColor(QColor color);
    void setSliderButtonImageAndPos(QString path, int y);
    void setTimeLineMargins(int left, int top, int right, int bottom);
    void setTimeLineMargins(QMargins margins);

    bool isPullEnabled() const { return m_pull; }
    QTimeControl* ruler() const { return m_ruler; }
    QTimeContainer* strip() const { return m_strip; }
    QVelBaseButton* sliderButton() const { return m_button; }
    QDrawLine* positionLine() const { return m_line; }

signals:
    void emitTimeItemInfoChange(TimeItemInfo info, int index, bool startSide);
    void emitDeleteFile(int index);
    void emitProgressValueChanged(double percent);
    void emitMousePress();
    void emitMouseRelease();
    void emitMouseMoveEvent(QMouseEvent* event);
    void emitMousePressEvent(QMouseEvent* event);
    void emitMouseReleaseEvent(QMouseEvent* event);

public slots:
    void setEnabledPull(bool on) { m_pull = on; }
    void addTrimTime();
    void timeItemInfoChange(TimeItemInfo info, int index);
    void selectedNextItem();
    void selectedPreviousItem();
    int getCurrentIndex() const;
    void deletetimeItem(int) {}

private slots:
    void sliderBtnMouseMove(QMouseEvent* event, int offset);
    void sliderBtnMouseEnter(QEvent* event);
    void sliderBtnMouseLeave(QEvent* event);
    void sliderBtnMouseDown(QMouseEvent* event, int offset);
    void sliderBtnMouseRelease(QMouseEvent* event, int offset);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QSimpleTimeLine)
    int usableWidth() const { return width() - 20; }
    int buttonBottom() const;
    void placeAt(int x);

    QTimeControl* m_ruler = nullptr;
    QTimeContainer* m_strip = nullptr;
    QVelBaseButton* m_button = nullptr;
    QDrawLine* m_line = nullptr;
    bool m_pull = true;
    unsigned long long m_total = 0;
    int m_margins[4] = {0, 0, 0, 0};
    double m_position = 0;
    bool m_pressed = false;
    QColor m_bgColor = QColor(51, 51, 51);
    int m_buttonY = 20;
};
