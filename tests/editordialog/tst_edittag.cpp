#include "QVelBaseButton.h"
#include "QVideoEditTag.h"

#include <QSignalSpy>
#include <QTest>

// The tab bar: one checked and disabled tag, hidden tags passed over to the
// right, never to the left.
class TestEditTag : public QObject
{
    Q_OBJECT

private slots:
    void selectionFollowsClicks();
    void hiddenTagPassesRight_data();
    void hiddenTagPassesRight();
    void emptyListKeepsBar();
    void reselectingSelectedTagEmitsNothing();

private:
    static QStringList names() { return {"Trim", "Adjust", "Effect", "Watermark", "Subtitle", "Audio", "Tag"}; }
};

void TestEditTag::selectionFollowsClicks()
{
    QVideoEditTag bar;
    bar.createTag(names());
    QCOMPARE(bar.buttons().size(), 7);
    QSignalSpy spy(&bar, &QVideoEditTag::emitSelectedTag);
    bar.setSelectedTag(0);
    bar.resize(826, 25);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseClick(bar.buttons().at(2), Qt::LeftButton);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 0);
    QCOMPARE(spy.at(1).at(0).toInt(), 2);
    QVERIFY(bar.buttons().at(2)->isChecked());
    QVERIFY(!bar.buttons().at(2)->isEnabled());
    QVERIFY(!bar.buttons().at(0)->isChecked());
    QVERIFY(bar.buttons().at(0)->isEnabled());
    // A click on the selected (disabled) tag does nothing.
    QTest::mouseClick(bar.buttons().at(2), Qt::LeftButton);
    QCOMPARE(spy.size(), 2);
    // Buttons sit centred, side by side, at the top.
    const int left = bar.buttons().first()->x();
    const int right = bar.width() - 1 - bar.buttons().last()->geometry().right();
    QVERIFY2(qAbs(left - right) <= 2, qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
    QCOMPARE(bar.buttons().first()->height(), 25);
}

void TestEditTag::hiddenTagPassesRight_data()
{
    QTest::addColumn<QList<int>>("hidden");
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("emitted");
    QTest::addColumn<int>("current");
    QTest::newRow("visible") << QList<int>{6} << 3 << 3 << 3;
    QTest::newRow("hidden goes right") << QList<int>{1, 2, 3, 4} << 1 << 5 << 5;
    QTest::newRow("never left") << QList<int>{5, 6} << 5 << -2 << 7;
    QTest::newRow("out of range") << QList<int>{} << 7 << -2 << 0;
}

void TestEditTag::hiddenTagPassesRight()
{
    QFETCH(QList<int>, hidden);
    QFETCH(int, select);
    QFETCH(int, emitted);
    QFETCH(int, current);
    QVideoEditTag bar;
    bar.createTag(names());
    for (int index : hidden)
        bar.setHiddenTag(index);
    for (int index : hidden) {
        QVERIFY(bar.buttons().at(index)->isHidden());
        QVERIFY(!bar.buttons().at(index)->isEnabled());
    }
    QSignalSpy spy(&bar, &QVideoEditTag::emitSelectedTag);
    bar.setSelectedTag(select);
    if (emitted == -2) {
        QCOMPARE(spy.size(), 0);
    } else {
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), emitted);
    }
    QCOMPARE(bar.currentIndex(), current);
}

void TestEditTag::emptyListKeepsBar()
{
    QVideoEditTag bar;
    bar.createTag({"Video effects", "Frame"});
    QVelBaseButton* first = bar.buttons().first();
    bar.createTag({});
    QCOMPARE(bar.buttons().size(), 2);
    QCOMPARE(bar.buttons().first(), first);
}

void TestEditTag::reselectingSelectedTagEmitsNothing()
{
    QVideoEditTag bar;
    bar.createTag(names());
    bar.setSelectedTag(0);
    QSignalSpy spy(&bar, &QVideoEditTag::emitSelectedTag);
    bar.setSelectedTag(0);
    QCOMPARE(spy.size(), 0);
}

QTEST_MAIN(TestEditTag)
#include "tst_edittag.moc"
