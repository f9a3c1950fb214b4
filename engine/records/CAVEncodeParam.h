#pragma once

#include "VEEditConfig.h"

#include <QByteArray>
#include <array>
#include <cstdint>

// Parameters of one conversion job, built per item by
// VelVideoConvertItem::getEncodeParam and copied by the converter.
// The container name is held by value (m_format), so a copy never points into
// memory that another record frees; pass m_format.constData() to the codec.
struct CAVEncodeParam
{
    QByteArray m_format;                      // container name, lower case ("mp4")
    int32_t m_videoCodec = 0;                 // -1 for audio-only
    uint32_t m_width = 0;
    uint32_t m_height = 0;
    uint32_t m_frameRate100 = 0;              // frame rate x 100 when non-zero
    uint32_t m_containerFlag = 0;             // 1 for avi, mpegts, mpeg1video
    uint32_t m_frameRate = 0;
    uint32_t m_frameRateScale = 0;
    uint32_t m_videoBitRate = 0;              // kbit/s
    uint32_t m_videoOption = 0;               // quality
    uint32_t m_reserved1 = 0;
    int32_t m_audioCodec = 0;
    uint32_t m_sampleRate = 0;                // Hz; 0 means 44100
    uint32_t m_channels = 0;                  // 0 means 2
    std::array<uint32_t, 3> m_reserved2{};
    uint32_t m_audioBitRate = 0;              // kbit/s
    uint32_t m_audioOption = 0;               // quality
    std::array<uint32_t, 4> m_extraNumbers{};
    std::array<uint64_t, 2> m_extraValues{};
    std::array<QByteArray, 5> m_extraTexts;
    uint64_t m_trimStart = 0;                 // microseconds
    uint64_t m_trimEnd = 0;
    uint64_t m_duration = 0;                  // 0 = to the end of the file
    std::array<uint64_t, 3> m_reservedTimes{};
    std::array<QByteArray, 12> m_texts;       // the last one, when set, is a text option
    std::array<uint64_t, 2> m_reservedValues{};
    uint8_t m_sourceKind = 0;                 // the item's disc-source flag
    uint8_t m_bLossless = 0;                  // stream copy
    const void *m_overlayPicture = nullptr;   // always null here
    uint32_t m_overlayWidth = 0;
    uint32_t m_overlayHeight = 0;
    VEEditConfig m_editConfig;

    const QByteArray &textOption() const { return m_texts[11]; }
};
