// The shipped language list. It is only ever read: a malformed list yields no
// entries and stays as it is.
#include "QVideoSettingXml.h"

QStringList QVideoSettingXml::GetLanguage(QString path)
{
    QStringList names;
    QDomDocument document;
    if (!loadShippedFile(path, document))
        return names;
    for (QDomNode node = document.documentElement().firstChild(); !node.isNull();
         node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull())
            names << element.attribute(QStringLiteral("Language_Name"));
    }
    return names;
}

QPair<QString, QString> QVideoSettingXml::GetLanguageFile(QString path, QString name)
{
    QPair<QString, QString> result;
    QDomDocument document;
    if (!loadShippedFile(path, document))
        return result;
    for (QDomNode node = document.documentElement().firstChild(); !node.isNull();
         node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        if (!element.isNull() && element.attribute(QStringLiteral("Language_Name")) == name) {
            result.first = element.attribute(QStringLiteral("Language_File"));
            result.second = element.attribute(QStringLiteral("Language_Type"));
        }
    }
    return result;
}
