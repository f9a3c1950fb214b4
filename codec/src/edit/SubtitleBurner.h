#pragma once
// Burns the chosen subtitles into edited pictures: a subtitle stream of the
// media, a subtitle file, or the captions carried by the video, drawn with
// libass (text) or as pictures (bitmap streams) at the picture's size.

#include "core/InputMedia.h"
#include "edit/AssRenderer.h"
#include "edit/SubtitleEvent.h"
#include "edit/SubtitleLoader.h"
#include "core/EditConfig.h"

#include <memory>
#include <string>
#include <vector>

namespace zv {

class CaptionDecoder;

class SubtitleBurner {
public:
    SubtitleBurner();
    ~SubtitleBurner();

    // Checks a subtitle file the way open() would read it.
    static int probeFile(const std::string &path, std::string *error);

    // Prepares the choice of `edit` (stream, file or captions) for pictures
    // of `media`; with no choice it stays inactive. Fails with a readable reason.
    int open(const EditConfig &edit, const MediaLocation &media, std::string *error);
    void close();
    bool active() const { return m_kind != Kind::None; }
    // Whether `edit` chooses other subtitles than those open.
    bool choiceDiffers(const EditConfig &edit) const;
    void setStyle(const SubtitleStyle &style);

    // Captions ride on the decoded pictures (A53 side data): feed each one.
    void feedCaptions(const AVFrame *decoded, int64_t mediaUs);
    // Draws what shows at media time `mediaUs` onto a writable 8-bit 4:2:0
    // picture. waitMs bounds the wait for the reader (< 0: until it got there),
    // which also ends when `cancel` (may be null) is raised.
    void burn(AVFrame *picture, int64_t mediaUs, int waitMs, const std::atomic<bool> *cancel);

private:
    enum class Kind { None, Stream, File, Captions };
    struct Shown {
        SubtitleEvent event;
        std::vector<SubtitlePicture> scaled; // at the picture size below
        int scaledWidth = 0, scaledHeight = 0;
    };

    void take(const std::vector<SubtitleEvent> &events);
    void drawPictures(AVFrame *picture, int64_t us);
    bool ensureRenderer(int width, int height);

    Kind m_kind = Kind::None;
    uint32_t m_program = 0, m_index = 0;
    std::string m_file;
    std::unique_ptr<SubtitleLoader> m_loader;
    std::unique_ptr<CaptionDecoder> m_captions;
    std::string m_header;
    AssRenderer m_ass;
    SubtitleStyle m_style;
    std::vector<SubtitleEvent> m_text;  // every text event, for a renderer of another size
    std::vector<Shown> m_pictures;      // bitmap events, in time order
    bool m_failed = false;
};

} // namespace zv
