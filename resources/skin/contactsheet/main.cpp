// Contact sheet: every picture of the skin manifest on one labelled PNG, strips and
// tiles cut into their four states, each shown on the ground it is used on.
// Usage: skin_contact_sheet <manifest.txt> <Resources folder> <out.png>
#include "SheetFlow.h"
#include "SkinManifest.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {
const int kSheetWidth = 1900;
const int kMaxPicture = 300;   // larger pictures are scaled down to this width
const int kLabelHeight = 16;
const int kGap = 14;

// Light-ground pictures sit on the segment list header; everything else on dark panels.
QColor groundFor(const ManifestLine &line)
{
    if (line.option(QStringLiteral("tone")) == QLatin1String("light")
        || line.option(QStringLiteral("ground")) == QLatin1String("light"))
        return QColor(215, 215, 215);
    if (line.style.startsWith(QLatin1String("overlay:")) || line.style.startsWith(QLatin1String("frame:")))
        return QColor(70, 110, 150);
    return QColor(51, 51, 51);
}

struct Entry
{
    ManifestLine line;
    QVector<QImage> cells;   // one, or four states
    QSize cellSize;          // as drawn on the sheet
};

QString caption(const Entry &e)
{
    return QStringLiteral("%1  %2x%3").arg(e.line.path).arg(e.line.width).arg(e.line.height);
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: skin_contact_sheet <manifest.txt> <Resources> <out.png>\n");
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[2]);
    QFontDatabase::addApplicationFont(resources + QStringLiteral("/fonts/tahoma.ttf"));
    QVector<ManifestLine> lines;
    QString error;
    if (!SkinManifest::read(QString::fromLocal8Bit(argv[1]), lines, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QVector<Entry> entries;
    int missing = 0;
    for (const ManifestLine &line : lines) {
        QImage image(resources + QLatin1Char('/') + line.path);
        if (image.isNull()) {
            std::fprintf(stderr, "missing: %s\n", qPrintable(line.path));
            ++missing;
            continue;
        }
        Entry entry{line, {}, {}};
        const int cells = line.hasFourCells() ? 4 : 1;
        const int cw = image.width() / cells;
        for (int i = 0; i < cells; ++i)
            entry.cells.append(image.copy(i * cw, 0, cw, image.height()));
        QSize size(cw, image.height());
        if (size.width() * cells > kMaxPicture)
            size = size.scaled(kMaxPicture / cells, 10000, Qt::KeepAspectRatio);
        entry.cellSize = size;
        entries.append(entry);
    }

    // Each entry is a caption above its cells, laid out in rows.
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    QVector<QSize> boxes;
    for (const Entry &e : entries) {
        const int cellsWidth = e.cells.size() * (e.cellSize.width() + 4);
        boxes.append(QSize(qMax(cellsWidth, metrics.horizontalAdvance(caption(e)) + 4),
                           kLabelHeight + e.cellSize.height() + 8));
    }
    const SheetFlow flow = SheetFlow::place(boxes, kSheetWidth, kGap, kGap);
    const int height = flow.bottom;

    QImage sheet(kSheetWidth, height, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(24, 24, 24));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setFont(font);
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &e = entries.at(i);
        const QPoint at = flow.positions.at(i);
        p.setPen(QColor(235, 235, 235));
        p.drawText(QRect(at.x(), at.y(), 2000, kLabelHeight), Qt::AlignLeft | Qt::AlignVCenter, caption(e));
        int cx = at.x();
        const int cy = at.y() + kLabelHeight + 2;
        for (const QImage &cell : e.cells) {
            const QRect target(QPoint(cx, cy), e.cellSize);
            p.fillRect(target.adjusted(-2, -2, 2, 2), groundFor(e.line));
            p.drawImage(target, cell);
            cx += e.cellSize.width() + 4;
        }
    }
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[3]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[3]);
        return 1;
    }
    std::printf("%d pictures on the sheet, %d missing\n", int(entries.size()), missing);
    return missing ? 1 : 0;
}
