#pragma once
// The state behind a ZvInfo handle: the opened input, the selected program
// and streams, the texts and blobs handed out, and the picture decoder.

#include "core/BmpImage.h"
#include "core/InputMedia.h"
#include "info/ChapterList.h"
#include "info/PictureDecoder.h"

#include "zovAruzIvivu.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zv {

enum class StreamKind { Video, Audio, Subtl };

} // namespace zv

struct ZvInfo {
    zv::InterruptScope scope;
    std::unique_ptr<zv::InputMedia> media;
    std::string lastError;

    bool open(const zv::MediaLocation &where);
    void close();
    bool fail(const std::string &text);

    // Programs and streams of the selected program.
    uint32_t programCount() const;
    bool selectProgram(uint32_t index);
    const char *programName() const;
    const std::vector<int> &streams(zv::StreamKind kind) const;
    bool selectStream(zv::StreamKind kind, uint32_t index);
    const AVStream *selected(zv::StreamKind kind) const;

    // Whole media.
    int rotation() const; // of the selected video stream
    uint32_t videoWidth() const;
    uint32_t videoHeight() const;
    AVRational displayAspect() const; // reduced; {0,1} without video
    bool canSeek() const;

    // Metadata and cover.
    const void *metaData(const char *key);
    const uint8_t *metaDataBytes(const void *value, uint32_t &size) const;

    // Chapters, read once per open.
    const std::vector<zv::ChapterEntry> &chapters();

    // Picture at a time.
    uint8_t *picture(uint64_t t, uint32_t width, uint32_t height);

    // Subtitle input opened beside the media (no caller yet).
    bool openSubtitleInput(const zv::MediaLocation &where);

private:
    void resetSelections();
    bool findCover();

    uint32_t m_program = 0;
    std::vector<int> m_streams[3];
    int m_selected[3] = {-1, -1, -1}; // stream index, -1 for none
    std::set<const void *> m_handedTexts;
    std::string m_year;
    ZvMetaBlob m_cover{nullptr, 0};
    bool m_coverSearched = false;
    bool m_chaptersRead = false;
    std::vector<zv::ChapterEntry> m_chapters;
    std::unique_ptr<zv::PictureDecoder> m_pictures;
    int m_pictureStream = -1;
    zv::BmpMaker m_bmp;
    std::unique_ptr<zv::InputMedia> m_subtitleInput;
};
