// The cut tool bar on its own: taking a segment, setting start and end from
// the play handle, typed times, the language-dependent sizes, the conversion
// lock and a length too short for fractions.
#include "QConverterOperate.h"
#include "QCustomTimeEdit.h"
#include "QDualSlider.h"
#include "QTimeEditEx.h"
#include "QVideoCutDlg.h"
#include "VelVideoConvertItem.h"

#include <QtTest>

namespace {
constexpr quint64 kSecond = 1000000;
}

class TestCutToolBar : public QObject
{
    Q_OBJECT

private:
    QVideoCutDlg *m_bar = nullptr;
    VelVideoConvertItem *m_item = nullptr;

    void take(quint64 length, quint64 start, quint64 end)
    {
        m_item->m_duration = length;
        m_item->m_trimStart = start;
        m_item->m_trimEnd = end;
        m_bar->setCtrlEnable(true);
        m_bar->TrimDSliderEnable(true);
        m_bar->setVideoItemInfo(m_item);
    }

private slots:
    void init();
    void cleanup();
    void takingASegmentWithEndZero();
    void setFromPlayHandleClamps_data();
    void setFromPlayHandleClamps();
    void typedTimesMoveHandlesAndClamp();
    void firstEndChangeDoesNotSeek();
    void sizesPerLanguage_data();
    void sizesPerLanguage();
    void conversionLock();
    void lengthBelowAMillisecond();
    void resetForgetsTheItem();
};

void TestCutToolBar::init()
{
    m_bar = new QVideoCutDlg;
    m_bar->resize(800, 110);
    m_bar->show();
    m_item = new VelVideoConvertItem;
}

void TestCutToolBar::cleanup()
{
    delete m_bar;
    delete m_item;
    QConverterOperate::setLanguageType("English");
}

void TestCutToolBar::takingASegmentWithEndZero()
{
    take(10 * kSecond, 0, 0);
    QCOMPARE(m_item->m_trimEnd, 10 * kSecond);
    QCOMPARE(m_bar->m_TrimDSlider->getEndValue(), 1.0f);
    QCOMPARE(m_bar->m_TrimDSlider->getStartValue(), 0.0f);
    QCOMPARE(m_bar->m_endTimeEdit->getCurrentTime(), 10 * kSecond);
    QCOMPARE(m_bar->getEndTime(), 10 * kSecond);
}

void TestCutToolBar::setFromPlayHandleClamps_data()
{
    QTest::addColumn<bool>("setStart");
    QTest::addColumn<double>("play");
    QTest::addColumn<quint64>("start");
    QTest::addColumn<quint64>("end");
    // Segment 2 s .. 8 s of 10 s.
    QTest::newRow("start inside") << true << 50.0 << 5 * kSecond << 8 * kSecond;
    QTest::newRow("start past the end") << true << 90.0 << 8 * kSecond << 8 * kSecond;
    QTest::newRow("end inside") << false << 60.0 << 2 * kSecond << 6 * kSecond;
    QTest::newRow("end before the start") << false << 10.0 << 2 * kSecond << 2 * kSecond;
}

void TestCutToolBar::setFromPlayHandleClamps()
{
    QFETCH(bool, setStart);
    QFETCH(double, play);
    QFETCH(quint64, start);
    QFETCH(quint64, end);
    take(10 * kSecond, 2 * kSecond, 8 * kSecond);
    m_bar->videoPlayPro(play);
    setStart ? m_bar->OnBtnStartTimeSet() : m_bar->OnBtnEndTimeSet();
    QVERIFY(qAbs(qint64(m_item->m_trimStart) - qint64(start)) < 20000);
    QVERIFY(qAbs(qint64(m_item->m_trimEnd) - qint64(end)) < 20000);
    QVERIFY(m_item->m_trimStart <= m_item->m_trimEnd);
    QCOMPARE(m_bar->getStartTime(), m_item->m_trimStart);
    QCOMPARE(m_bar->m_startTimeEdit->getCurrentTime(), m_item->m_trimStart);
    QCOMPARE(m_bar->m_endTimeEdit->getCurrentTime(), m_item->m_trimEnd);
    QVERIFY(qAbs(m_bar->m_TrimDSlider->getStartValue() - float(m_item->m_trimStart) / (10 * kSecond)) < 0.02f);
    QVERIFY(qAbs(m_bar->m_TrimDSlider->getEndValue() - float(m_item->m_trimEnd) / (10 * kSecond)) < 0.02f);
}

