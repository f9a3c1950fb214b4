// System services: the property-list wrapper, the bundle list completion (on
// temporary copies only), the power and reveal seams (no test ever powers
// anything off, suspends or opens a file manager), the version text, the
// writable-folder probe, clocks, texts and the updater layer.
#include "PlistDocument.h"
#include "TestTiming.h"
#include "QVelProjectPlatform.h"
#include "VelCommonInterface.h"
#include "VelSystemActions.h"
#include "VelUpdater.h"

#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <sys/utsname.h>

Q_DECLARE_METATYPE(PlistDocument::Format)

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

std::string text(plist_t dict, const char *key)
{
    return PlistDocument::stringValue(PlistDocument::dictItem(dict, key));
}

bool isTrue(plist_t node)
{
    return node && plist_get_node_type(node) == PLIST_BOOLEAN && plist_bool_val_is_true(node);
}

// Stands in for a widget: the template overload only needs windowHandle().
struct FakeWidget {
    QWindow *handle = nullptr;
    QWindow *windowHandle() const { return handle; }
};

} // namespace

class TstSystemServices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void plistRoundTrip_data();
    void plistRoundTrip();
    void plistSaveFailures();

    void initInfoCompletesACopy_data();
    void initInfoCompletesACopy();
    void initInfoLeavesCompleteList();
    void initInfoLeavesBadFiles_data();
    void initInfoLeavesBadFiles();

    void powerGoesThroughTheSeam();
    void revealNormalisesPath_data();
    void revealNormalisesPath();
    void defaultActionsRefuseInTests();

    void systemVersion();
    void writableProbe();
    void writableProbeSkipsTakenNames();
    void clocksAndSleep();
    void utf32Text();
    void windowTopHint();
    void updaterAnswersWithoutNetwork();
    void openerVerdict_data();
    void openerVerdict();

private:
    QTemporaryDir m_dir;
    QList<VelSystemActions::Power> m_power;
    QStringList m_revealed;
    QString m_shipped;
    QByteArray m_shippedBytes;
};

void TstSystemServices::initTestCase()
{
    // Before anything else: replace the real actions.
    VelSystemActions::setPowerHandler([this](VelSystemActions::Power p) { m_power << p; });
    VelSystemActions::setRevealHandler([this](const QString &path) { m_revealed << path; });
    QVERIFY(m_dir.isValid());
    m_shipped = VelCommonInterface::getAppInfoFile();
    QVERIFY2(m_shipped.endsWith(QLatin1String("//Info.plist")), qPrintable(m_shipped));
    m_shippedBytes = readAll(m_shipped);
    QVERIFY2(!m_shippedBytes.isEmpty(), qPrintable(m_shipped + " is missing; build the resources target"));
}

void TstSystemServices::cleanupTestCase()
{
    QCOMPARE(readAll(m_shipped), m_shippedBytes); // the shipped list was never written
}

void TstSystemServices::plistRoundTrip_data()
{
    QTest::addColumn<PlistDocument::Format>("format");
    QTest::newRow("xml") << PlistDocument::Format::Xml;
    QTest::newRow("binary") << PlistDocument::Format::Binary;
}

void TstSystemServices::plistRoundTrip()
{
    QFETCH(PlistDocument::Format, format);
    PlistDocument doc = PlistDocument::newDictionary();
    plist_t root = doc.root();
    plist_dict_set_item(root, "AAC ", plist_new_string("AAC")); // key with its trailing blank
    plist_dict_set_item(root, "text", plist_new_string(" 日本語 & <tags> "));
    plist_dict_set_item(root, "empty", plist_new_string(""));
    plist_dict_set_item(root, "flag", plist_new_bool(1));
    plist_dict_set_item(root, "count", plist_new_uint(42));
    plist_t list = plist_new_array();
    plist_array_append_item(list, plist_new_string("a"));
    plist_array_append_item(list, plist_new_real(29.97));
    plist_dict_set_item(root, "list", list);
    plist_t nested = plist_new_dict();
    plist_dict_set_item(nested, "inner", plist_new_string("x"));
    plist_dict_set_item(root, "nested", nested);

    const QString path = m_dir.filePath(QStringLiteral("round-%1.plist").arg(QTest::currentDataTag()));
    QVERIFY2(doc.save(path, format), qPrintable(doc.errorString()));
    PlistDocument back;
    QVERIFY2(back.load(path), qPrintable(back.errorString()));
    QCOMPARE(back.sourceFormat(), format);
    QCOMPARE(back.toData(PlistDocument::Format::Xml), doc.toData(PlistDocument::Format::Xml));
    QCOMPARE(text(back.root(), "AAC "), std::string("AAC"));
    QCOMPARE(QString::fromStdString(text(back.root(), "text")), QStringLiteral(" 日本語 & <tags> "));
    QCOMPARE(text(back.root(), "count"), std::string("42"));
    QVERIFY(isTrue(PlistDocument::dictItem(back.root(), "flag")));
    QCOMPARE(PlistDocument::arraySize(PlistDocument::dictItem(back.root(), "list")), 2u);
    QCOMPARE(text(PlistDocument::dictItem(back.root(), "nested"), "inner"), std::string("x"));
    // Written through a temporary file and a rename: nothing else is left behind.
    QCOMPARE(QDir(m_dir.path()).entryList({"round-*"}, QDir::Files).size(), 1 + (format == PlistDocument::Format::Binary));
}

