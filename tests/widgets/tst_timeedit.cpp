#include "WidgetPictures.h"

#include "QCustomTimeEdit.h"
#include "QEditTimeEx.h"
#include "QTextImageButton.h"
#include "QTimeEditEx.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class TestTimeEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void shows_data();
    void shows();
    void typed_data();
    void typed();
    void invalidTypedTimeRestoresText();
    void carry_data();
    void carry();
    void borrow_data();
    void borrow();
    void buttonsStepWithCarry();
    void queuedSignalKeepsWideValues();
    void layoutAndDisabledBrush();
    void simpleFieldReportsTypedTimes();

private:
    QTemporaryDir m_dir;
};

void TestTimeEdit::initTestCase()
{
    // The diagnostic lines of the field are not under test.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg)
            fprintf(stderr, "%s\n", qPrintable(text));
    });
}

void TestTimeEdit::shows_data()
{
    QTest::addColumn<quint64>("micros");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << quint64(0) << "00:00:00.000";
    QTest::newRow("sub-millisecond dropped") << quint64(3723456789ULL) << "01:02:03.456";
    QTest::newRow("last millisecond of the day") << quint64(86399999000ULL) << "23:59:59.999";
    QTest::newRow("999 microseconds") << quint64(999) << "00:00:00.000";
}

void TestTimeEdit::shows()
{
    QFETCH(quint64, micros);
    QFETCH(QString, text);
    QCustomTimeEdit field;
    QSignalSpy changed(&field, &QCustomTimeEdit::emitTimeChange);
    field.setCurrentTime(micros);
    QCOMPARE(field.editor()->getLindEdit()->text(), text);
    QCOMPARE(field.getCurrentTime(), micros);
    QCOMPARE(field.TimeConvertToInt(field.IntConvertToTime(micros)), micros / 1000 * 1000);
    QCOMPARE(changed.count(), 0);
}

void TestTimeEdit::typed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint64>("micros");
    QTest::newRow("full") << "00:01:02.500" << quint64(62500000);
    QTest::newRow("no full stop: seconds and msec 0") << "00:01:02" << quint64(60000000);
    QTest::newRow("short fields") << "1:2:3.4" << quint64(3723004000ULL);
    QTest::newRow("no colon: seconds only") << "12.5" << quint64(12005000);
    QTest::newRow("empty minutes count 0") << "02::07.000" << quint64(7207000000ULL);
}

void TestTimeEdit::typed()
{
    QFETCH(QString, text);
    QFETCH(quint64, micros);
    QCustomTimeEdit field;
    QSignalSpy changed(&field, &QCustomTimeEdit::emitTimeChange);
    field.timeTextEdited(text);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<quint64>(), micros);
}

// An out-of-range field used to come out as a huge or wrapped value; now nothing
// is sent and the last valid text comes back.
void TestTimeEdit::invalidTypedTimeRestoresText()
{
    QCustomTimeEdit field;
    field.setCurrentTime(62500000);
    QSignalSpy changed(&field, &QCustomTimeEdit::emitTimeChange);
    for (const QString bad : {"00:75:00.000", "25:00:00.000", "-1:00:00.000"}) {
        field.editor()->getLindEdit()->setText(bad);
        field.timeTextEdited(bad);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(field.editor()->getLindEdit()->text(), QString("00:01:02.500"));
    }
    field.timeTextEdited("00:00:05.000");
    QCOMPARE(changed.count(), 1);
    field.timeTextEdited("00:61:00.000");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(field.editor()->getLindEdit()->text(), QString("00:00:05.000"));
}

void TestTimeEdit::carry_data()
{
    QTest::addColumn<QTime>("current");
    QTest::addColumn<QTime>("stepped");
    QTest::addColumn<int>("section");
    QTest::addColumn<QTime>("maximum");
    QTest::addColumn<QTime>("taken");
    const QTime top(23, 59, 59, 999);
    const int ms = QDateTimeEdit::MSecSection, s = QDateTimeEdit::SecondSection, m = QDateTimeEdit::MinuteSection;
    QTest::newRow("msec 999 carries into the second")
        << QTime(0, 0, 59, 999) << QTime(0, 0, 59, 999) << ms << top << QTime(0, 1, 0, 0);
    QTest::newRow("msec carries up to the hour")
        << QTime(0, 59, 59, 999) << QTime(0, 59, 59, 999) << ms << top << QTime(1, 0, 0, 0);
    QTest::newRow("second 59 carries, msec kept")
        << QTime(0, 0, 59, 500) << QTime(0, 0, 59, 500) << s << top << QTime(0, 1, 0, 500);
    QTest::newRow("minute 59 carries")
        << QTime(0, 59, 30, 250) << QTime(0, 59, 30, 250) << m << top << QTime(1, 0, 30, 250);
    QTest::newRow("no carry takes the editor's step")
        << QTime(0, 0, 10, 100) << QTime(0, 0, 10, 101) << ms << top << QTime(0, 0, 10, 101);
    QTest::newRow("beyond the maximum takes the editor's step")
        << QTime(0, 0, 59, 999) << QTime(0, 0, 59, 999) << ms << QTime(0, 0, 59, 999) << QTime(0, 0, 59, 999);
    QTest::newRow("past the day takes the editor's step") << top << top << ms << top << top;
}

void TestTimeEdit::carry()
{
    QFETCH(QTime, current);
    QFETCH(QTime, stepped);
    QFETCH(int, section);
    QFETCH(QTime, maximum);
    QFETCH(QTime, taken);
    QCOMPARE(QCustomTimeEdit::carriedUp(current, stepped, QDateTimeEdit::Section(section), maximum), taken);
}

