#include "QVelDateTimeEdit.h"

#include "QVelBaseButton.h"
#include "QVelSpinButtons.h"

#include <QLineEdit>
#include <QTimerEvent>
#include <QWheelEvent>

QVelDateTimeEdit::QVelDateTimeEdit(QWidget* parent)
    : QDateTimeEdit(parent), QVelBaseRectImageDraw(this), m_buttons(new QVelSpinButtons(this))
{
    init();
}

QVelDateTimeEdit::QVelDateTimeEdit(const QVariant& value, QVariant::Type type, QWidget* parent)
    : QDateTimeEdit(value, type, parent), QVelBaseRectImageDraw(this), m_buttons(new QVelSpinButtons(this))
{
    init();
}

QVelDateTimeEdit::~QVelDateTimeEdit()
{
    delete m_buttons;
}

void QVelDateTimeEdit::init()
{
    setAcceptDrops(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
    if (QLineEdit* edit = lineEdit())
        connect(edit, &QLineEdit::textEdited, this, &QVelDateTimeEdit::emitTimeEdited);
}

bool QVelDateTimeEdit::setBackgroundImage(QString path)
{
    if (!QVelBaseRectImageDraw::setBackgroundImage(path))
        return false;
    setStyleSheet("QDateTimeEdit {background-color:transparent;border:none}");
    QVelSpinButtons::styleFieldEdit(lineEdit());
    QVelSpinButtons::fadeFieldEdit(lineEdit(), !isEnabled());
    return true;
}

void QVelDateTimeEdit::changeEvent(QEvent* event)
{
    QDateTimeEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isCustomDraw())
        QVelSpinButtons::fadeFieldEdit(lineEdit(), !isEnabled());
}

void QVelDateTimeEdit::setUpAndDownBtnImage(QString up, QString down, bool keepSize)
{
    if (!m_buttons->create(up, down, keepSize))
        return;
    connect(m_buttons->up(), &QAbstractButton::clicked, this, &QVelDateTimeEdit::stepUp);
    connect(m_buttons->down(), &QAbstractButton::clicked, this, &QVelDateTimeEdit::stepDown);
    for (QVelBaseButton* button : {m_buttons->up(), m_buttons->down()}) {
        connect(button, &QAbstractButton::pressed, this, &QVelDateTimeEdit::pressBtn);
        connect(button, &QAbstractButton::released, this, &QVelDateTimeEdit::releseBtn);
    }
    resetBtnLocation();
}

void QVelDateTimeEdit::setBtnMargins(int left, int top, int right, int bottom)
{
    m_buttons->setMargins(left, top, right, bottom);
    update();
    updateGeometry();
}

void QVelDateTimeEdit::setBtnMargins(const QMargins& margins)
{
    setBtnMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

QMargins QVelDateTimeEdit::btnMargins() const { return m_buttons->margins(); }

void QVelDateTimeEdit::setTextMargins(int left, int top, int right, int bottom)
{
    if (QLineEdit* edit = lineEdit())
        edit->setTextMargins(left, top, right, bottom);
}

void QVelDateTimeEdit::setTextMargins(const QMargins& margins)
{
    setTextMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

void QVelDateTimeEdit::setAlignment(Qt::Alignment alignment) { QAbstractSpinBox::setAlignment(alignment); }
Qt::Alignment QVelDateTimeEdit::alignment() const { return QAbstractSpinBox::alignment(); }
QVelBaseButton* QVelDateTimeEdit::upButton() const { return m_buttons->up(); }
QVelBaseButton* QVelDateTimeEdit::downButton() const { return m_buttons->down(); }

void QVelDateTimeEdit::stepBy(int steps)
{
    QDateTimeEdit::stepBy(steps);
    emit emitTimeEdited(text());
}

void QVelDateTimeEdit::stepUp()
{
    QAbstractSpinBox::stepUp();
}

void QVelDateTimeEdit::stepDown()
{
    QAbstractSpinBox::stepDown();
}

void QVelDateTimeEdit::pressBtn()
{
    m_buttons->press(sender());
}

void QVelDateTimeEdit::releseBtn()
{
    m_buttons->release();
}

void QVelDateTimeEdit::resetBtnLocation()
{
    m_buttons->place();
}

void QVelDateTimeEdit::timerEvent(QTimerEvent* event)
{
    QDateTimeEdit::timerEvent(event);
    const int step = m_buttons->tick(event->timerId());
    if (step > 0)
        stepUp();
    else if (step < 0)
        stepDown();
}

void QVelDateTimeEdit::wheelEvent(QWheelEvent* event)
{
    const WheelPolicy policy = getWheelEnablePolicy();
    if (policy == WheelIgnored || (policy == WheelFocusOnly && !hasFocus())) {
        event->accept();
        return;
    }
    QDateTimeEdit::wheelEvent(event);
}

void QVelDateTimeEdit::focusInEvent(QFocusEvent* event)
{
    QDateTimeEdit::focusInEvent(event);
    emit emitStartEditing();
}

void QVelDateTimeEdit::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
}

void QVelDateTimeEdit::paintEvent(QPaintEvent* event)
{
    QVelBaseRectImageDraw::paintEvent(event);
    if (!m_buttons->up())
        QDateTimeEdit::paintEvent(event);
}

void QVelDateTimeEdit::resizeEvent(QResizeEvent* event)
{
    QDateTimeEdit::resizeEvent(event);
    resetBtnLocation();
}

void QVelDateTimeEdit::showEvent(QShowEvent* event)
{
    QDateTimeEdit::showEvent(event);
    resetBtnLocation();
}
