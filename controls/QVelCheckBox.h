#pragma once

#include "QVelBaseBoxDraw.h"

#include <QCheckBox>

// Skinned check box; a click anywhere on it, text included, toggles it.
class QVelCheckBox : public QCheckBox, public QVelBaseBoxDraw
{
    Q_OBJECT

public:
    explicit QVelCheckBox(QWidget* parent = nullptr);
    ~QVelCheckBox() override;

    void setCheckImage(QString checked, QString unchecked, QString partially = QString(), bool twoFrames = true);
    void setCheckImage(QImage* checked, QImage* unchecked, QImage* partially, bool twoFrames, bool copy);
    void adjustSize();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    Q_DISABLE_COPY(QVelCheckBox)
};
