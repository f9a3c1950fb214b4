#include "QTimeContainer.h"
#include "VideoImageWindow.h"

#include "QTimeItem.h"

#include <QMouseEvent>
#include <QPainter>
#include <QtMath>

QTimeContainer::QTimeContainer(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    m_pressTimer.setSingleShot(false);
    connect(&m_pressTimer, &QTimer::timeout, this, &QTimeContainer::pressTimer);
}

QTimeContainer::~QTimeContainer() = default;

QTimeItem* QTimeContainer::createItem(bool stripColours)
{
    auto* item = new QTimeItem(this);
    if (stripColours)
        item->setTimeItemBGColor(m_colors[0], m_colors[1], m_colors[2], m_colors[3]);
    item->setMouseState(QTimeItem::Selected);
    connect(item, &QTimeItem::emitMousePress, this, &QTimeContainer::itemMousePress);
    connect(item, &QTimeItem::emitShowTreeMenu, this, &QTimeContainer::itemShowTreeMenu);
    return item;
}

void QTimeContainer::addTimeItem(const TimeItemInfo& info)
{
    for (QTimeItem* item : qAsConst(m_items))
        item->setMouseState(QTimeItem::Normal);
    QTimeItem* item = createItem(true);
    item->setItemInfo(info);
    const int w = width();
    int boxWidth;
    int x;
    if (!m_items.isEmpty()) {
        boxWidth = info.end == 1.0f ? int(w - (w * info.start + 0.5 - 1.0)) : int(w * info.length + 0.5);
        x = int(w * info.start + 0.5);
    } else {
        boxWidth = info.length == 1.0f ? w : int(w * info.length + 0.5);
        x = int(w * info.start);
    }
    item->setGeometry(x, 0, boxWidth, height());
    item->show();
    m_items.append(item);
    m_selected = item;
    m_currentIndex = m_items.size() - 1;
}

void QTimeContainer::addTimeItem()
{
    const int w = width();
    if (!m_items.isEmpty() && w - m_items.last()->right() < 3)
        return;
    for (QTimeItem* item : qAsConst(m_items))
        item->setMouseState(QTimeItem::Normal);
    QTimeItem* item = createItem(false);
    if (m_items.isEmpty()) {
        item->setItemInfo({0, 1, 1, 0, 1});
        item->setGeometry(0, 0, w, height());
    } else {
        const int lastRight = m_items.last()->right();
        const float left = float(lastRight) / w;
        item->setItemInfo({left, 1.0f, float(w - lastRight) / w, left, 1.0f});
        item->setGeometry(lastRight + 1, 0, w - 1 - lastRight, height());
    }
    item->show();
    m_items.append(item);
    m_selected = item;
    m_currentIndex = m_items.size() - 1;
}

bool QTimeContainer::isAddItem() const
{
    return m_items.isEmpty() || width() - m_items.last()->right() > 2;
}

TimeItemInfo QTimeContainer::getCanAddTimeItemInfo() const
{
    if (m_items.isEmpty())
        return {0, 1, 1, 0, 1};
    const float lastEnd = m_items.last()->getItemInfo().end;
    return {lastEnd, 1.0f, 1.0f - lastEnd, lastEnd, 1.0f};
}

TimeItemInfo QTimeContainer::getCurrentTimeItemInfo() const
{
    return m_selected ? m_selected->getItemInfo() : TimeItemInfo();
}

void QTimeContainer::refreshBounds(int index)
{
    QTimeItem* item = m_items.value(index);
    if (!item)
        return;
    const double w = width() > 0 ? width() : 1;
    TimeItemInfo info = item->getItemInfo();
    const int n = m_items.size();
    // Pixel edges are rounded; the neighbours' own records keep a bound from
    // reaching into them by that rounding.
    info.minStart = index > 0
        ? qMax(float((m_items[index - 1]->right() + 1) / w), m_items[index - 1]->getItemInfo().end)
        : 0.0f;
    info.maxEnd = index < n - 1 ? qMin(float(m_items[index + 1]->x() / w), m_items[index + 1]->getItemInfo().start)
                                : 1.0f;
    item->setItemInfo(info);
}

void QTimeContainer::selectOnly(int index)
{
    for (int i = 0; i < m_items.size(); ++i)
        m_items[i]->setMouseState(i == index ? QTimeItem::Selected : QTimeItem::Normal);
    m_currentIndex = index;
    m_selected = m_items.value(index);
}

void QTimeContainer::selectedTimeItemIndex(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    if (m_items[index] != m_selected)
        selectOnly(index);
    refreshBounds(index);
}

void QTimeContainer::itemMousePress()
{
    auto* item = qobject_cast<QTimeItem*>(sender());
    const int index = m_items.indexOf(item);
    if (!item || index < 0 || item == m_selected)
        return;
    for (QTimeItem* other : qAsConst(m_items)) {
        if (other != item)
            other->setMouseState(QTimeItem::Normal);
    }
    m_currentIndex = index;
    refreshBounds(index);
    m_selected = item;
    emit emitTimeItemInfoChange(item->getItemInfo(), index, true);
}

