// The player panel with a file opened the way the main window opens it:
// position reports, pause, stop, frame and key-frame steps against the
// pictures ffprobe lists, the end of the file, the audio-only level display,
// a 4:2:2 10-bit picture and the time text.
#include "MainWindow.h"
#include "ModalWatcher.h"
#include "QDualSlider.h"
#include "QAudioDataWidget.h"
#include "TestMedia.h"
#include "VelPlayerClass.h"
#include "VideoImageWindow.h"

#include <QJsonArray>
#include <QLoggingCategory>
#include <QMap>
#include <QMutex>
#include <QJsonDocument>
#include <QJsonObject>
#include <QOpenGLWidget>
#include <QtTest>

namespace {
struct Pictures {
    QList<uint64_t> all;   // microseconds
    QList<uint64_t> keys;
};

Pictures ffprobePictures(const QString &file)
{
    Pictures result;
    const QJsonObject root = QJsonDocument::fromJson(TestMedia::ffprobeJson(
        file, {"-select_streams", "v:0", "-show_frames", "-show_entries", "frame=key_frame,pts_time"})).object();
    for (const QJsonValue &frame : root.value("frames").toArray()) {
        const uint64_t us = uint64_t(qRound64(frame.toObject().value("pts_time").toString().toDouble() * 1e6));
        result.all << us;
        if (frame.toObject().value("key_frame").toInt() == 1)
            result.keys << us;
    }
    return result;
}

// The picture time nearest to t, and how far off it is.
uint64_t nearest(const QList<uint64_t> &times, uint64_t t)
{
    uint64_t best = times.value(0);
    for (uint64_t v : times)
        if (qAbs(qint64(v) - qint64(t)) < qAbs(qint64(best) - qint64(t)))
            best = v;
    return best;
}
// Collects the lines of the program's own logging categories, from any thread.
class ProgramLines
{
public:
    ProgramLines() { s_self = this; m_previous = qInstallMessageHandler(&ProgramLines::handle); }
    ~ProgramLines() { qInstallMessageHandler(m_previous); s_self = nullptr; }
    QStringList of(QtMsgType type) const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines.value(type);
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        if (s_self && context.category && QByteArray(context.category).startsWith("zv.")) {
            QMutexLocker lock(&s_self->m_mutex);
            s_self->m_lines[type] << QString::fromLatin1(context.category) + ": " + text;
        }
    }
    static ProgramLines *s_self;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QMap<QtMsgType, QStringList> m_lines;
};
ProgramLines *ProgramLines::s_self = nullptr;
} // namespace

class TestPlayerPanel : public QObject
{
    Q_OBJECT

private:
    MainWindow *m_window = nullptr;
    ModalWatcher *m_watcher = nullptr;
    QString m_clip;
    Pictures m_pictures;

