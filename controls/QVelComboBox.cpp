#include "QVelComboBox.h"

#include "QVelBaseButton.h"
#include "QVelComboBoxItem.h"
#include "QVelFallbackLook.h"

#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QWheelEvent>

#include <algorithm>

class QVelComboBoxPrivate
{
public:
    QVelBaseButton* button = nullptr;
    qint16 btnLeft = -1;
    qint16 btnTop = -1;
    qint16 btnRight = 0;
    qint16 btnBottom = 0;
    bool keepSize = true;
    QString styleSheet;
    int itemHeight = 19;
    int itemWidth = 0;
    int borderWidth = 0;
    QComboBoxItemAttribute* attribute = nullptr;
    QListWidget* list = nullptr;
    QRect itemIconRect;
    bool autoItemWidth = true;
    qint16 itemMargins[4] = {1, 1, 1, 1};
    bool itemFontFixed = false;
    QFont itemFont;
    bool itemColorsFixed = false;
    QColor itemColors[4] = {Qt::black, Qt::black, Qt::black, Qt::black};
    QPoint popupOffset;
};

QVelComboBox::QVelComboBox(QWidget* parent)
    : QComboBox(parent), QVelBaseRectImageDraw(this), d(new QVelComboBoxPrivate)
{
    d->attribute = new QComboBoxItemAttribute;
    setWindowFlags(Qt::FramelessWindowHint);
    setTextColor(QPalette().color(QPalette::Text));
    d->itemFont = QComboBox::font();
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            [this](int index) { drawTextChange(itemText(index)); });
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &QVelComboBox::currentIndexChangeSlot);
    d->styleSheet = styleSheet();
    setEditable(true);
    if (QLineEdit* edit = lineEdit())
        edit->hide();
    connect(this, &QVelComboBox::emitShowPopup, this, &QVelComboBox::showPopup);
}

QVelComboBox::~QVelComboBox()
{
    delete d->attribute;
    delete d;
}

QListWidget* QVelComboBox::popupList() const { return d->list; }
QVelBaseButton* QVelComboBox::dropDownButton() const { return d->button; }

QVelComboBoxItem* QVelComboBox::rowWidget(int index) const
{
    if (!d->list || index < 0 || index >= d->list->count())
        return nullptr;
    return qobject_cast<QVelComboBoxItem*>(d->list->itemWidget(d->list->item(index)));
}

void QVelComboBox::applyStyleRule(const QString& startMarker, const QString& endMarker, const QString& rule)
{
    const int start = d->styleSheet.indexOf(startMarker);
    if (start >= 0) {
        const int end = d->styleSheet.indexOf(endMarker, start + startMarker.size());
        const int length = end >= 0 ? end + endMarker.size() - start : startMarker.size();
        d->styleSheet.remove(start, length);
    }
    d->styleSheet += rule;
    setStyleSheet(d->styleSheet);
}

void QVelComboBox::applyLineEditRule(QLineEdit* edit)
{
    if (edit)
        edit->setStyleSheet(QString("QLineEdit {background-color:transparent;border:none;color:%1}").arg(d->itemColors[0].name()));
}

void QVelComboBox::ensurePopupList()
{
    if (d->list)
        return;
    d->list = new QListWidget;
    setModel(d->list->model());
    setView(d->list);
}

bool QVelComboBox::setBackgroundImage(QString path)
{
    if (!QVelBaseRectImageDraw::setBackgroundImage(path))
        return false;
    d->styleSheet += "QComboBox {background-color:transparent;border:none}";
    d->styleSheet += "QComboBox QAbstractItemView{background-color:transparent;}";
    setStyleSheet(d->styleSheet);
    ensurePopupList();
    return true;
}

void QVelComboBox::setButtonImage(QString path, bool keepSize)
{
    delete d->button;
    d->button = nullptr;
    if (!QFile::exists(path))
        return;
    d->button = new QVelBaseButton(this);
    d->button->setButtonImage(path, true);
    d->button->setFocusPolicy(Qt::NoFocus);
    d->button->show();
    connect(d->button, &QAbstractButton::clicked, this, &QVelComboBox::showPopup);
    connect(d->button, &QAbstractButton::clicked, this, &QVelComboBox::emitClicked);
    d->keepSize = keepSize;
    resetBtnLocation();
}

