// Bundle, data and documents folders, and byte-count texts.
#include "QIAnyUtil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

class tst_AnyUtil : public QObject
{
    Q_OBJECT

private slots:
    void bundlePaths();
    void dataAndDocumentFolders();
    void documentFolderCannotBeCreated();
    void size2String_data();
    void size2String();
};

void tst_AnyUtil::bundlePaths()
{
    // Test executables sit in <build>/tests, beside <build>/Resources.
    const QString bundle = QDir(QCoreApplication::applicationDirPath() + "/..").canonicalPath();
    QCOMPARE(QIAnyUtil::getApplicationDirPath(), bundle + "//");
    QCOMPARE(QIAnyUtil::getResourcePath(), bundle + "/Resources");
    QVERIFY(QFileInfo::exists(QIAnyUtil::getResourcePath() + "/Language/Language.xml"));
    QVERIFY(QFileInfo::exists(QIAnyUtil::getApplicationDirPath() + "tests"));
    // Kept from the first call.
    QCOMPARE(QIAnyUtil::getResourcePath(), bundle + "/Resources");
}

void tst_AnyUtil::dataAndDocumentFolders()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                         + "/Zededera Raziz Azodor";
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                              + "/Zededera Raziz Azodor";
    QDir(data).removeRecursively();
    QDir(documents).removeRecursively();

    QCOMPARE(QIAnyUtil::getAppDataPath(), data);
    QVERIFY(QFileInfo(data).isDir());
    QCOMPARE(QIAnyUtil::getDocumentPath(), documents);
    QVERIFY(QFileInfo(documents).isDir());

    // Deleted while running: made again at the next call.
    QDir(data).removeRecursively();
    QCOMPARE(QIAnyUtil::getAppDataPath(), data);
    QVERIFY(QFileInfo(data).isDir());
}

void tst_AnyUtil::documentFolderCannotBeCreated()
{
    const QString documentsRoot = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString product = documentsRoot + "/Zededera Raziz Azodor";
    QDir(product).removeRecursively();
    {
        QFile blocker(product);   // a file where the folder should go
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }
    QCOMPARE(QIAnyUtil::getDocumentPath(), documentsRoot);
    QFile::remove(product);
}

void tst_AnyUtil::size2String_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << quint64(0) << "0 B";
    QTest::newRow("1024") << quint64(1024) << "1024 B";
    QTest::newRow("1025") << quint64(1025) << "1.00 KB";
    QTest::newRow("1536") << quint64(1536) << "1.50 KB";
    QTest::newRow("1048576") << quint64(1048576) << "1024.00 KB";
    QTest::newRow("1048577") << quint64(1048577) << "1.00 MB";
    QTest::newRow("1073741824") << quint64(1073741824) << "1024.00 MB";
    QTest::newRow("1073741825") << quint64(1073741825) << "1.00 GB";
    QTest::newRow("5368709120") << quint64(5368709120ULL) << "5.00 GB";
}

void tst_AnyUtil::size2String()
{
    QFETCH(quint64, bytes);
    QTEST(QIAnyUtil::size2String(bytes), "text");
}

QTEST_GUILESS_MAIN(tst_AnyUtil)
#include "tst_anyutil.moc"
