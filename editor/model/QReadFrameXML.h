#pragma once

#include <QString>
#include <memory>

class QDomDocument;
class QFrameChunk;

// Reads one pack's config.xml leniently: bad numbers read as 0 and a file that
// does not parse gives a pack with all defaults. Static only.
class QReadFrameXML
{
public:
    // A new record, or null when the file is missing or unreadable.
    static std::unique_ptr<QFrameChunk> readFrameChunk(QString path);
    // False only when the file cannot be opened; unparsable content leaves an
    // empty "ROOTITEM" document.
    static bool isValidFile(QString path, QDomDocument& document);
    // The root's "Version" / "APPMinVersion", or -1 without a readable file.
    static int getVersionId(QString path);
    static int getAPPMinVersion(QString path);

private:
    static int rootNumber(const QString& path, const QString& attribute);
};