void QVelComboBox::setButtonKeepSize(bool keep)
{
    d->keepSize = keep;
    resetBtnLocation();
}

bool QVelComboBox::buttonKeepSize() const { return d->keepSize; }

void QVelComboBox::setBtnMargins(int left, int top, int right, int bottom)
{
    d->btnLeft = qint16(left);
    d->btnTop = qint16(top);
    d->btnRight = qint16(right);
    d->btnBottom = qint16(bottom);
    resetBtnLocation();
    update();
    updateGeometry();
}

void QVelComboBox::setBtnMargins(QMargins const& margins)
{
    setBtnMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

// A negative left or top margin places the button against the right edge (less
// the right margin) or centres it vertically; both follow every resize.
void QVelComboBox::resetBtnLocation()
{
    if (!d->button)
        return;
    const int left = d->btnLeft < 0 ? width() - d->button->width() - d->btnRight : d->btnLeft;
    const int top = d->btnTop < 0 ? (height() - d->btnBottom - d->button->height()) / 2 : d->btnTop;
    if (d->keepSize)
        d->button->move(left, top);
    else
        d->button->setGeometry(QRect(QPoint(left, top), QPoint(width() - 1 - d->btnRight, height() - 1 - d->btnBottom)));
}

void QVelComboBox::setBtnMode(bool on) { QVelBaseRectImageDraw::setBtnMode(on); }
bool QVelComboBox::isBtnMode() const { return QVelBaseRectImageDraw::isBtnMode(); }
void QVelComboBox::setIconBtnMode(bool on) { QVelBaseRectImageDraw::setIconBtnMode(on); }
bool QVelComboBox::IsIconBtnMode() const { return QVelBaseRectImageDraw::IsIconBtnMode(); }

void QVelComboBox::setTextColor(QColor color)
{
    QVelBaseRectImageDraw::setTextColor(color);
    applyLineEditRule(lineEdit());
}

void QVelComboBox::setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    QVelBaseRectImageDraw::setTextColor(normal, hover, pressed, disabled);
    if (!d->itemColorsFixed) {
        d->itemColors[0] = normal;
        d->itemColors[1] = hover;
        d->itemColors[2] = pressed;
        d->itemColors[3] = disabled;
        applyToRows();
    }
    applyLineEditRule(lineEdit());
}

void QVelComboBox::setItemTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    d->itemColorsFixed = true;
    d->itemColors[0] = normal;
    d->itemColors[1] = hover;
    d->itemColors[2] = pressed;
    d->itemColors[3] = disabled;
    applyToRows();
}

void QVelComboBox::setItemTextColor(QColor color)
{
    setItemTextColor(color, color, color, color);
}

void QVelComboBox::setFont(QFont const& font)
{
    QWidget::setFont(font);
    if (!d->itemFontFixed) {
        d->itemFont = font;
        applyToRows();
    }
}

void QVelComboBox::setItemFont(QFont const& font)
{
    d->itemFontFixed = true;
    d->itemFont = font;
    applyToRows();
}

void QVelComboBox::setItemTextMargins(int left, int top, int right, int bottom)
{
    d->itemMargins[0] = qint16(left);
    d->itemMargins[1] = qint16(top);
    d->itemMargins[2] = qint16(right);
    d->itemMargins[3] = qint16(bottom);
    applyToRows();
}

void QVelComboBox::setItemIconRect(QRect rect)
{
    d->itemIconRect = rect;
    applyToRows();
}

void QVelComboBox::setItemHeight(int height)
{
    d->itemHeight = height;
    applyToRows();
}

int QVelComboBox::itemHeight() const { return d->itemHeight; }

void QVelComboBox::setItemWidth(int width)
{
    d->autoItemWidth = false;
    d->itemWidth = width;
    applyStyleRule("QComboBox QAbstractItemView { min-height: 10px; min-width: ", "px}",
                   QString("QComboBox QAbstractItemView { min-height: 10px; min-width: %1px}").arg(width));
    if (d->list && isCustomDraw())
        d->list->setAttribute(Qt::WA_MouseTracking, false);
}

int QVelComboBox::itemWidth() const { return d->itemWidth; }

