#include "QVelTimeEdit.h"

QVelTimeEdit::QVelTimeEdit(QWidget* parent) : QVelTimeEdit(QTime(0, 0, 0, 0), parent) {}

QVelTimeEdit::QVelTimeEdit(const QTime& time, QWidget* parent) : QVelDateTimeEdit(time, QVariant::Time, parent)
{
    setAcceptDrops(false);
    setAttribute(Qt::WA_MacShowFocusRect, false);
}
