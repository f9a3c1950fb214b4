#pragma once

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>
#include <QString>

class QEvent;
class QMouseEvent;
class QPainter;
class QPaintEvent;
class QWidget;
class QVelBaseRectImageDrawPrivate;

// Paints a control whose body is an image (nine-part, or one frame of a state sheet
// in button mode), an optional icon and a text, and tracks the control's state.
class QVelBaseRectImageDraw
{
public:
    enum WheelPolicy { WheelDefault = 0, WheelIgnored = 1, WheelFocusOnly = 2 };

    explicit QVelBaseRectImageDraw(QWidget* owner);
    virtual ~QVelBaseRectImageDraw();

    bool setBackgroundImage(QString path);
    bool setBackgroundImage(QImage image);
    bool setRectIcon(QString path);
    bool setRectIcon(QImage image);
    void setIconRect(QRect rect);
    QRect iconRect() const;
    void setDrawText(QString text);
    QString drawText() const;
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;
    void setTextDrawable(bool on);
    bool isTextDrawable() const;
    void setDrawTextMargins(int left, int top, int right, int bottom);
    void setDrawTextMargins(QMargins const& margins);
    QMargins drawTextMargins() const;
    void setTextColor(QColor color);
    void setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    QColor currentTextColor() const;
    void setCheckState(bool on);
    bool checkState() const;
    void setWheelEnablePolicy(QVelBaseRectImageDraw::WheelPolicy policy);
    QVelBaseRectImageDraw::WheelPolicy getWheelEnablePolicy() const;
    void setBtnMode(bool on);
    bool isBtnMode() const;
    void setIconBtnMode(bool on);
    bool IsIconBtnMode() const;
    bool isCustomDraw() const;
    int drawState() const;

    void paintEvent(QPaintEvent* event);
    bool mousePressEventDraw(QMouseEvent* event);
    void mouseReleaseEventDraw(QMouseEvent* event);
    void enterEventDraw(QEvent* event);
    void leaveEventDraw(QEvent* event);
    void changeEventDraw(QEvent* event);
    void resetBtnState();

    virtual void drawBackgroundImage(QPainter& painter);
    virtual void drawIcon(QPainter& painter);
    virtual void drawRectText(QPainter& painter);

protected:
    QWidget* rectOwner() const;

private:
    QVelBaseRectImageDraw(const QVelBaseRectImageDraw&) = delete;
    QVelBaseRectImageDraw& operator=(const QVelBaseRectImageDraw&) = delete;
    QImage stateFrame(const QImage& sheet) const;
    QVelBaseRectImageDrawPrivate* d;
};
