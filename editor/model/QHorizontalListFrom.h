#pragma once

#include "ui_QHorizontalListFrom.h"

#include <QColor>
#include <QList>
#include <QWidget>

class QHorizontalListItem;
class QScrollArea;
class QScrollBar;

// A one-row, horizontally scrolling strip of thumbnail tiles with one current
// tile. Only a press on another tile reports a change (currentIndexChanged);
// marking a tile from code is silent.
class QHorizontalListFrom : public QWidget, private Ui_QHorizontalListFrom
{
    Q_OBJECT
    Q_DISABLE_COPY(QHorizontalListFrom)

public:
    explicit QHorizontalListFrom(QWidget* parent = nullptr);
    ~QHorizontalListFrom() override;

    void addListItem(QString thumbnailPath, QString title);
    void clear();
    void setBackgroundColor(QColor color);
    // The scroll area takes the bar over.
    void setHorizontalScrollBar(QScrollBar* bar);
    void setVerticalScrollBar(QScrollBar* bar);
    QScrollArea* getScrollArea() const;
    int getCurrentIndex() const;
    void setCurrentIndex(int index);
    void clearSelectState();

signals:
    void currentIndexChanged(int index);

private slots:
    void itemMousePress();
    void itemMouseShiftPress();
    void itemMouseCtrlPress();
    void itemShowTreeMenu();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void initControls();

    QColor m_backgroundColor{74, 74, 74, 255};
    QList<QHorizontalListItem*> m_itemList;
    QHorizontalListItem* m_currentItem = nullptr;
    int m_currentIndex = -1;
};
