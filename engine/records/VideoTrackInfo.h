#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// One video track of the source. m_numbers are [codec id, width, height,
// profile, pixel format]; m_numbers2 are [aspect x, aspect y, frame-rate
// numerator, frame-rate denominator, rotation], as the codec library reports them.
struct VideoTrackInfo
{
    int32_t m_trackIndex = -1;
    QByteArray m_displayText;
    QByteArray m_title;
    QByteArray m_reservedText;
    QByteArray m_codecName;
    std::array<uint32_t, 5> m_numbers{};
    uint64_t m_value = 0;                   // bit rate
    std::array<uint32_t, 5> m_numbers2{};
    QByteArray m_language;
    QByteArray m_privateData;

    void reset() { *this = VideoTrackInfo(); }
    uint32_t privateDataSize() const { return uint32_t(m_privateData.size()); }

    bool operator==(const VideoTrackInfo &o) const;
    bool operator!=(const VideoTrackInfo &o) const { return !(*this == o); }
};
