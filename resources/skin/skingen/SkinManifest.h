#pragma once

#include <QMap>
#include <QString>
#include <QVector>

// One picture of the skin manifest: where it goes, how big it is, and how it is drawn.
struct ManifestLine
{
    QString path;     // relative to Resources/
    QString kind;     // strip4, nine, single, icon, tile4
    int width = 0;    // pixels
    int height = 0;
    QString style;
    QMap<QString, QString> options;
    int lineNumber = 0;

    QString option(const QString &key, const QString &fallback = QString()) const;
    double number(const QString &key, double fallback) const;
    // Pictures are drawn for double-resolution screens unless the line says otherwise.
    int devicePixelRatio() const { return int(number(QStringLiteral("dpr"), 2)); }
    // A strip holds four cells; a tile4 holds four frames laid out the same way.
    bool hasFourCells() const { return kind == QLatin1String("strip4") || kind == QLatin1String("tile4"); }
};

class SkinManifest
{
public:
    // Reads every picture line; on a malformed line returns false and says where.
    static bool read(const QString &fileName, QVector<ManifestLine> &lines, QString *error);
    static bool parseLine(const QString &text, ManifestLine &line, QString *error);
    static bool isKnownKind(const QString &kind);
};
