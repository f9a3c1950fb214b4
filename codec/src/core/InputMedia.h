#pragma once
// The one demux-open helper: opens an input AVFormatContext from a path or a
// source object with the caller's interrupt scope, reads stream info, and
// records what every handle needs afterwards: the start-time origin (media
// time 0), each stream's clockwise display rotation, and the program list
// (a virtual program of all streams when the demuxer has none).

#include "core/FfPtr.h"
#include "core/Global.h"
#include "core/Source.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zv {

// Where media comes from: a path, or a source object.
struct MediaLocation {
    std::string path;
    std::shared_ptr<const SourceData> source;

    bool empty() const { return path.empty() && !source; }
    std::string describe() const { return source ? source->describe() : path; }
};

struct MediaProgram {
    std::vector<int> streams;          // stream indexes, in file order
    const AVDictionary *metadata = nullptr; // null for the virtual program
};

class InputMedia {
public:
    ~InputMedia();
    InputMedia(const InputMedia &) = delete;
    InputMedia &operator=(const InputMedia &) = delete;

    // Opens and probes. scope (may be null) must outlive the result: it stays
    // the context's interrupt callback for every later read. On failure
    // returns null and sets error to a readable text: "interrupted",
    // "cannot open '<name>': <reason>", "'<name>' has no streams".
    static std::unique_ptr<InputMedia> open(const MediaLocation &where, const InterruptScope *scope,
                                            std::string &error);

    AVFormatContext *format() const { return m_format.get(); }
    const MediaLocation &location() const { return m_location; }

    // Container start time in AV_TIME_BASE units (0 when unknown).
    int64_t startTime() const { return m_startTime; }
    // Clockwise display rotation of a stream: 0, 90, 180 or 270.
    int rotation(int stream) const;
    const std::vector<MediaProgram> &programs() const { return m_programs; }

    // Container duration in microseconds, else the longest stream's.
    uint64_t durationUs() const;

    // Stream timestamp -> µs of media time (clamped at 0); and back.
    uint64_t toMediaUs(int64_t ts, AVRational timeBase) const;
    int64_t fromMediaUs(uint64_t us, AVRational timeBase) const;

private:
    InputMedia() = default;
    void readLayout();

    // Destroyed bottom-up: the format context before the I/O it reads.
    MediaLocation m_location;
    std::unique_ptr<MediaIo> m_io;
    CustomIoPtr m_avio;
    InputFormatPtr m_format;
    int64_t m_startTime = 0;
    std::vector<int> m_rotations;
    std::vector<MediaProgram> m_programs;
};

// Clockwise rotation (0/90/180/270) from a stream's display matrix.
int streamRotation(const AVStream *stream);

} // namespace zv
