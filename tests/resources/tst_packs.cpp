// The starter resource packs: each config.xml parses strictly and names pictures that
// exist with the size it states, and the folders keep the order the edit records store.
#include "ResourceRoot.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
const QStringList kKinds = {QStringLiteral("VideoEffects"), QStringLiteral("VideoFrames"),
                            QStringLiteral("AudioEffects")};
}

class tst_Packs : public QObject
{
    Q_OBJECT

private slots:
    void folders_data();
    void folders();
    void pack_data();
    void pack();
    void onlyConfigFilesContainTheName();
};

void tst_Packs::folders_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : kKinds)
        QTest::newRow(qPrintable(kind)) << kind;
}

// Edit records store a pack's position: two-digit prefixes fix the order, and index 0
// is the "None" pack that Reset selects.
void tst_Packs::folders()
{
    QFETCH(QString, kind);
    const QDir dir(resourceRoot() + QLatin1Char('/') + kind);
    QVERIFY2(dir.exists(), qPrintable(dir.path()));
    const QStringList packs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    QVERIFY(packs.size() >= 2);
    static const QRegularExpression numbered(QStringLiteral("^(\\d\\d)_[a-z0-9_]+$"));
    for (int i = 0; i < packs.size(); ++i) {
        const QRegularExpressionMatch match = numbered.match(packs.at(i));
        QVERIFY2(match.hasMatch(), qPrintable(packs.at(i)));
        QCOMPARE(match.captured(1).toInt(), i);
    }
    QCOMPARE(packs.first(), QStringLiteral("00_none"));
}

void tst_Packs::pack_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("first");
    for (const QString &kind : kKinds) {
        const QDir dir(resourceRoot() + QLatin1Char('/') + kind);
        const QStringList packs = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
        for (const QString &pack : packs)
            QTest::newRow(qPrintable(kind + QLatin1Char('/') + pack)) << dir.filePath(pack) << (pack == packs.first());
    }
}

void tst_Packs::pack()
{
    QFETCH(QString, folder);
    QFETCH(bool, first);
    QFile file(folder + QStringLiteral("/config.xml"));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    QDomDocument document;
    QString error;
    int line = 0;
    // Strict, unlike the program's lenient reader, which would list a broken file as an empty pack.
    QVERIFY2(document.setContent(&file, false, &error, &line),
             qPrintable(QStringLiteral("line %1: %2").arg(line).arg(error)));
    const QDomElement root = document.documentElement();
    const QString name = root.attribute(QStringLiteral("Name"));
    QVERIFY(!name.isEmpty());
    QVERIFY2(name.size() <= 14 && QRegularExpression(QStringLiteral("^[ -~]+$")).match(name).hasMatch(),
             "pack names are short ASCII");
    if (first)
        QCOMPARE(name, QStringLiteral("None"));
    const QString thumbnail = root.attribute(QStringLiteral("Thumbnail"));
    QVERIFY(!thumbnail.isEmpty());
    QVERIFY2(!QImage(folder + QLatin1Char('/') + thumbnail).isNull(), qPrintable(thumbnail));

    int pictures = 0;
    QSet<double> frequencies;
    for (QDomElement child = root.firstChildElement(); !child.isNull(); child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("FrameInfo")) {
            // Every child node counts as a picture entry in the reader, comments included.
            for (QDomNode node = child.firstChild(); !node.isNull(); node = node.nextSibling()) {
                QVERIFY2(node.isElement(), "FrameInfo holds a non-element node");
                const QDomElement item = node.toElement();
                const QString fileName = item.attribute(QStringLiteral("FileName"));
                const QImage picture(folder + QLatin1Char('/') + fileName);
                QVERIFY2(!picture.isNull(), qPrintable(fileName));
                QCOMPARE(picture.size(), QSize(item.attribute(QStringLiteral("Width")).toInt(),
                                               item.attribute(QStringLiteral("Height")).toInt()));
                QVERIFY2(picture.hasAlphaChannel(), qPrintable(fileName + QStringLiteral(" has no alpha")));
                const int type = item.attribute(QStringLiteral("Type")).toInt();
                QVERIFY(type >= 0 && type <= 4);
                ++pictures;
            }
            QVERIFY2(pictures > 0, "a FrameInfo without pictures");
        } else if (child.tagName() == QLatin1String("EQ")) {
            for (QDomElement band = child.firstChildElement(); !band.isNull(); band = band.nextSiblingElement()) {
                bool hzOk = false, dbOk = false;
                const double hz = band.attribute(QStringLiteral("hz")).toDouble(&hzOk);
                const double db = band.attribute(QStringLiteral("db")).toDouble(&dbOk);
                QVERIFY(hzOk && dbOk);
                QVERIFY2(hz >= 20 && hz <= 20000, qPrintable(QString::number(hz)));
                QVERIFY2(db >= -12 && db <= 12, qPrintable(QString::number(db)));
                QVERIFY2(!frequencies.contains(hz), "duplicate EQ frequency");
                frequencies.insert(hz);
            }
        } else if (child.tagName() == QLatin1String("Rate")) {
            // A rate changes the output length; nothing retimes video yet.
            QCOMPARE(child.attribute(QStringLiteral("Value")), QStringLiteral("100"));
        }
    }
    if (first)
        QVERIFY2(pictures == 0 && frequencies.isEmpty(), "the None pack must clear the effect");
}

// The pack walk takes any path containing "config.xml" as a pack.
void tst_Packs::onlyConfigFilesContainTheName()
{
    for (const QString &kind : kKinds) {
        QDirIterator it(resourceRoot() + QLatin1Char('/') + kind, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains(QLatin1String("config.xml")))
                QVERIFY2(it.fileName() == QLatin1String("config.xml") && it.fileInfo().isFile(), qPrintable(path));
        }
    }
}

QTEST_GUILESS_MAIN(tst_Packs)
#include "tst_packs.moc"
