#include "QCustomComboBox.h"

#include <QAction>
#include <QFontMetrics>
#include <QIcon>
#include <QMenu>

QCustomComboBox::QCustomComboBox(QWidget* parent) : QCustomImageWidget(parent)
{
    m_itemWidth = width() - 8;
    m_menu = new QMenu(this);
    connect(this, &QCustomComboBox::emitShowItemMenu, this, &QCustomComboBox::ShowItemMenu, Qt::QueuedConnection);
    clear();
}

QCustomComboBox::~QCustomComboBox()
{
    qDeleteAll(m_actions);
    qDeleteAll(m_items);
}

void QCustomComboBox::addItem(QString text)
{
    m_items.append(new ComboItemInfo{text, QString(), nullptr});
    auto* action = new QAction(text, this);
    connect(action, &QAction::triggered, this, &QCustomComboBox::OnAction);
    m_menu->addAction(action);
    m_actions.append(action);
    if (m_currentIndex < 0)
        setCurrentIndex(0);
    if (m_autoWidth)
        resetItemWidth(text);
}

void QCustomComboBox::addItems(QStringList texts)
{
    for (const QString& text : texts)
        addItem(text);
}

void QCustomComboBox::addItemIcon(int index, QString path)
{
    if (IsValid(index))
        m_actions.at(index)->setIcon(QIcon(path));
}

void QCustomComboBox::setCurrentIndex(int index)
{
    if (!IsValid(index))
        return;
    const QString text = m_actions.at(index)->text();
    setBtnText(text);
    setToolTip(text);
    m_currentIndex = index;
    emit currentIndexChanged(index);
}

int QCustomComboBox::currentIndex() { return m_currentIndex; }

QString QCustomComboBox::currentText()
{
    return IsValid(m_currentIndex) ? m_items.at(m_currentIndex)->text : QString();
}

bool QCustomComboBox::IsValid(int index) { return index >= 0 && index < m_items.size(); }

QString QCustomComboBox::itemText(int index) { return IsValid(index) ? m_items.at(index)->text : QString(); }

QString QCustomComboBox::itemDataString(int index)
{
    return IsValid(index) ? m_items.at(index)->dataString : QString();
}

void* QCustomComboBox::itemData(int index) { return IsValid(index) ? m_items.at(index)->data : nullptr; }

void QCustomComboBox::setItemDataString(int index, QString value)
{
    if (IsValid(index))
        m_items.at(index)->dataString = value;
}

void QCustomComboBox::setItemData(int index, void* data)
{
    if (IsValid(index))
        m_items.at(index)->data = data;
}

void QCustomComboBox::setIndexText(int index, QString text)
{
    if (!IsValid(index))
        return;
    m_actions.at(index)->setText(text);
    if (index == m_currentIndex) {
        setBtnText(text);
        setToolTip(text);
    }
}

void QCustomComboBox::setEditText(QString text) { setBtnText(text); }
int QCustomComboBox::count() { return m_items.size(); }
int QCustomComboBox::size() { return m_items.size(); }
bool QCustomComboBox::isEmpty() { return m_items.isEmpty(); }

void QCustomComboBox::DeleteItem(int index)
{
    if (m_items.isEmpty())
        return;
    if (index < 0 || index >= m_items.size())
        index = m_items.size() - 1;
    QAction* action = m_actions.takeAt(index);
    m_menu->removeAction(action);
    delete action;
    delete m_items.takeAt(index);
}

void QCustomComboBox::clear()
{
    m_menu->clear();
    qDeleteAll(m_actions);
    m_actions.clear();
    qDeleteAll(m_items);
    m_items.clear();
    m_currentIndex = -1;
    setBtnText(QString());
}

void QCustomComboBox::setItemStyleSheet(QString sheet)
{
    m_menu->setStyleSheet(sheet);
    m_itemStyleSheet = sheet;
}

void QCustomComboBox::setPopupX(int x) { m_popupX = x; }
void QCustomComboBox::setItemDefaultW(int width) { m_itemWidth = width; }
void QCustomComboBox::setItemFontPointSize(int size) { m_itemFontPointSize = size; }

QFont QCustomComboBox::itemFont() const
{
    QFont font = m_menu->font();
    font.setFamily("Tahoma");
    font.setPointSize(m_itemFontPointSize);
    return font;
}

void QCustomComboBox::setShowItemRect(QRect rect)
{
    m_menu->setFont(itemFont());
    m_menu->setStyleSheet(m_menu->styleSheet() +
                          QString("QMenu:item{height:%1px;width:%2;}").arg(rect.height()).arg(rect.width()));
    m_autoWidth = false;
}

void QCustomComboBox::resetItemWidth(QString text)
{
    const QFont font = itemFont();
    m_menu->setFont(font);
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(text);
    if (textWidth > m_itemWidth)
        m_itemWidth = textWidth + 5;
    m_menu->setStyleSheet(m_itemStyleSheet +
                          QString("QMenu:item{height:%1px;width:%2;}").arg(metrics.height() + 5).arg(m_itemWidth));
}

void QCustomComboBox::OnAction()
{
    const int index = m_actions.indexOf(qobject_cast<QAction*>(sender()));
    if (index < 0 || index == m_currentIndex)
        return;
    setCurrentIndex(index);
    emit activated(index);
    emit currentIndexChanged(index);
}

void QCustomComboBox::mousePressEvent(QMouseEvent* event)
{
    emit emitShowItemMenu();
    QCustomImageWidget::mousePressEvent(event);
}

void QCustomComboBox::ShowItemMenu()
{
    if (m_items.isEmpty())
        return;
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    m_menu->popup(QPoint(origin.x() + m_popupX, origin.y() + height()));
}
