#pragma once

#include "QCustomImageWidget.h"

class QCustomSpinButton;
class QLineEdit;

// An integer field on an image-strip background with up and down picture
// buttons. The range is half-open: the largest value shown is the maximum less one.
class QCustomSpinBox : public QCustomImageWidget
{
    Q_OBJECT

public:
    explicit QCustomSpinBox(QWidget* parent = nullptr);

    void setUpAndDownBtnImage(QString upPath, QString downPath);
    void setRange(int min, int max);
    void setValue(int value);
    int getValue();
    void setEditColor(QColor enabled, QColor disabled);

    QLineEdit* lineEdit() const { return m_edit; }
    QCustomSpinButton* upButton() const { return m_btnUp; }
    QCustomSpinButton* downButton() const { return m_btnDown; }

public slots:
    void OnBtnUp();
    void OnBtnDown();
    void editTextChange(QString text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Q_DISABLE_COPY(QCustomSpinBox)
    void showValue(int value);

    QLineEdit* m_edit = nullptr;
    QCustomSpinButton* m_btnUp = nullptr;
    QCustomSpinButton* m_btnDown = nullptr;
    int m_value = 0;
    int m_min = 0;
    int m_max = 100;
    QColor m_editColor = QColor(69, 69, 69);
    QColor m_editDisColor = QColor(98, 120, 120);
};
