#include "VelCommonInterface.h"
#include "SettingsLog.h"

#include "PlistDocument.h"
#include "QIAnyUtil.h"
#include "VelSystemActions.h"
#include "VelUpdater.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>
#include <QVector>
#include <QWindow>
#include <QtEndian>

#include <cerrno>
#include <ctime>
#include <sys/time.h>
#include <sys/utsname.h>

namespace {

const char kProductName[] = "Zededera Raziz Azodor";
const char kCompanyName[] = "Velmarin";
const char kVersion[] = "2.3.2.47";
const char kShortVersion[] = "2.3.2";
const char kShortVersionKey[] = "CFBundleShortVersionString";

QString kernelRelease()
{
    struct utsname names {};
    if (uname(&names) != 0)
        return {};
    return QString::fromLocal8Bit(names.release);
}

// PRETTY_NAME of os-release(5); the value may be quoted.
QString distributionName()
{
    for (const char *path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        QTextStream in(&file);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            if (!line.startsWith(QLatin1String("PRETTY_NAME=")))
                continue;
            QString value = line.mid(int(qstrlen("PRETTY_NAME=")));
            if (value.size() >= 2 && (value.startsWith('"') || value.startsWith('\''))
                && value.endsWith(value.at(0)))
                value = value.mid(1, value.size() - 2);
            return value;
        }
    }
    return {};
}

void setString(plist_t dict, const char *key, const QString &value)
{
    plist_dict_set_item(dict, key, plist_new_string(value.toUtf8().constData()));
}

} // namespace

void VelCommonInterface::showFileInFolder(const std::string &path)
{
    QString normalised = QString::fromStdString(path);
    normalised.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (normalised.contains(QLatin1String("//")))
        normalised.replace(QLatin1String("//"), QLatin1String("/"));
    VelSystemActions::reveal(normalised);
}

void VelCommonInterface::shutdownComputer()
{
    VelSystemActions::requestPower(VelSystemActions::Power::PowerOff);
}

void VelCommonInterface::sleepComputer()
{
    VelSystemActions::requestPower(VelSystemActions::Power::Suspend);
}

QString VelCommonInterface::SystemVersionInfo()
{
    const QString distribution = distributionName();
    const QString kernel = kernelRelease();
    if (distribution.isEmpty() && kernel.isEmpty())
        return QStringLiteral("Unkown");
    if (kernel.isEmpty())
        return distribution;
    const QString linux = QStringLiteral("Linux %1").arg(kernel);
    return distribution.isEmpty() ? linux : QStringLiteral("%1, %2").arg(distribution, linux);
}

int VelCommonInterface::SystemVersionInfoValue(uint32_t &major, uint32_t &minor, uint32_t &bugfix)
{
    major = minor = bugfix = 0;
    static const QRegularExpression numbers(QStringLiteral("^(\\d+)\\.(\\d+)(?:\\.(\\d+))?"));
    const QRegularExpressionMatch match = numbers.match(kernelRelease());
    if (!match.hasMatch())
        return -1;
    major = match.captured(1).toUInt();
    minor = match.captured(2).toUInt();
    bugfix = match.captured(3).toUInt();
    return 0;
}

QString VelCommonInterface::getAppInfoFile()
{
    return QIAnyUtil::getApplicationDirPath() + QStringLiteral("Info.plist");
}

bool VelCommonInterface::infoFileNeedsInit(const QString &path)
{
    PlistDocument document;
    if (!document.load(path))
        return true;
    return !PlistDocument::dictItem(document.root(), kShortVersionKey);
}

bool VelCommonInterface::isNeedInitInfoFile()
{
    return infoFileNeedsInit(getAppInfoFile());
}

