#include "CodecLibrary.h"

#include "zovAruzIvivu.h"

#include <QFile>

namespace {
// The library's codes for planar YUV 4:2:0 and for BGRA.
constexpr int32_t kFrameFormats[2] = {0, 30};
} // namespace

void CodecLibrary::setUp(const QString &dataFolder)
{
    ZV_Initialize_Library(1, 1);
    ZV_SetDataPath_Library(QFile::encodeName(dataFolder).constData());
    ZV_SetFrameFormats_Library(kFrameFormats, 2);
}
