#pragma once

#include "QCommonWidget.h"

#include <QPixmap>
#include <QRect>

// A picture check box or radio button: the checked or the unchecked picture with
// a caption to its right.
class QCheckButton : public QCommonWidget
{
    Q_OBJECT

public:
    explicit QCheckButton(QWidget* parent = nullptr);

    void setText(QString text);
    void setCheckImage(QString checkedPath, QString uncheckedPath);
    void setFont(const QFont& font);
    void adjustSize();
    void setTextRect(QRect rect);
    void setChecked(bool checked);
    bool isChecked();
    int checkState();
    void setButtonType(bool radio);

    QRect textRect() const { return m_textRect; }
    QRect imageRect() const { return m_imageRect; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Q_DISABLE_COPY(QCheckButton)
    QString m_text;
    QRect m_textRect;
    QPixmap m_checkedPixmap;
    QPixmap m_uncheckedPixmap;
    QRect m_imageRect = QRect(0, 0, 0, 0);
    bool m_radio = false;
    int m_checkState = Qt::Unchecked;
    QFont m_font;
};
