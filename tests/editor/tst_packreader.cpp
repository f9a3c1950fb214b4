// Reading one pack's config.xml: lenient numbers, exact element names, EQ bands
// in frequency order, and the picture chosen to fit an output.
#include "QFrameChunk.h"
#include "QReadFrameXML.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Bands = QMap<double, double>;
Q_DECLARE_METATYPE(Bands)

class tst_PackReader : public QObject
{
    Q_OBJECT

private slots:
    void readsTheFields_data();
    void readsTheFields();
    void pictureEntries();
    void missingFileGivesNothing();
    void thumbnailPath();
    void bestPictureForAnOutput_data();
    void bestPictureForAnOutput();

private:
    QString writeConfig(const QString& content);
    QTemporaryDir m_dir;
};

QString tst_PackReader::writeConfig(const QString& content)
{
    const QString path = m_dir.filePath(QStringLiteral("config.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(content.toUtf8());
    return path;
}

void tst_PackReader::readsTheFields_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("rate");
    QTest::addColumn<Bands>("eq");

    QTest::newRow("name and thumbnail only") << "<Pack Name=\"Snow\" Thumbnail=\"t.png\"/>" << "Snow" << 0 << 100
                                             << Bands();
    QTest::newRow("versions, non-numeric reads 0")
        << "<Pack Name=\"X\" Version=\"3\" APPMinVersion=\"1.5\"/>" << "X" << 3 << 100 << Bands();
    QTest::newRow("EQ ascending, last duplicate wins")
        << "<Pack><EQ><B hz=\"1000\" db=\"1\"/><B hz=\"60\" db=\"2\"/><B hz=\"1000\" db=\"-3.5\"/></EQ></Pack>" << ""
        << 0 << 100 << Bands{{60.0, 2.0}, {1000.0, -3.5}};
    QTest::newRow("several EQ add up")
        << "<Pack><EQ><B hz=\"60\" db=\"2\"/></EQ><EQ><B hz=\"400\" db=\"1\"/></EQ></Pack>" << "" << 0 << 100
        << Bands{{60.0, 2.0}, {400.0, 1.0}};
    QTest::newRow("bad EQ numbers read 0") << "<Pack><EQ><B hz=\"x\" db=\"y\"/></EQ></Pack>" << "" << 0 << 100
                                           << Bands{{0.0, 0.0}};
    QTest::newRow("rate") << "<Pack><Rate Value=\"80\"/></Pack>" << "" << 0 << 80 << Bands();
    QTest::newRow("rate empty keeps 100") << "<Pack><Rate Value=\"\"/></Pack>" << "" << 0 << 100 << Bands();
    QTest::newRow("rate missing keeps 100") << "<Pack><Rate/></Pack>" << "" << 0 << 100 << Bands();
    QTest::newRow("rate empty keeps the earlier one") << "<Pack><Rate Value=\"90\"/><Rate Value=\"\"/></Pack>" << ""
                                                      << 0 << 90 << Bands();
    QTest::newRow("rate not a number") << "<Pack><Rate Value=\"fast\"/></Pack>" << "" << 0 << 0 << Bands();
    QTest::newRow("element case matters")
        << "<Pack><eq><B hz=\"60\" db=\"2\"/></eq><rate Value=\"50\"/><frameinfo><I FileName=\"a\"/></frameinfo></Pack>"
        << "" << 0 << 100 << Bands();
    QTest::newRow("unparsable file gives defaults") << "<Pack Name=\"Broken\"><EQ>" << "" << 0 << 100 << Bands();
}

void tst_PackReader::readsTheFields()
{
    QFETCH(QString, content);
    QFETCH(QString, name);
    QFETCH(int, version);
    QFETCH(int, rate);
    QFETCH(Bands, eq);
    std::unique_ptr<QFrameChunk> chunk(QReadFrameXML::readFrameChunk(writeConfig(content)));
    QVERIFY(chunk);
    QCOMPARE(chunk->Name, name);
    QCOMPARE(chunk->Version, version);
    QCOMPARE(chunk->APPMinVersion, 0);
    QCOMPARE(chunk->Rate, rate);
    QCOMPARE(chunk->EQ, eq);
    QCOMPARE(chunk->EQ.keys(), eq.keys());
    QVERIFY(chunk->FrameInfoList.isEmpty());
    QVERIFY(chunk->FilePath.isEmpty()); // the manager's to set
}

void tst_PackReader::pictureEntries()
{
    const QString path = writeConfig(QStringLiteral(
        "<Pack><FrameInfo Name=\"Old\"><I FileName=\"old.png\" Width=\"1\" Height=\"1\"/></FrameInfo>"
        "<FrameInfo Name=\"New\"><I FileName=\"a.png\" Width=\"1920\" Height=\"1080\" Type=\"1\"/>"
        "<!-- note --><I FileName=\"b.png\" Width=\"wide\" Height=\"1080\" Type=\"2\"/></FrameInfo></Pack>"));
    std::unique_ptr<QFrameChunk> chunk(QReadFrameXML::readFrameChunk(path));
    QVERIFY(chunk);
    // The last FrameInfo wins; a comment is an (empty) entry of its own.
    QCOMPARE(chunk->FrameInfoName, QStringLiteral("New"));
    QCOMPARE(chunk->FrameInfoList.size(), 3);
    const FrameInfoItem first = chunk->FrameInfoList.at(0);
    QCOMPARE(first.FileName, QStringLiteral("a.png"));
    QCOMPARE(QList<int>({first.Width, first.Height, first.Type}), QList<int>({1920, 1080, 1}));
    const FrameInfoItem comment = chunk->FrameInfoList.at(1);
    QVERIFY(comment.FileName.isEmpty());
    QCOMPARE(QList<int>({comment.Width, comment.Height, comment.Type}), QList<int>({0, 0, 0}));
    QCOMPARE(chunk->FrameInfoList.at(2).Width, 0);
    QCOMPARE(chunk->FrameInfoList.at(2).Type, 2);
    QCOMPARE(QReadFrameXML::getVersionId(path), 0);
}

void tst_PackReader::missingFileGivesNothing()
{
    const QString missing = m_dir.filePath(QStringLiteral("none/config.xml"));
    QVERIFY(!QReadFrameXML::readFrameChunk(missing));
    QCOMPARE(QReadFrameXML::getVersionId(missing), -1);
    QCOMPARE(QReadFrameXML::getAPPMinVersion(missing), -1);
    QDomDocument document;
    QVERIFY(!QReadFrameXML::isValidFile(missing, document));

    const QString path = writeConfig(QStringLiteral("<Pack Version=\"7\" APPMinVersion=\"2\"/>"));
    QCOMPARE(QReadFrameXML::getVersionId(path), 7);
    QCOMPARE(QReadFrameXML::getAPPMinVersion(path), 2);
    writeConfig(QStringLiteral("not xml"));
    QVERIFY(QReadFrameXML::isValidFile(path, document));
    QCOMPARE(document.documentElement().tagName(), QStringLiteral("ROOTITEM"));
}

void tst_PackReader::thumbnailPath()
{
    QFrameChunk chunk;
    chunk.FilePath = QStringLiteral("/packs/01_snow");
    chunk.Thumbnail = QStringLiteral("thumb.png");
    QCOMPARE(chunk.getThumbnailImage(), QStringLiteral("/packs/01_snow/thumb.png"));
    chunk.Thumbnail.clear();
    QCOMPARE(chunk.getThumbnailImage(), QStringLiteral("/packs/01_snow/"));
}

void tst_PackReader::bestPictureForAnOutput_data()
{
    QTest::addColumn<QList<QSize>>("entries");
    QTest::addColumn<QSize>("output");
    QTest::addColumn<int>("best");
    const QSize wide(1920, 1080), classic(1440, 1080), none(0, 1080), flat(1920, 0);
    QTest::newRow("16:9 output") << QList<QSize>{wide, classic} << QSize(1280, 720) << 0;
    QTest::newRow("4:3 output") << QList<QSize>{wide, classic} << QSize(640, 480) << 1;
    QTest::newRow("tie keeps the earlier") << QList<QSize>{QSize(2, 1), QSize(1, 1)} << QSize(3, 2) << 0;
    QTest::newRow("later exact match wins") << QList<QSize>{wide, QSize(3840, 2160)} << QSize(1280, 720) << 1;
    QTest::newRow("zero width never chosen") << QList<QSize>{none, classic} << QSize(1280, 720) << 1;
    QTest::newRow("zero height never chosen") << QList<QSize>{wide, flat} << QSize(100, 1) << 0;
    QTest::newRow("only zero-sized entries") << QList<QSize>{none, flat} << QSize(1280, 720) << -1;
    QTest::newRow("no entries") << QList<QSize>{} << QSize(1280, 720) << -1;
    QTest::newRow("empty output takes the first usable") << QList<QSize>{none, classic, wide} << QSize(0, 0) << 1;
    QTest::newRow("output without height") << QList<QSize>{wide, classic} << QSize(1280, 0) << 0;
}

void tst_PackReader::bestPictureForAnOutput()
{
    QFETCH(QList<QSize>, entries);
    QFETCH(QSize, output);
    QFETCH(int, best);
    QFrameChunk chunk;
    for (const QSize& size : entries) {
        FrameInfoItem item;
        item.Width = size.width();
        item.Height = size.height();
        chunk.FrameInfoList.append(item);
    }
    QCOMPARE(chunk.getBestFrameInfoIndex(output), best);
}

QTEST_GUILESS_MAIN(tst_PackReader)
#include "tst_packreader.moc"
