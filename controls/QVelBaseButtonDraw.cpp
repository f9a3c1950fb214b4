#include "QVelBaseButtonDraw.h"
#include "ControlsLog.h"

#include "QBaseImageDraw.h"

#include <QAbstractButton>
#include <QDebug>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

class QVelBaseButtonDrawPrivate
{
public:
    QImage* sheet = nullptr;
    QImage* icon = nullptr;
    QRect iconRect;
    bool iconBtnMode = false;
    int state = 0;
    bool staticState = false;
    bool customTextRect = false;
    QRect textRect;
    QColor currentColor = Qt::black;
    int pressX = 0;
    int pressY = 0;
    bool gridView = true;
    int tag = 0;
    QColor normalColor = Qt::black;
    QColor hoverColor = Qt::black;
    QColor pressedColor = Qt::black;
    QColor disabledColor = Qt::black;
    Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignVCenter;
    bool hasFocus = false;
    bool hovered = false;
    QAbstractButton* owner = nullptr;
    int tagPixelSize = 11;
    int count = 0;
    bool sheetOwned = false;
    QRect tagRect = QRect(QPoint(-1, -1), QPoint(18, 18));
    QString tagImage;
    QString tagImageAlternate;
    QColor tagColor = QColor(255, 120, 0);
    QColor tagColorAlternate = QColor(255, 120, 0);
    QColor tagTextColor = Qt::white;
    QColor tagTextColorAlternate = Qt::white;
    int alternateTimerId = 0;
    bool alternateOn = false;
    int alternateInterval = 0;
    int alternatePhase = 0;
    bool flickerOn = false;
    int flickerTimerId = 0;
    int flickerInterval = 0;
    int flickerPhase = 0;
    bool enterSetsArrow = true;
    int doneSign = 0;

    void dropSheet()
    {
        if (sheetOwned)
            delete sheet;
        sheet = nullptr;
        sheetOwned = false;
    }
};

QVelBaseButtonDraw::QVelBaseButtonDraw(QAbstractButton* owner) : d(new QVelBaseButtonDrawPrivate)
{
    d->owner = owner;
    if (owner)
        d->textRect = owner->rect();
}

QVelBaseButtonDraw::~QVelBaseButtonDraw()
{
    d->dropSheet();
    delete d->icon;
    delete d;
}

QAbstractButton* QVelBaseButtonDraw::drawOwner() const { return d->owner; }

bool QVelBaseButtonDraw::setButtonImage(QString path, bool gridView)
{
    if (!QFile::exists(path))
        return false;
    QImage image(path);
    if (image.isNull())
        qCDebug(lcControls) << "QVelBaseButtonDraw: cannot load picture" << path;
    return setButtonImage(&image, gridView, true);
}

bool QVelBaseButtonDraw::setButtonImage(QImage& image, bool gridView)
{
    return setButtonImage(&image, gridView, true);
}

bool QVelBaseButtonDraw::setButtonImage(QImage* image, bool gridView, bool copy)
{
    d->dropSheet();
    if (!image)
        return false;
    if (copy) {
        d->sheet = new QImage(*image);
        d->sheetOwned = true;
    } else {
        d->sheet = image;
    }
    d->sheet->setDevicePixelRatio(2.0);
    if (d->owner) {
        d->owner->resize(d->sheet->width() / 8, d->sheet->height() / 2);
        d->textRect = d->owner->rect();
    }
    d->gridView = gridView;
    return true;
}

void QVelBaseButtonDraw::setTextColor(QColor color)
{
    setTextColor(color, color, color, color);
}

void QVelBaseButtonDraw::setTextColor(QColor normal, QColor hover, QColor pressed, QColor disabled)
{
    d->normalColor = normal;
    d->hoverColor = hover;
    d->pressedColor = pressed;
    d->disabledColor = disabled;
    d->currentColor = normal;
}

void QVelBaseButtonDraw::setTextRect(QRect rect)
{
    d->customTextRect = true;
    d->textRect = rect;
    if (d->owner)
        d->owner->update();
}

QRect QVelBaseButtonDraw::textRect() const { return d->textRect; }
void QVelBaseButtonDraw::setAlignment(Qt::Alignment alignment) { d->alignment = alignment; }
Qt::Alignment QVelBaseButtonDraw::alignment() const { return d->alignment; }

bool QVelBaseButtonDraw::setBtnIcon(QString path)
{
    return setBtnIcon(QImage(path));
}