void QVelComboBox::setItemBgColor(QColor color)
{
    applyStyleRule("QListView::item {background: ", ";}", QString("QListView::item {background: %1;}").arg(color.name()));
    if (color != d->attribute->bgColor) {
        d->attribute->bgColor = color;
        applyToRows();
    }
}

void QVelComboBox::setItemHoverColor(QColor color)
{
    applyStyleRule("QListView::item:hover {background: ", ";}",
                   QString("QListView::item:hover {background: %1;}").arg(color.name()));
    if (color != d->attribute->hoverColor) {
        d->attribute->hoverColor = color;
        d->attribute->hoverColorSet = true;
        applyToRows();
    }
}

QColor QVelComboBox::itemHoverColor() const { return d->attribute->hoverColor; }

void QVelComboBox::setItemSelectedColor(QColor color)
{
    applyStyleRule("QListView::item:selected{background-color: ", ";}",
                   QString("QListView::item:selected{background-color: %1;}").arg(color.name()));
    if (color != d->attribute->selectedColor) {
        d->attribute->selectedColor = color;
        applyToRows();
    }
}

void QVelComboBox::setItemBorder(int width, QColor color)
{
    applyStyleRule("QComboBox QAbstractItemView{background-color:gray; border: ", "}",
                   QString("QComboBox QAbstractItemView{background-color:gray; border: %1px solid %2}").arg(width).arg(color.name()));
    d->borderWidth = width;
    if (d->list && isCustomDraw())
        d->list->setAttribute(Qt::WA_MouseTracking, false);
}

void QVelComboBox::setItemSpacing(int height, QColor color)
{
    if (height == d->attribute->spacing && color == d->attribute->spacingColor)
        return;
    d->attribute->spacingColor = color;
    d->attribute->spacing = height;
    applyToRows();
}

void QVelComboBox::setItemAlignment(Qt::Alignment alignment)
{
    if (alignment == d->attribute->alignment)
        return;
    d->attribute->alignment = alignment;
    applyToRows();
}

void QVelComboBox::setSeparatorColor(QColor color)
{
    if (color == d->attribute->separatorColor)
        return;
    d->attribute->separatorColor = color;
    applyToRows();
}

void QVelComboBox::addSeparator()
{
    if (!d->list || d->list->count() == 0)
        return;
    if (QVelComboBoxItem* row = rowWidget(d->list->count() - 1))
        row->setSeparatorHeight(1);
}

void QVelComboBox::setItemSeparator(int index, bool on)
{
    if (QVelComboBoxItem* row = rowWidget(index))
        row->setSeparatorHeight(on ? 1 : 0);
}

void QVelComboBox::setItemWidgtPos(QPoint pos)
{
    if (pos == d->attribute->widgetPos)
        return;
    d->attribute->widgetPos = pos;
    resetItemWidgtPos();
}

QPoint QVelComboBox::itemWidgtPos() const { return d->attribute->widgetPos; }

void QVelComboBox::resetItemWidgtPos()
{
    if (!d->list)
        return;
    for (int i = 0; i < d->list->count(); ++i) {
        if (QVelComboBoxItem* row = rowWidget(i))
            row->setWidgtPos(d->attribute->widgetPos);
    }
}

QWidget* QVelComboBox::getItemWidgt(int index) const
{
    QVelComboBoxItem* row = rowWidget(index);
    return row ? row->getWidgt() : nullptr;
}

bool QVelComboBox::IsValid(int index) const
{
    return d->list && index >= 0 && index < d->list->count();
}

void QVelComboBox::setPopupOffestPoint(QPoint point) { d->popupOffset = point; }

void QVelComboBox::applyToRows()
{
    if (!d->list)
        return;
    for (int i = 0; i < d->list->count(); ++i) {
        QVelComboBoxItem* row = rowWidget(i);
        if (!row)
            continue;
        QComboBoxItemAttribute attribute = *d->attribute;
        attribute.widgetPos = row->itemAttribute().widgetPos;
        row->setItemAttribute(attribute);
        row->setDrawTextMargins(d->itemMargins[0], d->itemMargins[1], d->itemMargins[2], d->itemMargins[3]);
        row->setFont(d->itemFont);
        row->QVelBaseRectImageDraw::setTextColor(d->itemColors[0], d->itemColors[1], d->itemColors[2], d->itemColors[3]);
        row->setIconRect(d->itemIconRect);
    }
}

