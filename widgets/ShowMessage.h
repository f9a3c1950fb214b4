#pragma once

#include <QString>

// Qt's plain information box with an OK button; returns the button pressed. The
// style is not used.
int ShowMessage(QString text, QString title, unsigned int style);
int ShowMessage(const char* text, const char* title, unsigned int style);
