#include "core/FfPtr.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace zv {

void closeOutputFormat(AVFormatContext *ctx)
{
    if (!ctx)
        return;
    if (ctx->oformat && !(ctx->oformat->flags & AVFMT_NOFILE))
        avio_closep(&ctx->pb);
    avformat_free_context(ctx);
}

void freeCustomIo(AVIOContext *io)
{
    if (!io)
        return;
    av_freep(&io->buffer);
    avio_context_free(&io);
}

std::string avErrorText(int err)
{
    char buf[AV_ERROR_MAX_STRING_SIZE] = {0};
    if (av_strerror(err, buf, sizeof buf) < 0)
        return "error " + std::to_string(err);
    return buf;
}

} // namespace zv
