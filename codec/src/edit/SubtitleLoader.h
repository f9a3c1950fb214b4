#pragma once
// Reads one subtitle stream (of a subtitle file, or stream k of the media)
// on its own thread and decodes it into events, so the burner never waits
// on a reader that is also the pictures' reader, and a graph rebuild never
// reads the file again.

#include "core/FfPtr.h"
#include "core/Global.h"
#include "core/InputMedia.h"
#include "edit/SubtitleEvent.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zv {

class SubtitleLoader {
public:
    ~SubtitleLoader();

    // Opens the media and the decoder of its subtitle stream `index` (counted
    // among the subtitle streams of `program`). Fails with a readable reason.
    int open(const MediaLocation &where, uint32_t program, uint32_t index, std::string *error);
    // Starts reading in the background.
    void start();
    void stop();

    // The ASS header of the stream (styles, PlayRes); empty for bitmaps.
    const std::string &header() const { return m_header; }
    bool isBitmap() const { return m_bitmap; }
    // The size the bitmaps are placed on (0 × 0 when unknown).
    int canvasWidth() const { return m_canvasW; }
    int canvasHeight() const { return m_canvasH; }

    // Waits until the stream was read up to media time `us` (or its end),
    // for at most `limitMs` (< 0: no limit) and while `cancel` (may be null)
    // stays down; then moves the new events out.
    void take(int64_t us, int limitMs, const std::atomic<bool> *cancel, std::vector<SubtitleEvent> &out);

private:
    void readLoop();
    void decoded(const AVSubtitle &sub, int64_t fallbackUs);

    InterruptScope m_scope;
    std::unique_ptr<InputMedia> m_media;
    CodecContextPtr m_dec;
    int m_stream = -1;
    std::string m_header;
    bool m_bitmap = false;
    int m_canvasW = 0, m_canvasH = 0;

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    std::vector<SubtitleEvent> m_events; // not yet taken
    int64_t m_readUs = -1;               // packets read up to here
    bool m_done = false;
};

} // namespace zv
