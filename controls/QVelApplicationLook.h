#pragma once

#include <QPalette>

// The look of every surface Qt draws itself (menus, file, font and colour
// dialogs, message boxes, tooltips, scroll bars, input fields): one dark style
// in the skin's colours, so nothing a user opens falls back to a light platform look.
class QVelApplicationLook
{
public:
    // Call once after the QApplication is made and before the first window.
    static void apply();
    static QPalette palette();
};
