// The shipped language list and the UI language type.
#include "QConverterOperate.h"
#include "QVideoSettingXml.h"
#include "SettingsTestUtil.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace SettingsTestUtil;

class tst_LanguageList : public QObject
{
    Q_OBJECT

    QString shippedList() const { return QIAnyUtil::getResourcePath() + "/Language/Language.xml"; }

private slots:
    void languageTypeStartsAtEnglish();
    void shippedListOffersFiveLanguages_data();
    void shippedListOffersFiveLanguages();
    void languageType_data();
    void languageType();
    void missingList();
    void malformedListIsLeftAlone();
    void lastDuplicateWins();
};

void tst_LanguageList::languageTypeStartsAtEnglish()
{
    QCOMPARE(QConverterOperate::getLanguageType(), 0);
}

void tst_LanguageList::shippedListOffersFiveLanguages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("type");
    QTest::newRow("English") << "English" << "lang_en.qm" << 0;
    QTest::newRow("Chinese") << QString::fromUtf8("简体中文") << "lang_zh_CN.qm" << 1;
    QTest::newRow("German") << "Deutsch" << "lang_de.qm" << 2;
    QTest::newRow("French") << QString::fromUtf8("Français") << "lang_fr.qm" << 3;
    QTest::newRow("Japanese") << QString::fromUtf8("日本語") << "lang_ja.qm" << 4;
}

void tst_LanguageList::shippedListOffersFiveLanguages()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(int, type);
    const QStringList names = QVideoSettingXml::GetLanguage(shippedList());
    QCOMPARE(names.size(), 5);
    QCOMPARE(names.first(), QString("English"));   // the settings default must be listed
    QVERIFY(names.contains(name));

    const QPair<QString, QString> entry = QVideoSettingXml::GetLanguageFile(shippedList(), name);
    QCOMPARE(entry.first, file);
    QConverterOperate::setLanguageType(entry.second);
    QCOMPARE(QConverterOperate::getLanguageType(), type);
}

void tst_LanguageList::languageType_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<int>("type");
    QTest::newRow("Japanese") << "Japanese" << 4;
    QTest::newRow("French") << "French" << 3;
    QTest::newRow("other case") << "japanese" << 0;
    QTest::newRow("unknown") << "Klingon" << 0;
    QTest::newRow("empty") << "" << 0;
}

void tst_LanguageList::languageType()
{
    QFETCH(QString, typeName);
    QConverterOperate::setLanguageType("German");
    QConverterOperate::setLanguageType(typeName);
    QTEST(QConverterOperate::getLanguageType(), "type");
}

void tst_LanguageList::missingList()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Language/Language.xml");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read .*Language\\.xml"));
    QVERIFY(QVideoSettingXml::GetLanguage(path).isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read .*Language\\.xml"));
    const QPair<QString, QString> entry = QVideoSettingXml::GetLanguageFile(path, "English");
    QVERIFY(entry.first.isEmpty() && entry.second.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
}

void tst_LanguageList::malformedListIsLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Language.xml");
    const QByteArray broken = "<LanguageList><Language Language_Name=\"English\"";
    QVERIFY(writeFile(path, broken));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("does not parse"));
    QVERIFY(QVideoSettingXml::GetLanguage(path).isEmpty());
    QCOMPARE(readFile(path), broken);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Language.xml"});
}

void tst_LanguageList::lastDuplicateWins()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Language.xml");
    QVERIFY(writeFile(path, "<L><a Language_Name=\"X\" Language_File=\"x1.qm\" Language_Type=\"German\"/>"
                            "<b Language_File=\"none.qm\"/>"
                            "<c Language_Name=\"X\" Language_File=\"x2.qm\"/></L>"));
    QCOMPARE(QVideoSettingXml::GetLanguage(path), (QStringList{"X", "", "X"}));
    const QPair<QString, QString> entry = QVideoSettingXml::GetLanguageFile(path, "X");
    QCOMPARE(entry.first, QString("x2.qm"));
    QCOMPARE(entry.second, QString());
}

QTEST_GUILESS_MAIN(tst_LanguageList)
#include "tst_languagelist.moc"