void VelCommonInterface::InitInfoToFile(const std::string &infoPlistPath)
{
    // Decided by the file being completed, so a list that has its version
    // already is never rewritten.
    const QString path = QString::fromStdString(infoPlistPath);
    if (!infoFileNeedsInit(path))
        return;
    PlistDocument document;
    if (!document.load(path)) {
        qCWarning(lcSettings).noquote() << "Bundle property list left as it is:" << document.errorString();
        return;
    }
    plist_t dict = document.root();
    if (!PlistDocument::isDict(dict)) {
        qCWarning(lcSettings).noquote() << "Bundle property list left as it is:" << path
                             << "is not a dictionary";
        return;
    }
    setString(dict, "CFBundleVersion", QString::fromLatin1(kVersion));
    setString(dict, kShortVersionKey, QString::fromLatin1(kShortVersion));
    setString(dict, "SUFeedURL", VelUpdater::feedUrl());
    setString(dict, "CFBundleDisplayName", QString::fromLatin1(kProductName));
    QString identifier = QStringLiteral("com.%1.%2 %3")
                             .arg(QString::fromLatin1(kCompanyName),
                                  QString::fromLatin1(kProductName), QString());
    identifier.remove(QLatin1Char(' '));
    setString(dict, "CFBundleIdentifier", identifier);
    setString(dict, "SUPublicDSAKeyFile", QStringLiteral("DSAKeyFile.pem"));
    plist_dict_set_item(dict, "SUEnableSystemProfiling", plist_new_bool(1));
    plist_t transport = plist_new_dict();
    plist_dict_set_item(transport, "NSAllowsArbitraryLoads", plist_new_bool(1));
    plist_dict_set_item(dict, "NSAppTransportSecurity", transport);

    if (!document.save(path, document.sourceFormat()))
        qCWarning(lcSettings).noquote() << "Bundle property list not completed:" << document.errorString();
}

QString VelCommonInterface::getAppVersion()
{
    PlistDocument document;
    if (document.load(getAppInfoFile())) {
        const plist_t version = PlistDocument::dictItem(document.root(), kShortVersionKey);
        if (version)
            return QString::fromStdString(PlistDocument::stringValue(version));
    }
    return QString::fromLatin1(kShortVersion);
}

bool VelCommonInterface::isWritableDir(const QString &folder)
{
    qCDebug(lcSettings).noquote() << "isWritableDir" << folder;
    const QString product = QString::fromLatin1(kProductName);
    QString probe = folder + QStringLiteral("%1.txt").arg(product);
    for (int counter = 1; QFile::exists(probe); ++counter) {
        if (counter > 99)
            return false; // every name taken; nothing of ours to write or remove
        probe = folder + QStringLiteral("%1%2.txt").arg(product).arg(counter);
    }
    QFile file(probe);
    // NewOnly: a file that appeared since the check is someone else's.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    file.close();
    file.remove();
    return true;
}

uint64_t VelCommonInterface::getSystemTime()
{
    struct timespec now {};
    if (clock_gettime(CLOCK_MONOTONIC, &now) == 0)
        return uint64_t(now.tv_sec) * 1000000u + uint64_t(now.tv_nsec) / 1000u;
    return getDateTime();
}

uint64_t VelCommonInterface::getDateTime()
{
    struct timeval now {};
    if (gettimeofday(&now, nullptr) != 0)
        return 0;
    return uint64_t(now.tv_sec) * 1000000u + uint64_t(now.tv_usec);
}

void VelCommonInterface::Sleep(long long microseconds)
{
    if (microseconds <= 0)
        return;
    struct timespec wait {};
    wait.tv_sec = time_t(microseconds / 1000000);
    wait.tv_nsec = long(microseconds % 1000000) * 1000;
    while (nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

const char *VelCommonInterface::ConvertCharToUtft32(const char *text)
{
    if (!text)
        return nullptr;
    thread_local QByteArray buffer;
    const QVector<uint> points = QString::fromUtf8(text).toUcs4();
    buffer.resize((points.size() + 1) * 4);
    char *out = buffer.data();
    for (int i = 0; i < points.size(); ++i)
        qToLittleEndian<quint32>(points.at(i), out + i * 4);
    qToLittleEndian<quint32>(0, out + points.size() * 4);
    return buffer.constData();
}

QString VelCommonInterface::charToQString(const std::string &text)
{
    return QString::fromStdString(text);
}

void VelCommonInterface::setWindowTopHint(QWindow *window)
{
    if (!window)
        return;
    window->setFlags(window->flags() | Qt::WindowStaysOnTopHint);
    window->raise();
}
