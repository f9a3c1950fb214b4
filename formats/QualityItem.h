#pragma once

// The quality the main window hands to the format dialog; the same numbers as
// VideoQuality, kept apart because it is what the settings file stores.
enum QualityItem {
    QI_SmallSize = 0,
    QI_HighQuality = 1,
    QI_Customized = 2
};
