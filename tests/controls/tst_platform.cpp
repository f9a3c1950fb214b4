#include "QUiCommonInterface.h"
#include "VelMacosInterface.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <unistd.h>

class TestPlatform : public QObject
{
    Q_OBJECT

private:
    static void touch(const QString& path)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
    }

private slots:
    void windowPosCountsFromScreenBottom()
    {
        QCOMPARE(VelMacosInterface::getWindowPos(nullptr), QPoint(0, 0));
        QWidget window;
        window.setGeometry(30, 40, 200, 100);
        const int screenHeight = QGuiApplication::primaryScreen()->geometry().height();
        const QPoint origin = VelMacosInterface::getWindowPos(&window);
        QCOMPARE(origin.x(), window.x());
        // The window bases turn it back into a top edge: screen height - y - height.
        QCOMPARE(screenHeight - origin.y() - window.height(), window.y());
    }

    void utf32Conversion()
    {
        QByteArray text = QString::fromUtf8("a\xc3\xa9\xe2\x82\xac").toUtf8();
        const auto* utf32 = reinterpret_cast<const char32_t*>(VelMacosInterface::ConvertCharToUtft32(text.data()));
        QCOMPARE(uint(utf32[0]), uint('a'));
        QCOMPARE(uint(utf32[1]), 0xE9u);
        QCOMPARE(uint(utf32[2]), 0x20ACu);
        QCOMPARE(uint(utf32[3]), 0u);
        QVERIFY(!VelMacosInterface::ConvertCharToUtft32(nullptr));
    }

    void clocks()
    {
        const quint64 first = QUiCommonInterface::getSystemTime();
        QUiCommonInterface::Sleep(10000);
        const quint64 second = QUiCommonInterface::getSystemTime();
        QVERIFY(second - first >= 9000);
        const quint64 wall = QUiCommonInterface::getDateTime();
        QVERIFY(wall / 1000000 > 1600000000ull);
    }

    void versionText()
    {
        QVERIFY(!QUiCommonInterface::SystemVersionInfo().isEmpty());
    }

    void clearFolder_data()
    {
        QTest::addColumn<bool>("removeSelf");
        QTest::newRow("keep folder") << false;
        QTest::newRow("remove folder") << true;
    }

    void clearFolder()
    {
        QFETCH(bool, removeSelf);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString root = dir.filePath("root");
        QVERIFY(QDir().mkpath(root + "/nested/empty"));
        QVERIFY(QDir().mkpath(root + "/deep/er"));
        touch(root + "/.hidden");
        touch(root + "/plain.txt");
        touch(root + "/deep/er/file");
        QUiCommonInterface::clearFolder(root, removeSelf);
        QCOMPARE(QDir(root).exists(), !removeSelf);
        if (!removeSelf)
            QVERIFY(QDir(root).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }

    void clearFolderStopsOnUndeletable()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the super-user");
        QTemporaryDir dir;
        const QString root = dir.filePath("root");
        QVERIFY(QDir().mkpath(root + "/locked"));
        touch(root + "/locked/file");
        QFile::setPermissions(root + "/locked", QFile::ReadOwner | QFile::ExeOwner);
        QUiCommonInterface::clearFolder(root, false);
        QVERIFY(QFile::exists(root + "/locked/file"));
        QFile::setPermissions(root + "/locked", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void topHintFollowsFlag()
    {
        QWidget window;
        QUiCommonInterface::setWindowTopHint(window, true);
        QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
        QUiCommonInterface::setWindowTopHint(window, false);
        QVERIFY(!(window.windowFlags() & Qt::WindowStaysOnTopHint));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
