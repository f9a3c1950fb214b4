// Not a test: lays the snapshot programs' pictures on one labelled PNG, in
// sections, each picture at its own pixel size, so a sheet of pictures drawn at
// device pixel ratio 2 shows them at that sharpness.
//   windows_contact_sheet [--scale N] [--preview <small.png>] <list> <title> <out.png>
// The list has one picture a line: section, label and file, separated by tabs.
// --scale enlarges the sheet's own captions and margins to match the pictures;
// --preview also writes a copy at most 1600 pixels wide in 256 colours and
// under 600 kB (narrower where it must be), small enough to keep in the
// repository. A missing picture is drawn as a red box
// and makes the exit status 1.
#include "SheetFlow.h"
#include "SheetPalette.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

#include <cstdio>

namespace {

const int kSheetWidth = 1600;   // at scale 1; wider pictures widen the sheet
const int kPreviewWidth = 1600;
const qint64 kPreviewBytes = 600 * 1000;

struct Picture
{
    QString section;
    QString label;
    QString file;
    QImage image;   // null when the file could not be read
};

struct Section
{
    QString title;
    QVector<int> pictures;
};

bool readList(const QString& path, QVector<Picture>& pictures)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 3) {
            std::fprintf(stderr, "not section<TAB>label<TAB>file: %s\n", qPrintable(line));
            return false;
        }
        pictures.append({fields.at(0), fields.at(1), fields.at(2), QImage(fields.at(2))});
    }
    return true;
}

// Consecutive pictures of one section stay together, in the list's order.
QVector<Section> sectionsOf(const QVector<Picture>& pictures)
{
    QVector<Section> sections;
    for (int i = 0; i < pictures.size(); ++i) {
        if (sections.isEmpty() || sections.last().title != pictures.at(i).section)
            sections.append({pictures.at(i).section, {}});
        sections.last().pictures.append(i);
    }
    return sections;
}

QString caption(const Picture& picture)
{
    if (picture.image.isNull())
        return picture.label + QStringLiteral("  (missing: %1)").arg(picture.file);
    return QStringLiteral("%1  %2x%3").arg(picture.label).arg(picture.image.width()).arg(picture.image.height());
}

class Sheet
{
public:
    explicit Sheet(int scale) : m_scale(scale)
    {
        m_captionFont = QFont(QStringLiteral("Tahoma"));
        m_captionFont.setPixelSize(12 * scale);
        m_headingFont = m_captionFont;
        m_headingFont.setPixelSize(16 * scale);
        m_headingFont.setBold(true);
        m_titleFont = m_headingFont;
        m_titleFont.setPixelSize(20 * scale);
    }

