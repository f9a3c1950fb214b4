#pragma once

#include "QComboBoxItemAttribute.h"
#include "QVelBaseRectImageDraw.h"

#include <QWidget>

class QListWidgetItem;
class QVelComboBoxItemPrivate;

// One row of a skinned combo box's pop-up: background, hover and current-row colours,
// spacing bands, separator line, optional icon and the text.
class QVelComboBoxItem : public QWidget, public QVelBaseRectImageDraw
{
    Q_OBJECT

public:
    QVelComboBoxItem(QWidget* parent, QListWidgetItem* item);
    ~QVelComboBoxItem() override;

    void setItemAttribute(QComboBoxItemAttribute attribute);
    QComboBoxItemAttribute itemAttribute() const;
    void setWidgt(QWidget* widget);
    QWidget* getWidgt() const;
    void setWidgtPos(QPoint pos);
    void setSeparatorHeight(int height);
    int separatorHeight() const;
    int index() const;
    int calcItemWidth(QString text, QFont font) const;
    QListWidgetItem* listItem() const;
    bool isHovered() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Q_DISABLE_COPY(QVelComboBoxItem)
    void placeWidget();
    QVelComboBoxItemPrivate* d;
};
