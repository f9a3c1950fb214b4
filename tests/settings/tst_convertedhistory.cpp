// The converted-file history ("VideoConverted.xml").
#include "QVideoSettingXml.h"
#include "SettingsTestUtil.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace SettingsTestUtil;

class tst_ConvertedHistory : public QObject
{
    Q_OBJECT

    QString historyPath() const { return dataFile(QStringLiteral("VideoConverted.xml")); }
    QStringList storedPaths() const
    {
        QStringList paths;
        for (QDomElement e = rootOf(historyPath()).firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            paths << e.attribute("Converted_path_");
        return paths;
    }

private slots:
    void init() { clearDataFolder(); }

    void addKeepsOneEntryPerExactPath();
    void listingPrunesVanishedFiles();
    void deleteRemovesEarliestMatch();
    void saveAndReadInfo();
    void missingFileAndMissingEntry();
    void newFileFlagIsReportedOnce();
};

void tst_ConvertedHistory::addKeepsOneEntryPerExactPath()
{
    QVideoSettingXml::SetConvertedPath("/out/a_1.mp4");
    const QDomElement root = rootOf(historyPath());
    QCOMPARE(root.tagName(), QString("ROOTITEM"));
    QCOMPARE(root.firstChildElement().tagName(), QString("Path_item"));

    QVideoSettingXml::SetConvertedPath("/out/a_1.mp4");
    QVideoSettingXml::SetConvertedPath("\\out\\a_1.mp4");
    QCOMPARE(storedPaths(), (QStringList{"/out/a_1.mp4", "\\out\\a_1.mp4"}));

    // Lookups that normalise separators find the first entry under either form.
    QVERIFY(QVideoSettingXml::GetConvertedInfo("\\out\\a_1.mp4"));
    QCOMPARE(QVideoSettingXml::GetConvertedInfo("/out/a_1.mp4")->convertedPath, QString("/out/a_1.mp4"));
}

void tst_ConvertedHistory::listingPrunesVanishedFiles()
{
    QTemporaryDir dir;
    QStringList files;
    for (const char* name : {"a_1.mp4", "a_2.mp4", "a_3.mp4"}) {
        files << dir.filePath(name);
        QVERIFY(writeFile(files.last(), "x"));
        QVideoSettingXml::SetConvertedPath(files.last());
    }
    QFile::remove(files[1]);

    QCOMPARE(QVideoSettingXml::GetConvertedPath(), (QStringList{files[0], files[2]}));
    QCOMPARE(storedPaths(), (QStringList{files[0], files[2]}));
}

void tst_ConvertedHistory::deleteRemovesEarliestMatch()
{
    // SetConvertedPath keeps one entry per path, so write the duplicate by hand.
    QVERIFY(writeFile(historyPath(),
                      "<ROOTITEM><Path_item Converted_path_=\"/o/x.mp4\"/>"
                      "<Path_item Converted_path_=\"/o/y.mp4\"/>"
                      "<Path_item Converted_path_=\"/o/x.mp4\"><CONVERTED_INFO_ Size_=\"2\"/></Path_item>"
                      "</ROOTITEM>"));
    const QByteArray before = readFile(historyPath());
    QVideoSettingXml::DeleteConvertedPath({});
    QCOMPARE(readFile(historyPath()), before);   // nothing to remove: not even rewritten

    QVideoSettingXml::DeleteConvertedPath({"/o/x.mp4", "/o/none.mp4"});
    QCOMPARE(storedPaths(), (QStringList{"/o/y.mp4", "/o/x.mp4"}));
    QCOMPARE(rootOf(historyPath()).lastChildElement().firstChildElement().attribute("Size_"), QString("2"));
}

void tst_ConvertedHistory::saveAndReadInfo()
{
    QVideoSettingXml::SetConvertedPath("/o/clip_1.mp4");
    convertedInfo info;
    info.convertedPath = "/o/clip_1.mp4";
    info.imgPath = "/o/clip.png";
    info.resolution = "1920*1080";
    info.time = "00:01:02";
    info.size = "1.50 MB";
    info.extend = "mp4";
    info.artist = "Someone";
    info.format = "mp4";
    info.title = "never stored";
    QVideoSettingXml::SaveConvertedInfo(&info);

    QDomElement values = rootOf(historyPath()).firstChildElement().firstChildElement();
    QCOMPARE(values.tagName(), QString("CONVERTED_INFO_"));
    QVERIFY(!values.hasAttribute("Title_"));

    // A second save overwrites the seven texts and keeps other attributes.
    QByteArray text = readFile(historyPath());
    text.replace("<CONVERTED_INFO_ ", "<CONVERTED_INFO_ Title_=\"kept\" ");
    QVERIFY(writeFile(historyPath(), text));
    info.size = "2.00 MB";
    QVideoSettingXml::SaveConvertedInfo(&info);
    values = rootOf(historyPath()).firstChildElement().firstChildElement();
    QCOMPARE(values.attribute("Title_"), QString("kept"));
    QCOMPARE(values.attribute("Size_"), QString("2.00 MB"));

    const convertedInfo* read = QVideoSettingXml::GetConvertedInfo("/o/clip_1.mp4");
    QVERIFY(read);
    QCOMPARE(read->resolution, QString("1920*1080"));
    QCOMPARE(read->artist, QString("Someone"));
    QCOMPARE(read->size, QString("2.00 MB"));
    QCOMPARE(read->title, QString());   // not read by this lookup
}

void tst_ConvertedHistory::missingFileAndMissingEntry()
{
    QVERIFY(QVideoSettingXml::GetConvertedPath().isEmpty());
    QVERIFY(!QVideoSettingXml::GetConvertedInfo("/o/a.mp4"));
    QVERIFY(QVideoSettingXml::getPreferencePath("/o/a.mp4").isEmpty());
    QList<convertedInfo*> list;
    QVideoSettingXml::analysisConvertedInfo(&list);
    QVERIFY(list.isEmpty());
    QVERIFY(!QFileInfo::exists(historyPath()));

    // An entry without a child gives a record holding only its path; an
    // unknown path gives null and drops the previously handed-out record.
    QVideoSettingXml::SetConvertedPath("/o/a.mp4");
    const convertedInfo* only = QVideoSettingXml::GetConvertedInfo("/o/a.mp4");
    QVERIFY(only);
    QCOMPARE(only->convertedPath, QString("/o/a.mp4"));
    QVERIFY(only->size.isEmpty());
    QVERIFY(QVideoSettingXml::getPreferencePath("/o/a.mp4").isEmpty());
    QVERIFY(!QVideoSettingXml::GetConvertedInfo("/o/b.mp4"));
    QVERIFY(!QVideoSettingXml::m_convertInfo);
}

void tst_ConvertedHistory::newFileFlagIsReportedOnce()
{
    QVERIFY(writeFile(historyPath(),
                      "<ROOTITEM><Path_item Converted_path_=\"C:\\o\\n.mp4\">"
                      "<CONVERTED_INFO_ New_file=\"Y\" Video_file=\"Y\" preferencePath_=\"/p\" Year=\"2020\"/>"
                      "</Path_item></ROOTITEM>"));
    QList<convertedInfo*> list;
    QVideoSettingXml::analysisConvertedInfo(&list);
    QCOMPARE(list.size(), 1);
    QVERIFY(list[0]->bNewFile);
    QVERIFY(list[0]->bVideoFile);
    QCOMPARE(list[0]->convertedPath, QString("C:/o/n.mp4"));
    QCOMPARE(list[0]->year, QString("2020"));
    QCOMPARE(rootOf(historyPath()).firstChildElement().firstChildElement().attribute("New_file"), QString("N"));
    qDeleteAll(list);
    list.clear();

    QVideoSettingXml::analysisConvertedInfo(&list);
    QVERIFY(!list[0]->bNewFile);
    qDeleteAll(list);

    QCOMPARE(QVideoSettingXml::getPreferencePath("C:/o/n.mp4"), QString("/p"));
}

QTEST_GUILESS_MAIN(tst_ConvertedHistory)
#include "tst_convertedhistory.moc"
