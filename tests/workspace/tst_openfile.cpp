// Opening a file in the main window: through addImportFile and through a
// drop, behind the loading dialog; what bad input leaves behind; and Stop
// during a probe that never gets data.
#include "MainWindow.h"
#include "ModalWatcher.h"
#include "QLoadingDlg.h"
#include "TestMedia.h"
#include "TestTiming.h"
#include "VelPlayerClass.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {
VelVideoConvertManager *items() { return VelVideoConvertManager::getConvertManagerObject(nullptr); }

double ffprobeDuration(const QString &file)
{
    const QJsonObject root =
        QJsonDocument::fromJson(TestMedia::ffprobeJson(file, {"-show_entries", "format=duration"})).object();
    return root.value("format").toObject().value("duration").toString().toDouble();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class TestOpenFile : public QObject
{
    Q_OBJECT

private:
    MainWindow *m_window = nullptr;
    ModalWatcher *m_watcher = nullptr;
    QTemporaryDir m_dir;
    QString m_clip;

    QVideoPlayDlg *player() const { return m_window->m_videoPlayDlg; }
    uint64_t playTime() const { return player()->player()->GetPlayTime_Player(); }
    // Playing: the pause button is up and the play time moves on.
    bool isPlaying() const
    {
        if (!player()->m_btnPause->isVisible())
            return false;
        const uint64_t before = playTime();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 10000) {
            QTest::qWait(50);
            if (playTime() > before)
                return true;
        }
        return false;
    }
    void drop(const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const QPoint at(m_window->width() / 2, m_window->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window, &event);
    }
    void openClip()
    {
        m_window->addImportFile(QStringList{m_clip});
        QCOMPARE(items()->GetItemCount(), 1);
        QCOMPARE(items()->GetItem(0)->m_sourcePath, m_clip);
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void opensBehindTheLoadingDialog();
    void dropOpensTheLastLocalFile();
    void dropWhileConvertingIsIgnored();
    void badInputKeepsThePreviousFile_data();
    void badInputKeepsThePreviousFile();
    void stopDuringSlowProbe();
    void stoppedRunDoesNotDisturbTheNext();
    void supportedSuffixes_data();
    void supportedSuffixes();
};

void TestOpenFile::initTestCase()
{
    m_clip = TestMedia::h264AacMp4();
    QVERIFY(!m_clip.isEmpty());
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_watcher = new ModalWatcher(this);
}

void TestOpenFile::cleanupTestCase() { delete m_window; }

void TestOpenFile::init() { m_watcher->clear(); }

void TestOpenFile::opensBehindTheLoadingDialog()
{
    QSignalSpy progress(player(), &QVideoPlayDlg::emitPlayProValue);
    openClip();
    QVERIFY(m_watcher->dialogClasses().contains("QLoadingDlg"));
    QVERIFY(m_watcher->messages().isEmpty());
    QVERIFY(!m_window->loadingDlg());

    VelVideoConvertItem *item = items()->GetItem(0);
    const uint64_t duration = player()->getPlayLength();
    QVERIFY(qAbs(double(duration) / 1e6 - ffprobeDuration(m_clip)) < 0.05);
    QCOMPARE(item->m_duration, duration);
    QCOMPARE(item->m_trimStart, uint64_t(0));
    QCOMPARE(item->m_trimEnd, duration);
    QVERIFY(item->m_bSelected);
    QVERIFY(item->m_picture && !item->m_picture->isNull());
    QCOMPARE(m_window->m_videoCutToolbar->getItemInfo(), item);
    QVERIFY(m_window->m_videoCutToolbar->m_btnStartSet->isEnabled());
    QVERIFY(m_window->m_videoCutToolbar->m_TrimDSlider->isEnabled());
    QVERIFY(player()->m_labDrag->isHidden());

    // Playback starts at once and the position moves on.
    QVERIFY(isPlaying());
    QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0).toDouble() > 0, 10000);
    const QString total = QVideoPlayDlg::timeText(duration);
    QVERIFY2(player()->m_labPlayTime->text().endsWith(" / " + total), qPrintable(player()->m_labPlayTime->text()));
    player()->OnBtnStop();
    QCOMPARE(player()->m_labPlayTime->text(), "0:00:00.00 / " + total);
}

void TestOpenFile::dropOpensTheLastLocalFile()
{
    drop({QUrl::fromLocalFile(TestMedia::sineWav()), QUrl::fromLocalFile(m_clip)});
    QVERIFY(m_watcher->dialogClasses().contains("QLoadingDlg"));
    QCOMPARE(items()->GetItemCount(), 1);
    QCOMPARE(items()->GetItem(0)->m_sourcePath, m_clip);
    QVERIFY(isPlaying());
}

void TestOpenFile::dropWhileConvertingIsIgnored()
{
    openClip();
    m_watcher->clear();
    m_window->IsStartToConverter(true);
    QVERIFY(MainWindow::isConverting());
    QVERIFY(!player()->m_btnPlay->isEnabled());
    drop({QUrl::fromLocalFile(TestMedia::sineWav())});
    m_window->IsStartToConverter(false);
    QVERIFY(m_watcher->dialogClasses().isEmpty());
    QCOMPARE(items()->GetItemCount(), 1);
    QCOMPARE(items()->GetItem(0)->m_sourcePath, m_clip);
    QVERIFY(player()->m_btnPlay->isEnabled());
}

