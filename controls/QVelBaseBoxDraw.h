#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QVariant>

class QAbstractButton;
class QPainter;
class QPaintEvent;
class QVelBaseBoxDrawPrivate;

// Paints a check box or radio button from checked, unchecked and partially checked
// images, an optional icon and the text beside the image.
class QVelBaseBoxDraw
{
public:
    enum enumBoxType { CheckBox = 0, RadioButton = 1 };

    QVelBaseBoxDraw(QAbstractButton* owner, enumBoxType type);
    virtual ~QVelBaseBoxDraw();

    void setCheckImage(QString checked, QString unchecked, QString partially, bool unused, bool twoFrames);
    void setCheckImage(QImage* checked, QImage* unchecked, QImage* partially, bool unused, bool twoFrames, bool copy);
    void adjustSize();
    void setTextRect(QRect rect);
    QRect textRect() const;
    void setIconRect(QRect rect);
    QRect checkRect() const;
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    void setBtnIcon(QString path);
    void setBgFillMode(bool on);
    void setData(QVariant const& data);
    QVariant getData() const;
    bool isCustomDraw() const;

    void paintEvent(QPaintEvent* event);

    virtual void DrawCheckImage(QPainter& painter);
    virtual void DrawIconImage(QPainter& painter);
    virtual void DrawCheckText(QPainter& painter);

private:
    QVelBaseBoxDraw(const QVelBaseBoxDraw&) = delete;
    QVelBaseBoxDraw& operator=(const QVelBaseBoxDraw&) = delete;
    QVelBaseBoxDrawPrivate* d;
};