void TestTimeEdit::borrow_data()
{
    QTest::addColumn<QTime>("current");
    QTest::addColumn<QTime>("stepped");
    QTest::addColumn<int>("section");
    QTest::addColumn<QTime>("minimum");
    QTest::addColumn<QTime>("taken");
    const QTime zero(0, 0, 0, 0);
    const int ms = QDateTimeEdit::MSecSection, s = QDateTimeEdit::SecondSection, m = QDateTimeEdit::MinuteSection;
    QTest::newRow("msec 0 borrows from the second")
        << QTime(0, 1, 0, 0) << QTime(0, 1, 0, 0) << ms << zero << QTime(0, 0, 59, 999);
    QTest::newRow("msec borrows from the hour")
        << QTime(1, 0, 0, 0) << QTime(1, 0, 0, 0) << ms << zero << QTime(0, 59, 59, 999);
    QTest::newRow("never wraps below zero") << zero << zero << ms << zero << zero;
    QTest::newRow("second 0 borrows, msec kept")
        << QTime(0, 1, 0, 500) << QTime(0, 1, 0, 500) << s << zero << QTime(0, 0, 59, 500);
    QTest::newRow("second 0 at minute 0 of hour 0 stays") << QTime(0, 0, 0, 500) << QTime(0, 0, 0, 500) << s << zero
                                                          << QTime(0, 0, 0, 500);
    QTest::newRow("minute 0 borrows from the hour")
        << QTime(1, 0, 30, 0) << QTime(1, 0, 30, 0) << m << zero << QTime(0, 59, 30, 0);
    QTest::newRow("below the minimum takes the editor's step")
        << QTime(0, 0, 30, 0) << QTime(0, 0, 30, 0) << ms << QTime(0, 0, 30, 0) << QTime(0, 0, 30, 0);
}

void TestTimeEdit::borrow()
{
    QFETCH(QTime, current);
    QFETCH(QTime, stepped);
    QFETCH(int, section);
    QFETCH(QTime, minimum);
    QFETCH(QTime, taken);
    QCOMPARE(QCustomTimeEdit::borrowedDown(current, stepped, QDateTimeEdit::Section(section), minimum,
                                           QTime(23, 59, 59, 999)),
             taken);
}

void TestTimeEdit::buttonsStepWithCarry()
{
    QCustomTimeEdit field;
    field.setUpAndDownBtnImage(WidgetPictures::strip(m_dir, "up.png", 128, 24),
                               WidgetPictures::strip(m_dir, "down.png", 128, 24));
    QSignalSpy changed(&field, &QCustomTimeEdit::emitTimeChange);

    field.setCurrentTime(59999000);
    field.editor()->setCurrentSection(QDateTimeEdit::MSecSection);
    field.upButton()->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<quint64>(), quint64(60000000));

    field.setCurrentTime(0);
    field.editor()->setCurrentSection(QDateTimeEdit::MSecSection);
    field.downButton()->click();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).value<quint64>(), quint64(0));

    field.setCurrentTime(1500000);
    field.editor()->setCurrentSection(QDateTimeEdit::SecondSection);
    field.downButton()->click();
    QCOMPARE(changed.at(2).at(0).value<quint64>(), quint64(500000));
    QCOMPARE(field.getCurrentTime(), quint64(1500000));
}

void TestTimeEdit::queuedSignalKeepsWideValues()
{
    QCustomTimeEdit field;
    quint64 received = 0;
    QObject receiver;
    connect(&field, &QCustomTimeEdit::emitTimeChange, &receiver, [&](quint64 v) { received = v; },
            Qt::QueuedConnection);
    field.timeTextEdited("23:59:59.999");
    QCOMPARE(received, quint64(0));
    QTRY_COMPARE(received, quint64(86399999000ULL));
}

void TestTimeEdit::layoutAndDisabledBrush()
{
    QCustomTimeEdit field;
    field.setImageForRect(WidgetPictures::flat(m_dir, "rect.png", 276, 48, Qt::darkGray), QRect(0, 0, 138, 24));
    field.setUpAndDownBtnImage(WidgetPictures::strip(m_dir, "up2.png", 128, 24),
                               WidgetPictures::strip(m_dir, "down2.png", 128, 24));
    field.grab();
    const int u = 16 + 5;
    QCOMPARE(field.editor()->geometry(), QRect(QPoint(5, 2), QPoint(138 + 4 - u, 24 - 3)));
    QCOMPARE(field.upButton()->pos(), QPoint(138 - 16, 0));
    QCOMPARE(field.downButton()->pos(), QPoint(138 - 16, 12));

    field.setEditColor(QColor(228, 228, 228), QColor(120, 120, 120));
    field.setEnabled(false);
    for (QWidget* w : {static_cast<QWidget*>(field.editor()), static_cast<QWidget*>(field.editor()->getLindEdit())}) {
        const QBrush brush = w->palette().brush(QPalette::Disabled, QPalette::Text);
        QCOMPARE(brush.style(), Qt::DiagCrossPattern);
        QCOMPARE(brush.color(), QColor(120, 120, 120));
    }
}

void TestTimeEdit::simpleFieldReportsTypedTimes()
{
    QEditTimeEx field;
    field.setCurrentTime(3723456789ULL);
    QCOMPARE(field.getCurrentTime(), quint64(3723456789ULL));
    QCOMPARE(field.time(), QTime(1, 2, 3, 456));
    QSignalSpy typed(&field, &QEditTimeEx::emitTextEdited);
    field.onTextEdited("00:01:02.500");
    QCOMPARE(typed.count(), 1);
    QCOMPARE(typed.at(0).at(0).value<quint64>(), quint64(62500000));
    field.onTextEdited("00:99:00.000");
    QCOMPARE(typed.count(), 1);
}

QTEST_MAIN(TestTimeEdit)
#include "tst_timeedit.moc"