void QTimeContainer::deleteSelectedTimeItem()
{
    if (!m_selected)
        return;
    const int index = m_items.indexOf(m_selected);
    if (m_items.size() == 1) {
        delete m_items.takeFirst();
        m_selected = nullptr;
        clearAllData();
        update();
        emit emitDeleteFile(index);
        return;
    }
    QTimeItem* neighbour = index > 0 ? m_items[index - 1] : m_items[1];
    delete m_items.takeAt(index);
    m_selected = nullptr;
    emit emitDeleteFile(index);
    selectOnly(m_items.indexOf(neighbour));
    refreshBounds(m_currentIndex);
    update();
    emit emitTimeItemInfoChange(neighbour->getItemInfo(), m_currentIndex, true);
}

void QTimeContainer::timeItemInfoChange(const TimeItemInfo& info, int index)
{
    QTimeItem* item = m_items.value(index);
    if (!item)
        return;
    item->setItemInfo(info);
    const int w = width();
    const double boxWidth = w * info.length + 0.5;
    const double left = w * info.start + 0.5;
    int x = int(left);
    if (boxWidth >= 3) {
        item->setGeometry(x, 0, int(boxWidth), height());
        return;
    }
    // Too narrow to grab: keep three columns without covering the next box or the end.
    if (index < m_items.size() - 1) {
        const int nextX = m_items[index + 1]->x();
        if (left + 3 > nextX)
            x = nextX - 3;
    } else if (left + 3 > w) {
        x = w - 3;
    }
    item->setGeometry(x, 0, 3, height());
}

void QTimeContainer::setCurrentTimeItemInfoChange(const TimeItemInfo& info)
{
    if (m_selected)
        timeItemInfoChange(info, m_items.indexOf(m_selected));
}

void QTimeContainer::nextItem()
{
    if (m_items.size() < 2 || !m_selected)
        return;
    const int index = (m_items.indexOf(m_selected) + 1) % m_items.size();
    selectOnly(index);
    refreshBounds(index);
    emit emitTimeItemInfoChange(m_selected->getItemInfo(), index, true);
}

void QTimeContainer::previousItem()
{
    if (m_items.size() < 2 || !m_selected)
        return;
    const int index = (m_items.indexOf(m_selected) + m_items.size() - 1) % m_items.size();
    selectOnly(index);
    refreshBounds(index);
    emit emitTimeItemInfoChange(m_selected->getItemInfo(), index, true);
}

void QTimeContainer::clearContentData()
{
    m_pressTimer.stop();
    qDeleteAll(m_items);
    m_items.clear();
    m_selected = nullptr;
    m_currentIndex = -1;
    m_state = Idle;
}

void QTimeContainer::clearAllData()
{
    clearContentData();
    m_image = QImage();
    update();
}

void QTimeContainer::heightChange()
{
    for (QTimeItem* item : qAsConst(m_items))
        item->resize(item->width(), height());
}

void QTimeContainer::setImageCount(int count)
{
    count = qMax(1, count);
    m_slotWidth = width() / count;
    // The film is kept at the screen's pixel density, so its pictures stay sharp
    // on a high-density screen.
    const qreal ratio = qMax<qreal>(1.0, devicePixelRatioF());
    m_image = QImage(qMax(1, qCeil(width() * ratio)), qCeil(120 * ratio), QImage::Format_ARGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::transparent);
    m_nextPos = QPoint(0, 0);
    update();
}

void QTimeContainer::setImageList(const QImage& frame)
{
    if (m_slotWidth <= 0 || m_image.isNull())
        return;
    if (!frame.isNull()) {
        // The whole picture, fitted into the slot and centred: a crop to the tall
        // slot would leave a wide frame only a magnified middle column.
        const QRect slot(m_nextPos, QSize(m_slotWidth, 120));
        const QRect target = VideoImageWindow::fittedRect(slot.size(), frame.width(), frame.height())
                                 .translated(slot.topLeft());
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(target, frame);
    }
    m_nextPos.rx() += m_slotWidth;
    update();
}

void QTimeContainer::setBackgroundColor(QColor color)
{
    m_bgColor = color;
    update();
}

void QTimeContainer::setTimeItemBGColor(QColor normal, QColor hover, QColor selected, QColor other)
{
    m_colors[0] = normal;
    m_colors[1] = hover;
    m_colors[2] = selected;
    m_colors[3] = other;
}

void QTimeContainer::layoutFromInfo(QTimeItem* item, const TimeItemInfo& info)
{
    const int w = width();
    item->setGeometry(int(w * info.start + 0.5), 0, qMax(3, int(w * info.length + 0.5)), height());
}

void QTimeContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QTimeItem* item : qAsConst(m_items))
        layoutFromInfo(item, item->getItemInfo());
}

void QTimeContainer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), m_bgColor);
    if (!m_image.isNull())
        painter.drawImage(QRect(0, (h - 120) / 2, w, 120), m_image);
    if (m_items.isEmpty())
        return;
    // The stretches no segment covers are dimmed.
    const QColor dim(0, 0, 0, 204);
    auto dimColumns = [&](int from, int to) {
        if (to >= from)
            painter.fillRect(QRect(from, 0, to - from + 1, h), dim);
    };
    dimColumns(0, m_items.first()->x() - 1);
    for (int i = 1; i < m_items.size(); ++i)
        dimColumns(m_items[i - 1]->right(), m_items[i]->x() - 1);
    dimColumns(m_items.last()->right(), w - 1);
}
