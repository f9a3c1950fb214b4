#include "UserGuide.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"

#include <QFileInfo>

namespace {
// Indexed by the language type of the language list.
const char* const kCodes[] = {"en", "zh_CN", "de", "fr", "ja"};

QString pageName(const char* code)
{
    return QStringLiteral("guide_%1.html").arg(QLatin1String(code));
}
} // namespace

QString UserGuide::pageFor(const QString& folder, int languageType)
{
    const int count = int(sizeof kCodes / sizeof kCodes[0]);
    if (languageType > 0 && languageType < count) {
        const QString own = folder + "/" + pageName(kCodes[languageType]);
        if (QFileInfo(own).isFile())
            return own;
    }
    return folder + "/" + pageName(kCodes[0]);
}

QString UserGuide::page()
{
    return pageFor(QIAnyUtil::getResourcePath() + "/Help", QConverterOperate::getLanguageType());
}