bool QVelBaseButtonDraw::setBtnIcon(QImage image)
{
    delete d->icon;
    d->icon = new QImage(image);
    d->icon->setDevicePixelRatio(2.0);
    if (d->owner)
        d->owner->update();
    return true;
}

void QVelBaseButtonDraw::setIconRect(QRect rect)
{
    d->iconRect = rect;
    if (d->owner)
        d->owner->update();
}

QRect QVelBaseButtonDraw::iconRect() const { return d->iconRect; }
void QVelBaseButtonDraw::setIconBtnMode(bool on) { d->iconBtnMode = on; }
bool QVelBaseButtonDraw::isIconbtnMode() const { return d->iconBtnMode; }

void QVelBaseButtonDraw::setGridView(bool on)
{
    d->gridView = on;
    if (d->owner)
        d->owner->update();
}

void QVelBaseButtonDraw::setStaticState(bool on) { d->staticState = on; }
void QVelBaseButtonDraw::setBtnState(int state) { d->state = state; }
int QVelBaseButtonDraw::getBtnState() const { return d->state; }
void QVelBaseButtonDraw::setTag(int tag) { d->tag = tag; }
int QVelBaseButtonDraw::getTag() const { return d->tag; }
void QVelBaseButtonDraw::setDoneSign(int sign) { d->doneSign = sign; }
int QVelBaseButtonDraw::getDoneSign() const { return d->doneSign; }

void QVelBaseButtonDraw::addItemCount()
{
    ++d->count;
    if (d->alternateOn && d->owner) {
        if (d->alternateTimerId)
            d->owner->killTimer(d->alternateTimerId);
        d->alternateTimerId = d->owner->startTimer(d->alternateInterval);
    }
    if (d->owner)
        d->owner->repaint();
}

void QVelBaseButtonDraw::resetCount()
{
    d->count = 0;
    if (d->alternateTimerId && d->owner)
        d->owner->killTimer(d->alternateTimerId);
    d->alternateTimerId = 0;
    if (d->owner)
        d->owner->repaint();
}

int QVelBaseButtonDraw::itmeCount() const { return d->count; }
void QVelBaseButtonDraw::setTagPixelSize(int size) { d->tagPixelSize = size; }
void QVelBaseButtonDraw::setTagRect(QRect rect) { d->tagRect = rect; }

void QVelBaseButtonDraw::setTagBgImage(QString first, QString alternate)
{
    d->tagImage = first;
    d->tagImageAlternate = alternate;
}

void QVelBaseButtonDraw::setTagBgAlternateColor(QColor first, QColor alternate)
{
    d->tagColor = first;
    d->tagColorAlternate = alternate;
}

void QVelBaseButtonDraw::setTagTextAlternateColor(QColor first, QColor alternate)
{
    d->tagTextColor = first;
    d->tagTextColorAlternate = alternate;
}

void QVelBaseButtonDraw::setAlternateEffect(bool on, int intervalMs)
{
    d->alternateOn = on;
    d->alternateInterval = intervalMs;
}

void QVelBaseButtonDraw::startFlicker(int intervalMs)
{
    d->flickerOn = true;
    d->flickerInterval = intervalMs;
    if (!d->owner)
        return;
    if (d->flickerTimerId)
        d->owner->killTimer(d->flickerTimerId);
    d->flickerTimerId = d->owner->startTimer(intervalMs);
}

void QVelBaseButtonDraw::stopFlicker()
{
    d->flickerOn = false;
    if (d->flickerTimerId && d->owner)
        d->owner->killTimer(d->flickerTimerId);
    d->flickerTimerId = 0;
}

void QVelBaseButtonDraw::setEnterIsChangeMouse(bool on) { d->enterSetsArrow = on; }
bool QVelBaseButtonDraw::getEnterIsChangeMouse() const { return d->enterSetsArrow; }
int QVelBaseButtonDraw::getMouseMapValue() const { return d->pressX; }
int QVelBaseButtonDraw::getPressMapValueY() const { return d->pressY; }
bool QVelBaseButtonDraw::isCustomDraw() const { return d->sheet != nullptr; }
QColor QVelBaseButtonDraw::currentDrawColor() const { return d->currentColor; }

void QVelBaseButtonDraw::setState(int state, bool repaint)
{
    const bool changed = d->state != state;
    d->state = state;
    if (changed && repaint && d->owner)
        d->owner->update();
}

