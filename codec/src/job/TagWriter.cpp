#include "job/TagWriter.h"

#include "job/JobSupport.h"

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/flacpicture.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <sys/statvfs.h>

namespace zv::job {

namespace {

void appendUtf8(std::string &out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x110000) {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool isPng(const std::vector<uint8_t> &b)
{
    return b.size() > 4 && b[0] == 0x89 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G';
}

void setId3Picture(TagLib::ID3v2::Tag *tag, const TagLib::ByteVector &data, const char *mime)
{
    if (!tag)
        return;
    tag->removeFrames("APIC");
    auto *frame = new TagLib::ID3v2::AttachedPictureFrame;
    frame->setMimeType(mime);
    frame->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
    frame->setPicture(data);
    tag->addFrame(frame);
}

TagLib::FLAC::Picture *flacPicture(const TagLib::ByteVector &data, const char *mime)
{
    auto *p = new TagLib::FLAC::Picture;
    p->setMimeType(mime);
    p->setType(TagLib::FLAC::Picture::FrontCover);
    p->setData(data);
    return p;
}

// TagLib has no format-independent picture property, so each family gets its own.
void writePicture(TagLib::File *file, const std::vector<uint8_t> &bytes, bool clear)
{
    const bool png = isPng(bytes);
    const char *mime = png ? "image/png" : "image/jpeg";
    const TagLib::ByteVector data(reinterpret_cast<const char *>(bytes.data()), unsigned(bytes.size()));
    const bool have = !bytes.empty();
    if (auto *f = dynamic_cast<TagLib::MPEG::File *>(file)) {
        if (clear)
            f->ID3v2Tag(true)->removeFrames("APIC");
        if (have)
            setId3Picture(f->ID3v2Tag(true), data, mime);
    } else if (auto *f = dynamic_cast<TagLib::RIFF::WAV::File *>(file)) {
        if (clear)
            f->ID3v2Tag()->removeFrames("APIC");
        if (have)
            setId3Picture(f->ID3v2Tag(), data, mime);
    } else if (auto *f = dynamic_cast<TagLib::RIFF::AIFF::File *>(file)) {
        if (clear)
            f->tag()->removeFrames("APIC");
        if (have)
            setId3Picture(f->tag(), data, mime);
    } else if (auto *f = dynamic_cast<TagLib::MP4::File *>(file)) {
        if (clear)
            f->tag()->removeItem("covr");
        if (have) {
            TagLib::MP4::CoverArtList covers;
            covers.append(TagLib::MP4::CoverArt(png ? TagLib::MP4::CoverArt::PNG : TagLib::MP4::CoverArt::JPEG, data));
            f->tag()->setItem("covr", TagLib::MP4::Item(covers));
        }
    } else if (auto *f = dynamic_cast<TagLib::FLAC::File *>(file)) {
        if (clear || have)
            f->removePictures();
        if (have)
            f->addPicture(flacPicture(data, mime));
    } else if (auto *f = dynamic_cast<TagLib::Ogg::Vorbis::File *>(file)) {
        if (clear || have)
            f->tag()->removeAllPictures();
        if (have)
            f->tag()->addPicture(flacPicture(data, mime));
    } else if (auto *f = dynamic_cast<TagLib::ASF::File *>(file)) {
        if (clear || have)
            f->tag()->removeItem("WM/Picture");
        if (have) {
            TagLib::ASF::Picture p;
            p.setMimeType(mime);
            p.setType(TagLib::ASF::Picture::FrontCover);
            p.setPicture(data);
            f->tag()->setAttribute("WM/Picture", TagLib::ASF::Attribute(p));
        }
    }
}

std::string lowerExtension(const std::string &name)
{
    std::string ext = std::filesystem::path(name).extension().string();
    if (!ext.empty())
        ext.erase(0, 1);
    for (char &c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// TagLib guesses from the content when the name says nothing it knows, and
// takes a Matroska file with FLAC inside for a FLAC file; a partial output's
// name says nothing. So the file type goes by the extension given, and only
// the formats TagLib writes are let through.
TagLib::File *openByExtension(const std::string &path, const std::string &ext)
{
    const char *name = path.c_str();
    if (ext == "mp3" || ext == "mp2")
        return new TagLib::MPEG::File(name, false);
    if (ext == "wav")
        return new TagLib::RIFF::WAV::File(name, false);
    if (ext == "aif" || ext == "aiff")
        return new TagLib::RIFF::AIFF::File(name, false);
    if (ext == "m4a" || ext == "m4b" || ext == "m4v" || ext == "mp4" || ext == "mov" || ext == "3gp"
        || ext == "3g2")
        return new TagLib::MP4::File(name, false);
    if (ext == "flac")
        return new TagLib::FLAC::File(name, false);
    if (ext == "ogg" || ext == "oga")
        return new TagLib::Ogg::Vorbis::File(name, false);
    if (ext == "wma" || ext == "asf")
        return new TagLib::ASF::File(name, false);
    return nullptr;
}

} // namespace

const char *tagPropertyForField(uint32_t field)
{
    switch (field) {
    case 0: return "TITLE";
    case 1: return "ARTIST";
    case 2: return "ALBUM";
    case 3: return "GENRE";
    case 4: return "DATE";
    case 5: return "TRACKNUMBER";
    case 6: return "COMMENT";
    case 7: return "COPYRIGHT";
    case 10: return "ALBUMARTIST";
    case 11: return "COMPOSER";
    case 12: return "GROUPING";
    case 13: return "DISCNUMBER";
    default: return nullptr;
    }
}

std::string utf32ToUtf8(const uint32_t *text, size_t count)
{
    std::string out;
    if (!text)
        return out;
    size_t i = text[0] == 0xFEFF ? 1 : 0;
    for (; count ? i < count : text[i] != 0; ++i) {
        if (count && text[i] == 0)
            break;
        appendUtf8(out, text[i]);
    }
    return out;
}

bool TagWriter::open(const std::string &path, Mode mode, const std::string &typeName)
{
    close();
    const std::string ext = lowerExtension(typeName.empty() ? path : typeName);
    const std::unique_ptr<TagLib::File> file(openByExtension(path, ext));
    if (!file || !file->isValid())
        return false;
    m_path = path;
    m_extension = ext;
    m_mode = mode;
    m_open = true;
    return true;
}

void TagWriter::setText(const std::string &key, const std::string &utf8)
{
    m_texts[key] = utf8;
}

void TagWriter::setPicture(const void *data, uint32_t size)
{
    const auto *b = static_cast<const uint8_t *>(data);
    m_picture.assign(b, b + size);
}

bool TagWriter::applyTo(const std::string &path)
{
    {
        const std::unique_ptr<TagLib::File> file(openByExtension(path, m_extension));
        if (!file || !file->isValid())
            return false;
        TagLib::PropertyMap props = m_clear ? TagLib::PropertyMap() : file->properties();
        for (const auto &[key, value] : m_texts)
            props.replace(TagLib::String(key, TagLib::String::UTF8),
                          TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
        const TagLib::PropertyMap rejected = file->setProperties(props);
        if (!rejected.isEmpty())
            logLine("tags not taken by " + m_path + ": " + rejected.toString().to8Bit(true));
        writePicture(file.get(), m_picture, m_clear);
        if (!file->save())
            return false;
    }
    // Only a file TagLib can read again counts as saved.
    const std::unique_ptr<TagLib::File> check(openByExtension(path, m_extension));
    return check && check->isValid();
}

bool TagWriter::save(std::string *error)
{
    if (!m_open) {
        *error = "no file is open for tagging";
        return false;
    }
    if (!hasChanges())
        return true;
    if (m_mode == OnCopy)
        return saveOnCopy(error);
    // TagLib does not report a write that failed, so a tag block that cannot
    // fit on the disk is refused before the file is touched.
    struct statvfs fs;
    if (::statvfs(m_path.c_str(), &fs) == 0 && uint64_t(fs.f_bavail) * fs.f_frsize < spaceNeeded()) {
        *error = "no space left on the disk for the tags of " + m_path;
        return false;
    }
    if (applyTo(m_path))
        return true;
    *error = "cannot save the tags of " + m_path;
    return false;
}

uint64_t TagWriter::spaceNeeded() const
{
    // A tag block holds the texts and the picture, with the format's framing
    // and the padding TagLib adds well inside the allowance.
    uint64_t bytes = m_picture.size() + 256 * 1024;
    for (const auto &[key, value] : m_texts)
        bytes += key.size() + value.size() * 2 + 64;
    return bytes;
}

bool TagWriter::saveOnCopy(std::string *error)
{
    namespace fs = std::filesystem;
    const fs::path original(m_path);
    const fs::path scratch = original.parent_path() / ("." + original.filename().string() + ".tagging");
    std::error_code ec;
    fs::copy_file(original, scratch, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        // A copy cut short (a full disk) is removed with the error.
        *error = "cannot copy " + m_path + " for tagging: " + ec.message();
        fs::remove(scratch, ec);
        return false;
    }
    const bool saved = applyTo(scratch.string());
    if (saved)
        fs::rename(scratch, original, ec);
    if (!saved || ec) {
        fs::remove(scratch, ec);
        *error = "cannot save the tags of " + m_path;
        return false;
    }
    return true;
}

void TagWriter::close()
{
    m_open = false;
    m_extension.clear();
    m_mode = OnCopy;
    m_clear = false;
    m_texts.clear();
    m_picture.clear();
    m_path.clear();
}

} // namespace zv::job
