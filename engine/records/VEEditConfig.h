#pragma once

#include "EVAudioTrack.h"
#include "EVSubtitleTrack.h"
#include "VEAudioBackgroundSettings.h"
#include "VEAudioSettings.h"
#include "VEAudioTagInfo.h"
#include "VEChapterInfo.h"
#include "VECropSettings.h"
#include "VEProgramValueInfo.h"
#include "VESubltItemInfo.h"
#include "VESubtitleSettings.h"
#include "VESubtitleValue_Info.h"
#include "VEVideoEffectSettings.h"
#include "VEWatermarkSettings.h"

#include <QList>
#include <QMetaType>
#include <QString>

// The edit record of one segment. A plain value: every member is itself a value,
// so copies are deep and independent and self-assignment is harmless.
// Texts are UTF-8 byte strings; m_fileFormat alone is a Qt text.
struct VEEditConfig
{
    VEEditConfig() { applyLayerDefaults(); }

    // Every field back to its default, except the subtitle items, the chapter
    // list and the audio list, which describe the source rather than the edits.
    void setDefaults();

    uint64_t m_trimStart = 0;
    uint64_t m_trimEnd = 0;                   // 0 = end of the file
    bool m_bTrim = false;
    VECropSettings m_cropSettings;
    VEVideoEffectSettings m_videoEffect;
    VEWatermarkSettings m_videoEffectWk;      // overlay layer 1
    VEWatermarkSettings m_frameWk;            // overlay layer 2
    VEWatermarkSettings m_watermark;          // overlay layer 0
    VESubtitleValue_Info m_subtitleValue;
    QList<VESubltItemInfo> m_subtitleItems;
    QList<VEChapterInfo> m_chapterList;
    VESubtitleSettings m_subtitleSettings;
    VEAudioBackgroundSettings m_audioBackground;
    VEAudioSettings m_audioSettings;
    QList<QByteArray> m_audioList;            // display texts of the audio streams
    VEAudioTagInfo m_audioTagInfo;
    int32_t m_outputWidth = 0;
    int32_t m_outputHeight = 0;
    bool m_bReserved = false;
    bool m_bLossless = false;
    QString m_fileFormat;                     // output container, lower case
    uint64_t m_discSource = 0;                // first byte: opened as a disc folder
    VEProgramValueInfo m_programValue;
    QList<EVSubtitleTrack> m_subtitleTracks;
    QList<EVAudioTrack> m_audioTracks;
    bool m_bOverlayCountSet = false;          // false: the applier sets 3 layers
    int32_t m_overlayCount = 3;

    bool isDiscSource() const { return (m_discSource & 0xFF) != 0; }

    bool operator==(const VEEditConfig &o) const;
    bool operator!=(const VEEditConfig &o) const { return !(*this == o); }

private:
    void applyLayerDefaults();
};

Q_DECLARE_METATYPE(VEEditConfig)
