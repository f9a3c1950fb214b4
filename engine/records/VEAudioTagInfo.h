#pragma once

#include <QByteArray>
#include <cstdint>

// Audio tags carried from the source into the output. Texts are UTF-8;
// the cover holds the encoded picture bytes.
struct VEAudioTagInfo
{
    QByteArray m_title;
    QByteArray m_artist;
    QByteArray m_albumArtist;
    QByteArray m_composer;
    QByteArray m_album;
    QByteArray m_genre;
    QByteArray m_track;
    QByteArray m_year;
    QByteArray m_date;
    QByteArray m_grouping;
    QByteArray m_comment;
    QByteArray m_disc;
    QByteArray m_copyright;
    QByteArray m_cover;
    uint32_t m_coverSize = 0;
    uint8_t m_flag = 0;

    void clear() { *this = VEAudioTagInfo(); }

    bool operator==(const VEAudioTagInfo &o) const;
    bool operator!=(const VEAudioTagInfo &o) const { return !(*this == o); }
};
