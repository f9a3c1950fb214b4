#include "QTimeEditEx.h"

#include <QLineEdit>

QTimeEditEx::QTimeEditEx(QWidget* parent) : QTimeEdit(parent)
{
    connect(lineEdit(), &QLineEdit::textEdited, this, &QTimeEditEx::emitTextEdited);
    connect(lineEdit(), &QLineEdit::textChanged, this, &QTimeEditEx::emitTextChanged);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &QTimeEditEx::emitTextFinish);
}

QLineEdit* QTimeEditEx::getLindEdit() { return lineEdit(); }

void QTimeEditEx::stepUp()
{
    QTimeEdit::stepUp();
    emit emitStepUp();
}

void QTimeEditEx::stepDown()
{
    QTimeEdit::stepDown();
    emit emitStepDown();
}