void QVelComboBox::addItem(QString const& text, QVariant const& data)
{
    insertItem(count(), nullptr, text, data);
}

void QVelComboBox::addItem(QImage const* icon, QString const& text, QVariant const& data)
{
    insertItem(count(), icon, text, data);
}

void QVelComboBox::insertItem(int index, QString const& text, QVariant const& data)
{
    insertItem(index, nullptr, text, data);
}

void QVelComboBox::addItems(QStringList const& texts)
{
    insertItems(count(), texts);
}

void QVelComboBox::insertItems(int index, QStringList const& texts)
{
    for (int k = 0; k < texts.size(); ++k)
        insertItem(index + k, nullptr, texts.at(k), QVariant());
}

void QVelComboBox::insertItem(int index, QImage const* icon, QString const& text, QVariant const& data)
{
    if (!isCustomDraw()) {
        QComboBox::insertItem(index, QIcon(), text, data);
        return;
    }
    ensurePopupList();
    auto* item = new QListWidgetItem(d->list);
    auto* row = new QVelComboBoxItem(nullptr, item);
    row->setItemAttribute(*d->attribute);
    row->setDrawTextMargins(d->itemMargins[0], d->itemMargins[1], d->itemMargins[2], d->itemMargins[3]);
    row->setFont(d->itemFont);
    row->QVelBaseRectImageDraw::setTextColor(d->itemColors[0], d->itemColors[1], d->itemColors[2], d->itemColors[3]);
    if (d->itemWidth == 0)
        d->itemWidth = width();
    item->setData(Qt::SizeHintRole, QSize(d->itemWidth, d->itemHeight));
    if (icon) {
        row->setRectIcon(*icon);
        row->setIconRect(d->itemIconRect);
    }
    item->setData(Qt::DisplayRole, text);
    item->setData(Qt::UserRole, data);
    const int last = d->list->count() - 1;
    const int target = std::clamp(index, 0, last);
    if (target != last) {
        d->list->takeItem(last);
        d->list->insertItem(target, item);
    }
    d->list->setItemWidget(item, row);
    AddItemWidget(row, target);
    if (d->list->count() == 1)
        drawTextChange(text);
}

void QVelComboBox::removeItem(int index)
{
    if (!isCustomDraw()) {
        QComboBox::removeItem(index);
        return;
    }
    if (!IsValid(index))
        return;
    QListWidgetItem* item = d->list->item(index);
    QVelComboBoxItem* row = rowWidget(index);
    removeItemWidgt(row);
    delete row;
    delete item;
}

void QVelComboBox::setItemText(int index, QString const& text)
{
    QComboBox::setItemText(index, text);
    if (!isCustomDraw() || !IsValid(index))
        return;
    d->list->item(index)->setData(Qt::DisplayRole, text);
    if (index == currentIndex())
        drawTextChange(text);
}

void QVelComboBox::setEditable(bool editable)
{
    QComboBox::setEditable(editable);
    QLineEdit* edit = lineEdit();
    if (!edit)
        return;
    edit->show();
    applyLineEditRule(edit);
    connect(edit, &QLineEdit::textChanged, this, &QVelComboBox::changeEditColor, Qt::UniqueConnection);
}

void QVelComboBox::InitMacStyle()
{
    setEditable(true);
    if (QLineEdit* edit = lineEdit())
        edit->hide();
}

void QVelComboBox::AddItemWidget(QVelComboBoxItem*, int) {}
void QVelComboBox::removeItemWidgt(QVelComboBoxItem*) {}

void QVelComboBox::setShowText(QString text)
{
    setToolTip(text);
    setDrawText(text);
}

void QVelComboBox::drawTextChange(QString text)
{
    setShowText(text);
}

void QVelComboBox::changeEditColor(QString)
{
    applyLineEditRule(qobject_cast<QLineEdit*>(sender()));
}

void QVelComboBox::currentIndexChangeSlot(int) {}

int QVelComboBox::calcItemMaxWidth() const
{
    int widest = width() - 2 * d->borderWidth;
    for (int i = 0; i < d->list->count(); ++i) {
        if (QVelComboBoxItem* row = rowWidget(i))
            widest = std::max(widest, row->calcItemWidth(d->list->item(i)->text(), d->itemFont));
    }
    return widest;
}