    QVideoPlayDlg *panel() const { return m_window->m_videoPlayDlg; }
    VelPlayerClass *player() const { return panel()->player(); }
    void open(const QString &path)
    {
        m_window->addImportFile(QStringList{path});
        QVERIFY(m_watcher->messages().isEmpty());
        QVERIFY(!panel()->m_labDrag->isVisible());
    }
    // Pauses once the player has really started, so steps have a picture to start from.
    void pauseAt(double fraction)
    {
        panel()->OnBtnPause();
        panel()->PlayProValueChange(fraction);
        QTRY_VERIFY_WITH_TIMEOUT(player()->IsPause_Player(), 5000);
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void openingShowsTheStartBeforePlaying();
    void playAdvancesThePosition();
    void stepsLandOnListedPictures_data();
    void stepsLandOnListedPictures();
    void stopReturnsToTheStart();
    void endOfFileResetsToTheStart();
    void segmentPlayPausesAtItsEnd();
    void audioOnlyFeedsTheLevelDisplay();
    void tenBit422ShowsAPicture();
    void timeTextAndPercent();
    void surfaceFitsThePicture_data();
    void surfaceFitsThePicture();
    void volumeAndMute();
    void playingPrintsNoDebugLines();
};

void TestPlayerPanel::initTestCase()
{
    m_clip = TestMedia::h264AacMp4();
    QVERIFY(!m_clip.isEmpty());
    m_pictures = ffprobePictures(m_clip);
    QCOMPARE(m_pictures.all.size(), 150);
    QCOMPARE(m_pictures.keys.size(), 3);
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_watcher = new ModalWatcher(this);
}

void TestPlayerPanel::cleanupTestCase() { delete m_window; }

void TestPlayerPanel::openingShowsTheStartBeforePlaying()
{
    // The panel's own player, as SetVideoFile opens it: no event has run yet.
    QVERIFY(panel()->SetVideoFile(m_clip, 0, 0));
    QCOMPARE(panel()->m_labPlayTime->text(), "0:00:00.00 / " + QVideoPlayDlg::timeText(panel()->getPlayLength()));
    QVERIFY(panel()->m_btnPause->isVisible());
    QVERIFY(panel()->m_btnPlay->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(player()->GetPlayTime_Player() > 0, 5000);
    // A file it cannot open leaves the empty look and says so.
    QVERIFY(!panel()->SetVideoFile(QFINDTESTDATA("tst_playerpanel.cpp"), 0, 0));
    QVERIFY(panel()->m_labDrag->isVisible());
    QVERIFY(!m_window->m_videoCutToolbar->m_TrimDSlider->isEnabled());
}

void TestPlayerPanel::playAdvancesThePosition()
{
    QSignalSpy progress(panel(), &QVideoPlayDlg::emitPlayProValue);
    open(m_clip);
    QVERIFY(panel()->m_btnPause->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() >= 3 && progress.last().at(0).toDouble() > 1.0, 10000);
    double last = -1;
    for (const QList<QVariant> &report : progress) {
        if (report.at(0).toDouble() == 0.0)
            continue;
        QVERIFY(report.at(0).toDouble() >= last);
        last = report.at(0).toDouble();
    }
    // The cut tool bar's play handle follows.
    QTRY_VERIFY(qAbs(m_window->m_videoCutToolbar->m_TrimDSlider->getPlayValue() * 100 - last) < 5);
}

void TestPlayerPanel::stepsLandOnListedPictures_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<bool>("keyFrame");
    QTest::addColumn<int>("direction");
    QTest::newRow("next frame") << 0.25 << false << 1;
    QTest::newRow("previous frame") << 0.5 << false << -1;
    QTest::newRow("next key frame") << 0.25 << true << 1;
    QTest::newRow("previous key frame") << 0.75 << true << -1;
}

void TestPlayerPanel::stepsLandOnListedPictures()
{
    QFETCH(double, from);
    QFETCH(bool, keyFrame);
    QFETCH(int, direction);
    open(m_clip);
    pauseAt(from);
    // First a frame step, so the start is a listed picture itself.
    panel()->OnBtnNext();
    const uint64_t start = player()->GetPlayTime_Player();
    QCOMPARE(nearest(m_pictures.all, start), start);

    QSignalSpy progress(panel(), &QVideoPlayDlg::emitPlayProValue);
    if (keyFrame)
        direction > 0 ? panel()->OnBtnNextKet() : panel()->OnBtnPreKey();
    else
        direction > 0 ? panel()->OnBtnNext() : panel()->OnBtnPrevious();
    const uint64_t t = player()->GetPlayTime_Player();
    QVERIFY(panel()->m_btnPlay->isVisible());
    const int at = m_pictures.all.indexOf(start);
    uint64_t expected = 0;
    if (!keyFrame) {
        expected = m_pictures.all.value(at + direction);
    } else {
        for (uint64_t key : m_pictures.keys)
            if ((direction > 0 && key > start && expected == 0) || (direction < 0 && key < start))
                expected = key;
    }
    QCOMPARE(t, expected);
    QCOMPARE(progress.size(), 1);
    QVERIFY(qAbs(progress.at(0).at(0).toDouble() - double(t) * 100.0 / double(panel()->getPlayLength())) < 1e-9);
    QVERIFY(panel()->m_labPlayTime->text().startsWith(QVideoPlayDlg::timeText(t) + " / "));
}

void TestPlayerPanel::stopReturnsToTheStart()
{
    open(m_clip);
    QSignalSpy progress(panel(), &QVideoPlayDlg::emitPlayProValue);
    panel()->OnBtnStop();
    QCOMPARE(progress.size(), 1);
    QCOMPARE(progress.at(0).at(0).toDouble(), 0.0);
    QVERIFY(panel()->m_btnPlay->isVisible());
    QCOMPARE(panel()->m_labPlayTime->text(), "0:00:00.00 / " + QVideoPlayDlg::timeText(panel()->getPlayLength()));
    // Playing again starts from the first picture.
    panel()->OnBtnPlay();
    QTRY_VERIFY_WITH_TIMEOUT(player()->GetPlayTime_Player() > 0, 5000);
    QVERIFY(player()->GetPlayTime_Player() < 3000000);
}

void TestPlayerPanel::endOfFileResetsToTheStart()
{
    open(m_clip);
    QSignalSpy progress(panel(), &QVideoPlayDlg::emitPlayProValue);
    pauseAt(0.9);
    panel()->OnBtnPlay();
    QVERIFY(panel()->m_btnPause->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(panel()->m_btnPlay->isVisible(), 30000);
    QTRY_VERIFY(!progress.isEmpty() && progress.last().at(0).toDouble() == 0.0);
    QCOMPARE(panel()->m_labPlayTime->text(), "0:00:00.00 / " + QVideoPlayDlg::timeText(panel()->getPlayLength()));
}

void TestPlayerPanel::segmentPlayPausesAtItsEnd()
{
    open(m_clip);
    QSignalSpy stopped(panel(), &QVideoPlayDlg::emitStopPlayTrim);
    panel()->SetTrimTime(1000000, 2000000);
    panel()->PlaySection();
    QVERIFY(panel()->IsPlayTrim());
    QTRY_VERIFY_WITH_TIMEOUT(!stopped.isEmpty(), 10000);
    QVERIFY(!panel()->IsPlayTrim());
    QTRY_VERIFY(player()->IsPause_Player());
    QCOMPARE(panel()->m_labPlayTime->text(), "0:00:02.00 / " + QVideoPlayDlg::timeText(panel()->getPlayLength()));
}

void TestPlayerPanel::audioOnlyFeedsTheLevelDisplay()
{
    open(TestMedia::sineWav());
    QAudioDataWidget *levels = panel()->audioDataWidget();
    QVERIFY(panel()->isAudioOnly());
    QVERIFY(levels->isVisible());
    QVERIFY(!panel()->m_videoPlayWidget->isVisible());
    const auto active50 = [this] {
        for (QTimer *timer : panel()->findChildren<QTimer *>())
            if (timer->isActive() && timer->interval() == 50)
                return true;
        return false;
    };
    QVERIFY(active50());
    const auto lit = [levels] {
        for (int v : levels->levels())
            if (v > 0)
                return true;
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(lit(), 10000);
    panel()->OnBtnPause();
    // Pausing clears the bars' peaks at once.
    for (int peak : levels->peaks())
        QCOMPARE(peak, 0);
}

void TestPlayerPanel::tenBit422ShowsAPicture()
{
    const QString clip = TestMedia::make(
        "yuv422p10_prores_2s.mov", {"-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25:duration=2", "-c:v",
                                    "prores_ks", "-profile:v", "2", "-pix_fmt", "yuv422p10le"});
    QVERIFY(!clip.isEmpty());
    open(clip);
    pauseAt(0.5);
    QOpenGLWidget *view = panel()->m_videoPlayWidget->m_ImageWidget;
    const auto brightShare = [view] {
        const QImage grab = view->grabFramebuffer();
        int bright = 0;
        for (int y = 0; y < grab.height(); y += 4)
            for (int x = 0; x < grab.width(); x += 4)
                bright += qGray(grab.pixel(x, y)) > 40;
        return double(bright) / double((grab.height() / 4 + 1) * (grab.width() / 4 + 1));
    };
    QTRY_VERIFY_WITH_TIMEOUT(brightShare() > 0.5, 10000);
}

void TestPlayerPanel::timeTextAndPercent()
{
    QCOMPARE(QVideoPlayDlg::timeText(83456789), QString("0:01:23.45"));
    QCOMPARE(QVideoPlayDlg::timeText(3723450000ull), QString("1:02:03.45"));
    QCOMPARE(QVideoPlayDlg::timeText(0), QString("0:00:00.00"));
    QCOMPARE(QVideoPlayDlg::percentOf(5, 0), 0.0);
    QCOMPARE(QVideoPlayDlg::percentOf(250, 1000), 25.0);
}

void TestPlayerPanel::surfaceFitsThePicture_data()
{
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("view");
    QTest::newRow("16:9 in 700x500") << QSize(700, 500) << QSize(1920, 1080) << QRect(0, 53, 700, 393);
    QTest::newRow("4:3 aspect in 700x500") << QSize(700, 500) << QSize(4, 3) << QRect(17, 0, 666, 500);
    QTest::newRow("no surface") << QSize(0, 0) << QSize(320, 240) << QRect(-160, -120, 320, 240);
}

void TestPlayerPanel::surfaceFitsThePicture()
{
    QFETCH(QSize, surface);
    QFETCH(QSize, picture);
    QFETCH(QRect, view);
    QCOMPARE(VideoImageWindow::fittedRect(surface, picture.width(), picture.height()), view);
}

void TestPlayerPanel::volumeAndMute()
{
    open(m_clip);
    panel()->m_soundSlider->setValue(0);
    panel()->SoundValueChange(0.0);
    QVERIFY(panel()->m_btnSoundClose->isVisible());
    QCOMPARE(panel()->m_btnSoundClose->toolTip(), QString("0%"));
    // Muting with the slider at 0 remembers full volume for unmuting.
    panel()->OnBtnSoundOpen();
    panel()->OnBtnSoundClose();
    QVERIFY(panel()->m_btnSoundOpen->isVisible());
    QVERIFY(panel()->m_soundSlider->getValue() > 99.0f);
    panel()->SoundValueChange(0.5);
    QCOMPARE(panel()->m_btnSoundOpen->toolTip(), QString("100%"));
}

// Playing to the end, stepping and pressing the time-line slider print no debug
// lines unless they are switched on; switched on, the same press prints one.
void TestPlayerPanel::playingPrintsNoDebugLines()
{
    QDualSlider *slider = m_window->m_videoCutToolbar->m_TrimDSlider;
    const QPoint onTrack(slider->width() / 2, slider->height() / 2);
    {
        ProgramLines lines;
        open(m_clip);
        pauseAt(0.8);
        panel()->OnBtnNext();
        panel()->OnBtnPlay();
        QTRY_VERIFY_WITH_TIMEOUT(panel()->m_btnPlay->isVisible(), 30000); // played to the end
        QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, onTrack);
        QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, onTrack);
        QCOMPARE(lines.of(QtDebugMsg), QStringList());
    }
    ProgramLines lines;
    QLoggingCategory::setFilterRules(QStringLiteral("zv.*.debug=true"));
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, onTrack);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, onTrack);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY2(!lines.of(QtDebugMsg).filter("zv.widgets: ").isEmpty(), qPrintable(lines.of(QtDebugMsg).join('\n')));
}

QTEST_MAIN(TestPlayerPanel)
#include "tst_playerpanel.moc"
