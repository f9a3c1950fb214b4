#include "QVelMenuStyle.h"

#include "QBaseImageDraw.h"

#include <QComboBox>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <algorithm>

QVelMenuStyle::QVelMenuStyle() : QProxyStyle(), m_attribute(new QVelMenuStyleAttribute) {}

QVelMenuStyle::~QVelMenuStyle()
{
    delete m_attribute;
}

QVelMenuStyleAttribute* QVelMenuStyle::attribute() const { return m_attribute; }

QColor QVelMenuStyle::mergedColors(const QColor& a, const QColor& b, int factor)
{
    QColor color = a;
    color.setRed(b.red() * (100 - factor) / 100 + a.red() * factor / 100);
    color.setGreen(b.green() * (100 - factor) / 100 + a.green() * factor / 100);
    color.setBlue(b.blue() * (100 - factor) / 100 + a.blue() * factor / 100);
    return color;
}

int QVelMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    case PM_MenuPanelWidth:
        return m_attribute->frameWidth;
    case PM_SmallIconSize:
        return m_attribute->iconSize;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void QVelMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    if (element != PE_FrameMenu) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (!m_attribute->backgroundImage.isNull()) {
        QImage image = m_attribute->backgroundImage;
        QBaseImageDraw::drawBtnImageBg(*painter, option->rect, image, true);
        return;
    }
    painter->fillRect(option->rect, m_attribute->frameColor);
}

void QVelMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == CE_MenuEmptyArea) {
        painter->fillRect(option->rect, m_attribute->areaColor);
        return;
    }
    if (element == CE_MenuItem) {
        if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            drawMenuItem(item, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

namespace {

bool isActive(const QStyleOption* option)
{
    return (option->state & QStyle::State_Selected) && (option->state & QStyle::State_Enabled);
}

void drawFitted(QPainter* painter, const QRect& box, const QImage& source)
{
    QImage image = source;
    const int w = std::min(box.width(), image.width() / 2);
    const int h = std::min(box.height(), image.height() / 2);
    const QRect target(box.x() + (box.width() - w) / 2, box.y() + (box.height() - h) / 2, w, h);
    QBaseImageDraw::drawImage(*painter, target, QRect(QPoint(0, 0), QPoint(image.width() / 2 - 1, image.height() / 2 - 1)),
                              image);
}

} // namespace

void QVelMenuStyle::drawMenuItem(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const
{
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->fillRect(item->rect, m_attribute->itemColor);
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        drawSeparator(item, painter);
        painter->restore();
        return;
    }
    if (isActive(item))
        painter->fillRect(item->rect, m_attribute->itemSelectColor);
    if (!qobject_cast<const QComboBox*>(widget))
        drawCheckState(item, painter, widget);
    if (!(item->state & State_Enabled))
        painter->fillRect(item->rect, m_attribute->itemDisabledColor);
    drawIconTextArrow(item, painter, widget);
    painter->restore();
}

void QVelMenuStyle::drawSeparator(const QStyleOptionMenuItem* item, QPainter* painter) const
{
    const QRect r = item->rect;
    int kept = 0;
    if (!item->text.isEmpty()) {
        painter->save();
        painter->setFont(item->font);
        painter->setPen(item->palette.color(QPalette::Text));
        const QRect textRect = r.adjusted(5, 0, -5, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, item->text);
        painter->restore();
        kept = QFontMetrics(item->font).horizontalAdvance(item->text) + 5;
    }
    const int y = (r.top() + r.bottom()) / 2;
    int left = r.left() + 5;
    int right = r.right() - 5;
    if (item->direction == Qt::RightToLeft)
        right -= kept;
    else
        left += kept;
    painter->setPen(m_attribute->separatorColor);
    painter->drawLine(left, y, right, y);
}

void QVelMenuStyle::drawCheckState(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget*) const
{
    if (item->checkType == QStyleOptionMenuItem::NotCheckable)
        return;
    const QRect r = item->rect;
    const int centre = (r.top() + r.bottom()) / 2;
    QRect mark(QPoint(r.left() + 7, centre - 6), QPoint(r.left() + 20, centre + 7));
    mark = visualRect(item->direction, r, mark);
    const bool active = isActive(item);
    if (item->checkType == QStyleOptionMenuItem::Exclusive) {
        if (!item->checked)
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(Qt::NoPen);
        if (!m_attribute->radioImage.isNull()) {
            drawFitted(painter, mark, m_attribute->radioImage);
        } else {
            painter->setBrush(active ? m_attribute->itemTextSelectColor : m_attribute->itemTextColor);
            painter->drawEllipse(mark.adjusted(4, 4, -4, -4));
        }
        painter->restore();
        return;
    }
    if (!item->icon.isNull())
        return;
    const QImage& image = item->checked ? m_attribute->checkedImage : m_attribute->uncheckedImage;
    if (!image.isNull()) {
        drawFitted(painter, mark, image);
        return;
    }
    // Without pictures the mark is a tick in the text's colour, as the radio dot is: the
    // platform's check box would be a light square in the middle of the dark menu.
    if (!item->checked)
        return;
    const QColor color = active ? m_attribute->itemTextSelectColor : m_attribute->itemTextColor;
    const QRectF box = QRectF(mark).adjusted(2, 2, -2, -2);
    QPen pen(color, 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const QPointF tick[] = {{box.left() + box.width() * 0.1, box.top() + box.height() * 0.55},
                            {box.left() + box.width() * 0.4, box.top() + box.height() * 0.85},
                            {box.left() + box.width() * 0.9, box.top() + box.height() * 0.2}};
    painter->drawPolyline(tick, 3);
    painter->restore();
}

void QVelMenuStyle::drawIconTextArrow(const QStyleOptionMenuItem* item, QPainter* painter, const QWidget* widget) const
{
    const QRect r = item->rect;
    const bool active = isActive(item);
    const bool enabled = item->state & State_Enabled;
    const bool inCombo = qobject_cast<const QComboBox*>(widget) != nullptr;
    const int widest = item->maxIconWidth;
    const int iconColumn = inCombo ? (item->icon.isNull() ? 0 : widest) : std::max(20, widest);

    if (!item->icon.isNull()) {
        QRect iconRect(QPoint(r.left() + 4, r.top()), QPoint(r.left() + 3 + iconColumn, r.bottom()));
        iconRect = visualRect(item->direction, r, iconRect);
        const QIcon::Mode mode = active ? QIcon::Active : (!enabled ? QIcon::Disabled : QIcon::Normal);
        const QIcon::State state = item->checked ? QIcon::On : QIcon::Off;
        int size = pixelMetric(PM_SmallIconSize, item, widget);
        if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            size = combo->iconSize().width();
        if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
            QStyleOptionButton panel;
            panel.QStyleOption::operator=(*item);
            panel.rect = iconRect;
            panel.state = item->state | State_Sunken;
            if (item->state & State_Selected)
                panel.palette.setColor(QPalette::Button,
                                       mergedColors(m_attribute->itemColor, m_attribute->itemSelectColor, 50));
            QProxyStyle::drawPrimitive(PE_PanelButtonCommand, &panel, painter, widget);
        }
        const QPixmap pixmap = item->icon.pixmap(size, mode, state);
        const int pw = int(pixmap.width() / pixmap.devicePixelRatio());
        const int ph = int(pixmap.height() / pixmap.devicePixelRatio());
        const int x = (iconRect.left() + iconRect.right()) / 2 - (pw - 1) / 2;
        const int y = (iconRect.top() + iconRect.bottom()) / 2 - (ph - 1) / 2;
        painter->drawPixmap(x, y, pixmap);
    }

    QColor textColor = active ? m_attribute->itemTextSelectColor : m_attribute->itemTextColor;
    if (!enabled)
        textColor = m_attribute->itemTextDisabledColor;
    painter->setPen(textColor);
    QRect textRect(QPoint(r.left() + 7 + iconColumn, r.top() + 8), QPoint(r.right() - item->tabWidth - 14, r.bottom() - 8));
    textRect = visualRect(item->direction, r, textRect);
    int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip | Qt::TextShowMnemonic;
    if (!styleHint(SH_UnderlineShortcut, item, widget))
        flags |= Qt::TextHideMnemonic;
    QFont font = item->font;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(QFontInfo(item->font).pointSizeF());
    if (item->menuItemType == QStyleOptionMenuItem::DefaultItem)
        font.setWeight(75);
    painter->setFont(font);
    QString text = item->text;
    const int tab = text.indexOf('\t');
    // A disabled item is drawn once, in the disabled colour: an etched copy offset
    // beneath it would be lighter than the enabled items on a dark menu.
    if (tab >= 0) {
        const QString shortcut = text.mid(tab + 1);
        QRect shortcutRect(QPoint(textRect.right(), textRect.top()), QPoint(r.right(), textRect.bottom()));
        shortcutRect = visualRect(item->direction, r, shortcutRect);
        painter->drawText(shortcutRect, flags, shortcut);
        text = text.left(tab);
    }
    painter->drawText(textRect, flags, text);

    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        const int side = (r.height() - 4) / 2;
        const int top = r.height() / 2 + r.top() - (r.height() - 4) / 4;
        QRect arrow(QPoint(r.right() - 2 - side, top), QPoint(r.right() - 3, top + side - 1));
        arrow = visualRect(item->direction, r, arrow);
        const int middle = arrow.top() + (arrow.bottom() + 1 - arrow.top()) / 2;
        QPolygon triangle;
        if (item->direction == Qt::RightToLeft)
            triangle << QPoint(arrow.right() + 1, arrow.top()) << QPoint(arrow.left(), middle)
                     << QPoint(arrow.right() + 1, arrow.bottom() + 1);
        else
            triangle << QPoint(arrow.left(), arrow.top()) << QPoint(arrow.right() + 1, middle)
                     << QPoint(arrow.left(), arrow.bottom() + 1);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, true);
        painter->setPen(Qt::NoPen);
        painter->setBrush(active ? m_attribute->itemTextSelectColor : m_attribute->itemTextColor);
        painter->drawPolygon(triangle);
        painter->restore();
    }
}

QSize QVelMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                      const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item || (m_attribute->itemWidth <= 0 && m_attribute->itemHeight <= 0))
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    int w;
    int h;
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        w = 10;
        h = 2;
    } else {
        w = size.width();
        h = QFontMetrics(item->font).height() + 8;
        if (!item->icon.isNull()) {
            const int iconSize = pixelMetric(PM_SmallIconSize, option, widget);
            h = std::max(h, item->icon.actualSize(QSize(iconSize, iconSize)).height() + 4);
        }
    }
    if (item->text.contains('\t'))
        w += 32;
    const int iconPart = item->maxIconWidth > 0 ? item->maxIconWidth + 6 : 0;
    const int checkPart = (item->menuHasCheckableItems && item->maxIconWidth < 20) ? 20 - item->maxIconWidth : 0;
    w += iconPart + checkPart;
    if (iconPart > 0 || checkPart > 0)
        w += 2;
    w += 52;
    if (m_attribute->itemWidth > 0)
        w = m_attribute->itemWidth;
    if (m_attribute->itemHeight > 0)
        h = m_attribute->itemHeight;
    return QSize(w, h);
}