void TestCutToolBar::typedTimesMoveHandlesAndClamp()
{
    take(10 * kSecond, 2 * kSecond, 8 * kSecond);
    // As the main window relays a typed time back into the bar.
    connect(m_bar, &QVideoCutDlg::emitStartTimeChange, m_bar, &QVideoCutDlg::startTimeChange);
    QSignalSpy seek(m_bar, &QVideoCutDlg::sendPlayProToPlay);
    emit m_bar->m_startTimeEdit->emitTimeChange(3 * kSecond);
    QCOMPARE(m_item->m_trimStart, 3 * kSecond);
    QCOMPARE(seek.size(), 1);
    QVERIFY(qAbs(seek.at(0).at(0).toDouble() - 0.3) < 0.01);
    QCOMPARE(m_bar->m_endTimeEdit->editor()->minimumTime(), QTime(0, 0, 3));

    // A start from elsewhere (a segment row) past the end stays on the end;
    // an end past the length stays on the length.
    m_bar->startTimeChange(9 * kSecond);
    QCOMPARE(m_item->m_trimStart, 8 * kSecond);
    m_bar->endTimeChange(12 * kSecond);
    QCOMPARE(m_item->m_trimEnd, 10 * kSecond);
    m_bar->endTimeChange(kSecond);
    QCOMPARE(m_item->m_trimEnd, 8 * kSecond);
    // The fields keep typed values inside their ranges.
    QCOMPARE(m_bar->m_startTimeEdit->editor()->maximumTime(), QTime(0, 0, 8));
}

void TestCutToolBar::firstEndChangeDoesNotSeek()
{
    take(10 * kSecond, 0, 8 * kSecond);
    QSignalSpy seek(m_bar, &QVideoCutDlg::sendPlayProToPlay);
    m_bar->endTimeChange(7 * kSecond);
    QCOMPARE(seek.size(), 0);
    m_bar->endTimeChange(6 * kSecond);
    QCOMPARE(seek.size(), 1);
    QVERIFY(qAbs(seek.at(0).at(0).toDouble() - 0.6) < 0.01);
}

void TestCutToolBar::sizesPerLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("fieldWidth");
    QTest::addColumn<int>("openWidth");
    QTest::addColumn<int>("convertWidth");
    QTest::newRow("English") << "English" << 138 << 77 << 77;
    QTest::newRow("Chinese") << "Chinese" << 138 << 77 << 77;
    QTest::newRow("German") << "German" << 138 << 77 << 87;
    QTest::newRow("French") << "French" << 114 << 77 << 77;
    QTest::newRow("Japanese") << "Japanese" << 138 << 87 << 77;
}

void TestCutToolBar::sizesPerLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, fieldWidth);
    QFETCH(int, openWidth);
    QFETCH(int, convertWidth);
    QConverterOperate::setLanguageType(language);
    m_bar->retranslateUi();
    QCOMPARE(m_bar->m_startTimeEdit->width(), fieldWidth);
    QCOMPARE(m_bar->m_endTimeEdit->width(), fieldWidth);
    QCOMPARE(m_bar->m_btnAddFile->size(), QSize(openWidth, 58));
    QCOMPARE(m_bar->m_btnConvert->size(), QSize(convertWidth, 58));
    QCOMPARE(m_bar->m_btnCancel->size(), QSize(convertWidth, 58));
    // The layout keeps every control inside the bar and the two fields apart.
    for (QWidget *child : m_bar->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(m_bar->rect().contains(child->geometry()), qPrintable(child->objectName()));
    QVERIFY(m_bar->m_startTimeEdit->geometry().right() < m_bar->m_labEnd->geometry().left());
}

void TestCutToolBar::conversionLock()
{
    take(10 * kSecond, 0, 0);
    m_bar->IsStartConverterSet(true);
    QVERIFY(m_bar->m_btnCancel->isVisible());
    QVERIFY(!m_bar->m_btnConvert->isVisible());
    for (QWidget *w : std::initializer_list<QWidget *>{m_bar->m_btnAddFile, m_bar->m_btnFormat, m_bar->m_TrimDSlider,
                                                       m_bar->m_startTimeEdit, m_bar->m_btnStartSet,
                                                       m_bar->m_btnPlayTrim})
        QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QVERIFY(m_bar->m_btnCancel->isEnabled());
    m_bar->IsStartConverterSet(false);
    QVERIFY(m_bar->m_btnConvert->isVisible());
    QVERIFY(m_bar->m_btnAddFile->isEnabled());
}

void TestCutToolBar::lengthBelowAMillisecond()
{
    QCOMPARE(QVideoCutDlg::percentOf(500, 999), 0.0f);
    take(999, 0, 0);
    QVERIFY(!m_bar->m_TrimDSlider->isEnabled());
    QVERIFY(qIsFinite(m_bar->m_TrimDSlider->getStartValue()));
    m_bar->videoPlayPro(50);
    m_bar->OnBtnEndTimeSet();
    QVERIFY(m_item->m_trimEnd <= 999);
}

void TestCutToolBar::resetForgetsTheItem()
{
    take(10 * kSecond, 0, 0);
    m_bar->resetCutDlg();
    QVERIFY(!m_bar->getItemInfo());
    QVERIFY(!m_bar->m_btnStartSet->isEnabled());
    QCOMPARE(m_bar->getStartTime(), quint64(0));
    m_bar->OnBtnStartTimeSet();   // nothing to set without a segment
}

QTEST_MAIN(TestCutToolBar)
#include "tst_cuttoolbar.moc"
