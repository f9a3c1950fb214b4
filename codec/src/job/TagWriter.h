#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zv::job {

// Writes audio tags into a file through TagLib. A finished file is edited on
// a copy beside it, which replaces the original only once TagLib saved it and
// can read it back, so a failed save never damages it. An output that is not
// complete yet (a partial file) is edited in place: a failure fails its job,
// which deletes it anyway.
class TagWriter {
public:
    enum Mode { OnCopy, InPlace };

    // False when TagLib cannot handle the file (Matroska, AVI, ...). The type
    // goes by `typeName`'s extension, `path`'s own when it is empty.
    bool open(const std::string &path, Mode mode = OnCopy, const std::string &typeName = std::string());
    void clearExisting() { m_clear = true; }
    // Property names as TagLib's PropertyMap spells them (TITLE, ARTIST, ...).
    void setText(const std::string &key, const std::string &utf8);
    void setPicture(const void *data, uint32_t size);
    // Whether save() would change anything.
    bool hasChanges() const { return m_clear || !m_texts.empty() || !m_picture.empty(); }
    // Does not touch the file when there is nothing to write.
    bool save(std::string *error);
    void close();

private:
    // Applies the tags to `file`, saves it and reads it back.
    bool applyTo(const std::string &file);
    bool saveOnCopy(std::string *error);
    // Free disk space an in-place save asks for.
    uint64_t spaceNeeded() const;

    std::string m_path;
    std::string m_extension;
    Mode m_mode = OnCopy;
    bool m_open = false;
    bool m_clear = false;
    std::map<std::string, std::string> m_texts;
    std::vector<uint8_t> m_picture;
};

// The property name of one of the callers' tag field numbers; null for none.
const char *tagPropertyForField(uint32_t field);

// UTF-32 (machine order, a leading U+FEFF skipped) to UTF-8; `count` 0 = up to a NUL.
std::string utf32ToUtf8(const uint32_t *text, size_t count);

} // namespace zv::job
