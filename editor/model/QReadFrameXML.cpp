#include "QReadFrameXML.h"

#include "QFrameChunk.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace {
QList<FrameInfoItem> readFrameInfo(const QDomElement& frameInfo)
{
    QList<FrameInfoItem> items;
    // Every child node is an entry, a comment included.
    for (QDomNode node = frameInfo.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        FrameInfoItem item;
        item.FileName = element.attribute(QStringLiteral("FileName"));
        item.Height = element.attribute(QStringLiteral("Height")).toInt();
        item.Width = element.attribute(QStringLiteral("Width")).toInt();
        item.Type = element.attribute(QStringLiteral("Type")).toInt();
        items.append(item);
    }
    return items;
}

void readEq(const QDomElement& eq, QMap<double, double>& bands)
{
    for (QDomNode node = eq.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        const double hz = element.attribute(QStringLiteral("hz")).toDouble();
        bands.insert(hz, element.attribute(QStringLiteral("db")).toDouble());
    }
}
}

bool QReadFrameXML::isValidFile(QString path, QDomDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray bytes = file.readAll();
    if (!document.setContent(bytes, false)) {
        document = QDomDocument();
        document.appendChild(document.createElement(QStringLiteral("ROOTITEM")));
    }
    return true;
}

std::unique_ptr<QFrameChunk> QReadFrameXML::readFrameChunk(QString path)
{
    QDomDocument document;
    if (!QFileInfo::exists(path) || !isValidFile(path, document))
        return nullptr;
    const QDomElement root = document.documentElement();
    auto chunk = std::make_unique<QFrameChunk>();
    chunk->APPMinVersion = root.attribute(QStringLiteral("APPMinVersion")).toInt();
    chunk->Version = root.attribute(QStringLiteral("Version")).toInt();
    chunk->Thumbnail = root.attribute(QStringLiteral("Thumbnail"));
    chunk->Name = root.attribute(QStringLiteral("Name"));
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        const QString tag = element.tagName();
        if (tag == QLatin1String("FrameInfo")) {
            chunk->FrameInfoName = element.attribute(QStringLiteral("Name"));
            chunk->FrameInfoList = readFrameInfo(element);
        } else if (tag == QLatin1String("EQ")) {
            readEq(element, chunk->EQ);
        } else if (tag == QLatin1String("Rate")) {
            const QString value = element.attribute(QStringLiteral("Value"));
            if (!value.isEmpty())
                chunk->Rate = value.toInt();
        }
    }
    return chunk;
}

int QReadFrameXML::rootNumber(const QString& path, const QString& attribute)
{
    QDomDocument document;
    if (!QFileInfo::exists(path) || !isValidFile(path, document))
        return -1;
    return document.documentElement().attribute(attribute).toInt();
}

int QReadFrameXML::getVersionId(QString path)
{
    return rootNumber(path, QStringLiteral("Version"));
}

int QReadFrameXML::getAPPMinVersion(QString path)
{
    return rootNumber(path, QStringLiteral("APPMinVersion"));
}
