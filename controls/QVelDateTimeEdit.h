#pragma once

#include "QVelBaseRectImageDraw.h"

#include <QDateTimeEdit>

class QVelBaseButton;
class QVelSpinButtons;

// Date-time edit over a background image with up and down image buttons that
// repeat while held.
class QVelDateTimeEdit : public QDateTimeEdit, public QVelBaseRectImageDraw
{
    Q_OBJECT

public:
    explicit QVelDateTimeEdit(QWidget* parent = nullptr);
    QVelDateTimeEdit(const QVariant& value, QVariant::Type type, QWidget* parent = nullptr);
    ~QVelDateTimeEdit() override;

    bool setBackgroundImage(QString path);
    void setUpAndDownBtnImage(QString up, QString down, bool keepSize = true);
    void setBtnMargins(int left, int top, int right, int bottom);
    void setBtnMargins(const QMargins& margins);
    QMargins btnMargins() const;
    void setTextMargins(int left, int top, int right, int bottom);
    void setTextMargins(const QMargins& margins);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    QVelBaseButton* upButton() const;
    QVelBaseButton* downButton() const;

    void stepBy(int steps) override;

signals:
    void emitTimeEdited(QString text);
    void emitStartEditing();

public slots:
    void stepUp();
    void stepDown();
    void pressBtn();
    void releseBtn();

protected:
    void timerEvent(QTimerEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    Q_DISABLE_COPY(QVelDateTimeEdit)
    void init();
    void resetBtnLocation();
    QVelSpinButtons* m_buttons;
};
