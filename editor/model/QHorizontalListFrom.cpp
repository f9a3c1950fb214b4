#include "QHorizontalListFrom.h"

#include "QHorizontalListItem.h"

#include <QPainter>
#include <QScrollBar>

QHorizontalListFrom::QHorizontalListFrom(QWidget* parent) : QWidget(parent)
{
    setupUi(this);
    initControls();
}

QHorizontalListFrom::~QHorizontalListFrom()
{
    qDeleteAll(m_itemList);
}

void QHorizontalListFrom::initControls()
{
    setMouseTracking(true);
    m_scrollArea->setFrameStyle(0);
    m_scrollArea->setMouseTracking(true);
    m_scrollAreaWidget->setMouseTracking(true);
    // Tiles stand edge to edge, 2 px in from the left.
    m_listLayout->setSpacing(0);
    m_listLayout->setContentsMargins(2, 1, 2, 1);
}

void QHorizontalListFrom::addListItem(QString thumbnailPath, QString title)
{
    auto* item = new QHorizontalListItem(m_scrollAreaWidget);
    connect(item, &QBaseItem::emitMousePress, this, &QHorizontalListFrom::itemMousePress);
    connect(item, &QBaseItem::emitMouseShiftPress, this, &QHorizontalListFrom::itemMouseShiftPress);
    connect(item, &QBaseItem::emitMouseCtrlPress, this, &QHorizontalListFrom::itemMouseCtrlPress);
    connect(item, &QBaseItem::emitShowTreeMenu, this, &QHorizontalListFrom::itemShowTreeMenu);
    item->setBackgroundColor(m_backgroundColor);
    item->setItem(thumbnailPath, title);
    m_listLayout->addWidget(item);
    m_itemList.append(item);
}

void QHorizontalListFrom::clear()
{
    qDeleteAll(m_itemList);
    m_itemList.clear();
    m_currentItem = nullptr;
    m_currentIndex = -1;
}

void QHorizontalListFrom::setBackgroundColor(QColor color)
{
    m_backgroundColor = color;
    QPalette palette;
    palette.setBrush(QPalette::All, QPalette::Window, QBrush(color, Qt::SolidPattern));
    m_scrollArea->setPalette(palette);
    for (QHorizontalListItem* item : qAsConst(m_itemList))
        item->setBackgroundColor(color);
    update();
}

void QHorizontalListFrom::setHorizontalScrollBar(QScrollBar* bar)
{
    m_scrollArea->setHorizontalScrollBar(bar);
}

void QHorizontalListFrom::setVerticalScrollBar(QScrollBar* bar)
{
    m_scrollArea->setVerticalScrollBar(bar);
}

QScrollArea* QHorizontalListFrom::getScrollArea() const
{
    return m_scrollArea;
}

int QHorizontalListFrom::getCurrentIndex() const
{
    return m_currentIndex;
}

void QHorizontalListFrom::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_itemList.size())
        return;
    for (int i = 0; i < m_itemList.size(); ++i)
        m_itemList.at(i)->setMouseState(i == index ? QBaseItem::SelectedState : QBaseItem::NormalState);
    m_currentItem = m_itemList.at(index);
    m_currentIndex = index;
}

void QHorizontalListFrom::clearSelectState()
{
    for (QHorizontalListItem* item : qAsConst(m_itemList)) {
        if (item->getMouseState() != QBaseItem::NormalState)
            item->setMouseState(QBaseItem::NormalState);
    }
    m_currentItem = nullptr;
    m_currentIndex = -1;
}

// Runs inside the pressed tile's own handler, which has already selected it.
void QHorizontalListFrom::itemMousePress()
{
    auto* pressed = qobject_cast<QHorizontalListItem*>(sender());
    for (QHorizontalListItem* item : qAsConst(m_itemList)) {
        if (item != pressed)
            item->setMouseState(QBaseItem::NormalState);
    }
    if (pressed == m_currentItem)
        return;
    m_currentItem = pressed;
    m_currentIndex = m_itemList.indexOf(pressed);
    emit currentIndexChanged(m_currentIndex);
}

// The strip keeps one selection: extended selection and menus are not offered.
void QHorizontalListFrom::itemMouseShiftPress() {}
void QHorizontalListFrom::itemMouseCtrlPress() {}
void QHorizontalListFrom::itemShowTreeMenu() {}

void QHorizontalListFrom::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backgroundColor);
}