    QImage draw(const QString& title, const QVector<Picture>& pictures) const
    {
        const QFontMetrics captionMetrics(m_captionFont);
        const int captionHeight = captionMetrics.height() + 4 * m_scale;
        const QSize missing(320 * m_scale, 60 * m_scale);
        QVector<QSize> boxes;
        int width = kSheetWidth * m_scale;
        for (const Picture& p : pictures) {
            const QSize picture = p.image.isNull() ? missing : p.image.size();
            const QSize box(qMax(picture.width(), captionMetrics.horizontalAdvance(caption(p))),
                            captionHeight + picture.height());
            boxes.append(box);
            width = qMax(width, box.width() + 2 * gap());
        }

        // First the places, section by section, then one pass of painting.
        const int headingHeight = QFontMetrics(m_headingFont).height() + 6 * m_scale;
        int y = QFontMetrics(m_titleFont).height() + 2 * gap();
        const QVector<Section> sections = sectionsOf(pictures);
        QVector<int> headingTops;
        QVector<QPoint> places(pictures.size());
        for (const Section& section : sections) {
            headingTops.append(y);
            QVector<QSize> sectionBoxes;
            for (int i : section.pictures)
                sectionBoxes.append(boxes.at(i));
            const SheetFlow flow = SheetFlow::place(sectionBoxes, width, gap(), y + headingHeight);
            for (int k = 0; k < section.pictures.size(); ++k)
                places[section.pictures.at(k)] = flow.positions.at(k);
            y = flow.bottom + gap();
        }

        QImage sheet(width, y, QImage::Format_RGB32);
        sheet.fill(QColor(24, 24, 24));
        QPainter painter(&sheet);
        painter.setPen(QColor(245, 245, 245));
        painter.setFont(m_titleFont);
        painter.drawText(QRect(gap(), gap(), width - 2 * gap(), QFontMetrics(m_titleFont).height()),
                         Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(m_headingFont);
        for (int s = 0; s < sections.size(); ++s) {
            painter.setPen(QColor(120, 170, 220));
            painter.drawText(QRect(gap(), headingTops.at(s), width - 2 * gap(), headingHeight),
                             Qt::AlignLeft | Qt::AlignTop, sections.at(s).title);
        }
        painter.setFont(m_captionFont);
        for (int i = 0; i < pictures.size(); ++i) {
            const Picture& p = pictures.at(i);
            const QPoint at = places.at(i);
            painter.setPen(p.image.isNull() ? QColor(255, 110, 110) : QColor(225, 225, 225));
            painter.drawText(QRect(at, QSize(boxes.at(i).width(), captionHeight)), Qt::AlignLeft | Qt::AlignTop,
                             caption(p));
            const QPoint corner = at + QPoint(0, captionHeight);
            if (p.image.isNull()) {
                painter.fillRect(QRect(corner, missing), QColor(120, 30, 30));
                continue;
            }
            // A frame just outside the picture marks where a translucent window ends.
            painter.setPen(QColor(80, 80, 80));
            painter.drawRect(QRect(corner, p.image.size()).adjusted(-1, -1, 0, 0));
            painter.drawImage(corner, p.image);
        }
        return sheet;
    }

private:
    int gap() const { return 16 * m_scale; }

    int m_scale;
    QFont m_captionFont;
    QFont m_headingFont;
    QFont m_titleFont;
};

QByteArray encodedPreview(const QImage& sheet, int width)
{
    const QImage small = sheet.width() > width ? sheet.scaledToWidth(width, Qt::SmoothTransformation) : sheet;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0);   // the smallest file
    writer.write(SheetPalette::reduce(small));
    return bytes;
}

// The widest copy that stays under the size budget, in steps of a tenth.
bool writePreview(const QImage& sheet, const QString& file)
{
    QByteArray bytes;
    for (int width = qMin(kPreviewWidth, sheet.width()); width >= kPreviewWidth / 4; width -= kPreviewWidth / 10) {
        bytes = encodedPreview(sheet, width);
        if (bytes.size() < kPreviewBytes)
            break;
    }
    QFile out(file);
    if (bytes.isEmpty() || !out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

int usage()
{
    std::fprintf(stderr, "usage: windows_contact_sheet [--scale N] [--preview <small.png>] <list> <title> "
                         "<out.png>\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    int scale = 1;
    QString preview;
    while (args.size() > 3) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--scale") && !args.isEmpty())
            scale = qBound(1, args.takeFirst().toInt(), 4);
        else if (option == QLatin1String("--preview") && !args.isEmpty())
            preview = args.takeFirst();
        else
            return usage();
    }
    if (args.size() != 3)
        return usage();

    // The program's own Tahoma, so captions measure the same on every machine.
    QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath()
                                      + QStringLiteral("/../Resources/fonts/tahoma.ttf"));
    QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath()
                                      + QStringLiteral("/../Resources/fonts/tahomabd.ttf"));

    QVector<Picture> pictures;
    if (!readList(args.at(0), pictures)) {
        std::fprintf(stderr, "cannot read the list %s\n", qPrintable(args.at(0)));
        return 1;
    }
    const QImage sheet = Sheet(scale).draw(args.at(1), pictures);
    if (!sheet.save(args.at(2))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    if (!preview.isEmpty() && !writePreview(sheet, preview))
        return 1;
    int missing = 0;
    for (const Picture& p : pictures) {
        if (p.image.isNull()) {
            std::fprintf(stderr, "missing: %s (%s)\n", qPrintable(p.file), qPrintable(p.label));
            ++missing;
        }
    }
    std::printf("%s: %d pictures, %d missing, %dx%d\n", qPrintable(args.at(2)), int(pictures.size()) - missing,
                missing, sheet.width(), sheet.height());
    return missing ? 1 : 0;
}
