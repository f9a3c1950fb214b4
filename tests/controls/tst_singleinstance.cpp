#include "QtLocalPeer.h"
#include "QtSingleApplication.h"
#include "TestTiming.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileOpenEvent>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtEndian>
#include <QtTest>

#include <unistd.h>

// Runs the helper program as the first instance and reads what it prints.
class Primary
{
public:
    explicit Primary(const QProcessEnvironment& env)
    {
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QCoreApplication::applicationDirPath() + "/singleinstance_helper", {"first"});
    }

    ~Primary()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // The socket path the primary listens on, once it reports itself ready.
    QString waitReady()
    {
        if (!waitForLine("primary "))
            return QString();
        return m_lines.last().mid(8);
    }

    bool waitForLine(const QString& line, int timeoutMs = TestTiming::scaled(5000))
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            for (const QString& seen : m_lines) {
                if (seen == line || (line.endsWith(' ') && seen.startsWith(line)))
                    return true;
            }
            m_process.waitForReadyRead(100);
            while (m_process.canReadLine())
                m_lines << QString::fromUtf8(m_process.readLine()).chopped(1);
        }
        return false;
    }

    QStringList lines() const { return m_lines; }

private:
    QProcess m_process;
    QStringList m_lines;
};

class TestSingleInstance : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_runtime;
    QProcessEnvironment m_env;

    int runSecond(const QString& message, qint64* elapsedMs = nullptr)
    {
        QProcess second;
        second.setProcessEnvironment(m_env);
        QElapsedTimer clock;
        clock.start();
        second.start(QCoreApplication::applicationDirPath() + "/singleinstance_helper", {message});
        if (!second.waitForFinished(15000))
            return -1;
        if (elapsedMs)
            *elapsedMs = clock.elapsed();
        return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -2;
    }

    static QByteArray frame(qint32 length, const QByteArray& body)
    {
        QByteArray bytes(4, '\0');
        qToBigEndian<qint32>(length, bytes.data());
        return bytes + body;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        QFile::setPermissions(m_runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    void socketName_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<bool>("isPath");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("file name letters only") << "/opt/app/Zariv-Adidav 3" << true << "ZarivA";
        QTest::newRow("id used as it is") << "my-id" << false << "myid";
        QTest::newRow("backslashes") << "C:\\apps\\Cutter.exe" << true << "Cutter";
    }

    void socketName()
    {
        QFETCH(QString, id);
        QFETCH(bool, isPath);
        QFETCH(QString, prefix);
        QtLocalPeer peer(nullptr, "unused");
        QString text = id;
        const QString name = peer.checkSocketName(text, isPath);
        const QStringList parts = name.split('-');
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0), QString("qtsingleapp"));
        QCOMPARE(parts.at(1), prefix);
        const QByteArray bytes = text.toUtf8();
        QCOMPARE(parts.at(2), QString::number(qChecksum(bytes.constData(), uint(bytes.size())), 16));
        QCOMPARE(parts.at(3), QString::number(getuid(), 16));
    }

    void channelLivesInRuntimeFolder()
    {
        QtLocalPeer peer(nullptr, "channel-test");
        QCOMPARE(QtLocalPeer::channelFolder(), QDir(m_runtime.path()).absolutePath());
        QCOMPARE(peer.lockFilePath(), m_runtime.path() + "/" + peer.socketName() + "-lockfile");
        QVERIFY(QFile::exists(peer.lockFilePath()));
    }

    void fallbackFolderIsPrivate()
    {
        qputenv("XDG_RUNTIME_DIR", "");
        const QString folder = QtLocalPeer::channelFolder();
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
        QCOMPARE(folder, QDir::tempPath() + "/qtsingleapp-" + QString::number(getuid(), 16));
        QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
                 QFile::Permissions());
    }

    void unopenableLockFileMeansPrimary()
    {
        QtLocalPeer probe(nullptr, "locked-out");
        const QString lockPath = probe.lockFilePath();
        QFile::remove(lockPath);
        // A folder where the lock file should be: it cannot be opened as a file.
        QVERIFY(QDir().mkpath(lockPath));
        QtLocalPeer peer(nullptr, "locked-out");
        QVERIFY(!peer.isClient());
        QVERIFY(!peer.sendMessage("to myself", 500));
        QDir(lockPath).removeRecursively();
    }

    void sendWithoutName()
    {
        QtLocalPeer peer(nullptr, "no-name");
        QVERIFY(!peer.sendMessageToSocket(QString(), "text", 500));
    }

    void secondStartHandsOverItsMessage()
    {
        Primary primary(m_env);
        QVERIFY(!primary.waitReady().isEmpty());
        QCOMPARE(runSecond(QString::fromUtf8("hello w\xc3\xb6rld")), 0);
        QVERIFY2(primary.waitForLine(QString::fromUtf8("message:hello w\xc3\xb6rld")), qPrintable(primary.lines().join('|')));
        QCOMPARE(runSecond(QString()), 0);
        QVERIFY(primary.waitForLine("message:"));
    }

    void silentClientDoesNotBlock()
    {
        Primary primary(m_env);
        const QString path = primary.waitReady();
        QVERIFY(!path.isEmpty());
        QLocalSocket silent;
        silent.connectToServer(path);
        QVERIFY(silent.waitForConnected(2000));
        qint64 elapsed = 0;
        QCOMPARE(runSecond("after the silent one", &elapsed), 0);
        // Answered within its own limits (exit code 0); the start-up of the
        // helper on a busy machine only adds to the time.
        QVERIFY2(elapsed < TestTiming::scaled(3000), qPrintable(QString::number(elapsed)));
        QVERIFY(primary.waitForLine("message:after the silent one"));
        // The silent connection is closed once its time is up.
        QVERIFY(silent.state() == QLocalSocket::UnconnectedState || silent.waitForDisconnected(4000));
    }

    void hostileFrames_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("line");
        QTest::newRow("negative length") << frame(-1, "abc") << QByteArray() << QString();
        QTest::newRow("length above 64 KiB") << frame(64 * 1024 + 1, "abc") << QByteArray() << QString();
        QTest::newRow("embedded zero byte") << frame(5, QByteArray("ab\0cd", 5)) << QByteArray("ack") << "message:ab";
        QTest::newRow("text cut short") << frame(10, "short") << QByteArray("ack") << "message:short";
        QTest::newRow("length at the limit") << frame(64 * 1024, QByteArray(64 * 1024, 'x')) << QByteArray("ack")
                                             << QString("message:") + QString(64 * 1024, 'x');
    }

    void hostileFrames()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, reply);
        QFETCH(QString, line);
        Primary primary(m_env);
        const QString path = primary.waitReady();
        QVERIFY(!path.isEmpty());
        QLocalSocket client;
        client.connectToServer(path);
        QVERIFY(client.waitForConnected(2000));
        client.write(bytes);
        while (client.bytesToWrite() > 0)
            QVERIFY(client.waitForBytesWritten(2000));
        QByteArray answer;
        QElapsedTimer clock;
        clock.start();
        while (answer.size() < 3 && clock.elapsed() < 4000 && client.state() == QLocalSocket::ConnectedState) {
            client.waitForReadyRead(200);
            answer += client.readAll();
        }
        answer += client.readAll();
        QCOMPARE(answer, reply);
        if (!line.isEmpty())
            QVERIFY(primary.waitForLine(line));
        // The primary still serves the next start.
        QCOMPARE(runSecond("still alive"), 0);
        QVERIFY(primary.waitForLine("message:still alive"));
    }

    void activationFollowsMessages()
    {
        auto* app = qobject_cast<QtSingleApplication*>(qApp);
        QVERIFY(app);
        QWidget window;
        window.show();
        window.setWindowState(Qt::WindowMinimized);
        app->setActivationWindow(&window, true);
        QCOMPARE(app->activationWindow(), &window);
        app->setActivationWindowTempState();
        emit app->peer()->messageReceived(QString());
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        emit app->peer()->messageReceived(QString());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));

        window.setWindowState(Qt::WindowMinimized);
        app->setActivationWindow(&window, false);
        emit app->peer()->messageReceived(QString());
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        QCOMPARE(app->activationWindow(), &window);
    }

    void fileOpenEventBecomesMessage()
    {
        auto* app = qobject_cast<QtSingleApplication*>(qApp);
        QWidget window;
        window.show();
        window.setWindowState(Qt::WindowMinimized);
        app->setActivationWindow(&window, true);
        QSignalSpy received(app, &QtSingleApplication::messageReceived);
        QFileOpenEvent event(QString("/tmp/movie.mp4"));
        QCoreApplication::sendEvent(app, &event);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.first().at(0).toString(), QString("/tmp/movie.mp4"));
        QVERIFY(window.windowState() & Qt::WindowMinimized);
        app->setActivationWindow(nullptr, false);
    }
};

int main(int argc, char** argv)
{
    QtSingleApplication app(argc, argv, true);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_singleinstance.moc"
