#include "QVelDoubleSpinBox.h"

#include "QVelBaseButton.h"
#include "QVelSpinButtons.h"

#include <QLineEdit>
#include <QTimerEvent>
#include <QWheelEvent>

QVelDoubleSpinBox::QVelDoubleSpinBox(QWidget* parent)
    : QDoubleSpinBox(parent), QVelBaseRectImageDraw(this), m_buttons(new QVelSpinButtons(this))
{
    setAcceptDrops(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
}

QVelDoubleSpinBox::~QVelDoubleSpinBox()
{
    delete m_buttons;
}

bool QVelDoubleSpinBox::setBackgroundImage(QString path)
{
    if (!QVelBaseRectImageDraw::setBackgroundImage(path))
        return false;
    setStyleSheet("QDoubleSpinBox {background-color:transparent;border:none}");
    QVelSpinButtons::styleFieldEdit(lineEdit());
    QVelSpinButtons::fadeFieldEdit(lineEdit(), !isEnabled());
    return true;
}

void QVelDoubleSpinBox::changeEvent(QEvent* event)
{
    QDoubleSpinBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isCustomDraw())
        QVelSpinButtons::fadeFieldEdit(lineEdit(), !isEnabled());
}

void QVelDoubleSpinBox::setUpAndDownBtnImage(QString up, QString down, bool keepSize)
{
    if (!m_buttons->create(up, down, keepSize))
        return;
    connect(m_buttons->up(), &QAbstractButton::clicked, this, &QAbstractSpinBox::stepUp);
    connect(m_buttons->down(), &QAbstractButton::clicked, this, &QAbstractSpinBox::stepDown);
    for (QVelBaseButton* button : {m_buttons->up(), m_buttons->down()}) {
        connect(button, &QAbstractButton::pressed, this, &QVelDoubleSpinBox::pressBtn);
        connect(button, &QAbstractButton::released, this, &QVelDoubleSpinBox::releseBtn);
    }
    resetBtnLocation();
}

void QVelDoubleSpinBox::setBtnMargins(int left, int top, int right, int bottom)
{
    m_buttons->setMargins(left, top, right, bottom);
    update();
    updateGeometry();
}

void QVelDoubleSpinBox::setBtnMargins(QMargins const& margins)
{
    setBtnMargins(margins.left(), margins.top(), margins.right(), margins.bottom());
}

void QVelDoubleSpinBox::setTextMargins(int left, int top, int right, int bottom)
{
    if (QLineEdit* edit = lineEdit())
        edit->setTextMargins(left, top, right, bottom);
}

void QVelDoubleSpinBox::setAlignment(Qt::Alignment alignment) { QAbstractSpinBox::setAlignment(alignment); }
Qt::Alignment QVelDoubleSpinBox::alignment() const { return QAbstractSpinBox::alignment(); }
QVelBaseButton* QVelDoubleSpinBox::upButton() const { return m_buttons->up(); }
QVelBaseButton* QVelDoubleSpinBox::downButton() const { return m_buttons->down(); }

void QVelDoubleSpinBox::pressBtn()
{
    m_buttons->press(sender());
}

void QVelDoubleSpinBox::releseBtn()
{
    m_buttons->release();
}

void QVelDoubleSpinBox::resetBtnLocation()
{
    m_buttons->place();
}

void QVelDoubleSpinBox::paintEvent(QPaintEvent* event)
{
    QVelBaseRectImageDraw::paintEvent(event);
    if (!m_buttons->up())
        QAbstractSpinBox::paintEvent(event);
}

void QVelDoubleSpinBox::showEvent(QShowEvent* event)
{
    QDoubleSpinBox::showEvent(event);
    resetBtnLocation();
}

void QVelDoubleSpinBox::resizeEvent(QResizeEvent* event)
{
    QDoubleSpinBox::resizeEvent(event);
    resetBtnLocation();
}

void QVelDoubleSpinBox::focusInEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusInEvent(event);
    emit emitStartEditing();
}

void QVelDoubleSpinBox::focusOutEvent(QFocusEvent* event)
{
    QAbstractSpinBox::focusOutEvent(event);
}

void QVelDoubleSpinBox::timerEvent(QTimerEvent* event)
{
    QAbstractSpinBox::timerEvent(event);
    const int step = m_buttons->tick(event->timerId());
    if (step > 0)
        stepUp();
    else if (step < 0)
        stepDown();
}

void QVelDoubleSpinBox::wheelEvent(QWheelEvent* event)
{
    const WheelPolicy policy = getWheelEnablePolicy();
    if (policy == WheelIgnored || (policy == WheelFocusOnly && !hasFocus())) {
        event->accept();
        return;
    }
    QAbstractSpinBox::wheelEvent(event);
}
