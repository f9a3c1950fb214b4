#include "QAttributeSettingHolder.h"

AttributeSetting* QAttributeSettingHolder::m_attributeSetting = nullptr;

AttributeSetting* QAttributeSettingHolder::attributeSetting()
{
    if (!m_attributeSetting)
        m_attributeSetting = new AttributeSetting;
    return m_attributeSetting;
}

void QAttributeSettingHolder::setFormatMode(bool lossless)
{
    attributeSetting()->bLossless = lossless;
}
