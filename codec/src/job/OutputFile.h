#pragma once

#include "core/Global.h"
#include "job/JobSupport.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zv::job {

// The output container of a job or merge. From create() on it is written
// under a partial name beside the final one (see PartialFiles.h) and takes
// the final name only when the trailer is written and the file is on disk;
// anything else ends with discard(), which deletes it, so a failed, stopped
// or killed run never leaves a file that looks good.
class OutputFile {
public:
    ~OutputFile();

    // Allocates the muxer context for `path`; the file is not touched yet.
    // The scope's watch follows the file while it is written (see vanished()).
    int prepare(const std::string &path, const AVOutputFormat *format,
                InterruptScope *scope, std::string *error);
    AVFormatContext *ctx() const { return m_ctx.get(); }
    // The final name.
    const std::string &path() const { return m_path; }
    // The name written while the output is not complete.
    const std::string &workPath() const { return m_workPath; }

    // Creates the file (before the header, so an unwritable folder is refused early).
    int create(std::string *error);
    bool created() const { return m_created; }
    // Writes the header; options are muxer AVOptions ("key=value:...").
    int writeHeader(const std::string &options, std::string *error);
    bool headerWritten() const { return m_headerWritten; }
    // Tags to write into the file after its trailer, before it takes its final name.
    void setTags(const std::map<std::string, std::string> &texts, const std::vector<uint8_t> &picture);
    // Writes the trailer, closes, tags and syncs the file and gives it its final name.
    int writeTrailer(std::string *error);
    // Closes and deletes the file unless the trailer was written.
    void discard();
    int close();
    // Whether the file (or its folder) was removed while it was written: a
    // watcher looks every kWatchIntervalMs and then ends the run (through
    // the scope's abort and lost flags) as a failure.
    bool vanished() const { return m_vanished.load(); }
    static constexpr int kWatchIntervalMs = 250;
    std::string vanishedText() const;

private:
    // Whether `m_workPath` still names the file this output created.
    bool stillOurs() const;
    int writeTags(std::string *error);
    // Syncs the written file and moves it to the final name.
    int publish(std::string *error);

    void startWatching();
    void stopWatching();

    OutputFormatPtr m_ctx;
    InterruptScope *m_scope = nullptr;
    std::thread m_watcher;
    std::mutex m_watchMutex;
    std::condition_variable m_watchWake;
    bool m_watching = false;
    std::atomic<bool> m_vanished{false};
    std::string m_path;
    std::string m_workPath;
    std::map<std::string, std::string> m_tags;
    std::vector<uint8_t> m_tagPicture;
    bool m_created = false;
    bool m_headerWritten = false;
    bool m_finished = false;
    // Device and inode of the created file (regular files only).
    bool m_identified = false;
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
};

} // namespace zv::job
