// Output folder and file naming, and the process-wide output profile holder.
#include "QAttributeSettingHolder.h"
#include "QConverterOperate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class tst_ConverterOperate : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString root() const { return m_dir.path() + "/Converted/"; }

    static void setProfile(bool lossless, const QString& format, const QString& ext)
    {
        QAttributeSettingHolder::setFormatMode(lossless);
        QAttributeSettingHolder::m_attributeSetting->fileFormat = format;
        QAttributeSettingHolder::m_attributeSetting->fileExtend = ext;
    }
    static void touch(const QString& path)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

private slots:
    // Runs before any other case: the profile must not exist yet.
    void initTestCase();
    void init();

    void rootEndsInOneSlash_data();
    void rootEndsInOneSlash();
    void naming_data();
    void naming();
    void filesNumberFromOneAndFillGaps();
    void handedOutPathIsClaimed();
    void sourceReopenedOrRootChanged();
    void refusals();
};

void tst_ConverterOperate::initTestCase()
{
    QVERIFY(!QAttributeSettingHolder::m_attributeSetting);
    QAttributeSettingHolder::setFormatMode(true);
    AttributeSetting* profile = QAttributeSettingHolder::m_attributeSetting;
    QVERIFY(profile);
    QVERIFY(profile->bLossless);
    QVERIFY(profile->fileFormat.isEmpty() && profile->fileExtend.isEmpty()
            && profile->VEncoder.isEmpty() && profile->AEncoder.isEmpty());
    QCOMPARE(profile->VFrameRate_scale, 1);

    profile->VBitRate = 2000;
    profile->fileFormat = "mp4";
    QAttributeSettingHolder::setFormatMode(false);
    QCOMPARE(QAttributeSettingHolder::m_attributeSetting, profile);   // never replaced
    QVERIFY(!profile->bLossless);
    QCOMPARE(profile->VBitRate, 2000);
    QCOMPARE(profile->fileFormat, QString("mp4"));
}

void tst_ConverterOperate::init()
{
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(root()));
    QConverterOperate::setConverterPath(root());
    setProfile(false, "mp4", "mp4");
}

void tst_ConverterOperate::rootEndsInOneSlash_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("kept");
    QTest::newRow("without") << "/v/Converted" << "/v/Converted/";
    QTest::newRow("with one") << "/v/Converted/" << "/v/Converted/";
    QTest::newRow("with several") << "/v/Converted///" << "/v/Converted/";
    QTest::newRow("file-system root") << "/" << "/";
    QTest::newRow("empty") << "" << "";
}

void tst_ConverterOperate::rootEndsInOneSlash()
{
    QFETCH(QString, given);
    QConverterOperate::setConverterPath(given);
    QTEST(QConverterOperate::getConverterPath(), "kept");
}

void tst_ConverterOperate::naming_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("ext");
    QTest::addColumn<QStringList>("taken");      // under the root, before the source is set
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");       // under the root

    const QStringList none;
    QTest::newRow("plain") << "holiday.mp4" << "mp4" << none << false << "mp4" << "holiday/holiday_1.mp4";
    QTest::newRow("no dot") << "clip" << "" << none << false << "mp4" << "clip/clip_1.mp4";
    QTest::newRow("several dots") << "my.trip.mov" << "mov" << none << false << "mp4" << "my.trip/my.trip_1.mp4";
    QTest::newRow("folder taken") << "holiday.mp4" << "mp4" << QStringList{"holiday/"}
                                  << false << "mp4" << "holiday(1)/holiday_1.mp4";
    QTest::newRow("three folders taken") << "holiday.mp4" << "mp4"
                                         << QStringList{"holiday/", "holiday(1)/", "holiday(2)/"}
                                         << false << "mp4" << "holiday(3)/holiday_1.mp4";
    QTest::newRow("a file holds the folder name") << "holiday.mp4" << "mp4" << QStringList{"holiday"}
                                                  << false << "mp4" << "holiday(1)/holiday_1.mp4";
    QTest::newRow("lossless keeps the source's extension") << "sample.mkv" << "mkv" << none
                                                           << true << "Original" << "sample/sample_1.mkv";
    QTest::newRow("lossless with a format") << "sample.mkv" << "mkv" << none
                                            << true << "mp4" << "sample/sample_1.mp4";
    QTest::newRow("Original needs lossless") << "sample.mkv" << "mkv" << none
                                             << false << "Original" << "sample/sample_1.mp4";
}

