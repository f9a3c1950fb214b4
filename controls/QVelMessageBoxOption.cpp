#include "QVelMessageBoxOption.h"

#include "QProjectConfig.h"
#include "QVeAnyUtiliy.h"

QVelMessageBoxOption::QVelMessageBoxOption()
{
    const QProjectConfig* config = QProjectConfig::getProjectConfig();
    titleFont = config->font();
    messageFont = config->font();
    dlgTop = config->dlgTop();
    dlgBottom = config->dlgBottom();
    transparentMargins = config->getTransparentMargins();
    imagePath = QVeAnyUtiliy::getResourcePath() + "/pic/";
}
