#pragma once
// Source objects (ZvSource: file or memory bytes) and the readers behind the
// custom AVIOContexts: a seekable reader per open over a source, and an
// interruptible reader for paths that are not regular files (FIFOs, devices),
// whose reads would otherwise block in the kernel beyond the interrupt's reach.

#include "core/FfPtr.h"
#include "core/Global.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zv {

// What a source names; immutable once made and shared by every handle
// opened on it, so the ZvSource may be released at any time.
struct SourceData {
    enum class Kind { Memory, File };
    Kind kind = Kind::Memory;
    std::vector<uint8_t> bytes; // Memory
    std::string path;           // File
    std::string describe() const; // for error texts
};

// One reader with its own position. read() returns bytes read, AVERROR_EOF
// or another AVERROR; seek() follows AVIOContext's seek (with AVSEEK_SIZE).
class MediaIo {
public:
    virtual ~MediaIo() = default;
    virtual int read(uint8_t *buf, int size) = 0;
    virtual int64_t seek(int64_t offset, int whence) = 0;
    virtual bool seekable() const = 0;
};

// A reader over a source; null with error set when it cannot be read.
std::unique_ptr<MediaIo> openSourceIo(const std::shared_ptr<const SourceData> &source,
                                      const InterruptScope *scope, std::string &error);

// Whether path names an existing file that is not a regular file (FIFO,
// character device, socket): such paths are read through openPathIo.
bool isSpecialFile(const std::string &path);
// A reader of a path that waits for data in short slices and gives up with
// AVERROR_EXIT as soon as scope says so.
std::unique_ptr<MediaIo> openPathIo(const std::string &path, const InterruptScope *scope,
                                    std::string &error);

// An AVIOContext that reads through io (which must outlive it).
CustomIoPtr makeAvio(MediaIo *io);

} // namespace zv

// The opaque handle of the C surface.
struct ZvSource {
    std::shared_ptr<const zv::SourceData> data;
    std::atomic<uint32_t> option{0};
};