void QVelComboBox::sizeRows()
{
    if (!d->list)
        return;
    if (d->itemWidth == 0)
        d->itemWidth = width();
    if (d->autoItemWidth) {
        setItemWidth(calcItemMaxWidth());
        d->autoItemWidth = true;
    }
    const int n = d->list->count();
    const int spacing = d->attribute->spacing;
    for (int r = 0; r < n; ++r) {
        QVelComboBoxItem* row = rowWidget(r);
        int extra = (r == 0 || spacing < 2) ? 0 : spacing / 2;
        if (r + 1 < n)
            extra += (spacing + 1) / 2;
        if (row)
            extra += row->separatorHeight();
        d->list->item(r)->setData(Qt::SizeHintRole, QSize(d->itemWidth, d->itemHeight + extra));
        if (row)
            row->setFixedWidth(d->itemWidth);
    }
}

void QVelComboBox::showPopup()
{
    resetBtnState();
    sizeRows();
    QComboBox::showPopup();
    applyLineEditRule(lineEdit());
    if (auto* frame = findChild<QFrame*>()) {
        const QPoint top = mapToGlobal(QPoint(0, 0));
        frame->move(frame->x() + d->popupOffset.x(), top.y() + height());
    }
    if (d->list)
        d->list->scrollToTop();
}

void QVelComboBox::hidePopup()
{
    if (d->list)
        d->list->scrollToTop();
    QComboBox::hidePopup();
}

void QVelComboBox::paintEvent(QPaintEvent* event)
{
    QLineEdit* edit = lineEdit();
    if (!isCustomDraw()) {
        if (edit && edit->isHidden())
            paintPlainWithoutEdit();
        else
            QComboBox::paintEvent(event);
        return;
    }
    setTextDrawable(edit ? edit->isHidden() : !isEditable());
    if (d->button && d->button->x() > width() / 2) {
        const QMargins margins = drawTextMargins();
        const int room = width() - d->button->x();
        if (margins.right() < room)
            setDrawTextMargins(margins.left(), margins.top(), room, margins.bottom());
    }
    if (edit) {
        const QMargins m = drawTextMargins();
        edit->setGeometry(QRect(QPoint(m.left(), m.top()), QPoint(width() - 1 - m.right(), height() - 1 - m.bottom())));
        applyLineEditRule(edit);
    }
    QVelBaseRectImageDraw::paintEvent(event);
}

// Without pictures the hidden line edit would leave the box blank: paint it the way Qt
// paints a combo box that is not editable, current text included.
void QVelComboBox::paintPlainWithoutEdit()
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.editable = false;
    option.currentText = currentText();
    option.palette = QVelFallbackLook::palette(option.palette);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void QVelComboBox::mousePressEvent(QMouseEvent* event)
{
    if (d->button && isEditable()) {
        emit emitClicked();
        return;
    }
    mousePressEventDraw(event);
    QComboBox::mousePressEvent(event);
    emit emitClicked();
}

void QVelComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    mouseReleaseEventDraw(event);
    QComboBox::mouseReleaseEvent(event);
    if (lineEdit() && lineEdit()->isHidden())
        emit emitShowPopup();
}

void QVelComboBox::enterEvent(QEvent* event)
{
    enterEventDraw(event);
    QComboBox::enterEvent(event);
}

void QVelComboBox::leaveEvent(QEvent* event)
{
    leaveEventDraw(event);
    QComboBox::leaveEvent(event);
}

void QVelComboBox::changeEvent(QEvent* event)
{
    changeEventDraw(event);
    QComboBox::changeEvent(event);
}

void QVelComboBox::wheelEvent(QWheelEvent* event)
{
    const WheelPolicy policy = getWheelEnablePolicy();
    if (policy == WheelIgnored || (policy == WheelFocusOnly && !hasFocus())) {
        event->accept();
        return;
    }
    QComboBox::wheelEvent(event);
}

void QVelComboBox::showEvent(QShowEvent* event)
{
    QComboBox::showEvent(event);
    resetBtnLocation();
}

void QVelComboBox::resizeEvent(QResizeEvent* event)
{
    QComboBox::resizeEvent(event);
    resetBtnLocation();
}
