#pragma once

#include <QString>

class QDomDocument;

// The snapshot settings of the editing dialog (image format and folder) in
// "VedioEditDefaultSetting.xml" in the user's data folder. Static only, no cache:
// every call reads the file again. A file that does not parse is kept as
// "<name>.bad" and rebuilt; files are written atomically. GUI thread only.
class QVedioEditSettingXml
{
public:
    QVedioEditSettingXml() = default;

    // The stored value, or the default ("JPG"; the documents folder +
    // "/Converted/Screenshots/"), which is then stored.
    static QString getCaptureImgSuffix();
    static QString getCaptrueImaSavePath();
    // Store into an existing file and element only: before any getter ran they
    // have no effect.
    static void setCaptureImgSuffix(QString suffix);
    static void setCaptrueImaPath(QString path);

    // The same for any element and attribute; a missing or empty attribute of an
    // existing element gives the default without storing it.
    static QString GetItemValue(QString group, QString attribute, QString defaultValue);
    static void SetItemValue(QString group, QString attribute, QString value);

private:
    static QString settingFilePath();
    static QString readValue(const QString& group, const QString& attribute, const QString& defaultValue,
                             bool storeDefaultInElement);
    static void writeValue(const QString& group, const QString& attribute, const QString& value);
    static bool isValidFile(QString path, QDomDocument& document);
    static void SaveXml(QString path, QDomDocument document);
};
