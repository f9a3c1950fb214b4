#include "QVideoSettingXml.h"
#include "SettingsLog.h"

#include "QIAnyUtil.h"
#include "QSettingsResetNotice.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char kRootTag[] = "ROOTITEM";

QDomElement firstChildNamed(const QDomElement& root, const QString& tag)
{
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && element.tagName() == tag)
            return element;
    }
    return QDomElement();
}

void startEmptyDocument(QDomDocument& document)
{
    document = QDomDocument();
    document.appendChild(document.createElement(QLatin1String(kRootTag)));
}

// The DOM parser and writer recurse once per level: a file nested a few
// thousand levels deep (damaged or planted) would crash every start. Ours are
// three levels deep; the scan below does not recurse.
const int kMaxDepth = 256;

bool nestedTooDeep(const QByteArray& bytes, QString& error, int& line, int& column)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxDepth) {
            error = QStringLiteral("elements nested more than %1 levels deep").arg(kMaxDepth);
            line = int(reader.lineNumber());
            column = int(reader.columnNumber());
            return true;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return false; // other errors are left to the DOM parser to report
}

// XML 1.0 has no way to write control characters, lone surrogates, U+FFFE or
// U+FFFF, not even as references. QDom writes them raw, and the next read would
// then find the whole file unparsable, so each becomes U+FFFD.
bool replaceUnwritable(QString& text)
{
    bool changed = false;
    for (int i = 0; i < text.size(); ++i) {
        const ushort c = text.at(i).unicode();
        bool ok = c >= 0x20 || c == 0x9 || c == 0xA || c == 0xD;
        if (c == 0xFFFE || c == 0xFFFF)
            ok = false;
        if (QChar::isHighSurrogate(c)) {
            ok = i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
            if (ok) {
                ++i;
                continue;
            }
        } else if (QChar::isLowSurrogate(c)) {
            ok = false;
        }
        if (!ok) {
            text[i] = QChar::ReplacementCharacter;
            changed = true;
        }
    }
    return changed;
}

enum class Opened { Regular, NotRegular, Failed };

// A FIFO or a device in a settings file's place would block the read or give
// nonsense: only a plain file is opened, and the open never waits.
Opened openRegularFile(const QString& path, QFile& file, QString& error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return Opened::Failed;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return Opened::NotRegular;
    }
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Text, QFileDevice::AutoCloseHandle)) {
        error = file.errorString();
        ::close(fd);
        return Opened::Failed;
    }
    return Opened::Regular;
}

int makeWritable(QDomNode node)
{
    int replaced = 0;
    for (; !node.isNull(); node = node.nextSibling()) {
        if (node.isElement()) {
            const QDomNamedNodeMap attributes = node.attributes();
            for (int i = 0; i < attributes.count(); ++i) {
                QDomAttr attribute = attributes.item(i).toAttr();
                QString value = attribute.value();
                if (replaceUnwritable(value)) {
                    attribute.setValue(value);
                    ++replaced;
                }
            }
        } else if (node.isCharacterData()) {
            QDomCharacterData data = node.toCharacterData();
            QString value = data.data();
            if (replaceUnwritable(value)) {
                data.setData(value);
                ++replaced;
            }
        }
        replaced += makeWritable(node.firstChild());
    }
    return replaced;
}
}

QString QVideoSettingXml::settingFilePath()
{
    return QIAnyUtil::getAppDataPath() + QStringLiteral("/VideoDefaultSetting.xml");
}

QString QVideoSettingXml::formatSettingFilePath()
{
    return QIAnyUtil::getAppDataPath() + QStringLiteral("/VideoDefaultFormatSetting.xml");
}

QString QVideoSettingXml::convertedFilePath()
{
    return QIAnyUtil::getAppDataPath() + QStringLiteral("/VideoConverted.xml");
}

bool QVideoSettingXml::isShippedFile(const QString& path)
{
    // Compare real locations, so that a link or a "/../" cannot slip a shipped
    // file past the check; the file itself may not exist yet.
    const auto located = [](const QString& file) {
        const QFileInfo info(file);
        QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        if (folder.isEmpty())
            folder = QDir::cleanPath(info.absolutePath());
        return folder + QLatin1Char('/') + info.fileName();
    };
    const QString resources = located(QIAnyUtil::getResourcePath());
    return located(path).startsWith(resources + QLatin1Char('/'));
}

bool QVideoSettingXml::isReadOnlyFile(const QString& path)
{
    // The permission bits, not access(): a file the user marked read-only stays
    // untouched even for a process that could override it.
    const QFileInfo info(path);
    return info.exists() && !(info.permissions() & QFileDevice::WriteOwner);
}

bool QVideoSettingXml::keepUnparsableCopy(const QString& path, bool plainFile)
{
    if (plainFile && QFileInfo(path).size() == 0)
        return QFile::remove(path);   // nothing worth keeping
    QString copy = path + QStringLiteral(".bad");
    // An older copy may hold the only trace of earlier settings: never replace it.
    for (int n = 1; QFileInfo::exists(copy) || QFileInfo(copy).isSymLink(); ++n)
        copy = path + QStringLiteral(".bad.%1").arg(n);
    // QDir's rename also moves what is not a plain file (a FIFO, a device).
    if (!QDir().rename(path, copy)) {
        qCWarning(lcSettings).noquote() << "settings: unusable file" << path << "could not be kept as" << copy
                             << "; leaving it untouched";
        return false;
    }
    qCWarning(lcSettings).noquote() << "settings: unusable file" << path << "kept as" << copy;
    QSettingsResetNotice::report(path, copy);
    return true;
}

