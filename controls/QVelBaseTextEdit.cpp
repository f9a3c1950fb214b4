#include "QVelBaseTextEdit.h"

QVelBaseTextEdit::QVelBaseTextEdit(QWidget* parent) : QTextEdit(parent) {}

QVelBaseTextEdit::QVelBaseTextEdit(QString const& text, QWidget* parent) : QTextEdit(text, parent) {}

void QVelBaseTextEdit::focusInEvent(QFocusEvent* event)
{
    QTextEdit::focusInEvent(event);
    emit emitStartEditing();
}

void QVelBaseTextEdit::focusOutEvent(QFocusEvent* event)
{
    QTextEdit::focusOutEvent(event);
    emit editingFinished();
}
