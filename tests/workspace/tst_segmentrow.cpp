#include "SegmentFixtures.h"

#include "QCustomTimeEdit.h"
#include "QDualSlider.h"
#include "QVideoConvertItem.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace SegmentFixtures;

class TestSegmentRow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void bindingShowsTheRange_data();
    void bindingShowsTheRange();
    void valuesFromTheWindow();
    void rebindingKeepsTrackChoice();
    void modeChangeResetsTrackChoice_data();
    void modeChangeResetsTrackChoice();
    void dragCarriesThePosition();
    void dropsOfOtherDataAreRefused();
    void typedTimesOnlyNotify();
};

void TestSegmentRow::init()
{
    qRegisterMetaType<uint64_t>("uint64_t");
    useProfile(false);
}

void TestSegmentRow::bindingShowsTheRange_data()
{
    QTest::addColumn<qulonglong>("start");
    QTest::addColumn<qulonglong>("end");
    QTest::addColumn<qulonglong>("storedEnd");
    QTest::addColumn<bool>("selected");
    QTest::newRow("end 0 is the file's end") << 0ULL << 0ULL << qulonglong(30 * kSecond) << false;
    QTest::newRow("inner range, selected") << qulonglong(3 * kSecond) << qulonglong(12 * kSecond) << qulonglong(12 * kSecond) << true;
}

void TestSegmentRow::bindingShowsTheRange()
{
    QFETCH(qulonglong, start);
    QFETCH(qulonglong, end);
    QFETCH(qulonglong, storedEnd);
    QFETCH(bool, selected);
    std::unique_ptr<VelVideoConvertItem> item(makeItem(30 * kSecond, start, end, selected));
    QVideoConvertItem row;
    row.resize(700, 48);
    QSignalSpy presses(&row, &QVideoConvertItem::emitMousePress);
    row.setVideoItemInfo(item.get());
    QCOMPARE(item->m_trimEnd, storedEnd);
    QCOMPARE(row.endEdit()->getCurrentTime(), storedEnd);
    QCOMPARE(row.startEdit()->getCurrentTime(), start);
    QCOMPARE(row.startEdit()->isEnabled(), selected);
    QCOMPARE(row.getMouseState(), selected ? CListItemWgt::Selected : CListItemWgt::Normal);
    QCOMPARE(presses.count(), selected ? 1 : 0);
    QCOMPARE(row.rangeBar()->getStartValue(), float(double(start) / double(30 * kSecond)));
    QCOMPARE(qRound(row.rangeBar()->getEndValue() * 1000), qRound(double(storedEnd) / (30 * kSecond) * 1000));
    QCOMPARE(row.getIndex(), item->Index());
}

void TestSegmentRow::valuesFromTheWindow()
{
    std::unique_ptr<VelVideoConvertItem> item(makeItem(20 * kSecond, 0, 0, true));
    QVideoConvertItem row;
    row.setVideoItemInfo(item.get());
    row.startValueChange(0.25);
    QCOMPARE(item->m_trimStart, 5 * kSecond);
    row.endValueChange(0.5);
    QCOMPARE(item->m_trimEnd, 10 * kSecond);
    row.startTimeChange(2 * kSecond);
    QCOMPARE(item->m_trimStart, 2 * kSecond);
    QCOMPARE(row.startEdit()->getCurrentTime(), 2 * kSecond);
    row.endTimeChange(8 * kSecond);
    QCOMPARE(item->m_trimEnd, 8 * kSecond);
    QCOMPARE(qRound(row.rangeBar()->getEndValue() * 100), 40);
    QSignalSpy starts(&row, &QVideoConvertItem::emitStartTimeChange);
    QSignalSpy ends(&row, &QVideoConvertItem::emitEndTimeChange);
    row.trimTimeChanged(1 * kSecond, 0);
    QCOMPARE(starts.last().at(0).value<uint64_t>(), 1 * kSecond);
    QCOMPARE(ends.last().at(0).value<uint64_t>(), 20 * kSecond);
}

