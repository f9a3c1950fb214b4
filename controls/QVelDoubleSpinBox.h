#pragma once

#include "QVelBaseRectImageDraw.h"

#include <QDoubleSpinBox>

class QVelBaseButton;
class QVelSpinButtons;

// Double spin box over a background image with image buttons that repeat while held.
class QVelDoubleSpinBox : public QDoubleSpinBox, public QVelBaseRectImageDraw
{
    Q_OBJECT

public:
    explicit QVelDoubleSpinBox(QWidget* parent = nullptr);
    ~QVelDoubleSpinBox() override;

    bool setBackgroundImage(QString path);
    void setUpAndDownBtnImage(QString up, QString down, bool keepSize = true);
    void setBtnMargins(int left, int top, int right, int bottom);
    void setBtnMargins(QMargins const& margins);
    void setTextMargins(int left, int top, int right, int bottom);
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    QVelBaseButton* upButton() const;
    QVelBaseButton* downButton() const;

signals:
    void emitStartEditing();

public slots:
    void pressBtn();
    void releseBtn();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Q_DISABLE_COPY(QVelDoubleSpinBox)
    void resetBtnLocation();
    QVelSpinButtons* m_buttons;
};