bool QVelBaseButtonDraw::mousePressEventDraw(QMouseEvent* event)
{
    if (!d->owner || event->button() != Qt::LeftButton)
        return false;
    const QPoint origin = d->owner->mapToGlobal(QPoint(0, 0));
    const QPoint global = event->globalPos();
    d->pressX = global.x() - origin.x();
    d->pressY = global.y() - origin.y();
    if (d->owner->testAttribute(Qt::WA_Disabled)) {
        d->state = StateDisabled;
        return false;
    }
    setState(StatePressed, true);
    return true;
}

bool QVelBaseButtonDraw::mouseReleaseEventDraw(QMouseEvent* event)
{
    if (!d->owner || event->button() != Qt::LeftButton || d->staticState)
        return false;
    if (d->owner->testAttribute(Qt::WA_Disabled)) {
        d->state = StateDisabled;
        return false;
    }
    if (d->state != StatePressed)
        return true;
    d->state = d->owner->isChecked() ? StateHover : StateNormal;
    d->owner->update();
    return true;
}

bool QVelBaseButtonDraw::mouseMoveEventDraw(QMouseEvent*)
{
    return d->state == StatePressed;
}

void QVelBaseButtonDraw::enterEventDraw(QEvent*)
{
    if (d->staticState || !d->owner)
        return;
    if (d->owner->testAttribute(Qt::WA_Disabled)) {
        d->state = StateDisabled;
        return;
    }
    d->hovered = true;
    setState(StateHover, true);
}

void QVelBaseButtonDraw::leaveEventDraw(QEvent*)
{
    if (d->staticState || !d->owner)
        return;
    if (d->owner->testAttribute(Qt::WA_Disabled)) {
        d->state = StateDisabled;
        return;
    }
    d->hovered = false;
    if (d->state == StateHover)
        setState(StateNormal, true);
}

void QVelBaseButtonDraw::changeEventDraw(QEvent* event)
{
    if (d->staticState || !d->owner || event->type() != QEvent::EnabledChange)
        return;
    d->state = d->owner->testAttribute(Qt::WA_Disabled) ? StateDisabled : StateNormal;
}

void QVelBaseButtonDraw::timerEventDraw(QTimerEvent* event)
{
    if (!d->owner)
        return;
    if (d->alternateTimerId && event->timerId() == d->alternateTimerId) {
        d->alternatePhase = 1 - d->alternatePhase;
        d->owner->update();
    } else if (d->flickerTimerId && event->timerId() == d->flickerTimerId) {
        d->flickerPhase = 1 - d->flickerPhase;
        d->owner->update();
    }
}

void QVelBaseButtonDraw::focusInEvent(QFocusEvent*) { d->hasFocus = true; }
void QVelBaseButtonDraw::focusOutEvent(QFocusEvent*) { d->hasFocus = false; }

void QVelBaseButtonDraw::paintEventDraw(QPaintEvent*)
{
    if (!d->owner)
        return;
    QPainter painter(d->owner);
    DrawBackground(painter);
    DrawFlicker(painter);
    DrawButtonText(painter);
    DrawFocus(painter);
    DrawIcon(painter);
    DrawDigitalTag(painter);
}

QImage QVelBaseButtonDraw::frameImage(int frame) const
{
    if (!d->sheet)
        return QImage();
    const int w = d->sheet->width() / 4;
    QImage part = d->sheet->copy(w * frame, 0, w, d->sheet->height());
    part.setDevicePixelRatio(2.0);
    return part;
}

int QVelBaseButtonDraw::currentFrame() const
{
    if (!d->staticState && d->owner && d->owner->isChecked())
        return StatePressed;
    return (d->state >= 0 && d->state <= 3) ? d->state : -1;
}

void QVelBaseButtonDraw::DrawBackground(QPainter& painter)
{
    if (!d->sheet || !d->owner)
        return;
    const int frame = currentFrame();
    const QColor colors[4] = {d->normalColor, d->hoverColor, d->pressedColor, d->disabledColor};
    if (frame < 0) {
        painter.drawImage(QPointF(0, 0), *d->sheet);
        return;
    }
    d->currentColor = colors[frame];
    QImage part = frameImage(frame);
    QBaseImageDraw::drawBtnImageBg(painter, QRect(0, 0, d->owner->width(), d->owner->height()), part, d->gridView);
}

