// The start-up sweep of partial outputs that a killed conversion left.
#include "QConverterOperate.h"
#include "VelOutputLeftovers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestOutputLeftovers : public QObject
{
    Q_OBJECT

private slots:
    void sweepsOnlyPartialOutputs_data();
    void sweepsOnlyPartialOutputs();
    void emptiedFolderIsReused();

private:
    static void write(const QString &path, const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
};

void TestOutputLeftovers::sweepsOnlyPartialOutputs_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("removed");
    QTest::newRow("partial in a source folder") << "trip/.trip_1.mp4.zvpart-00c0ffee" << QByteArray("part") << true;
    QTest::newRow("partial in the root") << ".merged.mkv.zvpart-deadbeef" << QByteArray("part") << true;
    QTest::newRow("finished output") << "trip/trip_2.mp4" << QByteArray("done") << false;
    QTest::newRow("user's .part file") << "trip/.trip_3.mp4.part" << QByteArray("mine") << false;
    QTest::newRow("not hidden") << "trip/trip_3.mp4.zvpart-00c0ffee" << QByteArray("mine") << false;
    QTest::newRow("capital digits") << "trip/.trip_3.mp4.zvpart-00C0FFEE" << QByteArray("mine") << false;
    QTest::newRow("seven digits") << "trip/.trip_3.mp4.zvpart-00c0ffe" << QByteArray("mine") << false;
    QTest::newRow("two levels down") << "trip/deeper/.x.mp4.zvpart-00c0ffee" << QByteArray("mine") << false;
}

void TestOutputLeftovers::sweepsOnlyPartialOutputs()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, removed);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    write(root.filePath(path), bytes);
    // A non-empty file under the final name is a user's and stays.
    const QString finalName = root.filePath(QFileInfo(path).path() + "/" + QFileInfo(path).fileName().mid(1).section(".zvpart-", 0, 0));
    if (removed)
        write(finalName, "someone's own");
    VelOutputLeftovers::sweep(root.path());
    QCOMPARE(QFileInfo::exists(root.filePath(path)), !removed);
    if (removed)
        QVERIFY2(QFileInfo::exists(finalName), "a file with content under the final name is not a claim");
}

void TestOutputLeftovers::emptiedFolderIsReused()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    // A killed run: the claimed (empty) final name and its partial file.
    write(root.filePath("holiday/holiday_1.mp4"), QByteArray());
    write(root.filePath("holiday/.holiday_1.mp4.zvpart-0a1b2c3d"), QByteArray(4096, 'x'));
    // A folder of a user's own with a look-alike keeps everything.
    write(root.filePath("notes/.holiday_1.mp4.zvpart-0a1b2c3"), "mine");
    QDir().mkpath(root.filePath("empty"));

    QCOMPARE(VelOutputLeftovers::sweep(root.path()), 1);
    QVERIFY(!QFileInfo::exists(root.filePath("holiday")));
    QVERIFY(QFileInfo::exists(root.filePath("notes/.holiday_1.mp4.zvpart-0a1b2c3")));
    QVERIFY2(QFileInfo::exists(root.filePath("empty")), "a folder the sweep did not empty is not its own");

    QConverterOperate::setConverterPath(root.path());
    QConverterOperate::setAdjustFileName("holiday.mp4", "mp4");
    QCOMPARE(QConverterOperate::getOutputDir(), root.filePath("holiday") + "/");
}

QTEST_GUILESS_MAIN(TestOutputLeftovers)
#include "tst_outputleftovers.moc"
