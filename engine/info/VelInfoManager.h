#pragma once

#include "ChapterItemInfo.h"
#include "VEAudioTagInfo.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

class VelInfoClass;
struct ZvPlayer;

// Answers the editing side's questions about one media file: thumbnail,
// chapters, tags and video size.
class VelInfoManager : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelInfoManager)

public:
    explicit VelInfoManager(QObject *parent = nullptr);
    ~VelInfoManager() override;

    void createrPlayer();
    bool setMediaFile(const QString &path, unsigned int programIndex = 0, bool dvd = false);
    bool setPlayer(ZvPlayer *player);
    VelInfoClass *getInfoClass() const { return m_infoClass; }

    QImage getThumbnail(int size, int unused = 0);
    QList<ChapterItemInfo> getChapterInfo();
    VEAudioTagInfo getAudioTagInfo();
    bool setAudioTag(const VEAudioTagInfo &tags, const QString &outputPath);
    bool setAudioTag(const VEAudioTagInfo &tags);

    static QImage scaleImageFromChar(const void *cover, int size);
    static QImage scaleImageFromUChar(const uint8_t *bmp, int size);
    static QImage scaleImage(const QImage &image, int size);
    static QString timeToString(uint64_t microseconds);

private:
    bool hasHandle() const;

    VelInfoClass *m_infoClass = nullptr;
    QString m_mediaPath;
};
