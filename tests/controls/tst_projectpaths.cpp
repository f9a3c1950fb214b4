#include "QProjectConfig.h"
#include "QVeAnyUtiliy.h"
#include "QVelProjectPath.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QtTest>

class TestProjectPaths : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QProjectConfig::releaseProjectConfig(); }

    void configDefaults()
    {
        QProjectConfig* config = QProjectConfig::getProjectConfig();
        QCOMPARE(config->dlgTop(), 22);
        QCOMPARE(config->dlgBottom(), 50);
        QCOMPARE(config->getTransparentMargins(), QMargins(0, 0, 0, 0));
        QVERIFY(config->projectName().isEmpty());
        QVERIFY(config->companyName().isEmpty());
        config->setProjectName("X");
        config->setTransparentMargins(4);
        QCOMPARE(config->getTransparentMargins(), QMargins(4, 4, 4, 4));
        QProjectConfig::releaseProjectConfig();
        QVERIFY(QProjectConfig::getProjectConfig()->projectName().isEmpty());
    }

    void converSize_data()
    {
        QTest::addColumn<quint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << quint64(0) << "0 B";
        QTest::newRow("below KB") << quint64(1023) << "1023 B";
        QTest::newRow("one KB") << quint64(1024) << "1.00 KB";
        QTest::newRow("one and a half KB") << quint64(1536) << "1.50 KB";
        QTest::newRow("top of KB") << quint64(1048575) << "1024.00 KB";
        QTest::newRow("one MB") << quint64(1048576) << "1.00 MB";
        QTest::newRow("one GB") << quint64(1073741824) << "1.00 GB";
        QTest::newRow("one T") << (quint64(1) << 40) << "1.00 T";
    }

    void converSize()
    {
        QFETCH(quint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(QVeAnyUtiliy::converSize(bytes), text);
    }

    void equalDouble_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("within tolerance") << 1.0 << 1.0000005 << true;
        QTest::newRow("outside tolerance") << 1.0 << 1.00001 << false;
        QTest::newRow("negative side") << 1.0000005 << 1.0 << true;
    }

    void equalDouble()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(bool, equal);
        QCOMPARE(QVeAnyUtiliy::equalDouble(a, b), equal);
    }

    void formatPath()
    {
        QString path = "a\\b//c";
        QVelProjectPath::formatPath(path);
        QCOMPARE(path, QString("a/b/c"));
    }

    void resourcePath()
    {
        QString bundle = QCoreApplication::applicationDirPath();
        bundle = bundle.left(bundle.lastIndexOf('/'));
        QCOMPARE(QVelProjectPath::getResourcePath(), bundle + "/Resources");
        QCOMPARE(QVelProjectPath::getResourcePath("VideoEffects"), bundle + "/Resources/VideoEffects");
        QCOMPARE(QVelProjectPath::getApplicationDirPath(), bundle + "/");
        // The other cache keeps the doubled separator; its users normalise paths built on it.
        QString raw = QVeAnyUtiliy::getResourcePath();
        QCOMPARE(raw, bundle + "//Resources");
        QVelProjectPath::formatPath(raw);
        QCOMPARE(raw, QVelProjectPath::getResourcePath());
    }

    void documentPathFolders()
    {
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QProjectConfig::getProjectConfig()->setProjectName("Zededera Raziz Azodor");
        const QString path = QVelProjectPath::getDocumentPath();
        QCOMPARE(path, docs + "/Zededera Raziz Azodor");
        QVERIFY(QDir(path).exists());
        QCOMPARE(QVelProjectPath::getDocumentPath("X", "2"), docs + "/X 2");
        QVERIFY(QDir(docs + "/X 2").exists());
    }

    void appDataUsesParentOfDataLocation()
    {
        QProjectConfig::getProjectConfig()->setProjectName("Zededera Raziz Azodor");
        QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        base = base.left(base.lastIndexOf('/'));
        QCOMPARE(QVelProjectPath::getAppDataPath(), base + "/Zededera Raziz Azodor");
        QCOMPARE(QVelProjectPath::getLogFilePath("ignored", "9"), base + "/Zededera Raziz Azodor");
    }
};

QTEST_GUILESS_MAIN(TestProjectPaths)
#include "tst_projectpaths.moc"
