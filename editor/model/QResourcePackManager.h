#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

class QFrameChunk;

// Finds every pack below one folder and keeps their records in walk order: depth
// first, entries sorted by name ignoring case, hidden ones skipped; every file
// whose path contains "config.xml" is a pack. A pack's index is its position, and
// edit records store that index. Loads once, in the constructor.
class QResourcePackManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(QResourcePackManager)

public:
    QResourcePackManager(QString folder, QObject* parent);
    ~QResourcePackManager() override;

    void readData();
    void addConfigFilePath(QString folder);
    // Null outside the list; the record stays the manager's.
    QFrameChunk* getFrameChunk(int index) const;

protected:
    QList<QFrameChunk*> m_frameChunkList;
    QStringList m_configPathList;

private:
    void walk(const QString& folder, int depth);

    QString m_folder;
    QSet<QString> m_walkedFolders;
};