void TstSystemServices::plistSaveFailures()
{
    PlistDocument empty;
    QVERIFY(!empty.save(m_dir.filePath("never.plist"), PlistDocument::Format::Xml));
    QVERIFY(!QFile::exists(m_dir.filePath("never.plist")));

    PlistDocument doc = PlistDocument::newDictionary();
    const QString nowhere = m_dir.filePath("no/such/folder/list.plist");
    QVERIFY(!doc.save(nowhere, PlistDocument::Format::Xml));
    QVERIFY2(doc.errorString().contains(nowhere), qPrintable(doc.errorString()));
}

void TstSystemServices::initInfoCompletesACopy_data()
{
    QTest::addColumn<PlistDocument::Format>("format");
    QTest::newRow("shipped xml") << PlistDocument::Format::Xml;
    QTest::newRow("as binary") << PlistDocument::Format::Binary;
}

void TstSystemServices::initInfoCompletesACopy()
{
    QFETCH(PlistDocument::Format, format);
    PlistDocument shipped;
    QVERIFY(shipped.loadFromData(m_shippedBytes, m_shipped));
    // Start from the shipped keys without a version, whatever a local run did.
    plist_dict_remove_item(shipped.root(), "CFBundleShortVersionString");
    const QString copy = m_dir.filePath(QStringLiteral("Info-%1.plist").arg(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(shipped.save(copy, format));
    QVERIFY(VelCommonInterface::infoFileNeedsInit(copy));

    VelCommonInterface::InitInfoToFile(copy.toStdString());

    PlistDocument done;
    QVERIFY2(done.load(copy), qPrintable(done.errorString()));
    QCOMPARE(done.sourceFormat(), format);
    const plist_t root = done.root();
    QCOMPARE(text(root, "CFBundleVersion"), std::string("2.3.2.47"));
    QCOMPARE(text(root, "CFBundleShortVersionString"), std::string("2.3.2"));
    QCOMPARE(text(root, "CFBundleDisplayName"), std::string("Zededera Raziz Azodor"));
    QCOMPARE(text(root, "CFBundleIdentifier"), std::string("com.Velmarin.ZedederaRazizAzodor"));
    QCOMPARE(text(root, "SUPublicDSAKeyFile"), std::string("DSAKeyFile.pem"));
    const QString feed = QString::fromStdString(text(root, "SUFeedURL"));
    QVERIFY2(feed.startsWith("https://"), qPrintable(feed));
    QVERIFY2(feed.endsWith("/api/product/version?pid=500&ver=2.3.2.47"), qPrintable(feed));
    QVERIFY(isTrue(PlistDocument::dictItem(root, "SUEnableSystemProfiling")));
    QVERIFY(isTrue(PlistDocument::dictItem(PlistDocument::dictItem(root, "NSAppTransportSecurity"),
                                           "NSAllowsArbitraryLoads")));
    // What the list held before stays.
    QCOMPARE(text(root, "CFBundleName"), text(shipped.root(), "CFBundleName"));
    QCOMPARE(text(root, "CFBundleExecutable"), std::string("zededera-raziz-azodor"));

    // A second start finds the version and rewrites nothing.
    QVERIFY(!VelCommonInterface::infoFileNeedsInit(copy));
    const QByteArray completed = readAll(copy);
    const QDateTime stamp = QFileInfo(copy).lastModified();
    VelCommonInterface::InitInfoToFile(copy.toStdString());
    QCOMPARE(readAll(copy), completed);
    QCOMPARE(QFileInfo(copy).lastModified(), stamp);
}

void TstSystemServices::initInfoLeavesCompleteList()
{
    const QByteArray own = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                           "<key>CFBundleShortVersionString</key><string>9.9</string>"
                           "<key>CFBundleVersion</key><string>9.9.0.1</string></dict></plist>\n";
    const QString path = m_dir.filePath("Info-own.plist");
    QVERIFY(writeAll(path, own));
    VelCommonInterface::InitInfoToFile(path.toStdString());
    QCOMPARE(readAll(path), own);
}

void TstSystemServices::initInfoLeavesBadFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("malformed") << QByteArray("<?xml version=\"1.0\"?><plist><dict><key>CFBundleName</key>");
    QTest::newRow("array root") << QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist>");
    QTest::newRow("missing") << QByteArray();
}

void TstSystemServices::initInfoLeavesBadFiles()
{
    QFETCH(QByteArray, content);
    const QString path = m_dir.filePath(QStringLiteral("Info-%1.plist").arg(QTest::currentDataTag()).replace(' ', '_'));
    if (!content.isEmpty())
        QVERIFY(writeAll(path, content));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Bundle property list left as it is"));
    VelCommonInterface::InitInfoToFile(path.toStdString());
    if (content.isEmpty())
        QVERIFY(!QFile::exists(path));
    else
        QCOMPARE(readAll(path), content); // nothing lost, nothing half-written
}

void TstSystemServices::powerGoesThroughTheSeam()
{
    m_power.clear();
    VelCommonInterface::shutdownComputer();
    VelCommonInterface::sleepComputer();
    QCOMPARE(m_power, (QList<VelSystemActions::Power>{VelSystemActions::Power::PowerOff,
                                                      VelSystemActions::Power::Suspend}));
}

void TstSystemServices::revealNormalisesPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("revealed");
    QTest::newRow("double slash and backslash") << "/home/u//Converted\\clip//a.mp4" << "/home/u/Converted/clip/a.mp4";
    QTest::newRow("backslashes only") << "C:\\Users\\u\\a.mp4" << "C:/Users/u/a.mp4";
    QTest::newRow("runs of slashes") << "///tmp////a b.mkv" << "/tmp/a b.mkv";
    QTest::newRow("plain") << "/tmp/é.mp4" << "/tmp/é.mp4";
}