void tst_ConverterOperate::naming()
{
    QFETCH(QString, name);
    QFETCH(QString, ext);
    QFETCH(QStringList, taken);
    QFETCH(bool, lossless);
    QFETCH(QString, format);
    QFETCH(QString, expected);

    for (const QString& entry : taken) {
        if (entry.endsWith('/'))
            QVERIFY(QDir().mkpath(root() + entry));
        else
            touch(root() + entry);
    }
    setProfile(lossless, format, "mp4");
    QConverterOperate::setAdjustFileName(name, ext);
    QCOMPARE(QConverterOperate::getOutputDir(), root() + QFileInfo(expected).path() + "/");
    QCOMPARE(QConverterOperate::getConvertPath(), root() + expected);
    QCOMPARE(QConverterOperate::m_sOutputName, root() + expected);
}

void tst_ConverterOperate::filesNumberFromOneAndFillGaps()
{
    QConverterOperate::setAdjustFileName("holiday.mp4", "mp4");
    const QString dir = root() + "holiday/";
    touch(dir + "holiday_1.mp4");
    touch(dir + "holiday_3.mp4");
    QCOMPARE(QConverterOperate::getConvertPath(), dir + "holiday_2.mp4");
    QCOMPARE(QConverterOperate::getConvertPath(), dir + "holiday_4.mp4");
    QFile::remove(dir + "holiday_1.mp4");
    QCOMPARE(QConverterOperate::getConvertPath(), dir + "holiday_1.mp4");

    // A folder with an output's name counts as taken too.
    QVERIFY(QDir().mkpath(dir + "holiday_5.mp4"));
    QCOMPARE(QConverterOperate::getConvertPath(), dir + "holiday_6.mp4");
}

void tst_ConverterOperate::handedOutPathIsClaimed()
{
    QConverterOperate::setAdjustFileName("talk.mov", "mov");
    const QString first = QConverterOperate::getConvertPath();
    const QString second = QConverterOperate::getConvertPath();
    QCOMPARE(first, root() + "talk/talk_1.mp4");
    QCOMPARE(second, root() + "talk/talk_2.mp4");
    // Each path exists as an empty file the moment it is handed out, so no
    // later call, and nothing else, can be given the same name.
    QVERIFY(QFileInfo(first).isFile());
    QCOMPARE(QFileInfo(first).size(), 0);
    QVERIFY(QFileInfo(second).isFile());
}

void tst_ConverterOperate::sourceReopenedOrRootChanged()
{
    QConverterOperate::setAdjustFileName("holiday.mp4", "mp4");
    QCOMPARE(QConverterOperate::getConvertPath(), root() + "holiday/holiday_1.mp4");

    // The folder now exists: applying the root again picks the next folder.
    QConverterOperate::setConverterPath(root());
    QConverterOperate::updateAdjustFileName();
    QCOMPARE(QConverterOperate::getOutputDir(), root() + "holiday(1)/");

    const QString other = m_dir.path() + "/Elsewhere";
    QConverterOperate::setConverterPath(other);
    QConverterOperate::updateAdjustFileName();
    QCOMPARE(QConverterOperate::getOutputDir(), other + "/holiday/");
    QCOMPARE(QConverterOperate::getAdjustFileName(), QString("holiday.mp4"));
    QCOMPARE(QConverterOperate::getConvertPath(), other + "/holiday/holiday_1.mp4");
}

void tst_ConverterOperate::refusals()
{
    // No source name: nothing may land in the working folder.
    const QStringList before = QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QConverterOperate::setAdjustFileName("", "mp4");
    QVERIFY(QConverterOperate::getOutputDir().isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no path handed out"));
    QVERIFY(QConverterOperate::getConvertPath().isEmpty());
    QVERIFY(QConverterOperate::m_sOutputName.isEmpty());
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);

    // No root.
    QConverterOperate::setConverterPath("");
    QConverterOperate::setAdjustFileName("a.mp4", "mp4");
    QVERIFY(QConverterOperate::getOutputDir().isEmpty());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no path handed out"));
    QVERIFY(QConverterOperate::getConvertPath().isEmpty());

    // A root that cannot hold folders (it is a file).
    touch(m_dir.path() + "/plainfile");
    QConverterOperate::setConverterPath(m_dir.path() + "/plainfile");
    QConverterOperate::setAdjustFileName("a.mp4", "mp4");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot create"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot create"));
    QVERIFY(QConverterOperate::getConvertPath().isEmpty());

    // No output profile yet.
    QConverterOperate::setConverterPath(root());
    QConverterOperate::setAdjustFileName("a.mp4", "mp4");
    AttributeSetting* profile = QAttributeSettingHolder::m_attributeSetting;
    QAttributeSettingHolder::m_attributeSetting = nullptr;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no path handed out"));
    const QString path = QConverterOperate::getConvertPath();
    QAttributeSettingHolder::m_attributeSetting = profile;
    QVERIFY(path.isEmpty());
}

QTEST_GUILESS_MAIN(tst_ConverterOperate)
#include "tst_converteroperate.moc"
