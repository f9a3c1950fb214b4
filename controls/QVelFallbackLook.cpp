#include "QVelFallbackLook.h"

QPalette QVelFallbackLook::palette(QPalette from)
{
    const QColor text(228, 228, 228);
    const QColor dimText(120, 120, 120);
    const QColor button(60, 60, 60);
    const QColor ground(43, 43, 43);
    const QColor field(34, 34, 34);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool disabled = group == QPalette::Disabled;
        from.setColor(group, QPalette::Button, disabled ? QColor(51, 51, 51) : button);
        from.setColor(group, QPalette::ButtonText, disabled ? dimText : text);
        from.setColor(group, QPalette::Window, ground);
        from.setColor(group, QPalette::WindowText, disabled ? dimText : text);
        from.setColor(group, QPalette::Base, field);
        from.setColor(group, QPalette::Text, disabled ? dimText : text);
        from.setColor(group, QPalette::Light, QColor(90, 90, 90));
        from.setColor(group, QPalette::Midlight, QColor(74, 74, 74));
        from.setColor(group, QPalette::Mid, QColor(58, 58, 58));
        from.setColor(group, QPalette::Dark, QColor(30, 30, 30));
        from.setColor(group, QPalette::Shadow, QColor(20, 20, 20));
        from.setColor(group, QPalette::Highlight, QColor(105, 105, 105));
        from.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return from;
}
