#include "QInitProject.h"

#include "QProjectConfig.h"
#include "QVelMessageBox.h"
#include "QVelMessageBoxOption.h"

#include <QObject>
#include <QWidget>

QInitProject::QInitProject() {}

void QInitProject::InitProject(QWidget* mainWindow)
{
    QProjectConfig* config = QProjectConfig::getProjectConfig();
    config->setCompanyName("Velmarin");
    config->setProjectName("Zededera Raziz Azodor");
    config->setProjectShortName("Redev Ezuvod");
    config->setTransparentMargins(4);
    config->setDlgTopAndBottom(22, 30);
    if (mainWindow)
        config->setFont(mainWindow->font());
    InitMessageBox();
}

void QInitProject::InitMessageBox()
{
    QVelMessageBox::setOptionCallback(&MessageBoxOptionCallback);
}

void QInitProject::releseProject()
{
    QProjectConfig::releaseProjectConfig();
}

void MessageBoxOptionCallback(QVelMessageBoxOption* option)
{
    if (!option)
        return;
    option->okText = QObject::tr("OK");
    option->cancelText = QObject::tr("Cancel");
    option->yesText = QObject::tr("YES");
    option->noText = QObject::tr("NO");
    for (QColor& color : option->buttonTextColor)
        color = QColor(55, 55, 55, 255);
    option->dlgTop = 22;
    option->dlgBottom = 50;
    option->titleFont.setFamily("Tahoma");
    option->titleFont.setPixelSize(12);
    option->messageFont.setFamily("Tahoma");
    option->messageFont.setPixelSize(12);
    option->palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(QColor(245, 245, 245)));
    option->palette.setBrush(QPalette::All, QPalette::Text, QBrush(QColor(228, 228, 228)));
    option->iconOffset = -7;
}
