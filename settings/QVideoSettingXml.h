#pragma once

#include "QualitySet.h"
#include "FileFormatInfo.h"
#include "convertedInfo.h"

#include <QDomDocument>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

struct FormatAllInfo;

// The static settings store over the XML files in the user's data folder
// ("VideoDefaultSetting.xml" and its siblings). Nothing is cached: each call
// loads the file and, when it changes anything, rewrites it whole.
//
// Files are written atomically (a temporary file renamed over the old one), so a
// crash mid-write keeps the previous settings. A file that does not parse is
// kept beside it as "<name>.bad" (logged and reported to QSettingsResetNotice),
// and the caller carries on with an empty "ROOTITEM" document; so is a FIFO,
// a device or a socket in its place, which is never opened. A folder there is
// left alone and read as an unreadable file. Files of the resources folder are shipped with the
// program and are never rewritten, moved or repaired through this class; neither
// is a file the user made read-only.
//
// Returned record pointers belong to this class and stay valid until the next
// call of the same operation: copy what you keep before calling again.
// GUI thread only.
class QVideoSettingXml
{
public:
    // --- key/value store ("VideoDefaultSetting.xml") ---------------------------
    // The value of attribute in the first element named group, or defaultValue
    // when it is absent or empty. A missing group is created with the default.
    static QString GetItemValue(QString group, QString attribute, QString defaultValue);
    // Stores value into an existing group; a missing group is never created.
    static void SetItemValue(QString group, QString attribute, QString value);

    // Loads path into document. False when the file is missing or cannot be
    // read (document untouched), a folder included. Only a plain file is read,
    // without waiting: a FIFO, a device or a socket in its place is moved aside
    // as an unparsable file is. A file that does not parse gives an empty
    // "ROOTITEM" document and true; the original is moved to "<path>.bad"
    // (".bad.1", ... when older copies exist), or left in place when it is
    // shipped or read-only. When it cannot be moved aside the result is false,
    // as for an unreadable file, so that nothing is written over it.
    static bool isValidFile(QString path, QDomDocument& document);
    // Writes document as UTF-8 with an indentation of 4, atomically. False (and a
    // warning) when the file cannot be written, is read-only or is shipped.
    static bool SaveXml(QString path, QDomDocument document);
    // Strips leading and trailing blanks (U+0020 only) in place.
    static std::string& trim(std::string& text);

    // --- custom encoding values per preset ("VideoDefaultFormatSetting.xml") ---
    static QualitySet* GetDefaultFormat(QString formatId, QualitySet* unused = nullptr);
    static void SetDefaultFormat(QString formatId, QualitySet* set);

    // --- language list (shipped, read only) -----------------------------------
    // Language_Name of every entry, in file order; empty when the list is
    // missing, unreadable or malformed.
    static QStringList GetLanguage(QString path);
    // (Language_File, Language_Type) of the last entry whose Language_Name is
    // name; two empty texts when there is none.
    static QPair<QString, QString> GetLanguageFile(QString path, QString name);

    // --- legacy per-format description ("VideoSetting.xml", shipped) ----------
    static FormatAllInfo* GetFormatAllInfo(QString formatName);
    static QualitySet* GetQuality(QString qualityName, QString formatName);
    static FileFormatInfo* GetFormatInfo(QString formatName);
    static void analysisTextInfo(std::string text, std::vector<std::string>& list);
    static void analysisTextInfo(std::string text, std::string unit, std::vector<std::string>& list);
    static QString addUnit(QString value, QString key);
    static int GetQualityType(QString formatId, int defaultType);
    static void SetQualityType(QString formatId, int type);

    // --- snapshot settings (group "Screenshots" of the key/value file) --------
    static QString getCaptureImgSuffix();
    static void setCaptureImgSuffix(QString suffix);
    static QString getCaptrueImaSavePath();
    static void setCaptrueImaPath(QString path);

    // --- converted-file history ("VideoConverted.xml") ------------------------
    static void SetConvertedPath(QString path);
    static QStringList GetConvertedPath();
    static void DeleteConvertedPath(QStringList paths);
    static void SaveConvertedInfo(const convertedInfo* info);
    static convertedInfo* GetConvertedInfo(QString path);
    // Appends one new record per entry; the caller owns and deletes them.
    static void analysisConvertedInfo(QList<convertedInfo*>* list);
    static QString getPreferencePath(QString path);

    static QualitySet* m_defaultQualitySet;
    static QualitySet* m_highQualitySet;
    static FormatAllInfo* m_formatInfo;
    static FileFormatInfo* m_fileFormatInfo;
    static convertedInfo* m_convertInfo;

    QVideoSettingXml() = default;

private:
    static QString settingFilePath();
    static QString formatSettingFilePath();
    static QString convertedFilePath();
    static bool isShippedFile(const QString& path);
    static bool isReadOnlyFile(const QString& path);
    static bool keepUnparsableCopy(const QString& path, bool plainFile);
    // Loads a shipped file without ever touching it; false when it is missing,
    // unreadable or malformed (logged).
    static bool loadShippedFile(const QString& path, QDomDocument& document);
    // Loads an existing file or starts an empty "ROOTITEM" document for a
    // missing one; false only when an existing file cannot be read.
    static bool loadOrStart(const QString& path, QDomDocument& document);
    // The snapshot attribute, stored with defaultValue where it is missing or
    // empty (group and file created as needed).
    static QString readScreenshotValue(const QString& attribute, const QString& defaultValue);
    // Sets the attribute in an existing snapshot group; never creates it.
    static void writeScreenshotValue(const QString& attribute, const QString& value);
};
