// The snapshot settings file of the editing dialog: defaults written on first
// read, exact element names, and a malformed file kept aside before the rebuild.
#include "QVedioEditSettingXml.h"
#include "QVelProjectPath.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class tst_EditDefaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstReadsCreateTheFile();
    void readsAStoredFile_data();
    void readsAStoredFile();
    void settersNeedAnElementThatExists();
    void malformedFileIsKeptAsBad();
    void uncreatableDefaultFolderFallsBackToDocuments();
    void genericReadLeavesAnEmptyAttributeEmpty();

private:
    QTemporaryDir m_home;
    static QString filePath();
    static QString defaultFolder();
    static void write(const QString& content);
    static QString read(const QString& path = filePath());
    static QList<QDomElement> elements();
};

QString tst_EditDefaults::filePath()
{
    return QVelProjectPath::getAppDataPath(QString(), QString()) + QStringLiteral("/VedioEditDefaultSetting.xml");
}

QString tst_EditDefaults::defaultFolder()
{
    return QVelProjectPath::getDocumentPath(QString(), QString()) + QStringLiteral("/Converted/Screenshots/");
}

void tst_EditDefaults::write(const QString& content)
{
    QFile file(filePath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content.toUtf8());
}

QString tst_EditDefaults::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QList<QDomElement> tst_EditDefaults::elements()
{
    QDomDocument document;
    if (!document.setContent(read()))
        return {};
    QList<QDomElement> list;
    for (QDomElement e = document.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        list << e;
    return list;
}

// The cases delete the file and the snapshot folder: never the user's own.
void tst_EditDefaults::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    QVERIFY(QVelProjectPath::getAppDataPath(QString(), QString()).startsWith(m_home.path()));
    QVERIFY(QVelProjectPath::getDocumentPath(QString(), QString()).startsWith(m_home.path()));
}

void tst_EditDefaults::init()
{
    const QDir data(QVelProjectPath::getAppDataPath(QString(), QString()));
    for (const QString& name : data.entryList({QStringLiteral("VedioEditDefaultSetting.xml*")}, QDir::Files))
        QVERIFY(QFile::remove(data.filePath(name)));
    const QString converted = QVelProjectPath::getDocumentPath(QString(), QString()) + QStringLiteral("/Converted");
    QFile::remove(converted);
    QDir(converted).removeRecursively();
}

void tst_EditDefaults::firstReadsCreateTheFile()
{
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QStringLiteral("JPG"));
    QCOMPARE(elements().size(), 1);
    QCOMPARE(elements().first().tagName(), QStringLiteral("Screenshots"));
    QCOMPARE(elements().first().attribute(QStringLiteral("IMG_SUFFIX")), QStringLiteral("JPG"));

    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), defaultFolder());
    QVERIFY(QDir(defaultFolder()).exists());
    QCOMPARE(elements().size(), 1);
    QCOMPARE(elements().first().attribute(QStringLiteral("IMG_Folder")), defaultFolder());
    // Three lines, four spaces of indentation, no declaration.
    const QStringList lines = read().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0), QStringLiteral("<ROOTITEM>"));
    QVERIFY(lines.at(1).startsWith(QLatin1String("    <Screenshots ")));
    QCOMPARE(lines.at(2), QStringLiteral("</ROOTITEM>"));

    QVedioEditSettingXml::setCaptureImgSuffix(QStringLiteral("PNG"));
    QVedioEditSettingXml::setCaptrueImaPath(QStringLiteral("/tmp/shots/"));
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QStringLiteral("PNG"));
    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), QStringLiteral("/tmp/shots/"));
}

void tst_EditDefaults::readsAStoredFile_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QStringList>("storedSuffixes");
    QTest::newRow("stored") << "<ROOTITEM><Screenshots IMG_SUFFIX=\"PNG\"/></ROOTITEM>" << "PNG"
                            << QStringList{"PNG"};
    QTest::newRow("empty suffix") << "<ROOTITEM><Screenshots IMG_SUFFIX=\"\"/></ROOTITEM>" << "JPG"
                                  << QStringList{"JPG"};
    QTest::newRow("lower-case element") << "<ROOTITEM><screenshots IMG_SUFFIX=\"PNG\"/></ROOTITEM>" << "JPG"
                                        << QStringList{"PNG", "JPG"};
    QTest::newRow("first of two") << "<ROOTITEM><Other/><Screenshots IMG_SUFFIX=\"BMP\"/>"
                                     "<Screenshots IMG_SUFFIX=\"PNG\"/></ROOTITEM>"
                                  << "BMP" << QStringList{"", "BMP", "PNG"};
    QTest::newRow("root of another name") << "<Settings><Screenshots IMG_SUFFIX=\"PNG\"/></Settings>" << "PNG"
                                          << QStringList{"PNG"};
}

