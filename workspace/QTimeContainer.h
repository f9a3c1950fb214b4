#pragma once

#include "TimeItemInfo.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QTimer>
#include <QWidget>

class QTimeItem;

// The lower band of the time line: a film of thumbnails with one box per
// segment on top. Boxes are selected by a click, resized by their edges and
// moved after a 100 ms hold in their middle, never over a neighbour or past
// either end; every change is reported as a TimeItemInfo with the box's index.
class QTimeContainer : public QWidget
{
    Q_OBJECT

public:
    enum DragState { Idle = 0, LeftEdge = 3, RightEdge = 6, Moving = 9, Narrow = 10 };

    explicit QTimeContainer(QWidget* parent = nullptr);
    ~QTimeContainer() override;

    void addTimeItem(const TimeItemInfo& info);
    void addTimeItem();
    bool isAddItem() const;
    TimeItemInfo getCanAddTimeItemInfo() const;
    TimeItemInfo getCurrentTimeItemInfo() const;
    int getCurrentIndex() const { return m_currentIndex; }
    int count() const { return m_items.size(); }
    void selectedTimeItemIndex(int index);
    void deleteSelectedTimeItem();
    void timeItemInfoChange(const TimeItemInfo& info, int index);
    void setCurrentTimeItemInfoChange(const TimeItemInfo& info);
    void nextItem();
    void previousItem();
    void clearAllData();
    void clearContentData();
    void heightChange();

    void setImageCount(int count);
    void setImageList(const QImage& frame);
    const QImage& filmImage() const { return m_image; }
    int slotWidth() const { return m_slotWidth; }
    int filledSlots() const { return m_slotWidth > 0 ? m_nextPos.x() / m_slotWidth : 0; }

    void setBackgroundColor(QColor color);
    void setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other);

    QTimeItem* itemAt(int index) const { return m_items.value(index); }
    int dragState() const { return m_state; }

signals:
    void emitTimeItemInfoChange(TimeItemInfo info, int index, bool startSide);
    void emitDeleteFile(int index);

public slots:
    void mainMousePressEvent(QMouseEvent* event);
    void mainMouseMoveEvent(QMouseEvent* event);
    void mainMouseReleaseEvent(QMouseEvent* event);
    void mouseReleaseStateInSelectedItem();

private slots:
    void itemMousePress();
    void itemShowTreeMenu() {}
    void pressTimer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QTimeContainer)
    QTimeItem* createItem(bool stripColours);
    void selectOnly(int index);
    void refreshBounds(int index);
    void layoutFromInfo(QTimeItem* item, const TimeItemInfo& info);
    void recordPress(QPoint p);
    void hoverFeedback(QPoint p);
    void reportSelected(bool startSide);
    void dragLeftEdge(int dx);
    void dragRightEdge(int dx);

    QList<QTimeItem*> m_items;
    QTimeItem* m_selected = nullptr;
    int m_currentIndex = -1;
    int m_state = Idle;

    QPoint m_pressPt;
    int m_pressW = 0;
    int m_pressH = 0;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_leftBound = 0;
    int m_rightBound = 0;
    QPoint m_lastGlobal; // where the pointer was last seen, for the long press

    int m_slotWidth = 0;
    QImage m_image;
    QPoint m_nextPos;
    QTimer m_pressTimer;

    QColor m_bgColor = QColor(51, 51, 51);
    QColor m_colors[4] = {QColor(74, 74, 74), QColor(74, 74, 74), QColor(244, 229, 137), QColor(74, 74, 74)};
};