void TstSystemServices::revealNormalisesPath()
{
    QFETCH(QString, path);
    QFETCH(QString, revealed);
    m_revealed.clear();
    VelCommonInterface::showFileInFolder(path.toStdString());
    QCOMPARE(m_revealed, QStringList{revealed});
}

void TstSystemServices::defaultActionsRefuseInTests()
{
    // Only the harmless action is tried; the power defaults are never called.
    if (!qEnvironmentVariableIsSet("ZV_TEST_MEDIA_DIR"))
        QSKIP("runs only under the test harness");
    QTest::ignoreMessage(QtWarningMsg, "Refusing to reveal a file inside a test run");
    VelSystemActions::revealWithFileManager(m_shipped);
}

void TstSystemServices::systemVersion()
{
    struct utsname names {};
    QCOMPARE(uname(&names), 0);
    const QString version = VelCommonInterface::SystemVersionInfo();
    QVERIFY2(version.contains(QString::fromLocal8Bit(names.release)), qPrintable(version));
    QVERIFY(version != "Unkown");
    QFile osRelease("/etc/os-release");
    if (osRelease.open(QIODevice::ReadOnly)) {
        const QByteArray data = osRelease.readAll();
        const int at = data.indexOf("PRETTY_NAME=\"");
        if (at >= 0) {
            const int from = at + int(qstrlen("PRETTY_NAME=\""));
            const QString pretty = QString::fromUtf8(data.mid(from, data.indexOf('"', from) - from));
            QVERIFY2(version.startsWith(pretty), qPrintable(version));
        }
    }

    uint32_t major = 0, minor = 0, bugfix = 0;
    QCOMPARE(VelCommonInterface::SystemVersionInfoValue(major, minor, bugfix), 0);
    QVERIFY(major > 0);
    QVERIFY(QString::fromLocal8Bit(names.release).startsWith(QStringLiteral("%1.%2").arg(major).arg(minor)));
    Q_UNUSED(bugfix)
}

void TstSystemServices::writableProbe()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    QVERIFY(VelCommonInterface::isWritableDir(folder));
    QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    QVERIFY(!VelCommonInterface::isWritableDir(dir.path() + "/missing/"));
}

