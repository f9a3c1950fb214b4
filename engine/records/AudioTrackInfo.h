#pragma once

#include <QByteArray>
#include <array>
#include <cstdint>

// One audio track of the source. m_numbers are [0, codec id, sample rate,
// channels] as the codec library reports them; a lossless merge compares them
// and the codec configuration bytes.
struct AudioTrackInfo
{
    int32_t m_trackIndex = -1;    // stream number
    int32_t m_secondId = 0;
    QByteArray m_displayText;
    QByteArray m_title;
    QByteArray m_codecName;
    std::array<uint32_t, 4> m_numbers{};
    std::array<uint32_t, 2> m_numbers2{};   // bits per sample, profile
    uint64_t m_value = 0;                   // bit rate
    QByteArray m_language;                  // English language name
    QByteArray m_privateData;

    void reset() { *this = AudioTrackInfo(); }
    uint32_t privateDataSize() const { return uint32_t(m_privateData.size()); }

    bool operator==(const AudioTrackInfo &o) const;
    bool operator!=(const AudioTrackInfo &o) const { return !(*this == o); }
};
