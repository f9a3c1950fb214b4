#include "VECommonClass.h"

#include "QIAnyUtil.h"
#include "QVelProjectPath.h"
#include "VEHelper.h"
#include "VelCommonInterface.h"
#include "VelSystemActions.h"

#include <QWidget>

QString VECommonClass::m_customResPath;
bool VECommonClass::m_bCustomSet = false;

QString VECommonClass::getResourcePath()
{
    // The folder that holds the resources folder.
    const QString resources = QIAnyUtil::getResourcePath();
    return resources.left(resources.lastIndexOf(QLatin1Char('/')));
}

void VECommonClass::setCustomResPath(QString path)
{
    m_customResPath = path;
    m_bCustomSet = true;
}

QString VECommonClass::resourceSubFolder(const QString& sub)
{
    if (m_bCustomSet)
        return getResourcePath() + QLatin1Char('/') + m_customResPath + sub;
    return QVelProjectPath::getResourcePath(QString()) + sub;
}

QString VECommonClass::getCustomResPath()
{
    return resourceSubFolder(QStringLiteral("/VEditSource"));
}

QString VECommonClass::getVideoEffectsPath()
{
    return resourceSubFolder(QStringLiteral("/VideoEffects"));
}

QString VECommonClass::getVideoFramesPath()
{
    return resourceSubFolder(QStringLiteral("/VideoFrames"));
}

QString VECommonClass::getAudioEffectsPath()
{
    return resourceSubFolder(QStringLiteral("/AudioEffects"));
}

void VECommonClass::setOpenFinder(QString path)
{
    // One pass each, in this order: "\/" thus still leaves "//" behind.
    path.replace(QLatin1String("//"), QLatin1String("/"));
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    VelSystemActions::reveal(path);
}

void VECommonClass::setWindowTopHint(QWidget* widget)
{
    if (widget)
        VelCommonInterface::setWindowTopHint(widget->window()->windowHandle());
}

QVector<uint32_t> VECommonClass::ConvertCharToUtft32(const char* text)
{
    return VEHelper::ConvertCharToUtft32(text);
}
