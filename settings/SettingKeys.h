#pragma once

#include "AttributeSetting.h"
#include "QVideoSettingXml.h"

#include <QString>

// The values of the key/value settings file ("VideoDefaultSetting.xml"), each
// named once with the element (group) and attribute it lives in and what a read
// gives when nothing is stored. Values are kept as text as they always were: a
// flag as "Y" or "N" (anything else reads as false), a number in decimal, a text
// as it is. Users' files depend on these names and on the text of the defaults,
// which a first read writes into the file: never change either.

// What a default is held as: literal, so that every key can be constexpr.
template <typename T> struct SettingDefault { using Type = T; };
template <> struct SettingDefault<QString> { using Type = const char*; };

// A setting whose default is only known at run time: its reader supplies it.
template <typename T>
struct SettingName
{
    const char* group;
    const char* attribute;
};

template <typename T>
struct SettingKey : SettingName<T>
{
    typename SettingDefault<T>::Type defaultValue;
};

namespace SettingKeys {

inline constexpr SettingName<QString> OutputFolder{"OutPut_path", "path_value"};
inline constexpr SettingKey<QString> OpenFolder{{"Open_path", "Open_path_value"}, "."};
inline constexpr SettingKey<QString> Language{{"Language_item", "Language_Name"}, "English"};

inline constexpr SettingKey<bool> LosslessMode{{"LOSSLESS_ITEM", "Lossless_convert"}, true};
inline constexpr SettingKey<QString> LosslessCategory{{"FormatSet", "Format_cate_lossless"}, "General Video"};
inline constexpr SettingKey<QString> LosslessPresetId{{"FormatSet", "Format_ID_lossless"}, "3000"};
inline constexpr SettingKey<QString> EncodingCategory{{"FormatSet", "Format_cate"}, "General Video"};
inline constexpr SettingKey<QString> EncodingPresetId{{"FormatSet", "Format_ID"}, "4000"};
inline constexpr SettingKey<int> Quality{{"VIDEO_QUALITY_ITEM", "quality_value"}, VQ_HighQuality};
// Whether the lossless explanation below the format dialog is unfolded.
inline constexpr SettingKey<bool> LosslessNoteOpen{{"Lossless_H", "Lossless_H_value"}, false};

inline constexpr SettingKey<bool> ShutDownWhenDone{{"SHOWDOWN_ITEM", "bIsShowDownComputer"}, false};
inline constexpr SettingKey<bool> AutoUpdate{{"UPDATES_ITEM", "bIsAutoUpdate"}, false};
// Closing the window quits (true) or minimizes it (false).
inline constexpr SettingKey<bool> CloseQuits{{"CLOSE_ITEM", "bIsCloseDlg"}, true};
inline constexpr SettingKey<bool> AskOnClose{{"REMIND_ITEM", "isShowRemind"}, true};
inline constexpr SettingKey<bool> EditTip{{"EDIT_REMIND_ITEM", "isEditRemind"}, true};
// The segment list shows lines (true) or tiles (false).
inline constexpr SettingKey<bool> SegmentListLines{{"LISTMODEL_ITEM", "ListModel_Line"}, false};

} // namespace SettingKeys

namespace SettingText {

inline QString from(bool value) { return QLatin1String(value ? "Y" : "N"); }
inline QString from(int value) { return QString::number(value); }
inline QString from(const QString& value) { return value; }

template <typename T> T to(const QString& text);
template <> inline bool to<bool>(const QString& text) { return text == QLatin1String("Y"); }
template <> inline int to<int>(const QString& text) { return text.toInt(); }
template <> inline QString to<QString>(const QString& text) { return text; }

} // namespace SettingText

// The stored value, or fallback when it is absent or empty. A missing group is
// created holding fallback (QVideoSettingXml::GetItemValue).
template <typename T>
T readSetting(const SettingName<T>& key, const T& fallback)
{
    return SettingText::to<T>(QVideoSettingXml::GetItemValue(QLatin1String(key.group), QLatin1String(key.attribute),
                                                             SettingText::from(fallback)));
}

template <typename T>
T readSetting(const SettingKey<T>& key)
{
    return readSetting(key, T(key.defaultValue));
}

// Stores value only where its group already exists, as the first read of a
// setting makes it; a missing group stays missing.
template <typename T>
void updateSetting(const SettingName<T>& key, const T& value)
{
    QVideoSettingXml::SetItemValue(QLatin1String(key.group), QLatin1String(key.attribute), SettingText::from(value));
}

// Stores value, creating its group when it is missing.
template <typename T>
void storeSetting(const SettingName<T>& key, const T& value)
{
    readSetting(key, value);
    updateSetting(key, value);
}
