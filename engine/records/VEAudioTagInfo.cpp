#include "VEAudioTagInfo.h"

bool VEAudioTagInfo::operator==(const VEAudioTagInfo &o) const
{
    return m_title == o.m_title && m_artist == o.m_artist && m_albumArtist == o.m_albumArtist
        && m_composer == o.m_composer && m_album == o.m_album && m_genre == o.m_genre
        && m_track == o.m_track && m_year == o.m_year && m_date == o.m_date
        && m_grouping == o.m_grouping && m_comment == o.m_comment && m_disc == o.m_disc
        && m_copyright == o.m_copyright && m_cover == o.m_cover
        && m_coverSize == o.m_coverSize && m_flag == o.m_flag;
}
