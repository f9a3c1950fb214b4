#include "AudioTrackInfo.h"

bool AudioTrackInfo::operator==(const AudioTrackInfo &o) const
{
    return m_trackIndex == o.m_trackIndex && m_secondId == o.m_secondId
        && m_displayText == o.m_displayText && m_title == o.m_title
        && m_codecName == o.m_codecName && m_numbers == o.m_numbers
        && m_numbers2 == o.m_numbers2 && m_value == o.m_value
        && m_language == o.m_language && m_privateData == o.m_privateData;
}
