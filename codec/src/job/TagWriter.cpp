#include "job/TagWriter.h"

#include "job/JobSupport.h"

#include <taglib/aifffile.h>
#include <taglib/asffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/fileref.h>
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
#include <system_error>

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

} // namespace

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

bool TagWriter::open(const std::string &path)
{
    close();
    // TagLib guesses from the content when the name says nothing it knows, and
    // takes a Matroska file with FLAC inside for a FLAC file. Only names of the
    // formats it writes are let through.
    static const char *const known[] = {"mp3", "mp2", "wav", "aif", "aiff", "m4a", "m4b", "m4v", "mp4", "mov",
                                        "3gp", "3g2", "flac", "ogg", "oga", "wma", "asf"};
    std::string ext = std::filesystem::path(path).extension().string();
    if (!ext.empty())
        ext.erase(0, 1);
    for (char &c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (std::none_of(std::begin(known), std::end(known), [&](const char *k) { return ext == k; }))
        return false;
    TagLib::FileRef ref(path.c_str(), false);
    if (ref.isNull() || !ref.file() || !ref.file()->isValid())
        return false;
    m_path = path;
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

bool TagWriter::save(std::string *error)
{
    if (!m_open) {
        *error = "no file is open for tagging";
        return false;
    }
    namespace fs = std::filesystem;
    const fs::path original(m_path);
    const fs::path scratch = original.parent_path() / ("." + original.filename().string() + ".tagging");
    std::error_code ec;
    fs::copy_file(original, scratch, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        *error = "cannot copy " + m_path + " for tagging: " + ec.message();
        return false;
    }
    bool saved = false;
    {
        TagLib::FileRef ref(scratch.c_str(), false);
        if (!ref.isNull() && ref.file()->isValid()) {
            TagLib::File *file = ref.file();
            TagLib::PropertyMap props = m_clear ? TagLib::PropertyMap() : file->properties();
            for (const auto &[key, value] : m_texts)
                props.replace(TagLib::String(key, TagLib::String::UTF8),
                              TagLib::StringList(TagLib::String(value, TagLib::String::UTF8)));
            const TagLib::PropertyMap rejected = file->setProperties(props);
            if (!rejected.isEmpty())
                logLine("tags not taken by " + m_path + ": " + rejected.toString().to8Bit(true));
            writePicture(file, m_picture, m_clear);
            saved = file->save();
        }
    }
    // Only a copy TagLib saved and can read again replaces the output.
    if (saved) {
        TagLib::FileRef check(scratch.c_str(), false);
        saved = !check.isNull() && check.file()->isValid();
    }
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
    m_clear = false;
    m_texts.clear();
    m_picture.clear();
    m_path.clear();
}

} // namespace zv::job
