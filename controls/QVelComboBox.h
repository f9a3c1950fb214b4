#pragma once

#include "QComboBoxItemAttribute.h"
#include "QVelBaseRectImageDraw.h"

#include <QComboBox>
#include <QVariant>

class QImage;
class QListWidget;
class QVelBaseButton;
class QVelComboBoxItem;
class QVelComboBoxPrivate;

// Combo box over a background image whose pop-up is its own list of painted rows;
// pop-up colours, border and width are kept as style-sheet rules, each replacing
// the previous rule of its kind.
class QVelComboBox : public QComboBox, public QVelBaseRectImageDraw
{
    Q_OBJECT

public:
    explicit QVelComboBox(QWidget* parent = nullptr);
    ~QVelComboBox() override;

    bool setBackgroundImage(QString path);
    void setButtonImage(QString path, bool keepSize = true);
    void setButtonKeepSize(bool keep);
    bool buttonKeepSize() const;
    void setBtnMargins(int left, int top, int right, int bottom);
    void setBtnMargins(QMargins const& margins);
    void resetBtnLocation();
    void setBtnMode(bool on);
    bool isBtnMode() const;
    void setIconBtnMode(bool on);
    bool IsIconBtnMode() const;
    void setTextColor(QColor color);
    void setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    void setItemTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    void setItemTextColor(QColor color);
    void setFont(QFont const& font);
    void setItemFont(QFont const& font);
    void setItemTextMargins(int left, int top, int right, int bottom);
    void setItemIconRect(QRect rect);
    void setItemHeight(int height);
    int itemHeight() const;
    void setItemWidth(int width);
    int itemWidth() const;
    void setItemBgColor(QColor color);
    void setItemHoverColor(QColor color);
    QColor itemHoverColor() const;
    void setItemSelectedColor(QColor color);
    void setItemBorder(int width, QColor color);
    void setItemSpacing(int height, QColor color);
    void setItemAlignment(Qt::Alignment alignment);
    void setSeparatorColor(QColor color);
    void addSeparator();
    void setItemSeparator(int index, bool on);
    void setItemWidgtPos(QPoint pos);
    QPoint itemWidgtPos() const;
    void resetItemWidgtPos();
    QWidget* getItemWidgt(int index) const;
    bool IsValid(int index) const;
    void setPopupOffestPoint(QPoint point);

    void addItem(QString const& text, QVariant const& data = QVariant());
    void addItem(QImage const* icon, QString const& text, QVariant const& data = QVariant());
    void insertItem(int index, QImage const* icon, QString const& text, QVariant const& data = QVariant());
    void insertItem(int index, QString const& text, QVariant const& data = QVariant());
    void addItems(QStringList const& texts);
    void insertItems(int index, QStringList const& texts);
    void removeItem(int index);
    void setItemText(int index, QString const& text);
    void setEditable(bool editable);
    void InitMacStyle();

    QListWidget* popupList() const;
    QVelBaseButton* dropDownButton() const;
    QVelComboBoxItem* rowWidget(int index) const;

    virtual void AddItemWidget(QVelComboBoxItem* item, int index);
    virtual void removeItemWidgt(QVelComboBoxItem* item);
    virtual void setShowText(QString text);

signals:
    void emitShowPopup();
    void emitClicked();

public slots:
    void showPopup() override;
    void hidePopup() override;
    void changeEditColor(QString text);
    void drawTextChange(QString text);
    void currentIndexChangeSlot(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Q_DISABLE_COPY(QVelComboBox)
    void ensurePopupList();
    void applyStyleRule(const QString& startMarker, const QString& endMarker, const QString& rule);
    void applyLineEditRule(QLineEdit* edit);
    void applyToRows();
    void sizeRows();
    void paintPlainWithoutEdit();
    int calcItemMaxWidth() const;
    QVelComboBoxPrivate* d;
};