void TstSystemServices::writableProbeSkipsTakenNames()
{
    QTemporaryDir dir;
    const QString folder = dir.path() + '/';
    QVERIFY(writeAll(folder + "Zededera Raziz Azodor.txt", "mine"));
    QVERIFY(writeAll(folder + "Zededera Raziz Azodor1.txt", "mine too"));
    QVERIFY(VelCommonInterface::isWritableDir(folder));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    QCOMPARE(readAll(folder + "Zededera Raziz Azodor.txt"), QByteArray("mine"));

    // Every candidate taken: no answer "writable", and nobody's file is touched.
    for (int i = 2; i <= 99; ++i)
        QVERIFY(writeAll(folder + QStringLiteral("Zededera Raziz Azodor%1.txt").arg(i), "x"));
    QVERIFY(!VelCommonInterface::isWritableDir(folder));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 100);
}

void TstSystemServices::clocksAndSleep()
{
    const uint64_t before = VelCommonInterface::getSystemTime();
    VelCommonInterface::Sleep(20000);
    const uint64_t after = VelCommonInterface::getSystemTime();
    QVERIFY(before > 0);
    QVERIFY2(after - before >= 20000, qPrintable(QString::number(after - before)));
    QVERIFY(after - before < 5000000);
    VelCommonInterface::Sleep(0);
    VelCommonInterface::Sleep(-5);

    const qint64 wall = QDateTime::currentMSecsSinceEpoch() * 1000;
    const auto now = qint64(VelCommonInterface::getDateTime());
    QVERIFY(qAbs(now - wall) < 2000000);
}

void TstSystemServices::utf32Text()
{
    QVERIFY(!VelCommonInterface::ConvertCharToUtft32(nullptr));
    const char *utf32 = VelCommonInterface::ConvertCharToUtft32("a\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80");
    const QByteArray expected("a\0\0\0" "\xE9\0\0\0" "\xE5\x65\0\0" "\x00\xF6\x01\x00" "\0\0\0\0", 20);
    QCOMPARE(QByteArray(utf32, 20), expected);
    const char *empty = VelCommonInterface::ConvertCharToUtft32("");
    QCOMPARE(QByteArray(empty, 4), QByteArray(4, '\0'));

    QCOMPARE(VelCommonInterface::charToQString("d\xC3\xA9j\xC3\xA0"), QStringLiteral("déjà"));
}

void TstSystemServices::windowTopHint()
{
    VelCommonInterface::setWindowTopHint(static_cast<QWindow *>(nullptr));
    FakeWidget noWindow;
    VelCommonInterface::setWindowTopHint(&noWindow);

    QWindow window;
    FakeWidget widget{&window};
    VelCommonInterface::setWindowTopHint(&widget);
    QVERIFY(window.flags() & Qt::WindowStaysOnTopHint);
}

void TstSystemServices::updaterAnswersWithoutNetwork()
{
    VelUpdater *updater = VelUpdater::sharedUpdater();
    QSignalSpy changed(updater, &VelUpdater::automaticChecksChanged);
    QSignalSpy answered(updater, &VelUpdater::checkFinished);

    QVelProjectPlatform::setAutoCheckUpdate(true);
    QVERIFY(updater->automaticallyChecksForUpdates());
    QVelProjectPlatform::setAutoCheckUpdate(true); // unchanged: no signal
    QVelProjectPlatform::setAutoCheckUpdate(false);
    QVERIFY(!updater->automaticallyChecksForUpdates());
    QCOMPARE(changed.size(), 2);

    QVelProjectPlatform::checkForUpdate();
    QCOMPARE(answered.size(), 1);
    QVERIFY(answered.at(0).at(0).toString().contains("no update service is configured"));
    QVERIFY(VelUpdater::feedUrl().startsWith("https://updates.velmarin.example/"));
}

void TstSystemServices::openerVerdict_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("verdict"); // "" for success, else "started" or "not started"
    QTest::newRow("opened") << "sh" << QStringList{"-c", "exit 0"} << "";
    // xdg-open's answer when no program handles folders.
    QTest::newRow("no handler") << "sh" << QStringList{"-c", "exit 3"} << "started";
    QTest::newRow("killed") << "sh" << QStringList{"-c", "kill -9 $$"} << "started";
    QTest::newRow("missing opener") << "/nonexistent/xdg-open" << QStringList{"/tmp"} << "not started";
}

void TstSystemServices::openerVerdict()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, verdict);
    QStringList failures;
    QObject *opener = VelSystemActions::runOpener(program, arguments, [&failures](bool started) {
        failures << (started ? "started" : "not started");
    });
    QVERIFY(opener);
    QSignalSpy ended(opener, &QObject::destroyed);
    QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, TestTiming::scaled(10000));
    QCOMPARE(failures, verdict.isEmpty() ? QStringList() : QStringList{verdict});
}

QTEST_MAIN(TstSystemServices)
#include "tst_systemservices.moc"
