#include "ShowMessage.h"

#include <QMessageBox>

int ShowMessage(QString text, QString title, unsigned int)
{
    return QMessageBox::information(nullptr, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

int ShowMessage(const char* text, const char* title, unsigned int style)
{
    return ShowMessage(text ? QString::fromUtf8(text) : QString(), title ? QString::fromUtf8(title) : QString(),
                       style);
}
