#pragma once

#include <QByteArray>
#include <cstdint>

// One subtitle track of the source: an embedded stream, or a subtitle file found
// beside the source (first id 1). Texts are UTF-8. The codec configuration bytes
// are a value member: every copy has its own bytes.
struct SubtitleTrackInfo
{
    static constexpr uint32_t ClosedCaptionTag = 0x43432020;   // "  CC"

    int32_t m_firstId = 0;        // 0 stream of the source, 1 file beside the source
    int32_t m_trackId = -1;       // stream number, or the number of the file
    QByteArray m_displayText;
    QByteArray m_title;
    QByteArray m_codecName;
    uint64_t m_codecTag = 0;      // four-character code
    QByteArray m_filePath;        // file beside the source; empty for a stream
    QByteArray m_language;
    uint64_t m_value = 0;
    QByteArray m_privateData;

    void reset() { *this = SubtitleTrackInfo(); }
    uint32_t privateDataSize() const { return uint32_t(m_privateData.size()); }
    bool isClosedCaption() const { return m_codecTag == ClosedCaptionTag; }

    bool operator==(const SubtitleTrackInfo &o) const;
    bool operator!=(const SubtitleTrackInfo &o) const { return !(*this == o); }
};
