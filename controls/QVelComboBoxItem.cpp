#include "QVelComboBoxItem.h"

#include <QListWidget>
#include <QPainter>

class QVelComboBoxItemPrivate
{
public:
    QListWidgetItem* item = nullptr;
    QComboBoxItemAttribute* attribute = nullptr;
    bool hovered = false;
    QWidget* widget = nullptr;
    int separatorHeight = 0;
};

QVelComboBoxItem::QVelComboBoxItem(QWidget* parent, QListWidgetItem* item)
    : QWidget(parent), QVelBaseRectImageDraw(this), d(new QVelComboBoxItemPrivate)
{
    d->item = item;
    d->attribute = new QComboBoxItemAttribute;
    setDrawTextMargins(5, 0, 0, 0);
    setBtnMode(true);
}

QVelComboBoxItem::~QVelComboBoxItem()
{
    delete d->attribute;
    delete d;
}

void QVelComboBoxItem::setItemAttribute(QComboBoxItemAttribute attribute)
{
    *d->attribute = attribute;
    update();
}

QComboBoxItemAttribute QVelComboBoxItem::itemAttribute() const { return *d->attribute; }
QListWidgetItem* QVelComboBoxItem::listItem() const { return d->item; }
bool QVelComboBoxItem::isHovered() const { return d->hovered; }

void QVelComboBoxItem::setWidgt(QWidget* widget)
{
    d->widget = widget;
    placeWidget();
}

QWidget* QVelComboBoxItem::getWidgt() const { return d->widget; }

void QVelComboBoxItem::setWidgtPos(QPoint pos)
{
    d->attribute->widgetPos = pos;
    placeWidget();
}

void QVelComboBoxItem::setSeparatorHeight(int height)
{
    d->separatorHeight = height;
    update();
}

int QVelComboBoxItem::separatorHeight() const { return d->separatorHeight; }

int QVelComboBoxItem::index() const
{
    if (!d->item || !d->item->listWidget())
        return -1;
    return d->item->listWidget()->row(d->item);
}

int QVelComboBoxItem::calcItemWidth(QString text, QFont font) const
{
    const QMargins margins = drawTextMargins();
    return QFontMetrics(font).horizontalAdvance(text) + margins.left() + margins.right() + 1;
}

void QVelComboBoxItem::placeWidget()
{
    if (!d->widget)
        return;
    QPoint pos = d->attribute->widgetPos;
    if (pos.x() < 0)
        pos.setX(2);
    if (pos.y() < 0)
        pos.setY((height() - d->widget->height()) / 2);
    d->widget->move(pos);
}

void QVelComboBoxItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QComboBoxItemAttribute& a = *d->attribute;
    QListWidget* list = d->item ? d->item->listWidget() : nullptr;
    painter.save();
    painter.setPen(Qt::NoPen);
    setCheckState(false);
    QColor fill;
    if (!a.hoverColorSet) {
        fill = d->hovered ? a.selectedColor : a.bgColor;
    } else {
        if (list && list->currentItem() == d->item)
            setCheckState(true);
        fill = d->hovered ? a.hoverColor : a.bgColor;
    }
    painter.fillRect(rect(), fill);
    if (a.spacing > 0 && list) {
        const int row = index();
        if (row > 0 && a.spacing > 1)
            painter.fillRect(QRect(QPoint(0, 0), QPoint(width() - 1, a.spacing / 2 - 1)), a.spacingColor);
        if (row >= 0 && row + 1 < list->count()) {
            const int band = (a.spacing + 1) / 2;
            painter.fillRect(QRect(0, height() - band - d->separatorHeight, width(), band), a.spacingColor);
        }
    }
    painter.restore();
    setDrawText(d->item ? d->item->data(Qt::DisplayRole).toString() : QString());
    drawIcon(painter);
    if (a.alignment != alignment())
        setAlignment(a.alignment);
    // The row's state follows the hover flag so the text takes the hover colour.
    if (d->hovered && drawState() != 1)
        enterEventDraw(nullptr);
    drawRectText(painter);
    if (d->separatorHeight > 0) {
        painter.fillRect(QRect(QPoint(1, height() - d->separatorHeight), QPoint(width() - 2, height() - 1)),
                         a.separatorColor);
    }
}

void QVelComboBoxItem::enterEvent(QEvent* event)
{
    d->hovered = true;
    enterEventDraw(event);
    update();
}

void QVelComboBoxItem::leaveEvent(QEvent* event)
{
    d->hovered = false;
    leaveEventDraw(event);
    update();
}

void QVelComboBoxItem::mousePressEvent(QMouseEvent* event)
{
    mousePressEventDraw(event);
    QWidget::mousePressEvent(event);
}

void QVelComboBoxItem::mouseReleaseEvent(QMouseEvent* event)
{
    mouseReleaseEventDraw(event);
    QWidget::mouseReleaseEvent(event);
}

void QVelComboBoxItem::changeEvent(QEvent* event)
{
    changeEventDraw(event);
    QWidget::changeEvent(event);
}

void QVelComboBoxItem::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeWidget();
}
