#pragma once

#include "CAVEncodeParam.h"
#include "ConvertState.h"
#include "SplitSegment.h"
#include "Split_Info.h"
#include "SubtitleTrackInfo.h"
#include "AudioTrackInfo.h"
#include "VideoTrackInfo.h"
#include "VEEditConfig.h"
#include "subltItemInfo.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>

struct AttributeSetting;
struct convertedInfo;
struct ZvInfo;

// One segment of the opened source file: what probing learnt about the source,
// the segment's trim range, its split request and its own edit record.
// Created on the heap, owned by VelVideoConvertManager, never copied as a value.
class VelVideoConvertItem : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(VelVideoConvertItem)

public:
    explicit VelVideoConvertItem(QObject *parent = nullptr);
    ~VelVideoConvertItem() override;

    // ---- probing ----
    // programIndex -1 chooses the first program with a stream. False when the
    // file cannot be described; the reason is in lastError().
    bool setVideoPath(const QString &path, int programIndex = -1, bool disc = false);
    bool setVideoPathAndInfo(const QString &path, ZvInfo *info, int programIndex = -1, bool disc = false);
    QString lastError() const { return m_lastError; }

    static QString GetProgramNameEx_Info(ZvInfo *info, unsigned int index);
    int setProgramIndex(ZvInfo *info, int index);
    void updateCoverInfo(const void *cover, ZvInfo *owner);
    int setCoverInfo(ZvInfo *info);
    void getAudioList(ZvInfo *info, QStringList &list);
    void getSubltList(ZvInfo *info, QList<subltItemInfo> &list, const QString &path);
    void getMediaTrackInfo(ZvInfo *info);
    static QList<SubtitleTrackInfo> getOutSubtitleInfo(const QString &path);
    static SubtitleTrackInfo fromSubtitleTrackInfo(const SubtitleTrackInfo &track) { return track; }
    static AudioTrackInfo fromAudioTrackInfo(const AudioTrackInfo &track) { return track; }

    // English name of an ISO 639 code ("en", "eng", "ger"); empty when unknown.
    static QString languageName(const QByteArray &code);

    // ---- segments ----
    bool setVideoConvertItem(const VelVideoConvertItem *other, int unused = 0);
    void setIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void setConvertState(QConvertState state) { m_convertState = state; }
    QConvertState getConvertState() const { return m_convertState; }
    void setDefaultEditConfig() { m_editConfig.setDefaults(); }
    void setEditConfigBLossless(const AttributeSetting *profile);
    void setEditConfigFormat(const AttributeSetting *profile);

    QString getFilePath() const { return m_sourcePath; }
    QString getOutputPath() const { return m_outputPath; }
    QString getValidOutputName();
    static void clearOutputFileList() { m_sOutputFileList.clear(); }
    static QString converterTimer(uint64_t time);
    QString getConvertedTime() const;

    // ---- encode parameters and output paths ----
    // False (with lastError()) when the trim range does not fit the source.
    bool getEncodeParam(CAVEncodeParam *param);
    QString getOutFormat(const AttributeSetting *profile) const;
    QString getOutExtentName(const AttributeSetting *profile) const;
    int getVideoWidth() const;
    int getVideoHeight() const;
    int getVideoWidth(const AttributeSetting &profile) const;
    int getVideoHeight(const AttributeSetting &profile) const;
    QString getConverOutputDir();
    QString getConverPath();
    void removeOutPutDir();
    // Describes the converted output file for the converted-file history.
    void getConvertedInfo(convertedInfo &info);

    // ---- splitting ----
    void RefreshSplitSet();
    void EverySplit();
    void IntoSplit();
    void ChaptersSplit();
    void SetDefaultSplitInfo();
    Split_Info getSplitInfo() const { return m_splitInfo; }
    QList<SplitSegment> getSplitSegments() const { return m_splitSegments; }

    // ---- source description (filled by probing) ----
    QString m_sourceFormatName;
    QString m_sourceExtension;
    QString m_sourcePath;
    QString m_displayName;
    QString m_outputBaseName;
    QString m_imagePath;
    QString m_outputDir;
    QString m_outputPath;
    int m_videoWidth = 0;
    int m_videoHeight = 0;
    bool m_bHasVideo = true;
    bool m_bHasAudio = true;
    std::unique_ptr<QImage> m_picture;
    QByteArray m_pictureBytes;               // encoded bytes the picture came from
    uint32_t m_pictureByteCount = 0;
    bool m_bDiscSource = false;
    int m_programIndex = 0;

    // ---- segment ----
    uint64_t m_trimStart = 0;                // microseconds
    uint64_t m_trimEnd = 0;                  // 0 = end of the file
    uint64_t m_duration = 0;                 // whole source
    bool m_bSelected = false;
    // Set once the track choice was first taken from the output mode; later
    // re-bindings keep the user's choice unless the mode changes.
    bool m_bTrackChoiceMade = false;

    QList<subltItemInfo> m_subtitleList;
    QStringList m_audioList;
    QList<SplitSegment> m_splitSegments;
    std::array<QByteArray, 11> m_tagTexts;   // only the second (artist) is read
    Split_Info m_splitInfo;
    QList<SubtitleTrackInfo> m_subtitleTracks;
    QList<AudioTrackInfo> m_audioTracks;
    QList<VideoTrackInfo> m_videoTracks;
    VEEditConfig m_editConfig;

    // Every output path getConverPath handed out in this process.
    static QStringList m_sOutputFileList;

public slots:
    // Refuses (returns without change, see lastError()) an "every N" request with N < 1.
    void setSplitInfo(Split_Info info);
    void resetTrackData();

private:
    bool chooseProgram(ZvInfo *info, int programIndex);
    void fillEditRecordFromSource(ZvInfo *info);
    void readAudioTags(ZvInfo *info);
    void setPictureFromBytes(const QByteArray &bytes);

    int m_index = -1;
    QConvertState m_convertState = 0;
    QString m_lastError;
};

Q_DECLARE_METATYPE(VelVideoConvertItem *)
