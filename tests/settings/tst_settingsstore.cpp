// The key/value settings file: defaults, round trips, the written form, and
// what happens to corrupt, read-only and unreadable files.
#include "QVideoSettingXml.h"
#include "SettingsTestUtil.h"

#include <QRegularExpression>
#include <QtTest>

using namespace SettingsTestUtil;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

    QString settingsPath() const { return dataFile(QStringLiteral("VideoDefaultSetting.xml")); }

private slots:
    void init() { clearDataFolder(); }

    void firstReadCreatesFileWithGroup();
    void roundTrip_data();
    void roundTrip();
    void unwritableCharactersKeepTheFile_data();
    void unwritableCharactersKeepTheFile();
    void setNeverCreatesGroup();
    void absentOrEmptyAttributeReadsDefault();
    void firstOfDuplicateGroupsIsUsed();
    void rootWithOtherTagServes();
    void corruptFileIsKeptAsBad_data();
    void corruptFileIsKeptAsBad();
    void earlierBadCopyIsNeverReplaced();
    void corruptFileOnWrite();
    void corruptFileThatCannotBeMovedAside();
    void emptyFileIsStartedAfresh();
    void readOnlyFileIsNeverChanged();
    void unreadableFile_data();
    void unreadableFile();
    void saveIsAtomicAndReportsFailure();
    void shippedFilesAreNeverWritten();
    void trim_data();
    void trim();
    void snapshotSettings();
};

void tst_SettingsStore::firstReadCreatesFileWithGroup()
{
    QVERIFY(!QFileInfo::exists(settingsPath()));
    QCOMPARE(QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N"), QString("N"));

    // Root start tag on the first line, one line per group indented by 4, no
    // declaration.
    const QByteArray expected = "<ROOTITEM>\n    <LISTMODEL_ITEM ListModel_Line=\"N\"/>\n</ROOTITEM>\n";
    QCOMPARE(readFile(settingsPath()), expected);
}

void tst_SettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("flag") << "Y";
    QTest::newRow("folder with spaces") << "/home/u/My Videos/Converted/";
    QTest::newRow("markup characters") << "a<b>&\"c'";
    QTest::newRow("non-latin") << QString::fromUtf8("日本語 Français");
    QTest::newRow("leading and trailing blanks") << "  x  ";
}

void tst_SettingsStore::roundTrip()
{
    QFETCH(QString, value);
    QCOMPARE(QVideoSettingXml::GetItemValue("OutPut_path", "path_value", "/default/"), QString("/default/"));
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");

    QVideoSettingXml::SetItemValue("OutPut_path", "path_value", value);
    QCOMPARE(QVideoSettingXml::GetItemValue("OutPut_path", "path_value", "/default/"), value);
    QCOMPARE(QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "N"), QString("Y"));

    const QDomElement root = rootOf(settingsPath());
    QCOMPARE(root.tagName(), QString("ROOTITEM"));
    QCOMPARE(elementChildCount(root), 2);
    QCOMPARE(root.firstChildElement("OutPut_path").attribute("path_value"), value);
}

void tst_SettingsStore::unwritableCharactersKeepTheFile_data()
{
    // Values XML 1.0 cannot hold: file names and tags may carry them.
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");
    const QString bad(QChar::ReplacementCharacter);
    QTest::newRow("escape in a folder name") << QString("/home/u/a\x1b[0mb/") << QString("/home/u/a" + bad + "[0mb/");
    QTest::newRow("nul and bell") << QString::fromLatin1("a\0b\ac", 5) << QString("a" + bad + "b" + bad + "c");
    QTest::newRow("noncharacter U+FFFF") << QString("x") + QChar(0xFFFF) << QString("x" + bad);
    QTest::newRow("lone surrogate") << QString("y") + QChar(0xD800) + "z" << QString("y" + bad + "z");
    QTest::newRow("pair and tab kept") << QString::fromUtf8("\xF0\x9F\x8E\xAC\tz") << QString::fromUtf8("\xF0\x9F\x8E\xAC\tz");
}

