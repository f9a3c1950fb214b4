// Settings files and the log that are not plain files (a FIFO left in their
// place) or that do not parse: every reader returns at once, the thing in the
// way is moved aside as "<name>.bad", and a reset is shown to the user once.
#include "MessageBoxAnswerer.h"
#include "ShippedProgram.h"
#include "TestMedia.h"
#include "TestTiming.h"

#include "MainWindow.h"
#include "QIAnyUtil.h"
#include "QSettingsResetNotice.h"
#include "QVelProjectPath.h"
#include "QVedioEditSettingXml.h"
#include "QVideoSettingXml.h"
#include "zovAruzIvivu.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <csignal>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

enum class Reader { MainSettings, FormatSettings, EditorSettings, Log };

bool isFifo(const QString &path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

void removeWithCopies(const QString &path)
{
    QFile::remove(path);
    QDir folder = QFileInfo(path).dir();
    for (const QString &name : folder.entryList({QFileInfo(path).fileName() + ".bad*"}, QDir::Files | QDir::System))
        folder.remove(name);
}

// Lets a reader or writer that waits on the FIFO go, once the time is up, so
// that a hang shows as a failure instead of a stuck test.
class FifoWatchdog
{
public:
    FifoWatchdog(const QString &fifo, int limitMs) : m_fifo(QFile::encodeName(fifo))
    {
        m_thread = std::thread([this, limitMs] {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_wake.wait_for(lock, std::chrono::milliseconds(limitMs), [this] { return m_done; }))
                return;
            m_fired = true;
            const int fd = ::open(m_fifo.constData(), O_RDWR | O_NONBLOCK);
            if (fd >= 0) {
                ::usleep(200000);
                ::close(fd);
            }
        });
    }
    ~FifoWatchdog() { finish(); }

    // True when the watched call had to be released.
    bool finish()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        if (m_thread.joinable())
            m_thread.join();
        return m_fired;
    }

private:
    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_fired{false};
    std::thread m_thread;
};

} // namespace

class TestUnusableSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readReturnsBesideAFifo_data();
    void readReturnsBesideAFifo();
    void programStartsBesideAFifo();
    void resetIsShownOnce();

private:
    QTemporaryDir m_logFolder;
};

void TestUnusableSettings::initTestCase()
{
    // A writer released by the watchdog would otherwise end the whole test.
    ::signal(SIGPIPE, SIG_IGN);
    QVERIFY(m_logFolder.isValid());
    QCOMPARE(ZV_Initialize_Library(0, 1), 1);
}

void TestUnusableSettings::readReturnsBesideAFifo_data()
{
    QTest::addColumn<int>("reader");
    QTest::newRow("main settings") << int(Reader::MainSettings);
    QTest::newRow("format settings") << int(Reader::FormatSettings);
    QTest::newRow("editor settings") << int(Reader::EditorSettings);
    QTest::newRow("log") << int(Reader::Log);
}

void TestUnusableSettings::readReturnsBesideAFifo()
{
    QFETCH(int, reader);
    const QString data = QIAnyUtil::getAppDataPath();
    QVERIFY(QDir().mkpath(data));
    const QString path = reader == int(Reader::MainSettings)     ? data + "/VideoDefaultSetting.xml"
                         : reader == int(Reader::FormatSettings) ? data + "/VideoDefaultFormatSetting.xml"
                         : reader == int(Reader::EditorSettings)
                             ? QVelProjectPath::getAppDataPath(QString(), QString()) + "/VedioEditDefaultSetting.xml"
                                                                 : m_logFolder.filePath("zv.log");
    removeWithCopies(path);
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    FifoWatchdog watchdog(path, TestTiming::scaled(2000));
    switch (Reader(reader)) {
    case Reader::MainSettings:
        QCOMPARE(QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N"), QString("N"));
        QVideoSettingXml::SetItemValue("LISTMODEL_ITEM", "ListModel_Line", "Y");
        QCOMPARE(QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N"), QString("Y"));
        break;
    case Reader::FormatSettings: {
        QVERIFY(!QVideoSettingXml::GetDefaultFormat("4000"));
        QualitySet values;
        values.V_Encoder = "libx264";
        QVideoSettingXml::SetDefaultFormat("4000", &values);
        QualitySet *stored = QVideoSettingXml::GetDefaultFormat("4000");
        QVERIFY(stored);
        QCOMPARE(stored->V_Encoder, QString("libx264"));
        break;
    }
    case Reader::EditorSettings:
        QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QString("JPG"));
        QVedioEditSettingXml::setCaptureImgSuffix("PNG");
        QCOMPARE(QVedioEditSettingXml::getCaptureImgSuffix(), QString("PNG"));
        break;
    case Reader::Log: {
        QCOMPARE(ZV_SetDataPath_Library(m_logFolder.path().toUtf8().constData()), 1);
        ZvInfo *info = ZV_Create_Info(0xFFFFFFFF);
        QCOMPARE(ZV_Open_Info(info, m_logFolder.filePath("missing.mkv").toUtf8().constData()), 0);
        ZV_Destroy_Info(info);
        QFile log(path);
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("missing.mkv"));
        break;
    }
    }
    QVERIFY2(!watchdog.finish(), "the read waited on the FIFO");
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY2(isFifo(path + ".bad"), "the FIFO was not kept aside");
}

// The main settings are read before the window is built.
void TestUnusableSettings::programStartsBesideAFifo()
{
    const QString fileName = "VideoDefaultSetting.xml";
    const QString source = TestMedia::h264AacMp4();
    QVERIFY(!source.isEmpty());
    QTemporaryDir home;
    ShippedProgram program(home.path());
    QVERIFY(QDir().mkpath(program.dataDir()));
    const QString path = program.dataDir() + "/" + fileName;
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);

    program.start(source, false);
    QVERIFY(program.process.waitForStarted(10000));
    FifoWatchdog watchdog(path, TestTiming::scaled(30000));
    const bool opened = program.waitForLine("opened", TestTiming::scaled(30000));
    watchdog.finish();
    const QString report = program.report();
    program.stop();
    QVERIFY2(opened, qPrintable(report));
    QVERIFY2(isFifo(path + ".bad"), qPrintable(report));
    QCOMPARE(int(program.lines().count("modal QVelMessageBox")), 1);
    QVERIFY2(report.contains(fileName + ".bad"), qPrintable(report));
}

void TestUnusableSettings::resetIsShownOnce()
{
    const QString path = QIAnyUtil::getAppDataPath() + "/VideoDefaultSetting.xml";
    removeWithCopies(path);
    QFile garbage(path);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("<ROOTITEM><LISTMODEL_ITEM");
    garbage.close();

    // Resets of the earlier tests would be handed to the first window too.
    QSettingsResetNotice::setListener([](const QString &, const QString &) {});
    QSettingsResetNotice::setListener(nullptr);
    MessageBoxAnswerer answerer;
    {
        MainWindow window;
        window.show();
        QTRY_COMPARE_WITH_TIMEOUT(answerer.messages.size(), 1, TestTiming::scaled(5000));
        QVERIFY2(answerer.messages.first().contains(QDir::toNativeSeparators(path)),
                 qPrintable(answerer.messages.first()));
        QVERIFY(answerer.messages.first().contains("VideoDefaultSetting.xml.bad"));
    }
    QVERIFY(QFileInfo::exists(path + ".bad"));
    // The file is whole again: the next start has nothing to say.
    MainWindow again;
    again.show();
    QTest::qWait(500);
    QCOMPARE(answerer.messages.size(), 1);
}

QTEST_MAIN(TestUnusableSettings)
#include "tst_unusablesettings.moc"
