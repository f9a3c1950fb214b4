#include "SkinManifest.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

QString ManifestLine::option(const QString &key, const QString &fallback) const
{
    return options.value(key, fallback);
}

double ManifestLine::number(const QString &key, double fallback) const
{
    bool ok = false;
    const double value = options.value(key).toDouble(&ok);
    return ok ? value : fallback;
}

bool SkinManifest::isKnownKind(const QString &kind)
{
    static const QStringList kinds = {QStringLiteral("strip4"), QStringLiteral("nine"),
                                      QStringLiteral("single"), QStringLiteral("icon"),
                                      QStringLiteral("tile4")};
    return kinds.contains(kind);
}

bool SkinManifest::parseLine(const QString &text, ManifestLine &line, QString *error)
{
    const QStringList fields = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (fields.size() < 4) {
        *error = QStringLiteral("expected: path kind WxH style [key=value ...]");
        return false;
    }
    line.path = fields.at(0);
    line.kind = fields.at(1);
    line.style = fields.at(3);
    if (!isKnownKind(line.kind)) {
        *error = QStringLiteral("unknown kind \"%1\"").arg(line.kind);
        return false;
    }
    const QRegularExpressionMatch size =
        QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(fields.at(2));
    if (!size.hasMatch()) {
        *error = QStringLiteral("bad size \"%1\"").arg(fields.at(2));
        return false;
    }
    line.width = size.captured(1).toInt();
    line.height = size.captured(2).toInt();
    if (line.width <= 0 || line.height <= 0) {
        *error = QStringLiteral("empty size \"%1\"").arg(fields.at(2));
        return false;
    }
    line.options.clear();
    for (int i = 4; i < fields.size(); ++i) {
        const int eq = fields.at(i).indexOf(QLatin1Char('='));
        if (eq <= 0) {
            *error = QStringLiteral("option \"%1\" is not key=value").arg(fields.at(i));
            return false;
        }
        line.options.insert(fields.at(i).left(eq), fields.at(i).mid(eq + 1));
    }
    return true;
}

bool SkinManifest::read(const QString &fileName, QVector<ManifestLine> &lines, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    int number = 0;
    while (!in.atEnd()) {
        QString text = in.readLine();
        ++number;
        const int hash = text.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            text.truncate(hash);
        if (text.trimmed().isEmpty())
            continue;
        ManifestLine line;
        line.lineNumber = number;
        QString why;
        if (!parseLine(text, line, &why)) {
            *error = QStringLiteral("%1:%2: %3").arg(fileName).arg(number).arg(why);
            return false;
        }
        lines.append(line);
    }
    return true;
}
