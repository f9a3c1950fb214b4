#pragma once

#include "core/Global.h"
#include "job/JobSupport.h"

#include <atomic>
#include <string>

namespace zv::job {

// The output container of a job or merge. The file exists from create() on;
// anything but a finished trailer ends with discard(), which deletes it, so a
// failed or stopped run never leaves a file that looks good.
class OutputFile {
public:
    ~OutputFile();

    // Allocates the muxer context for `path`; the file is not touched yet.
    int prepare(const std::string &path, const AVOutputFormat *format,
                const InterruptScope *scope, std::string *error);
    AVFormatContext *ctx() const { return m_ctx.get(); }
    const std::string &path() const { return m_path; }

    // Creates the file (before the header, so an unwritable folder is refused early).
    int create(std::string *error);
    bool created() const { return m_created; }
    // Writes the header; options are muxer AVOptions ("key=value:...").
    int writeHeader(const std::string &options, std::string *error);
    bool headerWritten() const { return m_headerWritten; }
    // Writes the trailer and closes the file; only then is the output final.
    int writeTrailer(std::string *error);
    // Closes and deletes the file unless the trailer was written.
    void discard();
    int close();

private:
    // Whether `m_path` still names the file this output created.
    bool stillOurs() const;

    OutputFormatPtr m_ctx;
    std::string m_path;
    bool m_created = false;
    bool m_headerWritten = false;
    bool m_finished = false;
    // Device and inode of the created file (regular files only).
    bool m_identified = false;
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
};

} // namespace zv::job