void TestOpenFile::badInputKeepsThePreviousFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<QString>("message");
    // The line below the message: the file's name, then a part of the reason
    // (empty: any reason).
    QTest::addColumn<QString>("reason");
    const QString failed = "Open file failed. ";
    const QString dropHint = "Please drop an existing local file. ";
    QTest::newRow("text named .mp4") << "text.mp4" << false << failed << "";
    QTest::newRow("zero bytes") << "empty.mp4" << false << failed << "";
    QTest::newRow("missing") << "missing.mp4" << false << failed << "No such file or directory";
    QTest::newRow("truncated mp4") << "truncated.mp4" << false << failed << "";
    QTest::newRow("refused suffix") << "book.AAX" << false << failed << "not supported";
    QTest::newRow("no suffix") << "movie" << false << failed << "not supported";
    QTest::newRow("dropped web link") << "http://example.invalid/clip.mp4" << true << dropHint << QString();
    QTest::newRow("dropped missing file") << "gone.mp4" << true << dropHint << QString();
}

void TestOpenFile::badInputKeepsThePreviousFile()
{
    QFETCH(QString, name);
    QFETCH(bool, dropped);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    openClip();
    m_watcher->clear();

    const QString path = m_dir.filePath(name);
    writeFile(m_dir.filePath("text.mp4"), "this is not a movie\n");
    writeFile(m_dir.filePath("empty.mp4"), QByteArray());
    writeFile(m_dir.filePath("book.AAX"), "not a book");
    QFile::copy(m_clip, m_dir.filePath("movie"));
    QFile whole(m_clip);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    writeFile(m_dir.filePath("truncated.mp4"), whole.read(whole.size() / 3));

    if (dropped)
        drop({name.startsWith("http") ? QUrl(name) : QUrl::fromLocalFile(path)});
    else
        m_window->addImportFile(QStringList{path});
    QTRY_COMPARE_WITH_TIMEOUT(m_watcher->messages().size(), 1, 10000);
    const QStringList lines = m_watcher->messages().first().split('\n');
    QCOMPARE(lines.first(), message);
    if (reason.isNull()) {
        QCOMPARE(lines.size(), 1);
    } else {
        QCOMPARE(lines.size(), 2);
        const QString prefix = QFileInfo(name).fileName() + ": ";
        QVERIFY2(lines.at(1).startsWith(prefix) && lines.at(1).size() > prefix.size() + 3, qPrintable(lines.at(1)));
        QVERIFY2(lines.at(1).contains(reason), qPrintable(lines.at(1)));
    }
    QCOMPARE(items()->GetItemCount(), 1);
    QCOMPARE(items()->GetItem(0)->m_sourcePath, m_clip);
    QCOMPARE(m_window->m_videoCutToolbar->getItemInfo(), items()->GetItem(0));
    QVERIFY(!m_window->loadingDlg());
    QVERIFY(isPlaying());
}

void TestOpenFile::stopDuringSlowProbe()
{
    const QString fifo = m_dir.filePath("never.mp4");
    QFile::remove(fifo);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer sinceStop;
    QTimer::singleShot(500, m_window, [&] {
        QVERIFY(m_window->loadingDlg());
        sinceStop.start();
        m_window->loadingDlg()->m_btnCancel->click();
    });
    m_window->addImportFile(QStringList{fifo});
    QVERIFY(sinceStop.isValid());
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->loadingDlg(), TestTiming::scaled(5000));
    QVERIFY2(sinceStop.elapsed() < TestTiming::scaled(1000), qPrintable(QString::number(sinceStop.elapsed())));
    QVERIFY(m_watcher->messages().isEmpty());

    // The interrupt was lowered again: the next open works.
    openClip();
    QVERIFY(isPlaying());
}

void TestOpenFile::stoppedRunDoesNotDisturbTheNext()
{
    const QString fifo = m_dir.filePath("never2.mp4");
    QFile::remove(fifo);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString wav = TestMedia::sineWav();
    bool reopened = false;
    // Stop, then open the next file before the stopped run has ended: its
    // late completion must not end the new run or touch its results.
    QTimer::singleShot(500, m_window, [&] {
        m_window->loadingDlg()->m_btnCancel->click();
        m_window->addImportFile(QStringList{wav});
        reopened = true;
    });
    m_window->addImportFile(QStringList{fifo});
    QTRY_VERIFY_WITH_TIMEOUT(reopened, 30000);
    QVERIFY(!m_window->loadingDlg());
    QVERIFY(m_watcher->messages().isEmpty());
    QCOMPARE(items()->GetItemCount(), 1);
    QCOMPARE(items()->GetItem(0)->m_sourcePath, wav);
    QVERIFY(player()->isAudioOnly());
    QVERIFY(isPlaying());
}

void TestOpenFile::supportedSuffixes_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("supported");
    QTest::newRow("mp4") << "/a/clip.mp4" << true;
    QTest::newRow("unknown goes to the codec") << "/a/clip.xyz" << true;
    QTest::newRow("aa") << "/a/book.aa" << false;
    QTest::newRow("AAX upper case") << "/a/book.AAX" << false;
    QTest::newRow("aaxc is not aax") << "/a/book.aaxc" << true;
    QTest::newRow("no suffix") << "/a/movie" << false;
}

void TestOpenFile::supportedSuffixes()
{
    QFETCH(QString, path);
    QFETCH(bool, supported);
    QCOMPARE(MainWindow::IsSupportFile(path), supported);
}

QTEST_MAIN(TestOpenFile)
#include "tst_openfile.moc"
