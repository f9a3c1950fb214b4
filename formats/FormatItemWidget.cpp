#include "FormatItemWidget.h"

#include "FormatBaseInfo.h"
#include "FormatItem.h"
#include "QPlistRead.h"
#include "QVelScrollBar.h"
#include "QVelScrollBarStyleAttribute.h"

#include <QMouseEvent>

FormatItemWidget::FormatItemWidget(QWidget* parent)
    : QScrollArea(parent)
{
    m_ui.setupUi(this);
    setAttribute(Qt::WA_TranslucentBackground, true);
    m_ui.m_scrollAreaWidget->setLayout(m_ui.m_Layout);
    // As much room left of the tiles as right of them, so the grid sits centred.
    m_ui.m_Layout->setContentsMargins(3, 0, 3, 3);
    m_ui.m_Layout->setHorizontalSpacing(6);
    m_ui.m_Layout->setVerticalSpacing(8);
    setFrameStyle(0);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(51, 51, 51));
    setPalette(palette);

    auto* bar = new QVelScrollBar();
    QVelScrollBarStyleAttribute look;
    look.grooveColor = QColor(57, 55, 55);
    look.hoverGrooveColor = QColor(57, 55, 55);
    look.buttonAreaColor = QColor(91, 89, 89);
    look.arrowColor = QColor(57, 55, 55);
    look.handleColor = QColor(91, 89, 89);
    look.handlePressedColor = QColor(102, 101, 101);
    look.handleHoverColor = QColor(102, 101, 101);
    look.extent = 10;
    look.hoverAlways = true;
    look.handleMargin = 1;
    bar->setStyleAttribute(look);
    setVerticalScrollBar(bar);
    m_ui.m_scrollAreaWidget->installEventFilter(this);
}

FormatItemWidget::~FormatItemWidget()
{
    qDeleteAll(m_items);
}

void FormatItemWidget::RefreshItem(QString category, QPlistRead* reader, bool lossless)
{
    qDeleteAll(m_items);
    m_items.clear();
    m_selItem = nullptr;
    if (!reader)
        return;
    const std::vector<FormatBaseInfo*>* list = reader->getCategoriesInfoList(category.toStdString());
    if (!list)
        return;
    // The reader rebuilds its list at its next call: copy the records first.
    std::vector<FormatBaseInfo> presets;
    for (const FormatBaseInfo* info : *list) {
        if (info)
            presets.push_back(*info);
    }
    for (const FormatBaseInfo& info : presets) {
        auto* item = new FormatItem(m_ui.m_scrollAreaWidget);
        item->setId(QString::fromStdString(info.id));
        item->setIcon(QString::fromStdString(info.icon));
        item->setItemName(QString::fromStdString(info.title));
        item->setCategories(QString::fromStdString(info.category));
        item->setHiddenSet(lossless);
        item->setExtName(QString::fromStdString(info.ext));
        connect(item, &FormatItem::emitOnSet, this, &FormatItemWidget::emitClickBtnSet);
        connect(item, &FormatItem::emitItemDoubleClick, this, &FormatItemWidget::emitDoubleClick);
        AdjustItemPos(item);
    }
}

void FormatItemWidget::AdjustItemPos(FormatItem* item)
{
    m_items.append(item);
    connect(item, &FormatItem::emitItemPress, this, &FormatItemWidget::ItemPress);
    QVBoxLayout* const columns[] = {m_ui.m_LayoutL1, m_ui.m_LayoutL2, m_ui.m_LayoutM, m_ui.m_LayoutR2,
                                    m_ui.m_LayoutR1};
    // Each column gets its share of the spare width; the tile stands in its middle.
    columns[(m_items.size() - 1) % 5]->addWidget(item, 0, Qt::AlignHCenter);
}

void FormatItemWidget::setDefaultItem(QString id)
{
    for (FormatItem* item : qAsConst(m_items)) {
        if (item->getItemID() == id) {
            item->setItemState(FIS_Selected);
            m_selItem = item;
        } else {
            item->setItemState(FIS_Normal);
        }
    }
}

void FormatItemWidget::showSelectedItem()
{
    if (m_selItem)
        ensureWidgetVisible(m_selItem, 0, 0);
}

QString FormatItemWidget::getSelItemIcon() const
{
    return m_selItem ? m_selItem->getIcon() : QString();
}

void FormatItemWidget::ItemPress(QString categories, QString itemID, bool all)
{
    if (!all)
        emit emitItemPress(categories, itemID);
    m_selItem = nullptr;
    for (FormatItem* item : qAsConst(m_items)) {
        if (item == sender())
            m_selItem = item;
        else
            item->setItemState(FIS_Normal);
    }
}

void FormatItemWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit emitClickFormatWgt();
}

bool FormatItemWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.m_scrollAreaWidget && event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit emitClickFormatWgt();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

void FormatItemWidget::paintEvent(QPaintEvent*)
{
}
