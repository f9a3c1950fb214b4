#include "QEditTimeEx.h"
#include "WidgetsLog.h"

#include "QTimeText.h"

#include <QDebug>
#include <QLineEdit>

QEditTimeEx::QEditTimeEx(QWidget* parent) : QVelTimeEdit(parent)
{
    lineEdit()->setTextMargins(3, 0, 0, 0);
    m_lastValidText = lineEdit()->text();
    connect(this, &QVelDateTimeEdit::emitTimeEdited, this, &QEditTimeEx::onTextEdited);
}

void QEditTimeEx::setCurrentTime(quint64 micros)
{
    m_currentMicros = micros;
    m_currentTime = QTimeText::fromMicros(micros);
    setTime(m_currentTime);
    m_lastValidText = lineEdit()->text();
}

quint64 QEditTimeEx::getCurrentTime() { return m_currentMicros; }
quint64 QEditTimeEx::timeConvertToInt(QTime time) { return QTimeText::toMicros(time); }

// An invalid typed time is not reported; the last valid text comes back.
void QEditTimeEx::onTextEdited(QString text)
{
    qCDebug(lcWidgets) << "change---------timeTextEdited" << text;
    const QTime typed = QTimeText::parse(text);
    if (!typed.isValid()) {
        lineEdit()->setText(m_lastValidText);
        return;
    }
    m_lastValidText = text;
    emit emitTextEdited(QTimeText::toMicros(typed));
}
