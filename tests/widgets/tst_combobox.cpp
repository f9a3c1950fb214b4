#include "MouseEvents.h"
#include "WidgetPictures.h"

#include "QCustomComboBox.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Every signal of the box in order, as "name(index)".
struct Recorder
{
    QStringList log;
    explicit Recorder(QCustomComboBox& box)
    {
        QObject::connect(&box, &QCustomComboBox::activated, [this](int i) { log << QString("activated(%1)").arg(i); });
        QObject::connect(&box, &QCustomComboBox::currentIndexChanged,
                         [this](int i) { log << QString("changed(%1)").arg(i); });
    }
};

} // namespace

class TestComboBox : public QObject
{
    Q_OBJECT

private slots:
    void firstItemBecomesCurrent();
    void userPickSignals();
    void setCurrentIndexRules_data();
    void setCurrentIndexRules();
    void deleteItem_data();
    void deleteItem();
    void indexTextKeepsRecord();
    void clearIsSilent();
    void itemData();
    void itemWidthGrowsForWideText();
    void captionRectGetsEqualMargins();
    void pressOpensMenuAfterPress();
};

void TestComboBox::firstItemBecomesCurrent()
{
    QCustomComboBox box;
    Recorder rec(box);
    box.addItem("A");
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(box.getBtnText(), QString("A"));
    QCOMPARE(box.toolTip(), QString("A"));
    QCOMPARE(rec.log, QStringList{"changed(0)"});
    box.addItems({"B", "C"});
    QCOMPARE(box.count(), 3);
    QCOMPARE(box.currentIndex(), 0);
    QCOMPARE(rec.log.size(), 1);
}

void TestComboBox::userPickSignals()
{
    QCustomComboBox box;
    box.addItems({"A", "B", "C"});
    Recorder rec(box);
    box.actions().at(2)->trigger();
    QCOMPARE(rec.log, (QStringList{"changed(2)", "activated(2)", "changed(2)"}));
    QCOMPARE(box.currentText(), QString("C"));
    box.actions().at(2)->trigger();
    QCOMPARE(rec.log.size(), 3);
}

void TestComboBox::setCurrentIndexRules_data()
{
    QTest::addColumn<QList<int>>("calls");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<int>("current");
    QTest::newRow("out of range does nothing") << QList<int>{5} << QStringList{} << 0;
    QTest::newRow("negative does nothing") << QList<int>{-1} << QStringList{} << 0;
    QTest::newRow("same index twice emits twice") << QList<int>{1, 1} << QStringList{"changed(1)", "changed(1)"} << 1;
    QTest::newRow("code never activates") << QList<int>{2, 0} << QStringList{"changed(2)", "changed(0)"} << 0;
}

void TestComboBox::setCurrentIndexRules()
{
    QFETCH(QList<int>, calls);
    QFETCH(QStringList, log);
    QFETCH(int, current);
    QCustomComboBox box;
    box.addItems({"A", "B", "C"});
    Recorder rec(box);
    for (int index : calls)
        box.setCurrentIndex(index);
    QCOMPARE(rec.log, log);
    QCOMPARE(box.currentIndex(), current);
}

void TestComboBox::deleteItem_data()
{
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("past the end removes the last") << 3 << 3 << QStringList{"A", "B"};
    QTest::newRow("negative removes the last") << 3 << -1 << QStringList{"A", "B"};
    QTest::newRow("first") << 3 << 0 << QStringList{"B", "C"};
    QTest::newRow("empty box") << 0 << 0 << QStringList{};
}

void TestComboBox::deleteItem()
{
    QFETCH(int, items);
    QFETCH(int, index);
    QFETCH(QStringList, left);
    QCustomComboBox box;
    box.addItems(QStringList{"A", "B", "C"}.mid(0, items));
    const QString caption = box.getBtnText();
    box.DeleteItem(index);
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    QCOMPARE(texts, left);
    QCOMPARE(box.menu()->actions().size(), left.size());
    QCOMPARE(box.getBtnText(), caption);
}

