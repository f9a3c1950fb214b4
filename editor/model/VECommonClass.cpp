#include "VECommonClass.h"

#include "QVelProjectPath.h"
#include "VEHelper.h"
#include "VelCommonInterface.h"
#include "VelSystemActions.h"

#include <QCoreApplication>
#include <QWidget>

QString VECommonClass::m_customResPath;
bool VECommonClass::m_bCustomSet = false;
QString VECommonClass::s_resourcePath;
bool VECommonClass::s_resourcePathComputed = false;

QString VECommonClass::getResourcePath()
{
    if (s_resourcePathComputed)
        return s_resourcePath;
    QString path = QCoreApplication::applicationDirPath();
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const int bundle = path.lastIndexOf(QLatin1String(".app"));
    if (bundle >= 0)
        path.truncate(bundle);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        path.truncate(slash);
    s_resourcePath = path;
    s_resourcePathComputed = true;
    return s_resourcePath;
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
