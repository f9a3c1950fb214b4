#include "WidgetPictures.h"

#include "QCustomSpinBox.h"
#include "QCustomSpinButton.h"

#include <QLineEdit>
#include <QtTest>

class TestSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void layoutAtPaint();
    void textBrushFollowsEnabledState();
};

void TestSpinBox::values_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("range shows its minimum") << 5 << 10 << QStringList{} << QList<int>{};
    QTest::newRow("set clamps to half-open range") << 5 << 10 << QStringList{"set 10", "set -3", "set 7"}
                                                   << QList<int>{9, 5, 7};
    QTest::newRow("up stops below maximum") << 5 << 10 << QStringList{"set 9", "up"} << QList<int>{9, 9};
    QTest::newRow("down stops at minimum") << 5 << 10 << QStringList{"down", "up", "down"} << QList<int>{5, 6, 5};
    QTest::newRow("typing within range") << 0 << 100 << QStringList{"type 10"} << QList<int>{10};
    QTest::newRow("typing past the range") << 0 << 100 << QStringList{"type 250"} << QList<int>{99};
    QTest::newRow("clearing shows the clamped 0") << 5 << 10 << QStringList{"set 8", "type "} << QList<int>{8, 5};
}

void TestSpinBox::values()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, shown);
    QCustomSpinBox box;
    box.setRange(min, max);
    QCOMPARE(box.getValue(), min);
    QCOMPARE(box.lineEdit()->text(), QString::number(min));
    for (int i = 0; i < steps.size(); ++i) {
        const QString step = steps.at(i);
        if (step.startsWith("set "))
            box.setValue(step.mid(4).toInt());
        else if (step == "up")
            box.OnBtnUp();
        else if (step == "down")
            box.OnBtnDown();
        else if (step.startsWith("type "))
            box.editTextChange(step.mid(5));
        QCOMPARE(box.getValue(), shown.at(i));
        QCOMPARE(box.lineEdit()->text(), QString::number(shown.at(i)));
    }
}

void TestSpinBox::layoutAtPaint()
{
    QTemporaryDir dir;
    QCustomSpinBox box;
    box.setImageForRect(WidgetPictures::flat(dir, "bg.png", 156, 44, Qt::darkGray), QRect(0, 0, 78, 22));
    box.setUpAndDownBtnImage(WidgetPictures::strip(dir, "up.png", 128, 22), WidgetPictures::strip(dir, "down.png", 128, 22));
    box.grab();
    QCOMPARE(box.lineEdit()->geometry(), QRect(3, 0, 78 - 27, 22));
    QCOMPARE(box.upButton()->pos(), QPoint(78 - 16, 0));
    QCOMPARE(box.downButton()->pos(), QPoint(78 - 16, 11));
    QCOMPARE(box.upButton()->size(), QSize(16, 11));
}

void TestSpinBox::textBrushFollowsEnabledState()
{
    QCustomSpinBox box;
    box.setEditColor(QColor(1, 2, 3), QColor(4, 5, 6));
    box.setEnabled(false);
    QBrush brush = box.lineEdit()->palette().brush(QPalette::Disabled, QPalette::Text);
    QCOMPARE(brush.style(), Qt::DiagCrossPattern);
    QCOMPARE(brush.color(), QColor(4, 5, 6));
    box.setEnabled(true);
    brush = box.lineEdit()->palette().brush(QPalette::Active, QPalette::Text);
    QCOMPARE(brush.style(), Qt::DiagCrossPattern);
    QCOMPARE(brush.color(), QColor(1, 2, 3));
}

QTEST_MAIN(TestSpinBox)
#include "tst_spinbox.moc"