void TestComboBox::indexTextKeepsRecord()
{
    QCustomComboBox box;
    box.addItem("A");
    box.setIndexText(0, "B");
    QCOMPARE(box.getBtnText(), QString("B"));
    QCOMPARE(box.menu()->actions().at(0)->text(), QString("B"));
    QCOMPARE(box.itemText(0), QString("A"));
    QCOMPARE(box.currentText(), QString("A"));
    box.setIndexText(4, "X");
    QCOMPARE(box.getBtnText(), QString("B"));
}

void TestComboBox::clearIsSilent()
{
    QCustomComboBox box;
    box.addItems({"A", "B"});
    Recorder rec(box);
    box.clear();
    QVERIFY(rec.log.isEmpty());
    QCOMPARE(box.currentIndex(), -1);
    QVERIFY(box.currentText().isEmpty());
    QVERIFY(box.getBtnText().isEmpty());
    QVERIFY(box.isEmpty());
    box.addItem("C");
    QCOMPARE(rec.log, QStringList{"changed(0)"});
}

void TestComboBox::itemData()
{
    QCustomComboBox box;
    box.addItems({"H.264", "HEVC"});
    int marker = 0;
    box.setItemDataString(1, "hevc");
    box.setItemData(1, &marker);
    box.setItemDataString(7, "ignored");
    QCOMPARE(box.itemDataString(1), QString("hevc"));
    QCOMPARE(box.itemData(1), static_cast<void*>(&marker));
    QVERIFY(box.itemDataString(0).isEmpty());
    QVERIFY(box.itemDataString(9).isNull());
    QVERIFY(box.itemData(9) == nullptr);
    QVERIFY(box.itemText(-2).isEmpty());
    QVERIFY(!box.IsValid(2));
}

void TestComboBox::itemWidthGrowsForWideText()
{
    QCustomComboBox box;
    box.setItemDefaultW(92);
    QFont font = box.menu()->font();
    font.setFamily("Tahoma");
    font.setPointSize(8);
    const QFontMetrics metrics(font);
    box.addItem("ab");
    QCOMPARE(box.itemWidth(), 92);
    QString wide = "W";
    while (metrics.horizontalAdvance(wide) <= 92)
        wide += "W";
    box.addItem(wide);
    QCOMPARE(box.itemWidth(), metrics.horizontalAdvance(wide) + 5);
    QVERIFY(box.menu()->styleSheet().contains(QString("width:%1;").arg(metrics.horizontalAdvance(wide) + 5)));
}

void TestComboBox::captionRectGetsEqualMargins()
{
    QTemporaryDir dir;
    QCustomComboBox box;
    box.setImageForRect(WidgetPictures::strip(dir, "cbb.png", 720, 42), QRect(0, 0, 100, 20));
    box.setTextRect(QRect(10, 0, 0, 0));
    box.setBtnText("caption");
    box.grab();
    QCOMPARE(box.textRect(), QRect(QPoint(10, 0), QPoint(89, 19)));
}

void TestComboBox::pressOpensMenuAfterPress()
{
    QTemporaryDir dir;
    QCustomComboBox box;
    box.setImageForRect(WidgetPictures::strip(dir, "cbb2.png", 720, 42), QRect(0, 0, 100, 21));
    box.move(50, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    MouseEvents::press(&box, box.mapToGlobal(QPoint(5, 5)));
    QVERIFY(!box.menu()->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(!box.menu()->isVisible());

    box.addItems({"A", "B"});
    box.setPopupX(4);
    MouseEvents::press(&box, box.mapToGlobal(QPoint(5, 5)));
    QVERIFY(!box.menu()->isVisible());
    QTRY_VERIFY(box.menu()->isVisible());
    QCOMPARE(box.menu()->pos(), box.mapToGlobal(QPoint(4, 21)));
    box.menu()->hide();
}

QTEST_MAIN(TestComboBox)
#include "tst_combobox.moc"
