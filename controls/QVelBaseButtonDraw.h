#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

class QAbstractButton;
class QEvent;
class QFocusEvent;
class QMouseEvent;
class QPainter;
class QPaintEvent;
class QTimerEvent;
class QVelBaseButtonDrawPrivate;

// Paints a button from a state sheet of four frames (normal, hover, pressed,
// disabled) and tracks the state from the events its owner forwards.
class QVelBaseButtonDraw
{
public:
    enum BtnState { StateNormal = 0, StateHover = 1, StatePressed = 2, StateDisabled = 3 };

    explicit QVelBaseButtonDraw(QAbstractButton* owner);
    virtual ~QVelBaseButtonDraw();

    bool setButtonImage(QString path, bool gridView = true);
    bool setButtonImage(QImage& image, bool gridView = true);
    bool setButtonImage(QImage* image, bool gridView, bool copy);

    void setTextColor(QColor color);
    void setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled);
    void setTextRect(QRect rect);
    QRect textRect() const;
    void setAlignment(Qt::Alignment alignment);
    Qt::Alignment alignment() const;

    bool setBtnIcon(QString path);
    bool setBtnIcon(QImage image);
    void setIconRect(QRect rect);
    QRect iconRect() const;
    void setIconBtnMode(bool on);
    bool isIconbtnMode() const;
    void setGridView(bool on);

    void setStaticState(bool on);
    void setBtnState(int state);
    int getBtnState() const;
    void setTag(int tag);
    int getTag() const;
    void setDoneSign(int sign);
    int getDoneSign() const;

    void addItemCount();
    void resetCount();
    int itmeCount() const;
    void setTagPixelSize(int size);
    void setTagRect(QRect rect);
    void setTagBgImage(QString first, QString alternate);
    void setTagBgAlternateColor(QColor first, QColor alternate);
    void setTagTextAlternateColor(QColor first, QColor alternate);
    void setAlternateEffect(bool on, int intervalMs);
    void startFlicker(int intervalMs);
    void stopFlicker();
    void setEnterIsChangeMouse(bool on);
    bool getEnterIsChangeMouse() const;

    int getMouseMapValue() const;
    int getPressMapValueY() const;
    bool isCustomDraw() const;
    QColor currentDrawColor() const;
    // The frame DrawBackground picks (0-3), or -1 for the whole sheet.
    int currentFrame() const;

    // Event handling forwarded by the owner.
    bool mousePressEventDraw(QMouseEvent* event);
    bool mouseReleaseEventDraw(QMouseEvent* event);
    bool mouseMoveEventDraw(QMouseEvent* event);
    void enterEventDraw(QEvent* event);
    void leaveEventDraw(QEvent* event);
    void changeEventDraw(QEvent* event);
    void timerEventDraw(QTimerEvent* event);
    void paintEventDraw(QPaintEvent* event);

    virtual void focusInEvent(QFocusEvent* event);
    virtual void focusOutEvent(QFocusEvent* event);
    virtual void DrawBackground(QPainter& painter);
    virtual void DrawButtonText(QPainter& painter);
    virtual void DrawFocus(QPainter& painter);
    virtual void DrawIcon(QPainter& painter);
    virtual void DrawFlicker(QPainter& painter);
    virtual void DrawDigitalTag(QPainter& painter);

protected:
    QAbstractButton* drawOwner() const;
    QImage frameImage(int frame) const;

private:
    QVelBaseButtonDraw(const QVelBaseButtonDraw&) = delete;
    QVelBaseButtonDraw& operator=(const QVelBaseButtonDraw&) = delete;
    void setState(int state, bool repaint);
    QVelBaseButtonDrawPrivate* d;
};