bool QVideoSettingXml::isValidFile(QString path, QDomDocument& document)
{
    QFile file(path);
    QString openError;
    const Opened opened = openRegularFile(path, file, openError);
    if (opened == Opened::Failed) {
        if (QFileInfo::exists(path))
            qCWarning(lcSettings).noquote() << "settings: cannot read" << path << ":" << openError;
        return false;
    }
    if (opened == Opened::NotRegular && QFileInfo(path).isDir()) {
        // Cannot hang a read and may hold the user's files: left where it is.
        qCWarning(lcSettings).noquote() << "settings: cannot read" << path << ": it is a folder";
        return false;
    }
    if (opened == Opened::NotRegular) {
        qCWarning(lcSettings).noquote() << "settings:" << path << "is not a plain file";
        if (isShippedFile(path) || !keepUnparsableCopy(path, false))
            return false; // nothing is read from it nor written over it
        startEmptyDocument(document);
        return true;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    QString error;
    int line = 0;
    int column = 0;
    QDomDocument parsed;
    if (!nestedTooDeep(bytes, error, line, column) && parsed.setContent(bytes, false, &error, &line, &column)) {
        document = parsed;
        return true;
    }
    if (!bytes.isEmpty()) {
        qCWarning(lcSettings).noquote() << QStringLiteral("settings: %1 does not parse (line %2, column %3: %4)")
                                    .arg(path).arg(line).arg(column).arg(error);
    }
    if (isShippedFile(path) || isReadOnlyFile(path)) {
        qCWarning(lcSettings).noquote() << "settings: leaving" << path << "as it is; using empty settings";
    } else if (!keepUnparsableCopy(path, true)) {
        return false; // treated like an unreadable file: nothing gets written over it
    }
    startEmptyDocument(document);
    return true;
}

bool QVideoSettingXml::SaveXml(QString path, QDomDocument document)
{
    if (isShippedFile(path)) {
        qCWarning(lcSettings).noquote() << "settings: refusing to write the shipped file" << path;
        return false;
    }
    if (isReadOnlyFile(path)) {
        qCWarning(lcSettings).noquote() << "settings: not saved," << path << "is read-only";
        return false;
    }
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        qCWarning(lcSettings).noquote() << "settings: not saved," << path << "is not a plain file";
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        qCWarning(lcSettings).noquote() << "error::ParserXML->writeOperateXml->file.open\n"
                             << path << ":" << file.errorString();
        return false;
    }
    if (const int replaced = makeWritable(document.firstChild())) {
        qCWarning(lcSettings).noquote() << "settings:" << replaced
                             << "value(s) held characters XML cannot store; written with U+FFFD in their place";
    }
    QTextStream stream(&file);
    stream.setCodec("utf-8");
    document.save(stream, 4, QDomNode::EncodingFromDocument);
    stream.flush();
    if (stream.status() != QTextStream::Ok || !file.commit()) {
        qCWarning(lcSettings).noquote() << "settings: writing" << path << "failed:" << file.errorString();
        return false;
    }
    return true;
}

std::string& QVideoSettingXml::trim(std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        text.clear();
        return text;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, first);
    return text;
}

bool QVideoSettingXml::loadOrStart(const QString& path, QDomDocument& document)
{
    if (!QFileInfo::exists(path)) {
        startEmptyDocument(document);
        return true;
    }
    return isValidFile(path, document);
}

bool QVideoSettingXml::loadShippedFile(const QString& path, QDomDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCWarning(lcSettings).noquote() << "cannot read" << path << ":" << file.errorString();
        return false;
    }
    QString error;
    int line = 0;
    int column = 0;
    if (!document.setContent(&file, false, &error, &line, &column)) {
        qCWarning(lcSettings).noquote() << QStringLiteral("%1 does not parse (line %2, column %3: %4)")
                                    .arg(path).arg(line).arg(column).arg(error);
        return false;
    }
    return true;
}

QString QVideoSettingXml::GetItemValue(QString group, QString attribute, QString defaultValue)
{
    const QString path = settingFilePath();
    QDomDocument document;
    if (!loadOrStart(path, document))
        return defaultValue;

    QDomElement root = document.documentElement();
    QString result = defaultValue;
    const QDomElement element = firstChildNamed(root, group);
    if (!element.isNull()) {
        const QString stored = element.attribute(attribute);
        if (!stored.isEmpty())
            result = stored;
    } else {
        QDomElement created = document.createElement(group);
        created.setAttribute(attribute, defaultValue);
        root.appendChild(created);
    }
    SaveXml(path, document);
    return result;
}

void QVideoSettingXml::SetItemValue(QString group, QString attribute, QString value)
{
    const QString path = settingFilePath();
    QDomDocument document;
    if (!isValidFile(path, document))
        return;
    QDomElement element = firstChildNamed(document.documentElement(), group);
    if (!element.isNull())
        element.setAttribute(attribute, value);
    SaveXml(path, document);
}
