#pragma once

#include "FormatAllInfo.h"
#include "FormatBaseInfo.h"
#include "PlistDocument.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads one preset list (a property list in the resources folder) and answers
// the format dialog's questions about its categories, presets and codecs.
//
// Lifetime of results: getCategoriesInfoList() and GetFormatInfoForPlist()
// return storage the reader owns and rebuilds at the next call of the same
// operation on the same reader. Copy what you need (the record is a plain
// value: `FormatAllInfo copy = *reader->GetFormatInfoForPlist(...)`) before
// calling either operation again, and never free the pointers.
class QPlistRead
{
public:
    // The shared readers of the encoding list and of the high-speed list. The
    // first call loads the file at the given path; later calls ignore the path.
    static QPlistRead *getPlistRead(const std::string &path);
    static QPlistRead *getPlistLosslessRead(const std::string &path);
    // An encoding-mode reader without a file (its answers are all empty).
    static QPlistRead *getPlistRead1(const char *data, int64_t length);

    // Loads the list at path. A missing or malformed file leaves a reader whose
    // answers are empty; errorString() then tells why.
    explicit QPlistRead(const std::string &path);
    QPlistRead();
    ~QPlistRead();
    QPlistRead(const QPlistRead &) = delete;
    QPlistRead &operator=(const QPlistRead &) = delete;

    std::vector<std::string> getCategories();
    // Null for an empty or unknown category and for one without presets.
    std::vector<FormatBaseInfo *> *getCategoriesInfoList(const std::string &category);
    std::string getFormatInfoForKey(const std::string &category, const std::string &id,
                                    const std::string &key);
    std::string getCodecsForKey(const std::string &code);
    // Null only for an empty category or id. "Auto" or empty choices take the
    // preset's defaults.
    FormatAllInfo *GetFormatInfoForPlist(const std::string &category, const std::string &id,
                                         const std::string &videoEncoder,
                                         const std::string &resolution,
                                         const std::string &audioEncoder,
                                         const std::string &channel);

    // Comma lists: items trimmed, empty ones dropped, "0" becomes "Auto", the
    // unit appended to every other item; appended to out in file order.
    void analysisTextInfo(const std::string &text, std::vector<std::string> &out);
    void analysisTextInfo(const std::string &text, const std::string &unit,
                          std::vector<std::string> &out);
    // The audio codes a '|'-separated filter allows with one video code.
    void analysisFilter(const std::string &filter, const std::string &videoEncoder,
                        std::vector<std::string> &out);

    std::string path() const { return m_path; }
    // Empty when the list loaded; otherwise why it did not.
    QString errorString() const { return m_error; }

private:
    plist_t rootItem(const std::string &key) const;
    plist_t findPreset(const std::string &category, const std::string &id) const;
    void fillVideo(plist_t preset, std::string videoEncoder, std::string resolution,
                   std::string &filter, FormatAllInfo &info);
    void fillAudio(plist_t preset, std::string audioEncoder, std::string channel,
                   const std::string &filter, FormatAllInfo &info);
    void clearBaseInfoList();

    std::string m_path;
    std::vector<FormatBaseInfo *> m_baseInfoList;
    std::vector<std::unique_ptr<FormatBaseInfo>> m_baseInfoStore;
    std::unique_ptr<FormatAllInfo> m_formatAllInfo;
    std::vector<std::string> m_categories;
    PlistDocument m_document;
    QString m_error;

    static QPlistRead *m_self;
    static QPlistRead *m_selfLossless;
};

// Strips leading and trailing blanks (U+0020 only) in place and returns s.
std::string &trim(std::string &s);
// Text value of key in a dictionary; an empty key means "supports"; "" when
// the dictionary or the key is missing.
std::string getDictValue(plist_t dict, const std::string &key);
