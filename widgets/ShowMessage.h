#pragma once

#include <QString>

class QWidget;

// Qt's plain information box with an OK button; returns the button pressed. The
// style is not used. With a parent the box opens centred over the parent's window.
int ShowMessage(QString text, QString title, unsigned int style);
int ShowMessage(QWidget* parent, QString text, QString title, unsigned int style);
int ShowMessage(const char* text, const char* title, unsigned int style);
