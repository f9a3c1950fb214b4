#pragma once

class QVelMessageBoxOption;
class QWidget;

// Configures the skinned control library for this application: product names,
// shadow margins, band heights, the font, and the restyling of every message box.
class QInitProject
{
public:
    QInitProject();

    static void InitProject(QWidget* mainWindow);
    static void InitMessageBox();
    static void releseProject();
};

// The message-box hook: the application's button texts, colours, fonts, palette,
// band heights and icon offset. A null option is ignored.
void MessageBoxOptionCallback(QVelMessageBoxOption* option);
