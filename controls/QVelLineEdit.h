#pragma once

#include "QVelBaseRectImageDraw.h"

#include <QLineEdit>

class QVelLineEditPrivate;

// Line edit over a background image, with a numbers-only mode and a coloured placeholder.
class QVelLineEdit : public QLineEdit, public QVelBaseRectImageDraw
{
    Q_OBJECT

public:
    explicit QVelLineEdit(QWidget* parent = nullptr);
    ~QVelLineEdit() override;

    bool setBackgroundImage(QString path);
    void onlyInputNumber();
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    void setPalette(QPalette const& palette);
    void setPlaceholderText(QString const& text);
    void setPlaceholderTextColor(QColor color, bool on);
    // For a read-only path field: a text wider than the field shows shortened in
    // the middle with "…", and the whole text is the tool tip. text() stays whole.
    void setElidePath(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    Q_DISABLE_COPY(QVelLineEdit)
    void applyTextColor(const QColor& color);
    void followPath(const QString& text);
    bool paintElided(QPainter& painter);
    QVelLineEditPrivate* d;
};
