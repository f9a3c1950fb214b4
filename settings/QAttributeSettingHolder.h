#pragma once

#include "AttributeSetting.h"

// Owner of the one output profile of the process. The encoding-settings panel
// derives from this class, so the profile is reachable both as
// QAttributeSettingHolder::m_attributeSetting (engine, settings) and as
// QSettingDlg::m_attributeSetting (dialogs).
//
// The record is created on first use and never freed or replaced, so a pointer
// taken once stays valid for the whole run. GUI thread only.
class QAttributeSettingHolder
{
public:
    static AttributeSetting* m_attributeSetting;

    // Creates the profile when it does not exist yet and sets only bLossless.
    static void setFormatMode(bool lossless);

    // Creates the profile when it does not exist yet; never returns null.
    static AttributeSetting* attributeSetting();
};
