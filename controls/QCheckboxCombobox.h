#pragma once

#include "QVelComboBox.h"

class QComboboxCheckbox;
class QCheckboxComboboxPrivate;

// Combo box whose pop-up rows carry check boxes: multi-select (the closed combo shows
// the checked rows joined with ";") or single-select (the boxes act as radio buttons).
class QCheckboxCombobox : public QVelComboBox
{
    Q_OBJECT

public:
    explicit QCheckboxCombobox(QWidget* parent = nullptr);
    ~QCheckboxCombobox() override;

    void setCheckImage(QString checked, QString unchecked);
    void setItemCheckboxable(bool on);
    void setCheckMode(bool multi);
    bool checkMode() const;
    void setCheckboxPos(QPoint pos);
    bool itemCheckState(int row) const;
    void setCheckState(int row, bool checked);
    void setCheckAll(bool checked);
    void deleteAllItem();
    void clearItemWidgt();
    QString getSelectItemText() const;
    QComboboxCheckbox* checkBox(int row) const;

    void hidePopup() override;
    void AddItemWidget(QVelComboBoxItem* item, int index) override;
    void removeItemWidgt(QVelComboBoxItem* item) override;
    void setShowText(QString text) override;

signals:
    void emitClickCheckbox(int index);
    void emitStateChange(int index, int state);

public slots:
    void selectChange(int index);
    void clickCheckbox();
    void clickRadio();
    void slotStateChanged(int state);

private:
    Q_DISABLE_COPY(QCheckboxCombobox)
    int rowOf(QObject* box) const;
    void refreshShownText();
    QCheckboxComboboxPrivate* d;
};
