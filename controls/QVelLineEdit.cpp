#include "QVelLineEdit.h"

#include <QPainter>
#include <QRegExpValidator>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWheelEvent>

class QVelLineEditPrivate
{
public:
    QColor placeholderColor;
    QColor textColor;
    bool placeholderColoring = false;
    QString placeholderText;
    bool elidePath = false;
};

QVelLineEdit::QVelLineEdit(QWidget* parent)
    : QLineEdit(parent), QVelBaseRectImageDraw(this), d(new QVelLineEditPrivate)
{
    d->textColor = palette().color(QPalette::Text);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    setAcceptDrops(false);
}

QVelLineEdit::~QVelLineEdit()
{
    delete d;
}

bool QVelLineEdit::setBackgroundImage(QString path)
{
    if (!QVelBaseRectImageDraw::setBackgroundImage(path))
        return false;
    setStyleSheet("QLineEdit {background-color:transparent;border:none; padding: 0px 0px 1px -2px}");
    setTextMargins(3, 0, 2, 0);
    return true;
}

void QVelLineEdit::onlyInputNumber()
{
    setValidator(new QRegExpValidator(QRegExp("^[0-9]*[1-9][0-9]*$", Qt::CaseSensitive), this));
}

void QVelLineEdit::setAlignment(Qt::Alignment alignment)
{
    QLineEdit::setAlignment(alignment);
}

Qt::Alignment QVelLineEdit::alignment() const
{
    return QLineEdit::alignment();
}

void QVelLineEdit::setPalette(QPalette const& palette)
{
    QLineEdit::setPalette(palette);
    d->textColor = palette.color(QPalette::Text);
}

void QVelLineEdit::setPlaceholderText(QString const& text)
{
    QLineEdit::setPlaceholderText(text);
    d->placeholderText = text;
}

void QVelLineEdit::applyTextColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Active, QPalette::Text, color);
    pal.setColor(QPalette::Inactive, QPalette::Text, color);
    pal.setColor(QPalette::Disabled, QPalette::Text, color);
    QLineEdit::setPalette(pal);
}

void QVelLineEdit::setPlaceholderTextColor(QColor color, bool on)
{
    d->placeholderColor = color;
    d->placeholderColoring = on;
    if (on && text().isEmpty()) {
        QLineEdit::setPlaceholderText(d->placeholderText);
        applyTextColor(color);
    }
}

void QVelLineEdit::setElidePath(bool on)
{
    if (d->elidePath == on)
        return;
    d->elidePath = on;
    if (on)
        connect(this, &QLineEdit::textChanged, this, &QVelLineEdit::followPath);
    else
        disconnect(this, &QLineEdit::textChanged, this, &QVelLineEdit::followPath);
    followPath(text());
}

void QVelLineEdit::followPath(const QString& text)
{
    setToolTip(d->elidePath ? text : QString());
    update();
}

// Draws the shortened text in place of the line edit's own, which would cut a
// long path at one edge; false when the whole text fits and Qt draws it.
bool QVelLineEdit::paintElided(QPainter& painter)
{
    if (!d->elidePath || hasFocus() || text().isEmpty())
        return false;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    const QRect room =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(margins).adjusted(2, 0, -2, 0);
    const QFontMetrics metrics(font());
    if (metrics.horizontalAdvance(text()) <= room.width())
        return false;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(text(), Qt::ElideMiddle, room.width()));
    return true;
}

void QVelLineEdit::paintEvent(QPaintEvent* event)
{
    QVelBaseRectImageDraw::paintEvent(event);
    QPainter painter(this);
    if (paintElided(painter))
        return;
    painter.end();
    QLineEdit::paintEvent(event);
}

void QVelLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (d->placeholderColoring) {
        QLineEdit::setPlaceholderText(QString());
        applyTextColor(d->textColor);
    }
}

void QVelLineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (d->placeholderColoring && text().isEmpty()) {
        QLineEdit::setPlaceholderText(d->placeholderText);
        applyTextColor(d->placeholderColor);
    }
}

void QVelLineEdit::wheelEvent(QWheelEvent* event)
{
    const WheelPolicy policy = getWheelEnablePolicy();
    if (policy == WheelIgnored || (policy == WheelFocusOnly && !hasFocus())) {
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}
