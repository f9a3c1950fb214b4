#include "core/Source.h"

extern "C" {
#include <libavutil/mem.h>
}

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {
namespace {

constexpr int kIoBufferSize = 64 * 1024;
constexpr int kPollSliceMs = 20;

class MemoryIo final : public MediaIo {
public:
    explicit MemoryIo(std::shared_ptr<const SourceData> data) : m_data(std::move(data)) {}

    int read(uint8_t *buf, int size) override
    {
        const auto &bytes = m_data->bytes;
        if (m_pos >= int64_t(bytes.size()))
            return AVERROR_EOF;
        const int n = int(std::min<int64_t>(size, int64_t(bytes.size()) - m_pos));
        memcpy(buf, bytes.data() + m_pos, size_t(n));
        m_pos += n;
        return n;
    }

    int64_t seek(int64_t offset, int whence) override
    {
        const auto total = int64_t(m_data->bytes.size());
        switch (whence & ~AVSEEK_FORCE) {
        case AVSEEK_SIZE: return total;
        case SEEK_SET: break;
        case SEEK_CUR: offset += m_pos; break;
        case SEEK_END: offset += total; break;
        default: return AVERROR(EINVAL);
        }
        if (offset < 0 || offset > total)
            return AVERROR(EINVAL);
        m_pos = offset;
        return m_pos;
    }

    bool seekable() const override { return true; }

private:
    std::shared_ptr<const SourceData> m_data;
    int64_t m_pos = 0;
};

// Regular files are read directly; anything else waits in poll() slices so
// that the interrupt scope is honoured even when no data ever comes.
class FdIo final : public MediaIo {
public:
    FdIo(int fd, bool regular, const InterruptScope *scope)
        : m_fd(fd), m_regular(regular), m_scope(scope) {}
    ~FdIo() override { ::close(m_fd); }

    int read(uint8_t *buf, int size) override
    {
        for (;;) {
            if (m_scope && m_scope->interrupted())
                return AVERROR_EXIT;
            if (!m_regular) {
                pollfd p{m_fd, POLLIN, 0};
                const int r = ::poll(&p, 1, kPollSliceMs);
                if (r == 0 || (r < 0 && errno == EINTR))
                    continue;
                if (r < 0)
                    return AVERROR(errno);
            }
            const ssize_t n = ::read(m_fd, buf, size_t(size));
            if (n > 0)
                return int(n);
            if (n == 0)
                return AVERROR_EOF;
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return AVERROR(errno);
        }
    }

    int64_t seek(int64_t offset, int whence) override
    {
        if (!m_regular)
            return AVERROR(ENOSYS);
        if ((whence & ~AVSEEK_FORCE) == AVSEEK_SIZE) {
            struct stat st;
            return fstat(m_fd, &st) == 0 ? int64_t(st.st_size) : AVERROR(errno);
        }
        const off_t r = ::lseek(m_fd, off_t(offset), whence & ~AVSEEK_FORCE);
        return r < 0 ? AVERROR(errno) : int64_t(r);
    }

    bool seekable() const override { return m_regular; }

private:
    int m_fd;
    bool m_regular;
    const InterruptScope *m_scope;
};

std::unique_ptr<MediaIo> openFd(const std::string &path, const InterruptScope *scope,
                                std::string &error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot open '" + path + "': " + avErrorText(AVERROR(errno));
        return nullptr;
    }
    struct stat st;
    const bool regular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (regular) {
        // Blocking reads are fine (and cheaper) on regular files.
        const int flags = fcntl(fd, F_GETFL);
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    return std::make_unique<FdIo>(fd, regular, scope);
}

int avioRead(void *opaque, uint8_t *buf, int size)
{
    return static_cast<MediaIo *>(opaque)->read(buf, size);
}

int64_t avioSeek(void *opaque, int64_t offset, int whence)
{
    return static_cast<MediaIo *>(opaque)->seek(offset, whence);
}

} // namespace

std::string SourceData::describe() const
{
    if (kind == Kind::File)
        return path;
    return "memory source (" + std::to_string(bytes.size()) + " bytes)";
}

std::unique_ptr<MediaIo> openSourceIo(const std::shared_ptr<const SourceData> &source,
                                      const InterruptScope *scope, std::string &error)
{
    if (!source) {
        error = "no source";
        return nullptr;
    }
    if (source->kind == SourceData::Kind::Memory)
        return std::make_unique<MemoryIo>(source);
    return openFd(source->path, scope, error);
}

bool isSpecialFile(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

std::unique_ptr<MediaIo> openPathIo(const std::string &path, const InterruptScope *scope,
                                    std::string &error)
{
    return openFd(path, scope, error);
}

CustomIoPtr makeAvio(MediaIo *io)
{
    auto *buffer = static_cast<unsigned char *>(av_malloc(kIoBufferSize));
    if (!buffer)
        return nullptr;
    AVIOContext *ctx = avio_alloc_context(buffer, kIoBufferSize, 0, io, &avioRead, nullptr,
                                          io->seekable() ? &avioSeek : nullptr);
    if (!ctx) {
        av_free(buffer);
        return nullptr;
    }
    ctx->seekable = io->seekable() ? AVIO_SEEKABLE_NORMAL : 0;
    return CustomIoPtr(ctx);
}

} // namespace zv