void tst_EditDefaults::readsAStoredFile()
{
    QFETCH(QString, content);
    QFETCH(QString, suffix);
    QFETCH(QStringList, storedSuffixes);
    write(content);
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), suffix);
    QStringList stored;
    for (const QDomElement& e : elements())
        stored << e.attribute(QStringLiteral("IMG_SUFFIX"));
    QCOMPARE(stored, storedSuffixes);

    // A stored folder is handed back as it is, even when it is gone.
    QVedioEditSettingXml::setCaptrueImaPath(QStringLiteral("/nonexistent/shots/"));
    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), QStringLiteral("/nonexistent/shots/"));
    QVERIFY(!QDir(QStringLiteral("/nonexistent")).exists());
}

void tst_EditDefaults::settersNeedAnElementThatExists()
{
    QVedioEditSettingXml::setCaptureImgSuffix(QStringLiteral("PNG"));
    QVERIFY(!QFile::exists(filePath()));
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QStringLiteral("JPG"));

    write(QStringLiteral("<ROOTITEM><Other/></ROOTITEM>"));
    QVedioEditSettingXml::setCaptureImgSuffix(QStringLiteral("PNG"));
    QCOMPARE(elements().size(), 1);
    QCOMPARE(elements().first().tagName(), QStringLiteral("Other"));
}

void tst_EditDefaults::malformedFileIsKeptAsBad()
{
    const QString broken = QStringLiteral("<ROOTITEM><Screenshots IMG_SUFFIX=\"PNG\" IMG_Folder=\"/my/shots/");
    write(broken);
    QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QStringLiteral("JPG"));
    QCOMPARE(read(filePath() + QStringLiteral(".bad")), broken);
    QCOMPARE(elements().size(), 1);

    // A setter on a malformed file keeps a copy too; the value itself is lost.
    write(broken);
    QVedioEditSettingXml::setCaptureImgSuffix(QStringLiteral("BMP"));
    QCOMPARE(read(filePath() + QStringLiteral(".bad.1")), broken);
    QCOMPARE(read(filePath() + QStringLiteral(".bad")), broken);
    QCOMPARE(elements().size(), 0);
}

void tst_EditDefaults::uncreatableDefaultFolderFallsBackToDocuments()
{
    // A file where the folder should go.
    QFile blocker(QVelProjectPath::getDocumentPath(QString(), QString()) + QStringLiteral("/Converted"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString documents = QVelProjectPath::getDocumentPath(QString(), QString());
    QCOMPARE(QVedioEditSettingXml::getCaptrueImaSavePath(), documents);
    QCOMPARE(elements().first().attribute(QStringLiteral("IMG_Folder")), documents);
}

void tst_EditDefaults::genericReadLeavesAnEmptyAttributeEmpty()
{
    write(QStringLiteral("<ROOTITEM><Group Key=\"\"/></ROOTITEM>"));
    QCOMPARE(QVedioEditSettingXml::GetItemValue(QStringLiteral("Group"), QStringLiteral("Key"), QStringLiteral("d")),
             QStringLiteral("d"));
    QCOMPARE(elements().first().attribute(QStringLiteral("Key")), QString());
    QCOMPARE(QVedioEditSettingXml::GetItemValue(QStringLiteral("New"), QStringLiteral("Key"), QStringLiteral("n")),
             QStringLiteral("n"));
    QCOMPARE(elements().last().attribute(QStringLiteral("Key")), QStringLiteral("n"));
    QVedioEditSettingXml::SetItemValue(QStringLiteral("Group"), QStringLiteral("Key"), QStringLiteral("v"));
    QCOMPARE(QVedioEditSettingXml::GetItemValue(QStringLiteral("Group"), QStringLiteral("Key"), QStringLiteral("d")),
             QStringLiteral("v"));
}

QTEST_MAIN(tst_EditDefaults)
#include "tst_editdefaults.moc"
