#pragma once
// The workspace's message boxes: title "Zededera Raziz Azodor", one OK
// button, the error icon for failures and the warning icon for refusals. Kept
// apart so that the skinned control library's headers stay out of the panels.

#include <QString>

class QWidget;

class QWorkspaceMessage
{
public:
    static void error(QWidget *parent, const QString &text);
    static void warning(QWidget *parent, const QString &text);
};