void QVelBaseButtonDraw::DrawButtonText(QPainter& painter)
{
    if (!d->owner || d->owner->text().isEmpty())
        return;
    const QFont oldFont = painter.font();
    painter.setFont(d->owner->font());
    painter.setPen(d->currentColor);
    const QFontMetrics metrics(d->owner->font());
    if (!d->customTextRect) {
        const QString text = metrics.elidedText(d->owner->text(), Qt::ElideRight, d->owner->width());
        painter.drawText(QRect(0, 0, d->owner->width(), d->owner->height()), int(d->alignment), text);
    } else {
        if (d->textRect.width() == 0)
            d->textRect.setWidth(d->owner->width() - d->iconRect.right() - 1);
        if (d->textRect.height() == 0)
            d->textRect.setBottom(d->owner->height() - 1);
        const QString text = metrics.elidedText(d->owner->text(), Qt::ElideRight, d->textRect.width());
        painter.drawText(d->textRect, int(d->alignment), text);
    }
    painter.setFont(oldFont);
}

void QVelBaseButtonDraw::DrawFocus(QPainter&) {}

void QVelBaseButtonDraw::DrawIcon(QPainter& painter)
{
    if (!d->icon || d->icon->isNull() || !d->owner)
        return;
    QImage image = *d->icon;
    if (d->iconBtnMode) {
        int frame = currentFrame();
        if (frame < 0)
            frame = 0;
        const int w = d->icon->width() / 4;
        image = d->icon->copy(w * frame, 0, w, d->icon->height());
    }
    QRect& r = d->iconRect;
    if (r.width() < 1)
        r.setWidth(image.width() / 2);
    if (r.height() < 1)
        r.setHeight(image.height() / 2);
    if (r.left() == -1)
        r.moveLeft((d->owner->width() - r.width()) / 2);
    if (r.top() == -1)
        r.moveTop((d->owner->height() - r.height()) / 2);
    QImage scaled = image.scaled(2 * r.width(), 2 * r.height(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(2.0);
    painter.drawImage(r.topLeft(), scaled);
}

void QVelBaseButtonDraw::DrawFlicker(QPainter& painter)
{
    if (!d->flickerOn || !d->sheet || !d->owner)
        return;
    QImage part = frameImage(d->flickerPhase == 0 ? StatePressed : StateHover);
    QBaseImageDraw::drawBtnImageBg(painter, QRect(0, 0, d->owner->width(), d->owner->height()), part, d->gridView);
}

void QVelBaseButtonDraw::DrawDigitalTag(QPainter& painter)
{
    if (d->count < 1 || !d->owner)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const bool alternate = d->alternateOn && d->alternatePhase == 1;
    QRect rect = d->tagRect;
    const int left = rect.left() == -1 ? d->owner->width() - d->tagRect.right() - 2 : rect.left();
    const int top = rect.top() == -1 ? 0 : rect.top();
    rect = QRect(left, top, d->tagRect.width(), d->tagRect.height());
    if (d->tagImage.isEmpty() && d->tagImageAlternate.isEmpty()) {
        const QColor fill = alternate ? d->tagColorAlternate : d->tagColor;
        painter.setPen(QPen(fill, 1));
        painter.setBrush(fill);
        // The 1-pixel pen straddles the outline; inset by half of it, so the whole circle
        // stays inside the tag rectangle and is not cut at the button's edges.
        painter.drawEllipse(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    } else {
        QImage image(alternate ? d->tagImageAlternate : d->tagImage);
        if (!image.isNull()) {
            image.setDevicePixelRatio(2.0);
            QBaseImageDraw::drawImage(painter, rect, QRect(0, 0, image.width() / 2, image.height() / 2), image);
        }
    }
    QFont font = painter.font();
    font.setFamily("Tahoma");
    QString text;
    if (d->count < 100) {
        font.setPixelSize(d->tagPixelSize);
        text = QString::number(d->count);
    } else {
        font.setPixelSize(d->tagPixelSize - 2);
        text = "99+";
    }
    // Narrow enough that a ring of the tag shows all round the text, "99+" included.
    painter.setFont(QBaseImageDraw::fontFittingWidth(font, text, rect.width() - 6));
    painter.setPen(alternate ? d->tagTextColorAlternate : d->tagTextColor);
    painter.drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter, text);
    painter.restore();
}
