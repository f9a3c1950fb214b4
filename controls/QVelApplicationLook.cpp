#include "QVelApplicationLook.h"

#include "QVelFallbackLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>

QPalette QVelApplicationLook::palette()
{
    QPalette palette = QVelFallbackLook::palette(QPalette(QColor(43, 43, 43)));
    const QColor text(228, 228, 228);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::AlternateBase, QColor(40, 40, 40));
        palette.setColor(group, QPalette::ToolTipBase, QColor(51, 51, 51));
        palette.setColor(group, QPalette::ToolTipText, text);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Link, QColor(244, 229, 137));
        palette.setColor(group, QPalette::LinkVisited, QColor(214, 199, 120));
        palette.setColor(group, QPalette::PlaceholderText, QColor(150, 150, 150));
    }
    return palette;
}

void QVelApplicationLook::apply()
{
    // A desktop's own dialogs would ignore the palette and open light.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // Fusion follows the palette everywhere, whatever style the desktop offers.
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    const QPalette dark = palette();
    QApplication::setPalette(dark);
    // Tooltips keep a palette of their own, pale yellow on many desktops.
    QToolTip::setPalette(dark);
}
