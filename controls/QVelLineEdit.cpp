#include "QVelLineEdit.h"

#include <QRegExpValidator>
#include <QWheelEvent>

class QVelLineEditPrivate
{
public:
    QColor placeholderColor;
    QColor textColor;
    bool placeholderColoring = false;
    QString placeholderText;
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

void QVelLineEdit::paintEvent(QPaintEvent* event)
{
    QVelBaseRectImageDraw::paintEvent(event);
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
