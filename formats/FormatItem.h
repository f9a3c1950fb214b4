#pragma once

#include "ui_FormatItem.h"

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <memory>

// State of a preset tile; the values index the frames of its background strip.
enum QFormatItemState {
    FIS_Normal = 0,
    FIS_Hover = 1,
    FIS_Selected = 2
};
Q_DECLARE_METATYPE(QFormatItemState)

// One preset of the format dialog: icon and name on a framed tile, with a
// settings button on the selected tile of the encoding mode.
class FormatItem : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(FormatItem)

public:
    explicit FormatItem(QWidget* parent = nullptr);
    ~FormatItem() override;

    void setId(QString id) { m_id = id; }
    QString getItemID() const { return m_id; }
    void setIcon(QString key);
    QString getIcon() const { return m_iconPath; }
    void setItemName(QString name);
    void setCategories(QString categories) { m_categories = categories; }
    void setExtName(QString ext) { m_extName = ext; }
    void setHiddenSet(bool hidden);
    void setItemState(QFormatItemState state);

    void setBgImage(QString path);
    QString getfilePath() const { return m_fileName; }
    QFormatItemState getItemState() const { return m_state; }
    QString getCategories() const { return m_categories; }
    QString getItemName() const { return m_itemName; }
    QString getExtName() const { return m_extName; }
    void setFavorite(bool on) { m_favorite = on; }
    bool getFavorite() const { return m_favorite; }
    void setFavoriteChange(bool on) { m_favoriteChange = on; }
    bool getFavoriteChange() const { return m_favoriteChange; }
    void setBtnState() { m_favorite = !m_favorite; }

    bool settingsHidden() const { return m_hiddenSet; }
    QImageButton* settingsButton() const { return m_ui.m_btnSet; }
    QLabel* nameLabel() const { return m_ui.m_labName; }

signals:
    void emitItemPress(QString categories, QString ItemID, bool all);
    void emitItemDoubleClick();
    void emitOnSet(QString itemID);

protected slots:
    void OnBtnSet();
    void BtnPress();
    void BtnEnter() {}
    void BtnLeave() {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Ui_FormatItem m_ui;
    QString m_fileName;
    std::unique_ptr<QPixmap> m_icon;
    std::unique_ptr<QPixmap> m_bgImage;
    QString m_iconPath;
    QString m_categories;
    QString m_itemName;
    QString m_extName;
    QString m_id;
    QFormatItemState m_state = FIS_Normal;
    bool m_favorite = false;
    bool m_favoriteChange = false;
    bool m_hiddenSet = false;
};
