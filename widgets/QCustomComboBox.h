#pragma once

#include "QCustomImageWidget.h"

#include <QList>
#include <QStringList>

class QAction;
class QMenu;

// One item of the combo box: the text it was added with and its data.
struct ComboItemInfo
{
    QString text;
    QString dataString;
    void* data = nullptr;
};

// A drop-down list over an image-strip widget: a press opens a menu of the items
// below it. Filling it from code emits currentIndexChanged only; a user's pick also
// emits activated.
class QCustomComboBox : public QCustomImageWidget
{
    Q_OBJECT

public:
    explicit QCustomComboBox(QWidget* parent = nullptr);
    ~QCustomComboBox() override;

    void addItem(QString text);
    void addItems(QStringList texts);
    void addItemIcon(int index, QString path);
    void setCurrentIndex(int index);
    int currentIndex();
    QString currentText();
    bool IsValid(int index);
    QString itemText(int index);
    QString itemDataString(int index);
    void* itemData(int index);
    void setItemDataString(int index, QString value);
    void setItemData(int index, void* data);
    void setIndexText(int index, QString text);
    void setEditText(QString text);
    int count();
    int size();
    bool isEmpty();
    void DeleteItem(int index);
    void clear();
    void setItemStyleSheet(QString sheet);
    void setPopupX(int x);
    void setItemDefaultW(int width);
    void setItemFontPointSize(int size);
    void setShowItemRect(QRect rect);

    QMenu* menu() const { return m_menu; }
    int itemWidth() const { return m_itemWidth; }
    QList<QAction*> actions() const { return m_actions; }

signals:
    void activated(int index);
    void currentIndexChanged(int index);
    void emitShowItemMenu();

public slots:
    void OnAction();
    void ShowItemMenu();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Q_DISABLE_COPY(QCustomComboBox)
    void resetItemWidth(QString text);
    QFont itemFont() const;

    QMenu* m_menu = nullptr;
    QList<QAction*> m_actions;
    QList<ComboItemInfo*> m_items;
    bool m_autoWidth = true;
    int m_itemWidth = 0;
    int m_currentIndex = -1;
    int m_popupX = 0;
    QString m_itemStyleSheet;
    int m_itemFontPointSize = 8;
};
