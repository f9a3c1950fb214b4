#include "job/OutputFile.h"

#include "job/PartialFiles.h"
#include "job/TagWriter.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <cerrno>
#include <chrono>
#include <cstdio>

#include <sys/stat.h>

namespace zv::job {

OutputFile::~OutputFile()
{
    discard();
}

int OutputFile::prepare(const std::string &path, const AVOutputFormat *format,
                        InterruptScope *scope, std::string *error)
{
    discard();
    m_tags.clear();
    m_tagPicture.clear();
    m_path = path;
    AVFormatContext *ctx = nullptr;
    int err = avformat_alloc_output_context2(&ctx, format, nullptr, path.c_str());
    m_ctx.reset(ctx);
    if (err < 0 || !m_ctx) {
        *error = errorText(err < 0 ? err : AVERROR(ENOMEM), "cannot set up the output " + path);
        return err < 0 ? err : AVERROR(ENOMEM);
    }
    m_ctx->interrupt_callback.callback = zv::interruptCallback;
    m_ctx->interrupt_callback.opaque = scope;
    m_scope = scope;
    return 0;
}

int OutputFile::create(std::string *error)
{
    if (!m_ctx)
        return AVERROR(EINVAL);
    if (m_created || (m_ctx->oformat->flags & AVFMT_NOFILE))
        return 0;
    // A device or pipe as the target is written as it is; it cannot be renamed onto.
    struct stat st;
    const bool special = ::stat(m_path.c_str(), &st) == 0 && !S_ISREG(st.st_mode);
    m_workPath = special ? m_path : partialPathFor(m_path);
    int err = avio_open2(&m_ctx->pb, m_workPath.c_str(), AVIO_FLAG_WRITE, &m_ctx->interrupt_callback,
                         nullptr);
    if (err < 0) {
        *error = errorText(err, "cannot create " + m_path);
        return err;
    }
    m_created = true;
    // Muxers that reopen their output (a moved index) go by the URL.
    if (char *url = av_strdup(m_workPath.c_str())) {
        av_free(m_ctx->url);
        m_ctx->url = url;
    }
    m_identified = ::stat(m_workPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    m_device = m_identified ? st.st_dev : 0;
    m_inode = m_identified ? st.st_ino : 0;
    // A removed folder takes the file with it, yet writes into it go on
    // succeeding: a watcher looks for the file while it is written.
    startWatching();
    return 0;
}

bool OutputFile::stillOurs() const
{
    struct stat st;
    return ::stat(m_workPath.c_str(), &st) == 0 && st.st_dev == m_device && st.st_ino == m_inode;
}

int OutputFile::writeHeader(const std::string &options, std::string *error)
{
    int err = create(error);
    if (err < 0)
        return err;
    Dictionary opts;
    if (!options.empty()) {
        // Options that do not parse are named in the log; the muxer takes what did.
        err = av_dict_parse_string(opts.slot(), options.c_str(), "=", ":", 0);
        if (err == AVERROR(ENOMEM)) {
            *error = errorText(err, "cannot keep the muxer options");
            return err;
        }
        if (err < 0)
            logLine(errorText(err, "muxer options '" + options + "' do not all parse"));
    }
    err = avformat_write_header(m_ctx.get(), opts.slot());
    if (err < 0) {
        std::string name = m_ctx->oformat->name;
        *error = errorText(err, name + " refused the output streams");
        for (unsigned i = 0; i < m_ctx->nb_streams; ++i) {
            const AVCodecParameters *p = m_ctx->streams[i]->codecpar;
            if (avformat_query_codec(m_ctx->oformat, p->codec_id, FF_COMPLIANCE_NORMAL) == 0) {
                *error = errorText(err, name + " cannot carry " + avcodec_get_name(p->codec_id)
                                        + " (stream " + std::to_string(i) + ")");
                break;
            }
        }
        return err;
    }
    m_headerWritten = true;
    return 0;
}

int OutputFile::writeTrailer(std::string *error)
{
    int err = av_write_trailer(m_ctx.get());
    if (err < 0) {
        *error = errorText(err, "cannot finish " + m_path);
        return err;
    }
    if (m_ctx->pb) {
        avio_flush(m_ctx->pb);
        if (m_ctx->pb->error < 0) {
            *error = errorText(m_ctx->pb->error, "cannot write " + m_path);
            return m_ctx->pb->error;
        }
    }
    err = close();
    if (err < 0) {
        *error = errorText(err, "cannot close " + m_path);
        return err;
    }
    err = writeTags(error);
    if (err < 0)
        return err;
    err = publish(error);
    if (err < 0)
        return err;
    m_finished = true;
    return 0;
}

void OutputFile::setTags(const std::map<std::string, std::string> &texts, const std::vector<uint8_t> &picture)
{
    m_tags = texts;
    m_tagPicture = picture;
}

int OutputFile::writeTags(std::string *error)
{
    if ((m_tags.empty() && m_tagPicture.empty()) || !m_identified)
        return 0;
    TagWriter writer;
    if (!writer.open(m_workPath, m_workPath == m_path ? TagWriter::OnCopy : TagWriter::InPlace, m_path)) {
        logLine("no tags written into " + m_path + ": not a format the tag writer knows");
        return 0;
    }
    for (const auto &[key, value] : m_tags)
        writer.setText(key, value);
    if (!m_tagPicture.empty())
        writer.setPicture(m_tagPicture.data(), uint32_t(m_tagPicture.size()));
    std::string why;
    if (writer.save(&why))
        return 0;
    *error = "cannot write the tags into " + m_path;
    logLine(why);
    return AVERROR(EIO);
}

int OutputFile::publish(std::string *error)
{
    if (!m_identified)
        return 0;
    // Writes into a file whose folder was removed meanwhile all succeed, yet
    // nothing is left on disk.
    struct stat st;
    if (::stat(m_workPath.c_str(), &st) != 0) {
        *error = errorText(AVERROR(ENOENT), m_path + " disappeared while it was written");
        return AVERROR(ENOENT);
    }
    if (!syncFile(m_workPath)) {
        const int err = AVERROR(errno);
        *error = errorText(err, "cannot write " + m_path + " to the disk");
        return err;
    }
    if (m_workPath == m_path)
        return 0;
    if (std::rename(m_workPath.c_str(), m_path.c_str()) != 0) {
        const int err = AVERROR(errno);
        *error = errorText(err, "cannot give " + m_path + " its name");
        return err;
    }
    syncFolder(m_path);
    return 0;
}

void OutputFile::startWatching()
{
    m_vanished = false;
    if (!m_scope || !m_identified)
        return;
    m_watching = true;
    m_watcher = std::thread([this] {
        std::unique_lock<std::mutex> lock(m_watchMutex);
        while (!m_watchWake.wait_for(lock, std::chrono::milliseconds(kWatchIntervalMs),
                                     [this] { return !m_watching; })) {
            if (stillOurs())
                continue;
            m_vanished = true;
            m_scope->lost = true;
            m_scope->abort = true;
            return;
        }
    });
}

void OutputFile::stopWatching()
{
    {
        std::lock_guard<std::mutex> lock(m_watchMutex);
        m_watching = false;
    }
    m_watchWake.notify_all();
    if (m_watcher.joinable())
        m_watcher.join();
}

std::string OutputFile::vanishedText() const
{
    return "the folder of " + m_path + " or the file itself disappeared while it was written";
}

int OutputFile::close()
{
    stopWatching();
    if (!m_ctx)
        return 0;
    int err = 0;
    if (m_created && !(m_ctx->oformat->flags & AVFMT_NOFILE))
        err = avio_closep(&m_ctx->pb);
    m_ctx.reset();
    return err;
}

void OutputFile::discard()
{
    // Whatever took the place of a vanished output is not ours to delete.
    bool remove = m_created && !m_finished && (!m_identified || stillOurs());
    close();
    if (remove)
        removeFile(m_workPath);
    m_workPath.clear();
    m_created = m_headerWritten = m_finished = m_identified = false;
}

} // namespace zv::job
