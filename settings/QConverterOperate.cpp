#include "QConverterOperate.h"
#include "SettingsLog.h"

#include "QAttributeSettingHolder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString QConverterOperate::m_converterPath;
QString QConverterOperate::m_logFilePath;
QString QConverterOperate::m_audioDeviceName;
QString QConverterOperate::m_fileExt;
QString QConverterOperate::m_videoName;
QString QConverterOperate::m_adjustFileName;
QString QConverterOperate::m_outputDir;
QString QConverterOperate::m_sOutputName;
int QConverterOperate::g_langugeType = 0;

namespace {
// Gives up after this many taken names rather than looping without end on a
// folder that refuses every new file.
const int kMaxNumber = 100000;
// File names take at most 255 bytes. An output is written under a partial
// name that adds 17 bytes (a leading dot and ".zvpart-" with 8 digits), so
// output names stay within 238; a source folder leaves room for "(n)".
const int kMaxOutputNameBytes = 255 - 17;
const int kMaxFolderNameBytes = 255 - 8;
}

QString QConverterOperate::fitName(const QString& base, const QString& tail, int limit)
{
    const int room = limit - QFile::encodeName(tail).size();
    QString fitted = base;
    while (!fitted.isEmpty() && QFile::encodeName(fitted).size() > room) {
        fitted.chop(1);
        // Never split a surrogate pair.
        if (!fitted.isEmpty() && fitted.at(fitted.size() - 1).isHighSurrogate())
            fitted.chop(1);
    }
    return fitted;
}

void QConverterOperate::setConverterPath(QString root)
{
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    if (!root.isEmpty() && root != QLatin1String("/"))
        root += QLatin1Char('/');
    m_converterPath = root;
}

QString QConverterOperate::getConverterPath()
{
    return m_converterPath;
}

QString QConverterOperate::baseNameOf(const QString& fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? fileName.left(dot) : fileName;
}

void QConverterOperate::setAdjustFileName(QString name, QString ext)
{
    m_fileExt = ext;
    m_videoName = name;
    m_adjustFileName = name;
    m_outputDir.clear();
    // Without a source name or a root the folder would land in the working
    // folder of the process; leave it unset so that nothing is written.
    if (name.isEmpty() || m_converterPath.isEmpty())
        return;

    const QString base = fitName(baseNameOf(name), QString(), kMaxFolderNameBytes);
    QString candidate = m_converterPath + base;
    for (int n = 1; QFileInfo::exists(candidate) && n <= kMaxNumber; ++n) {
        candidate = m_converterPath + base + QStringLiteral("(%1)").arg(n);
        candidate.replace(QStringLiteral("//"), QStringLiteral("/"));
    }
    m_outputDir = candidate + QLatin1Char('/');
}

void QConverterOperate::updateAdjustFileName()
{
    setAdjustFileName(m_videoName, m_fileExt);
}

QString QConverterOperate::getOutputDir()
{
    return m_outputDir;
}

QString QConverterOperate::getAdjustFileName()
{
    return m_adjustFileName;
}

QString QConverterOperate::getConvertPath()
{
    m_sOutputName.clear();
    const AttributeSetting* profile = QAttributeSettingHolder::m_attributeSetting;
    if (m_outputDir.isEmpty() || !profile) {
        qCWarning(lcSettings) << "output naming: no output folder or no output profile; no path handed out";
        return QString();
    }
    QString ext = profile->fileExtend;
    if (profile->bLossless && profile->fileFormat == QLatin1String("Original"))
        ext = m_fileExt;
    if (m_adjustFileName.isEmpty())
        m_adjustFileName = m_videoName;
    const QString base = baseNameOf(m_adjustFileName);

    if (!QDir(m_outputDir).exists() && !QDir().mkpath(m_outputDir))
        qCWarning(lcSettings).noquote() << "output naming: cannot create" << m_outputDir;

    for (int n = 1; n <= kMaxNumber; ++n) {
        // A long source name is shortened; the number and the extension stay.
        const QString tail = QStringLiteral("_%1.%2").arg(n).arg(ext);
        QString path = m_outputDir + fitName(base, tail, kMaxOutputNameBytes) + tail;
        path.replace(QStringLiteral("//"), QStringLiteral("/"));
        if (QFileInfo::exists(path))
            continue;
        // Claim the name now, so that nothing (another run, another program)
        // can be overwritten by the job that writes it.
        QFile claim(path);
        if (claim.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            claim.close();
            m_sOutputName = path;
            return path;
        }
        if (QFileInfo::exists(path))
            continue; // taken between the check and the claim
        qCWarning(lcSettings).noquote() << "output naming: cannot create" << path << ":" << claim.errorString();
        return QString();
    }
    qCWarning(lcSettings).noquote() << "output naming: no free name left in" << m_outputDir;
    return QString();
}

void QConverterOperate::setLogFilePath(QString path)
{
    m_logFilePath = path;
}

QString QConverterOperate::getLogFilePath()
{
    return m_logFilePath;
}

void QConverterOperate::setAudioDeviceName(QString name)
{
    m_audioDeviceName = name;
}

QString QConverterOperate::getAudioDeviceName()
{
    return m_audioDeviceName;
}

void QConverterOperate::setLanguageType(QString typeName)
{
    static const char* const names[] = {"English", "Chinese", "German", "French", "Japanese"};
    g_langugeType = 0;
    for (int i = 0; i < 5; ++i) {
        if (typeName == QLatin1String(names[i]))
            g_langugeType = i;
    }
}

int QConverterOperate::getLanguageType()
{
    return g_langugeType;
}
