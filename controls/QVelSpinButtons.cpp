#include "QVelSpinButtons.h"

#include "QVelBaseButton.h"

#include <QAbstractSpinBox>
#include <QFile>
#include <QGraphicsOpacityEffect>
#include <QLineEdit>

QVelSpinButtons::QVelSpinButtons(QAbstractSpinBox* owner) : m_owner(owner) {}

QVelSpinButtons::~QVelSpinButtons()
{
    release();
}

void QVelSpinButtons::destroy()
{
    delete m_up;
    delete m_down;
    m_up = nullptr;
    m_down = nullptr;
}

bool QVelSpinButtons::create(const QString& upPath, const QString& downPath, bool keepSize)
{
    destroy();
    if (!QFile::exists(upPath))
        return false;
    m_up = new QVelBaseButton(m_owner);
    m_down = new QVelBaseButton(m_owner);
    m_up->setButtonImage(upPath, true);
    m_down->setButtonImage(downPath, true);
    m_up->setFocusPolicy(Qt::NoFocus);
    m_down->setFocusPolicy(Qt::NoFocus);
    m_up->show();
    m_down->show();
    m_keepSize = keepSize;
    return true;
}

void QVelSpinButtons::setMargins(int left, int top, int right, int bottom)
{
    m_left = qint16(left);
    m_leftProvisional = false;
    m_top = qint16(top);
    m_right = qint16(right);
    m_bottom = qint16(bottom);
}

QMargins QVelSpinButtons::margins() const
{
    return QMargins(m_left, m_top, m_right, m_bottom);
}

void QVelSpinButtons::place()
{
    if (!m_up && !m_down)
        return;
    const int W = m_owner->width();
    const int H = m_owner->height();
    QVelBaseButton* up = m_up ? m_up : m_down;
    // A computed left margin is kept, so later resizes leave the buttons where they were;
    // until the owner is shown it is recomputed, as forms size their fields after setting
    // the pictures and the buttons would otherwise sit outside a narrower field.
    if (m_left < 0 || m_leftProvisional) {
        m_left = qint16(W - up->width() - m_right);
        m_leftProvisional = !m_owner->isVisible();
    }
    if (m_keepSize) {
        if (m_up)
            m_up->move(m_left, m_top);
        if (m_down)
            m_down->move(m_left, H - m_bottom - m_down->height());
        return;
    }
    if (m_up)
        m_up->setGeometry(QRect(QPoint(m_left, m_top), QPoint(W - 1 - m_right, m_top - 1 + (H - m_top - m_bottom) / 2)));
    if (m_down) {
        const int start = H - m_bottom - up->height();
        m_down->setGeometry(QRect(QPoint(m_left, start), QPoint(m_left + up->width() - 1, 2 * start - m_top - 1)));
    }
}

void QVelSpinButtons::press(QObject* sender)
{
    if (!m_up)
        return;
    m_repeatUp = sender == m_up;
    m_ticks = 0;
    if (m_timerId)
        m_owner->killTimer(m_timerId);
    m_timerId = m_owner->startTimer(100, Qt::CoarseTimer);
}

void QVelSpinButtons::release()
{
    if (m_timerId)
        m_owner->killTimer(m_timerId);
    m_timerId = 0;
}

int QVelSpinButtons::tick(int timerId)
{
    if (!m_timerId || timerId != m_timerId)
        return 0;
    const int step = m_ticks >= 6 ? (m_repeatUp ? 1 : -1) : 0;
    ++m_ticks;
    return step;
}

void QVelSpinButtons::styleFieldEdit(QLineEdit* edit)
{
    // The same inset as a skinned line edit's text.
    if (edit)
        edit->setTextMargins(1, 0, 2, 0);
}

void QVelSpinButtons::fadeFieldEdit(QLineEdit* edit, bool disabled)
{
    if (!edit)
        return;
    if (!disabled) {
        edit->setGraphicsEffect(nullptr);
        return;
    }
    if (edit->graphicsEffect())
        return;
    auto* fade = new QGraphicsOpacityEffect(edit);
    fade->setOpacity(0.4);
    edit->setGraphicsEffect(fade);
}
