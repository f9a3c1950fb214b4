#include "QResourcePackManager.h"

#include "QFrameChunk.h"
#include "QReadFrameXML.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Packs sit one or two levels down; the limit only stops a runaway walk.
const int kMaxDepth = 16;
}

QResourcePackManager::QResourcePackManager(QString folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{
    readData();
}

QResourcePackManager::~QResourcePackManager()
{
    qDeleteAll(m_frameChunkList);
    m_frameChunkList.clear();
}

void QResourcePackManager::readData()
{
    m_configPathList.clear();
    addConfigFilePath(m_folder);
    for (QString& path : m_configPathList) {
        std::unique_ptr<QFrameChunk> chunk = QReadFrameXML::readFrameChunk(path);
        if (!chunk)
            continue; // gone or unreadable: the next pack takes its index
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        chunk->FilePath = path.left(path.lastIndexOf(QLatin1Char('/')));
        m_frameChunkList.append(chunk.release());
    }
}

void QResourcePackManager::addConfigFilePath(QString folder)
{
    m_walkedFolders.clear();
    walk(folder, 0);
}

// Links are followed, but a folder already walked (reached again through a link
// loop) is skipped, and so is anything below the depth limit: a stray link under
// a pack folder must not recurse until the stack runs out.
void QResourcePackManager::walk(const QString& folder, int depth)
{
    const QDir dir(folder);
    if (!dir.exists() || depth > kMaxDepth)
        return;
    const QString canonical = dir.canonicalPath();
    if (m_walkedFolders.contains(canonical))
        return;
    m_walkedFolders.insert(canonical);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        const QString path = entry.absoluteFilePath();
        if (entry.isDir())
            walk(path, depth + 1);
        else if (path.contains(QLatin1String("config.xml")))
            m_configPathList.append(path);
    }
}

QFrameChunk* QResourcePackManager::getFrameChunk(int index) const
{
    if (index < 0 || index >= m_frameChunkList.size())
        return nullptr;
    return m_frameChunkList.at(index);
}
