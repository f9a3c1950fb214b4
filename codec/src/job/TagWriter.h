#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zv::job {

// Writes audio tags into a finished file through TagLib. The edit happens on a
// copy beside the file, which replaces the original only once TagLib saved it
// and can read it back, so a failed save never damages the output.
class TagWriter {
public:
    // False when TagLib cannot handle the file (Matroska, AVI, ...).
    bool open(const std::string &path);
    void clearExisting() { m_clear = true; }
    // Property names as TagLib's PropertyMap spells them (TITLE, ARTIST, ...).
    void setText(const std::string &key, const std::string &utf8);
    void setPicture(const void *data, uint32_t size);
    bool save(std::string *error);
    void close();

private:
    std::string m_path;
    bool m_open = false;
    bool m_clear = false;
    std::map<std::string, std::string> m_texts;
    std::vector<uint8_t> m_picture;
};

// UTF-32 (machine order, a leading U+FEFF skipped) to UTF-8; `count` 0 = up to a NUL.
std::string utf32ToUtf8(const uint32_t *text, size_t count);

} // namespace zv::job
