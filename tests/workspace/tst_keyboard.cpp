// The real window driven from the keyboard and the mouse, as a user meets it:
// times typed into the cut tool bar and the segment row, the frame and key-frame
// steps keeping the time text and the play handle on the picture, and the arrow
// keys on the slider.
#include "MainWindow.h"
#include "ModalWatcher.h"
#include "QCustomTimeEdit.h"
#include "QDualSlider.h"
#include "QTimeEditEx.h"
#include "QVideoConvertItem.h"
#include "QVideoCutDlg.h"
#include "QVideoCutManageDlg.h"
#include "TestMedia.h"
#include "VelPlayerClass.h"
#include "VelVideoConvertItem.h"
#include "VideoImageWindow.h"
#include "WindowMouse.h"

#include <QLineEdit>
#include <QTimeEdit>
#include <QtTest>

namespace {
constexpr quint64 kSecond = 1000000;
}

class TestKeyboard : public QObject
{
    Q_OBJECT

private:
    MainWindow *m_window = nullptr;
    ModalWatcher *m_watcher = nullptr;
    QString m_clip;

    QVideoPlayDlg *panel() const { return m_window->m_videoPlayDlg; }
    VelPlayerClass *player() const { return panel()->player(); }
    QVideoCutDlg *bar() const { return m_window->m_videoCutToolbar; }
    QVideoConvertItem *row() const { return m_window->m_videoItemDlg->getSelectItem(); }
    VelVideoConvertItem *item() const { return row()->getItemInfo(); }
    QCustomTimeEdit *field(const QString &which) const
    {
        if (which == "bar start")
            return bar()->m_startTimeEdit;
        if (which == "bar end")
            return bar()->m_endTimeEdit;
        return which == "row start" ? row()->startEdit() : row()->endEdit();
    }
    void open()
    {
        m_window->addImportFile(QStringList{m_clip});
        QVERIFY(m_watcher->messages().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(row() && bar()->m_TrimDSlider->isEnabled(), 10000);
        // Pauses once the player has really started, so a seek is not overtaken by the start.
        QTRY_VERIFY_WITH_TIMEOUT(player()->GetPlayTime_Player() > 0, 10000);
        panel()->OnBtnPause();
        QTRY_VERIFY_WITH_TIMEOUT(player()->IsPause_Player(), 5000);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    void pauseAt(double fraction)
    {
        panel()->PlayProValueChange(fraction);
        QTRY_VERIFY_WITH_TIMEOUT(player()->IsPause_Player(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(double(player()->GetPlayTime_Player()) -
                                      fraction * double(panel()->getPlayLength())) < 100000, 5000);
    }
    // The time text, the cut tool bar's play handle and the player all at the picture shown.
    void verifyInStep(uint64_t picture)
    {
        QCOMPARE(player()->GetPlayTime_Player(), picture);
        QVERIFY2(panel()->m_labPlayTime->text().startsWith(QVideoPlayDlg::timeText(picture) + " / "),
                 qPrintable(panel()->m_labPlayTime->text()));
        const double handle = double(bar()->m_TrimDSlider->getPlayValue());
        QVERIFY2(qAbs(handle - double(picture) / double(panel()->getPlayLength())) < 0.01,
                 qPrintable(QString::number(handle)));
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void typedTimeMovesTheSegment_data();
    void typedTimeMovesTheSegment();
    void stepsKeepTextAndHandleOnThePicture_data();
    void stepsKeepTextAndHandleOnThePicture();
    void clickGivesTheSliderTheArrowKeys_data();
    void clickGivesTheSliderTheArrowKeys();
};

void TestKeyboard::initTestCase()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    m_clip = TestMedia::h264AacMp4();
    QVERIFY(!m_clip.isEmpty());
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_watcher = new ModalWatcher(this);
}

void TestKeyboard::cleanupTestCase() { delete m_window; }

void TestKeyboard::typedTimeMovesTheSegment_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("confirm");
    QTest::addColumn<quint64>("start");
    QTest::addColumn<quint64>("end");
    // The segment starts as 1 s .. 4 s of the 6 s clip; an end of 0 stands for the file's length.
    const int enter = Qt::Key_Return, tab = Qt::Key_Tab, away = 0;
    QTest::newRow("bar end, Enter") << "bar end" << "00:00:03.000" << enter << kSecond << 3 * kSecond;
    QTest::newRow("bar start, Tab") << "bar start" << "00:00:02.500" << tab << 2500000ULL << 4 * kSecond;
    QTest::newRow("row start, focus out") << "row start" << "00:00:00.250" << away << 250000ULL << 4 * kSecond;
    QTest::newRow("row end, Enter") << "row end" << "00:00:04.750" << enter << kSecond << 4750000ULL;
    QTest::newRow("end past the file") << "bar end" << "00:00:09.000" << enter << kSecond << 0ULL;
    QTest::newRow("start past the end") << "row start" << "00:00:04.500" << enter << 4 * kSecond << 4 * kSecond;
    QTest::newRow("end before the start") << "row end" << "00:00:00.500" << enter << kSecond << kSecond;
    QTest::newRow("emptied field") << "bar end" << "\b" << enter << kSecond << 4 * kSecond;
    QTest::newRow("emptied row field, focus out") << "row start" << "\b" << away << kSecond << 4 * kSecond;
}

void TestKeyboard::typedTimeMovesTheSegment()
{
    QFETCH(QString, which);
    QFETCH(QString, typed);
    QFETCH(int, confirm);
    QFETCH(quint64, start);
    QFETCH(quint64, end);
    open();
    const quint64 length = panel()->getPlayLength();
    QVERIFY(length > 5 * kSecond);
    if (end == 0)
        end = length;
    bar()->startTimeChange(kSecond);
    bar()->endTimeChange(4 * kSecond);
    row()->startTimeChange(kSecond);
    row()->endTimeChange(4 * kSecond);

    QTimeEditEx *editor = field(which)->editor();
    QTest::mouseClick(editor->getLindEdit(), Qt::LeftButton);
    QTRY_VERIFY(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, typed);
    // Nothing is taken while typing.
    QCOMPARE(item()->m_trimStart, kSecond);
    QCOMPARE(item()->m_trimEnd, 4 * kSecond);
    if (confirm)
        QTest::keyClick(editor, Qt::Key(confirm));
    else
        bar()->m_TrimDSlider->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(item()->m_trimStart, start);
    QTRY_COMPARE(item()->m_trimEnd, end);
    // Bar, row and slider all show the segment's times.
    for (const QString &name : {"bar start", "row start"})
        QCOMPARE(field(name)->getCurrentTime(), start);
    for (const QString &name : {"bar end", "row end"})
        QCOMPARE(field(name)->getCurrentTime(), end);
    const quint64 own = which.endsWith("start") ? start : end;
    QCOMPARE(field(which)->editor()->getLindEdit()->text(), QTime(0, 0).addMSecs(int(own / 1000)).toString("hh:mm:ss.zzz"));
    QCOMPARE(field("bar start")->editor()->time(), QTime(0, 0).addMSecs(int(start / 1000)));
    QCOMPARE(field("row end")->editor()->time(), QTime(0, 0).addMSecs(int(end / 1000)));
    QVERIFY(qAbs(double(bar()->m_TrimDSlider->getEndValue()) - double(end) / double(length)) < 0.01);
    QVERIFY(qAbs(double(bar()->m_TrimDSlider->getStartValue()) - double(start) / double(length)) < 0.01);
}

void TestKeyboard::stepsKeepTextAndHandleOnThePicture_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<bool>("keyFrame");
    QTest::addColumn<int>("direction");
    QTest::newRow("previous key frame back to the first picture") << 0.1 << true << -1;
    QTest::newRow("previous frame back to the first picture") << 0.0 << false << -1;
    QTest::newRow("next key frame") << 0.1 << true << 1;
    QTest::newRow("next frame") << 0.5 << false << 1;
}

// A step that lands on the first picture (time 0) used to leave the text and the
// handle where they were.
void TestKeyboard::stepsKeepTextAndHandleOnThePicture()
{
    QFETCH(double, from);
    QFETCH(bool, keyFrame);
    QFETCH(int, direction);
    open();
    pauseAt(from);
    QTest::mouseClick(panel()->m_btnNext, Qt::LeftButton);
    const uint64_t start = player()->GetPlayTime_Player();
    QVERIFY(start > 0);
    verifyInStep(start);
    QPushButton *button = keyFrame ? (direction > 0 ? panel()->m_btnNextKey : panel()->m_btnPreviousKey)
                                   : (direction > 0 ? panel()->m_btnNext : panel()->m_btnPrevious);
    QTest::mouseClick(button, Qt::LeftButton);
    const uint64_t shown = player()->GetPlayTime_Player();
    QVERIFY(direction > 0 ? shown > start : shown < start);
    verifyInStep(shown);
    if (direction < 0)
        QCOMPARE(shown, uint64_t(0));
}

void TestKeyboard::clickGivesTheSliderTheArrowKeys_data()
{
    QTest::addColumn<bool>("onPicture");
    QTest::newRow("click on the slider") << false;
    QTest::newRow("click on the picture") << true;
}

void TestKeyboard::clickGivesTheSliderTheArrowKeys()
{
    QFETCH(bool, onPicture);
    open();
    QDualSlider *slider = bar()->m_TrimDSlider;
    pauseAt(0.4);
    QTest::mouseClick(panel()->m_btnNext, Qt::LeftButton);
    bar()->m_btnAddFile->setFocus();
    QVERIFY(!slider->hasFocus());

    QWidget *target = onPicture ? static_cast<QWidget *>(panel()->m_videoPlayWidget) : slider;
    const QPoint at = onPicture ? target->rect().center() : QPoint(slider->width() / 2, slider->height() - 3);
    WindowMouse::press(target, at);
    WindowMouse::release(target, at);
    QTRY_VERIFY(slider->hasFocus());
    QTRY_VERIFY_WITH_TIMEOUT(player()->IsPause_Player(), 5000);
    const uint64_t before = player()->GetPlayTime_Player();

    QTest::keyClick(m_window->windowHandle(), Qt::Key_Right);
    QTRY_VERIFY(player()->GetPlayTime_Player() > before);
    const uint64_t after = player()->GetPlayTime_Player();
    QVERIFY(after - before < 100000);
    verifyInStep(after);
    QTest::keyClick(m_window->windowHandle(), Qt::Key_Left);
    QTRY_COMPARE(player()->GetPlayTime_Player(), before);
    verifyInStep(before);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
