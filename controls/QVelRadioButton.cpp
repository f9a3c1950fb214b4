#include "QVelRadioButton.h"

#include <QMouseEvent>

QVelRadioButton::QVelRadioButton(QWidget* parent)
    : QRadioButton(parent), QVelBaseBoxDraw(this, RadioButton), QVelBaseButtonDraw(this)
{
}

QVelRadioButton::~QVelRadioButton() = default;

void QVelRadioButton::setCheckImage(QString first, QString second, bool buttonMode, bool twoFrames)
{
    m_buttonMode = buttonMode;
    if (!buttonMode)
        QVelBaseBoxDraw::setCheckImage(first, second, QString(), false, twoFrames);
    else
        QVelBaseButtonDraw::setButtonImage(first, true);
    update();
}

void QVelRadioButton::setBtnIcon(QString path)
{
    if (m_buttonMode)
        QVelBaseButtonDraw::setBtnIcon(path);
    else
        QVelBaseBoxDraw::setBtnIcon(path);
}

void QVelRadioButton::setIconRect(QRect rect)
{
    if (m_buttonMode)
        QVelBaseButtonDraw::setIconRect(rect);
    else
        QVelBaseBoxDraw::setIconRect(rect);
}

void QVelRadioButton::setTextRect(QRect rect)
{
    if (m_buttonMode)
        QVelBaseButtonDraw::setTextRect(rect);
    else
        QVelBaseBoxDraw::setTextRect(rect);
}

void QVelRadioButton::setAlignment(Qt::Alignment alignment)
{
    if (m_buttonMode)
        QVelBaseButtonDraw::setAlignment(alignment);
    else
        QVelBaseBoxDraw::setAlignment(alignment);
}

Qt::Alignment QVelRadioButton::alignment() const
{
    return m_buttonMode ? QVelBaseButtonDraw::alignment() : QVelBaseBoxDraw::alignment();
}

void QVelRadioButton::adjustSize()
{
    if (m_buttonMode)
        return;
    if (QVelBaseBoxDraw::isCustomDraw())
        QVelBaseBoxDraw::adjustSize();
    else
        QWidget::adjustSize();
}

void QVelRadioButton::seedClick()
{
    click();
}

bool QVelRadioButton::isButtonMode() const { return m_buttonMode; }

bool QVelRadioButton::isCustomDraw() const
{
    return m_buttonMode ? QVelBaseButtonDraw::isCustomDraw() : QVelBaseBoxDraw::isCustomDraw();
}

void QVelRadioButton::paintEvent(QPaintEvent* event)
{
    if (m_buttonMode && isCustomDraw())
        paintEventDraw(event);
    else if (!m_buttonMode && isCustomDraw())
        QVelBaseBoxDraw::paintEvent(event);
    else
        QRadioButton::paintEvent(event);
}

void QVelRadioButton::mousePressEvent(QMouseEvent* event)
{
    if (m_buttonMode) {
        mousePressEventDraw(event);
        setChecked(!isChecked());
    }
    QAbstractButton::mousePressEvent(event);
}

void QVelRadioButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_buttonMode)
        mouseReleaseEventDraw(event);
    QAbstractButton::mouseReleaseEvent(event);
}

void QVelRadioButton::mouseMoveEvent(QMouseEvent* event)
{
    QRadioButton::mouseMoveEvent(event);
}

void QVelRadioButton::enterEvent(QEvent* event)
{
    if (m_buttonMode)
        enterEventDraw(event);
    QWidget::enterEvent(event);
}

void QVelRadioButton::leaveEvent(QEvent* event)
{
    if (m_buttonMode)
        leaveEventDraw(event);
    QWidget::leaveEvent(event);
}

void QVelRadioButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (m_buttonMode)
        changeEventDraw(event);
    update();
}

void QVelRadioButton::focusInEvent(QFocusEvent* event)
{
    QAbstractButton::focusInEvent(event);
    QVelBaseButtonDraw::focusInEvent(event);
}

void QVelRadioButton::focusOutEvent(QFocusEvent* event)
{
    QAbstractButton::focusOutEvent(event);
    QVelBaseButtonDraw::focusOutEvent(event);
}
