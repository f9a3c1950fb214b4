// skingen: draws every picture of the skin manifest into the build's Resources folder.
// Exits non-zero (failing the build) on an unknown style, a missing icon or font, or a
// picture whose size differs from the manifest.
#include "BreezeIcons.h"
#include "PackPainter.h"
#include "SkinManifest.h"
#include "SkinPainter.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>
#include <QSet>

#include <cstdio>
#include <stdexcept>

namespace {
void registerFont(const QString &path)
{
    if (QFontDatabase::addApplicationFont(path) < 0)
        throw std::runtime_error(QStringLiteral("cannot load font %1").arg(path).toStdString());
}

void save(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        throw std::runtime_error(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
}
}

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the skin and pack pictures of a manifest."));
    parser.addHelpOption();
    const QCommandLineOption manifestOption(QStringLiteral("manifest"), QStringLiteral("Manifest file."), QStringLiteral("file"));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Resources folder to write."), QStringLiteral("dir"));
    const QCommandLineOption breezeOption(QStringLiteral("breeze"), QStringLiteral("Breeze icon theme folder."), QStringLiteral("dir"));
    const QCommandLineOption packsOption(QStringLiteral("packs"), QStringLiteral("Folder of the packs' config.xml sources."), QStringLiteral("dir"));
    const QCommandLineOption fontOption(QStringLiteral("font"), QStringLiteral("Font file to register (repeatable)."), QStringLiteral("file"));
    const QCommandLineOption stampOption(QStringLiteral("stamp"), QStringLiteral("File touched when every picture is written."), QStringLiteral("file"));
    parser.addOptions({manifestOption, outOption, breezeOption, packsOption, fontOption, stampOption});
    parser.process(app);
    for (const auto &required : {manifestOption, outOption, breezeOption, packsOption}) {
        if (!parser.isSet(required)) {
            std::fprintf(stderr, "skingen: --%s is required\n", qPrintable(required.names().constFirst()));
            return 2;
        }
    }

    try {
        for (const QString &font : parser.values(fontOption))
            registerFont(font);
        QVector<ManifestLine> lines;
        QString error;
        if (!SkinManifest::read(parser.value(manifestOption), lines, &error))
            throw std::runtime_error(error.toStdString());

        BreezeIcons icons(parser.value(breezeOption));
        SkinPainter skin(icons);
        PackPainter packs(parser.value(packsOption));
        const QString out = parser.value(outOption);
        QSet<QString> drawn;
        for (const ManifestLine &line : lines) {
            QImage image;
            if (packs.handles(line.style))
                image = packs.draw(line);
            else
                image = skin.draw(line);
            if (image.width() != line.width || image.height() != line.height)
                throw std::runtime_error(QStringLiteral("%1: drawn %2x%3, the manifest says %4x%5")
                                             .arg(line.path).arg(image.width()).arg(image.height())
                                             .arg(line.width).arg(line.height).toStdString());
            if (drawn.contains(line.path))
                throw std::runtime_error(QStringLiteral("%1 is listed twice").arg(line.path).toStdString());
            save(image, out + QLatin1Char('/') + line.path);
            drawn.insert(line.path);
        }
        if (parser.isSet(stampOption)) {
            QSaveFile stamp(parser.value(stampOption));
            if (!stamp.open(QIODevice::WriteOnly) || stamp.write(QByteArray::number(lines.size()) + '\n') < 0 || !stamp.commit())
                throw std::runtime_error("cannot write the stamp file");
        }
        std::printf("skingen: %d pictures\n", int(lines.size()));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
