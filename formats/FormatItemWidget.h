#pragma once

#include "ui_FormatItemWidget.h"

#include <QList>
#include <QScrollArea>
#include <QString>

class FormatItem;
class QPlistRead;

// The presets of one category as tiles in five columns, in a scroll area.
class FormatItemWidget : public QScrollArea
{
    Q_OBJECT
    Q_DISABLE_COPY(FormatItemWidget)

public:
    explicit FormatItemWidget(QWidget* parent = nullptr);
    ~FormatItemWidget() override;

    void RefreshItem(QString category, QPlistRead* reader, bool lossless);
    void setDefaultItem(QString id);
    QString getSelItemIcon() const;
    void AdjustItemPos(FormatItem* item);

    const QList<FormatItem*>& items() const { return m_items; }
    FormatItem* selectedItem() const { return m_selItem; }
    // Scrolls the selected tile, when there is one, wholly into view.
    void showSelectedItem();

signals:
    void emitItemPress(QString categories, QString itemName);
    void emitClickBtnSet(QString itemID);
    void emitClickFormatWgt();
    void emitDoubleClick();

public slots:
    void ItemPress(QString categories, QString itemID, bool all);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Presses on the empty tile area land on the content widget, not on the view.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Ui_FormatItemWidget m_ui;
    QList<FormatItem*> m_items;
    FormatItem* m_selItem = nullptr;
};
