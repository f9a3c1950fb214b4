#include "SubtitleTrackInfo.h"

bool SubtitleTrackInfo::operator==(const SubtitleTrackInfo &o) const
{
    return m_firstId == o.m_firstId && m_trackId == o.m_trackId
        && m_displayText == o.m_displayText && m_title == o.m_title
        && m_codecName == o.m_codecName && m_codecTag == o.m_codecTag
        && m_filePath == o.m_filePath && m_language == o.m_language
        && m_value == o.m_value && m_privateData == o.m_privateData;
}
