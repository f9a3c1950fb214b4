#include "QFrameChunk.h"

#include <cmath>

QString QFrameChunk::getThumbnailImage() const
{
    return QStringLiteral("%1/%2").arg(FilePath, Thumbnail);
}

// Without an output size there is no ratio to compare: the first usable
// picture is taken.
int QFrameChunk::getBestFrameInfoIndex(QSize outputSize) const
{
    const bool noOutput = outputSize.width() <= 0 || outputSize.height() <= 0;
    const double target = noOutput ? 0.0 : double(outputSize.width()) / outputSize.height();
    int best = -1;
    double bestDiff = 0.0;
    for (int i = 0; i < FrameInfoList.size(); ++i) {
        const FrameInfoItem& item = FrameInfoList.at(i);
        if (item.Width <= 0 || item.Height <= 0)
            continue;
        const double diff = std::fabs(double(item.Width) / item.Height - target);
        if (best < 0) {
            if (noOutput)
                return i;
            best = i;
            bestDiff = diff;
            continue;
        }
        if (diff < 1e-7)
            return i;
        if (diff < bestDiff) {
            best = i;
            bestDiff = diff;
        }
    }
    return best;
}