void tst_SettingsStore::unwritableCharactersKeepTheFile()
{
    // One odd value used to make the whole file unparsable on the next read,
    // which then set every other setting aside.
    QFETCH(QString, value);
    QFETCH(QString, stored);
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");
    QVideoSettingXml::SetItemValue("CLOSE_ITEM", "bIsCloseDlg", "N");
    QVideoSettingXml::GetItemValue("OutPut_path", "path_value", "/default/");
    QVideoSettingXml::SetItemValue("OutPut_path", "path_value", value);

    QCOMPARE(QVideoSettingXml::GetItemValue("OutPut_path", "path_value", "/default/"), stored);
    QCOMPARE(QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y"), QString("N"));
    QVERIFY(!QFileInfo::exists(settingsPath() + ".bad"));
}

void tst_SettingsStore::setNeverCreatesGroup()
{
    // No file: nothing is created.
    QVideoSettingXml::SetItemValue("UPDATES_ITEM", "bIsAutoUpdate", "Y");
    QVERIFY(!QFileInfo::exists(settingsPath()));

    // A file without the group: the group is not added.
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");
    QVideoSettingXml::SetItemValue("UPDATES_ITEM", "bIsAutoUpdate", "Y");
    QVERIFY(rootOf(settingsPath()).firstChildElement("UPDATES_ITEM").isNull());
    QCOMPARE(QVideoSettingXml::GetItemValue("UPDATES_ITEM", "bIsAutoUpdate", "N"), QString("N"));
}

void tst_SettingsStore::absentOrEmptyAttributeReadsDefault()
{
    QVERIFY(writeFile(settingsPath(), "<ROOTITEM><FormatSet Format_cate=\"\"/></ROOTITEM>"));
    QCOMPARE(QVideoSettingXml::GetItemValue("FormatSet", "Format_ID", "4000"), QString("4000"));
    QCOMPARE(QVideoSettingXml::GetItemValue("FormatSet", "Format_cate", "General Video"), QString("General Video"));

    const QDomElement group = rootOf(settingsPath()).firstChildElement("FormatSet");
    QVERIFY(!group.hasAttribute("Format_ID"));
    QCOMPARE(group.attribute("Format_cate"), QString());
}

void tst_SettingsStore::firstOfDuplicateGroupsIsUsed()
{
    QVERIFY(writeFile(settingsPath(),
                      "<ROOTITEM><Open_path Open_path_value=\"/a\"/><Open_path Open_path_value=\"/b\"/></ROOTITEM>"));
    QCOMPARE(QVideoSettingXml::GetItemValue("Open_path", "Open_path_value", "."), QString("/a"));
    QVideoSettingXml::SetItemValue("Open_path", "Open_path_value", "/c");

    const QDomElement first = rootOf(settingsPath()).firstChildElement("Open_path");
    QCOMPARE(first.attribute("Open_path_value"), QString("/c"));
    QCOMPARE(first.nextSiblingElement("Open_path").attribute("Open_path_value"), QString("/b"));
}

void tst_SettingsStore::rootWithOtherTagServes()
{
    QVERIFY(writeFile(settingsPath(), "<Settings><REMIND_ITEM isShowRemind=\"N\"/></Settings>"));
    QCOMPARE(QVideoSettingXml::GetItemValue("REMIND_ITEM", "isShowRemind", "Y"), QString("N"));
    QVideoSettingXml::GetItemValue("SHOWDOWN_ITEM", "bIsShowDownComputer", "N");

    const QDomElement root = rootOf(settingsPath());
    QCOMPARE(root.tagName(), QString("Settings"));
    QCOMPARE(elementChildCount(root), 2);
}

void tst_SettingsStore::corruptFileIsKeptAsBad_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("plain text") << QByteArray("these are not settings\n");
    QTest::newRow("cut off mid-write") << QByteArray("<ROOTITEM>\n    <OutPut_path path_value=\"/home/u/Vid");
    QTest::newRow("one bad byte") << QByteArray("<ROOTITEM>\n    <CLOSE_ITEM bIsCloseDlg=\"Y\"/>\n<\x01/ROOTITEM>\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11);
    // Deep enough to overflow the stack of the recursive DOM parser.
    QTest::newRow("nested 100000 levels") << "<ROOTITEM>" + QByteArray("<a>").repeated(100000)
                                                 + QByteArray("</a>").repeated(100000) + "</ROOTITEM>";
}

void tst_SettingsStore::corruptFileIsKeptAsBad()
{
    QFETCH(QByteArray, content);
    QVERIFY(writeFile(settingsPath(), content));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not parse"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("kept as .*VideoDefaultSetting\\.xml\\.bad$"));
    QCOMPARE(QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N"), QString("N"));

    QCOMPARE(readFile(settingsPath() + ".bad"), content);
    const QDomElement root = rootOf(settingsPath());
    QCOMPARE(root.tagName(), QString("ROOTITEM"));
    QCOMPARE(elementChildCount(root), 1);
    QCOMPARE(root.firstChildElement("LISTMODEL_ITEM").attribute("ListModel_Line"), QString("N"));
}

void tst_SettingsStore::earlierBadCopyIsNeverReplaced()
{
    QVERIFY(writeFile(settingsPath(), "first damage"));
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");
    QVERIFY(writeFile(settingsPath(), "second damage"));
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");

    QCOMPARE(readFile(settingsPath() + ".bad"), QByteArray("first damage"));
    QCOMPARE(readFile(settingsPath() + ".bad.1"), QByteArray("second damage"));
}

void tst_SettingsStore::corruptFileOnWrite()
{
    QVERIFY(writeFile(settingsPath(), "<ROOTITEM><CLOSE_ITEM"));
    QVideoSettingXml::SetItemValue("CLOSE_ITEM", "bIsCloseDlg", "N");

    QCOMPARE(readFile(settingsPath() + ".bad"), QByteArray("<ROOTITEM><CLOSE_ITEM"));
    const QDomElement root = rootOf(settingsPath());
    QCOMPARE(root.tagName(), QString("ROOTITEM"));
    QCOMPARE(elementChildCount(root), 0);
}

void tst_SettingsStore::corruptFileThatCannotBeMovedAside()
{
    if (runningAsRoot())
        QSKIP("folder permissions do not stop root");
    const QString folder = QIAnyUtil::getAppDataPath();
    QVERIFY(writeFile(settingsPath(), "damaged"));
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y"), QString("Y"));
    QVideoSettingXml::SetItemValue("CLOSE_ITEM", "bIsCloseDlg", "N");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(readFile(settingsPath()), QByteArray("damaged"));
}

void tst_SettingsStore::emptyFileIsStartedAfresh()
{
    QVERIFY(writeFile(settingsPath(), QByteArray()));
    QCOMPARE(QVideoSettingXml::GetItemValue("EDIT_REMIND_ITEM", "isEditRemind", "Y"), QString("Y"));
    QVERIFY(!QFileInfo::exists(settingsPath() + ".bad"));
    QCOMPARE(rootOf(settingsPath()).firstChildElement("EDIT_REMIND_ITEM").attribute("isEditRemind"), QString("Y"));
}

void tst_SettingsStore::readOnlyFileIsNeverChanged()
{
    const QByteArray stored = "<ROOTITEM>\n    <Language_item Language_Name=\"Deutsch\"/>\n</ROOTITEM>\n";
    QVERIFY(writeFile(settingsPath(), stored));
    QVERIFY(QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read-only"));
    QCOMPARE(QVideoSettingXml::GetItemValue("Language_item", "Language_Name", "English"), QString("Deutsch"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read-only"));
    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", "English");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("read-only"));
    QCOMPARE(QVideoSettingXml::GetItemValue("Lossless_H", "Lossless_H_value", "N"), QString("N"));
    QCOMPARE(readFile(settingsPath()), stored);

    // Unparsable and read-only: neither moved aside nor replaced.
    QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(writeFile(settingsPath(), "garbage"));
    QVERIFY(QFile::setPermissions(settingsPath(), QFile::ReadOwner));
    QCOMPARE(QVideoSettingXml::GetItemValue("Language_item", "Language_Name", "English"), QString("English"));
    QCOMPARE(readFile(settingsPath()), QByteArray("garbage"));
    QVERIFY(!QFileInfo::exists(settingsPath() + ".bad"));
}

void tst_SettingsStore::unreadableFile_data()
{
    QTest::addColumn<bool>("directory");
    QTest::newRow("a folder in its place") << true;
    QTest::newRow("no read permission") << false;
}

void tst_SettingsStore::unreadableFile()
{
    QFETCH(bool, directory);
    if (directory) {
        QVERIFY(QDir().mkpath(settingsPath()));
    } else {
        if (runningAsRoot())
            QSKIP("permissions do not stop root from reading");
        QVERIFY(writeFile(settingsPath(), "<ROOTITEM><CLOSE_ITEM bIsCloseDlg=\"N\"/></ROOTITEM>"));
        QVERIFY(QFile::setPermissions(settingsPath(), QFile::WriteOwner));
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read"));
    QCOMPARE(QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y"), QString("Y"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read"));
    QVideoSettingXml::SetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");

    QCOMPARE(QFileInfo(settingsPath()).isDir(), directory);
    QVERIFY(!QFileInfo::exists(settingsPath() + ".bad"));
    if (!directory) {
        QFile::setPermissions(settingsPath(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(rootOf(settingsPath()).firstChildElement("CLOSE_ITEM").attribute("bIsCloseDlg"), QString("N"));
    }
}

void tst_SettingsStore::saveIsAtomicAndReportsFailure()
{
    QVideoSettingXml::GetItemValue("CLOSE_ITEM", "bIsCloseDlg", "Y");
    QDomDocument document;
    QVERIFY(QVideoSettingXml::isValidFile(settingsPath(), document));
    QVERIFY(QVideoSettingXml::SaveXml(settingsPath(), document));
    // Only the settings file itself: no temporary file left behind.
    QCOMPARE(QDir(QIAnyUtil::getAppDataPath()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"VideoDefaultSetting.xml"});

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("writeOperateXml"));
    QVERIFY(!QVideoSettingXml::SaveXml(QIAnyUtil::getAppDataPath() + "/no/such/folder/x.xml", document));
}

void tst_SettingsStore::shippedFilesAreNeverWritten()
{
    const QString shipped = QIAnyUtil::getResourcePath() + "/Language/Language.xml";
    QVERIFY2(QFileInfo::exists(shipped), "the build installs the language list");
    const QByteArray before = readFile(shipped);

    QDomDocument document;
    document.appendChild(document.createElement("ROOTITEM"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("shipped"));
    QVERIFY(!QVideoSettingXml::SaveXml(shipped, document));
    QCOMPARE(readFile(shipped), before);
}

void tst_SettingsStore::trim_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("blanks both sides") << QByteArray("  a b  ") << QByteArray("a b");
    QTest::newRow("only blanks") << QByteArray("   ") << QByteArray("");
    QTest::newRow("empty") << QByteArray("") << QByteArray("");
    QTest::newRow("tabs and line ends stay") << QByteArray("\t x\n ") << QByteArray("\t x\n");
}

void tst_SettingsStore::trim()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    std::string s = text.toStdString();
    std::string& same = QVideoSettingXml::trim(s);
    QCOMPARE(&same, &s);
    QCOMPARE(QByteArray::fromStdString(s), expected);
}

void tst_SettingsStore::snapshotSettings()
{
    // A setter before any getter stores nothing (no file, no group).
    QVideoSettingXml::setCaptrueImaPath("/elsewhere");
    QVERIFY(!QFileInfo::exists(settingsPath()));

    const QString defaultFolder = QIAnyUtil::getDocumentPath() + "/Screenshots/";
    QDir(defaultFolder).removeRecursively();
    QCOMPARE(QVideoSettingXml::getCaptrueImaSavePath(), defaultFolder);
    QVERIFY(QFileInfo(defaultFolder).isDir());

    // The group made by the folder getter gains the suffix and keeps the folder.
    QCOMPARE(QVideoSettingXml::getCaptureImgSuffix(), QString("JPEG"));
    QDomElement group = rootOf(settingsPath()).firstChildElement("Screenshots");
    QCOMPARE(group.attribute("IMG_SUFFIX"), QString("JPEG"));
    QCOMPARE(group.attribute("IMG_Folder"), defaultFolder);

    QVideoSettingXml::setCaptureImgSuffix("png");
    QVideoSettingXml::setCaptrueImaPath("/elsewhere/shots");
    QCOMPARE(QVideoSettingXml::getCaptureImgSuffix(), QString("png"));
    QDir(defaultFolder).removeRecursively();
    QCOMPARE(QVideoSettingXml::getCaptrueImaSavePath(), QString("/elsewhere/shots"));
    QVERIFY(QFileInfo(defaultFolder).isDir());
    QVERIFY(!QFileInfo::exists("/elsewhere/shots"));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
