#include "ShowMessage.h"

#include <QMessageBox>

int ShowMessage(QString text, QString title, unsigned int style)
{
    return ShowMessage(nullptr, text, title, style);
}

int ShowMessage(QWidget* parent, QString text, QString title, unsigned int)
{
    return QMessageBox::information(parent, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

int ShowMessage(const char* text, const char* title, unsigned int style)
{
    return ShowMessage(text ? QString::fromUtf8(text) : QString(), title ? QString::fromUtf8(title) : QString(),
                       style);
}
