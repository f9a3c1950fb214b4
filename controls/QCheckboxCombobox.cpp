#include "QCheckboxCombobox.h"

#include "QComboboxCheckbox.h"
#include "QVelComboBoxItem.h"

#include <QFile>
#include <QImage>

class QCheckboxComboboxPrivate
{
public:
    bool checkboxable = true;
    QList<QComboboxCheckbox*> boxes;
    QImage* checked = nullptr;
    QImage* unchecked = nullptr;
    bool multi = true;
};

QCheckboxCombobox::QCheckboxCombobox(QWidget* parent) : QVelComboBox(parent), d(new QCheckboxComboboxPrivate)
{
    connect(this, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &QCheckboxCombobox::selectChange);
}

QCheckboxCombobox::~QCheckboxCombobox()
{
    // Rows hold the images by pointer; they go before the images do.
    qDeleteAll(d->boxes);
    d->boxes.clear();
    delete d->checked;
    delete d->unchecked;
    delete d;
}

void QCheckboxCombobox::setCheckImage(QString checked, QString unchecked)
{
    if (!QFile::exists(checked))
        return;
    // Boxes already built keep pointing at the previous pair, so it is kept alive.
    d->checked = new QImage(checked);
    d->unchecked = new QImage(unchecked);
}

void QCheckboxCombobox::setItemCheckboxable(bool on)
{
    d->checkboxable = on;
    for (QComboboxCheckbox* box : d->boxes)
        box->setVisible(on);
}

void QCheckboxCombobox::setCheckMode(bool multi)
{
    d->multi = multi;
    for (QComboboxCheckbox* box : d->boxes)
        box->setIgnoreClick(!multi);
    if (!multi) {
        for (QComboboxCheckbox* box : d->boxes)
            box->setChecked(false);
        if (QComboboxCheckbox* box = checkBox(currentIndex()))
            box->setChecked(true);
    }
    setShowText(itemText(currentIndex()));
}

bool QCheckboxCombobox::checkMode() const { return d->multi; }

void QCheckboxCombobox::setCheckboxPos(QPoint pos)
{
    setItemWidgtPos(pos);
}

QComboboxCheckbox* QCheckboxCombobox::checkBox(int row) const
{
    return row >= 0 && row < d->boxes.size() ? d->boxes.at(row) : nullptr;
}

bool QCheckboxCombobox::itemCheckState(int row) const
{
    QComboboxCheckbox* box = checkBox(row);
    return box && box->isChecked();
}

void QCheckboxCombobox::setCheckState(int row, bool checked)
{
    if (QComboboxCheckbox* box = checkBox(row))
        box->setChecked(checked);
}

void QCheckboxCombobox::setCheckAll(bool checked)
{
    for (QComboboxCheckbox* box : d->boxes)
        box->setChecked(checked);
}

void QCheckboxCombobox::deleteAllItem()
{
    clearItemWidgt();
    clear();
}

void QCheckboxCombobox::clearItemWidgt()
{
    const QList<QComboboxCheckbox*> boxes = d->boxes;
    d->boxes.clear();
    qDeleteAll(boxes);
}

QString QCheckboxCombobox::getSelectItemText() const
{
    QStringList texts;
    for (int row = 0; row < d->boxes.size(); ++row) {
        if (d->boxes.at(row)->isChecked())
            texts << itemText(row);
    }
    return texts.join(";");
}

void QCheckboxCombobox::hidePopup()
{
    QVelComboBox::hidePopup();
}

void QCheckboxCombobox::AddItemWidget(QVelComboBoxItem* item, int index)
{
    QVelComboBox::AddItemWidget(item, index);
    auto* box = new QComboboxCheckbox(item);
    box->setCheckImage(d->checked, d->unchecked, nullptr, false, false);
    connect(box, &QAbstractButton::clicked, this, &QCheckboxCombobox::clickCheckbox);
    connect(box, &QComboboxCheckbox::emitClick, this, &QCheckboxCombobox::clickRadio);
    connect(box, &QCheckBox::stateChanged, this, &QCheckboxCombobox::slotStateChanged);
    d->boxes.insert(std::min(std::max(index, 0), int(d->boxes.size())), box);
    item->setWidgt(box);
    box->setVisible(d->checkboxable);
    box->setIgnoreClick(!d->multi);
    if (d->multi)
        refreshShownText();
}

void QCheckboxCombobox::removeItemWidgt(QVelComboBoxItem* item)
{
    if (!item)
        return;
    QWidget* widget = item->getWidgt();
    auto* box = qobject_cast<QComboboxCheckbox*>(widget);
    if (box)
        d->boxes.removeAll(box);
    item->setWidgt(nullptr);
    delete widget;
    if (d->multi)
        refreshShownText();
}

void QCheckboxCombobox::setShowText(QString text)
{
    QVelComboBox::setShowText(d->multi ? getSelectItemText() : text);
}

void QCheckboxCombobox::refreshShownText()
{
    setShowText(QString());
}

void QCheckboxCombobox::selectChange(int index)
{
    if (d->multi)
        return;
    for (QComboboxCheckbox* box : d->boxes)
        box->setChecked(false);
    if (QComboboxCheckbox* box = checkBox(index))
        box->setChecked(true);
}

int QCheckboxCombobox::rowOf(QObject* box) const
{
    auto* row = box ? qobject_cast<QVelComboBoxItem*>(box->parent()) : nullptr;
    return row ? row->index() : -1;
}

void QCheckboxCombobox::clickCheckbox()
{
    emit emitClickCheckbox(rowOf(sender()));
}

void QCheckboxCombobox::clickRadio()
{
    setCurrentIndex(rowOf(sender()));
    hidePopup();
}

void QCheckboxCombobox::slotStateChanged(int state)
{
    if (d->multi)
        refreshShownText();
    emit emitStateChange(rowOf(sender()), state);
}
