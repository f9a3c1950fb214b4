#include "QFrameChunk.h"

#include <QCoreApplication>

#include <cmath>

namespace {

const char* const kShippedPackNames[] = {
    QT_TRANSLATE_NOOP("PackName", "None"),    QT_TRANSLATE_NOOP("PackName", "Snow"),
    QT_TRANSLATE_NOOP("PackName", "Light Leak"), QT_TRANSLATE_NOOP("PackName", "Vignette"),
    QT_TRANSLATE_NOOP("PackName", "Bass"),    QT_TRANSLATE_NOOP("PackName", "Treble"),
    QT_TRANSLATE_NOOP("PackName", "Voice"),   QT_TRANSLATE_NOOP("PackName", "Warm"),
    QT_TRANSLATE_NOOP("PackName", "Classic"), QT_TRANSLATE_NOOP("PackName", "Rounded"),
    QT_TRANSLATE_NOOP("PackName", "Film")};

} // namespace

QString QFrameChunk::shownName() const
{
    for (const char* name : kShippedPackNames)
        if (Name == QLatin1String(name))
            return QCoreApplication::translate("PackName", name);
    return Name;
}

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
