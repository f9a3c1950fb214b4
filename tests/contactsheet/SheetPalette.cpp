#include "SheetPalette.h"

#include <QHash>
#include <QVector>

#include <algorithm>

namespace {

struct Bin
{
    qint64 red = 0, green = 0, blue = 0;
    qint64 count = 0;
};

// Five bits a channel: near shades share a bin and their mean becomes the colour.
int binOf(QRgb pixel)
{
    return ((qRed(pixel) >> 3) << 10) | ((qGreen(pixel) >> 3) << 5) | (qBlue(pixel) >> 3);
}

} // namespace

QImage SheetPalette::reduce(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QVector<Bin> bins(1 << 15);
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            Bin& bin = bins[binOf(line[x])];
            bin.red += qRed(line[x]);
            bin.green += qGreen(line[x]);
            bin.blue += qBlue(line[x]);
            ++bin.count;
        }
    }
    QVector<int> order;
    for (int i = 0; i < bins.size(); ++i)
        if (bins.at(i).count)
            order.append(i);
    const int kept = qMin(256, order.size());
    std::partial_sort(order.begin(), order.begin() + kept, order.end(),
                      [&bins](int a, int b) { return bins.at(a).count > bins.at(b).count; });
    QVector<QRgb> palette;
    for (int k = 0; k < kept; ++k) {
        const Bin& bin = bins.at(order.at(k));
        palette.append(qRgb(int(bin.red / bin.count), int(bin.green / bin.count), int(bin.blue / bin.count)));
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}
