// Captions that sit in fixed rectangles must fit them in every language, measured in
// the shipped Tahoma lookalike (CJK glyphs from the system's CJK font). A language
// without a translation of a caption shows the English text, which is measured too.
#include "QFontLoader.h"
#include "ResourceRoot.h"

#include <QDir>
#include <QDomDocument>
#include <QFontMetrics>
#include <QHash>
#include <QtTest>

namespace {
// Translations of one .ts file by source text; a text translated in several contexts
// keeps the widest translation.
QHash<QString, QString> readTranslations(const QString &fileName, QString *error)
{
    QHash<QString, QString> translations;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return translations;
    }
    QDomDocument document;
    if (!document.setContent(&file, error))
        return translations;
    const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement message = messages.at(i).toElement();
        const QString source = message.firstChildElement(QStringLiteral("source")).text();
        const QString text = message.firstChildElement(QStringLiteral("translation")).text();
        if (!text.isEmpty() && text.size() > translations.value(source).size())
            translations.insert(source, text);
    }
    return translations;
}

struct Caption
{
    const char *source;
    const char *family;
    int pixelSize;
    bool bold;
    int width;           // logical pixels of the rectangle
    const char *wider;   // language codes whose layout widens the rectangle
    int widerWidth;
};

const Caption kCaptions[] = {
    {"OK", "Tahoma", 12, false, 80, "", 0},
    {"Cancel", "Tahoma", 12, false, 80, "", 0},
    {"Open", "苹方-简", 14, true, 77, "ja", 87},
    {"Start", "苹方-简", 14, true, 77, "de", 87},
    {"Stop", "苹方-简", 14, true, 77, "de", 87},
    {"Format", "苹方-简", 12, true, 60, "", 0},
    {"High Quality", "Tahoma", 11, false, 100, "fr", 144},
    {"Small Size", "Tahoma", 11, false, 100, "fr", 144},
    {"Customized", "Tahoma", 11, false, 100, "fr", 144},
};
}

class tst_CaptionWidths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fits_data();
    void fits();
};

void tst_CaptionWidths::initTestCase()
{
    QVERIFY(QFontLoader::loadApplicationFonts(resourceRoot()));
}

void tst_CaptionWidths::fits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("width");

    const QDir dir(QStringLiteral(ZV_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("lang_*.ts")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files) {
        const QString language = name.mid(5, name.size() - 8); // lang_<code>.ts
        QString error;
        const QHash<QString, QString> translations = readTranslations(dir.filePath(name), &error);
        QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
        for (const Caption &caption : kCaptions) {
            const QString source = QString::fromUtf8(caption.source);
            const bool widened = QString::fromLatin1(caption.wider).split(QLatin1Char(',')).contains(language);
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(language, source)))
                << translations.value(source, source) << QString::fromUtf8(caption.family) << caption.pixelSize
                << caption.bold << (widened ? caption.widerWidth : caption.width);
        }
    }
}

void tst_CaptionWidths::fits()
{
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(int, width);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    QVERIFY2(needed <= width, qPrintable(QStringLiteral("\"%1\" needs %2 px of %3").arg(text).arg(needed).arg(width)));
}

QTEST_MAIN(tst_CaptionWidths)
#include "tst_captionwidths.moc"