void TestSegmentRow::rebindingKeepsTrackChoice()
{
    std::unique_ptr<VelVideoConvertItem> a(makeItem(30 * kSecond, 0, 10 * kSecond, true));
    std::unique_ptr<VelVideoConvertItem> b(makeItem(30 * kSecond, 10 * kSecond, 20 * kSecond));
    QVideoConvertItem rowA;
    QVideoConvertItem rowB;
    rowA.setVideoItemInfo(a.get());
    rowB.setVideoItemInfo(b.get());
    // First binding takes the encoding mode's default: the first track only.
    QCOMPARE(trackMarks(a.get()), QString("10"));
    QVERIFY(!a->m_editConfig.m_bLossless);
    QCOMPARE(a->m_editConfig.m_fileFormat, QString("mp4"));
    // The user picks the second track in the editor; the rows then exchange items.
    a->m_editConfig.m_audioTracks[0].m_bSelected = 0;
    a->m_editConfig.m_audioTracks[1].m_bSelected = 1;
    rowA.setVideoItemInfo(b.get());
    rowB.setVideoItemInfo(a.get());
    QCOMPARE(trackMarks(a.get()), QString("01"));
    QCOMPARE(rowB.getMouseState(), CListItemWgt::Selected);
    QCOMPARE(rowA.getMouseState(), CListItemWgt::Normal);
}

void TestSegmentRow::modeChangeResetsTrackChoice_data()
{
    QTest::addColumn<bool>("newLossless");
    QTest::addColumn<QString>("marks");
    QTest::newRow("same mode keeps the choice") << false << "01";
    QTest::newRow("lossless selects every track") << true << "11";
}

void TestSegmentRow::modeChangeResetsTrackChoice()
{
    QFETCH(bool, newLossless);
    QFETCH(QString, marks);
    std::unique_ptr<VelVideoConvertItem> item(makeItem(30 * kSecond, 0, 0));
    QVideoConvertItem row;
    row.setVideoItemInfo(item.get());
    item->m_editConfig.m_audioTracks[0].m_bSelected = 0;
    item->m_editConfig.m_audioTracks[1].m_bSelected = 1;
    useProfile(newLossless);
    QAttributeSettingHolder::attributeSetting()->fileExtend = QStringLiteral("mkv");
    QAttributeSettingHolder::attributeSetting()->fileFormat = QStringLiteral("MKV");
    row.UpdateData();
    QCOMPARE(item->m_editConfig.m_bLossless, newLossless);
    QCOMPARE(trackMarks(item.get()), marks);
    QCOMPARE(item->m_editConfig.m_fileFormat, QString("mkv"));
}

void TestSegmentRow::dragCarriesThePosition()
{
    VelVideoConvertManager* manager = VelVideoConvertManager::getConvertManagerObject();
    manager->ClearItems();
    addItem(30 * kSecond, 0, 0);
    addItem(30 * kSecond, 0, 0);
    VelVideoConvertItem* third = addItem(30 * kSecond, 0, 0);
    QVideoConvertItem dragged;
    dragged.setVideoItemInfo(third);
    std::unique_ptr<QMimeData> mime(dragged.createDragData());
    QVERIFY(mime->hasFormat(QVideoConvertItem::kDragFormat));
    QCOMPARE(mime->text(), QString("2"));

    QVideoConvertItem target;
    target.setVideoItemInfo(manager->GetItem(0));
    QSignalSpy swaps(&target, &QVideoConvertItem::emitSwapItem);
    // As a drag delivers it: the enter picks the target, the drop goes there.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(swaps.count(), 1);
    QCOMPARE(swaps.first().at(0).toInt(), 2);
    QCOMPARE(swaps.first().at(1).toInt(), 0);
    manager->ClearItems();
}

void TestSegmentRow::dropsOfOtherDataAreRefused()
{
    QVideoConvertItem row;
    QMimeData text;
    text.setText(QStringLiteral("1"));
    QSignalSpy swaps(&row, &QVideoConvertItem::emitSwapItem);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&row, &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&row, &drop);
    QVERIFY(!drop.isAccepted());
    QCOMPARE(swaps.count(), 0);
}

void TestSegmentRow::typedTimesOnlyNotify()
{
    std::unique_ptr<VelVideoConvertItem> item(makeItem(30 * kSecond, 0, 10 * kSecond, true));
    QVideoConvertItem row;
    row.setVideoItemInfo(item.get());
    QSignalSpy starts(&row, &QVideoConvertItem::emitStartTimeChange);
    emit row.startEdit()->emitTimeChange(4 * kSecond);
    QCOMPARE(starts.count(), 1);
    QCOMPARE(item->m_trimStart, 0ULL); // written back only through the window's relay
}

QTEST_MAIN(TestSegmentRow)
#include "tst_segmentrow.moc"
