// The typed settings keys against the raw file: they read and write the groups,
// attributes and texts that users' files already hold, and a value that is not
// stored reads as the key's default.
#include "SettingKeys.h"
#include "SettingsTestUtil.h"

#include <QtTest>

#include <functional>

using namespace SettingsTestUtil;

namespace {

// One key seen through its typed functions; each check compares typed values.
struct KeyUse
{
    std::function<bool()> readsDefault;
    std::function<bool()> readsWritten;
    std::function<void()> store;
    std::function<void()> update;
};

template <typename T>
KeyUse use(const SettingKey<T>& key, const T& expectedDefault, const T& written)
{
    return {[=] { return readSetting(key) == expectedDefault; },
            [=] { return readSetting(key) == written; },
            [=] { storeSetting(key, written); },
            [=] { updateSetting(key, written); }};
}

template <typename T>
KeyUse use(const SettingName<T>& key, const T& fallback, const T& written)
{
    return {[=] { return readSetting(key, fallback) == fallback; },
            [=] { return readSetting(key, fallback) == written; },
            [=] { storeSetting(key, written); },
            [=] { updateSetting(key, written); }};
}

} // namespace

Q_DECLARE_METATYPE(KeyUse)

class tst_SettingKeys : public QObject
{
    Q_OBJECT

    QString settingsPath() const { return dataFile(QStringLiteral("VideoDefaultSetting.xml")); }
    QString stored(const QString& group, const QString& attribute) const
    {
        return rootOf(settingsPath()).firstChildElement(group).attribute(attribute);
    }
    static void addKeyRows();

private slots:
    void init() { clearDataFolder(); }

    void absentValueReadsDefault_data() { addKeyRows(); }
    void absentValueReadsDefault();
    void typedWriteIsStoredAsBefore_data() { addKeyRows(); }
    void typedWriteIsStoredAsBefore();
    void storedFileReadsThroughKey_data() { addKeyRows(); }
    void storedFileReadsThroughKey();
};

void tst_SettingKeys::addKeyRows()
{
    QTest::addColumn<KeyUse>("key");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<QString>("writtenText");

    QTest::newRow("flag set by default") << use(SettingKeys::CloseQuits, true, false)
                                         << "CLOSE_ITEM" << "bIsCloseDlg" << "Y" << "N";
    QTest::newRow("flag clear by default") << use(SettingKeys::SegmentListLines, false, true)
                                           << "LISTMODEL_ITEM" << "ListModel_Line" << "N" << "Y";
    QTest::newRow("number") << use(SettingKeys::Quality, int(VQ_HighQuality), int(VQ_Customized))
                            << "VIDEO_QUALITY_ITEM" << "quality_value" << "1" << "2";
    QTest::newRow("text in a shared group") << use(SettingKeys::LosslessPresetId, QString("3000"), QString("3010"))
                                            << "FormatSet" << "Format_ID_lossless" << "3000" << "3010";
    QTest::newRow("text known at run time") << use(SettingKeys::OutputFolder, QString("/home/u/Converted/"),
                                                   QString("/media/u/Out Put/"))
                                            << "OutPut_path" << "path_value" << "/home/u/Converted/"
                                            << "/media/u/Out Put/";
}

// The first read stores the default, as the key/value store always did, so the
// file shows the text an older build would have written.
void tst_SettingKeys::absentValueReadsDefault()
{
    QFETCH(KeyUse, key);
    QFETCH(QString, group);
    QFETCH(QString, attribute);
    QFETCH(QString, defaultText);

    QVERIFY(key.readsDefault());
    QCOMPARE(stored(group, attribute), defaultText);

    // Present group, absent attribute: the default again.
    QVERIFY(writeFile(settingsPath(), "<ROOTITEM><" + group.toUtf8() + " other=\"x\"/></ROOTITEM>"));
    QVERIFY(key.readsDefault());
}

void tst_SettingKeys::typedWriteIsStoredAsBefore()
{
    QFETCH(KeyUse, key);
    QFETCH(QString, group);
    QFETCH(QString, attribute);
    QFETCH(QString, writtenText);

    // An update never makes the group; a store does.
    key.update();
    QVERIFY(rootOf(settingsPath()).firstChildElement(group).isNull());
    key.store();
    QCOMPARE(stored(group, attribute), writtenText);
    QVERIFY(key.readsWritten());
}

void tst_SettingKeys::storedFileReadsThroughKey()
{
    QFETCH(KeyUse, key);
    QFETCH(QString, group);
    QFETCH(QString, attribute);
    QFETCH(QString, writtenText);

    const QString xml = QStringLiteral("<ROOTITEM>\n    <%1 %2=\"%3\"/>\n</ROOTITEM>\n").arg(group, attribute, writtenText);
    QVERIFY(writeFile(settingsPath(), xml.toUtf8()));
    QVERIFY(key.readsWritten());
}

QTEST_GUILESS_MAIN(tst_SettingKeys)
#include "tst_settingkeys.moc"
