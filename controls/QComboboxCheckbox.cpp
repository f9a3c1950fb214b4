#include "QComboboxCheckbox.h"

#include <QMouseEvent>

QComboboxCheckbox::QComboboxCheckbox(QWidget* parent) : QVelCheckBox(parent) {}

void QComboboxCheckbox::setIgnoreClick(bool ignore) { m_ignoreClick = ignore; }
bool QComboboxCheckbox::ignoreClick() const { return m_ignoreClick; }

void QComboboxCheckbox::mousePressEvent(QMouseEvent* event)
{
    if (!m_ignoreClick) {
        QVelCheckBox::mousePressEvent(event);
        return;
    }
    event->accept();
    emit emitClick();
}

// An ignored press never arms the button, so its release must not reach the pop-up either.
void QComboboxCheckbox::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_ignoreClick) {
        event->accept();
        return;
    }
    QVelCheckBox::mouseReleaseEvent(event);
}
