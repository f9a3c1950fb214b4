#include "MouseEvents.h"
#include "WidgetPictures.h"

#include "QCheckButton.h"

#include <QFontMetrics>
#include <QSignalSpy>
#include <QtTest>

class TestCheckButton : public QObject
{
    Q_OBJECT

private slots:
    void pressSequence_data();
    void pressSequence();
    void setCheckedIsSilent();
    void captionAfterPicture();
    void captionShownWhenSizedAfterPictures();
    void drawsPictureOfState();

private:
    QTemporaryDir m_dir;
};

void TestCheckButton::pressSequence_data()
{
    QTest::addColumn<bool>("radio");
    QTest::addColumn<bool>("startChecked");
    QTest::addColumn<QList<bool>>("afterEachPress");
    QTest::newRow("check box toggles") << false << false << QList<bool>{true, false, true};
    QTest::newRow("check box from checked") << false << true << QList<bool>{false, true};
    QTest::newRow("radio stays checked") << true << false << QList<bool>{true, true, true};
    QTest::newRow("checked radio stays checked") << true << true << QList<bool>{true};
}

void TestCheckButton::pressSequence()
{
    QFETCH(bool, radio);
    QFETCH(bool, startChecked);
    QFETCH(QList<bool>, afterEachPress);
    QCheckButton button;
    button.resize(100, 20);
    button.setButtonType(radio);
    button.setChecked(startChecked);
    QSignalSpy clicked(&button, &QCheckButton::clicked);
    for (int i = 0; i < afterEachPress.size(); ++i) {
        MouseEvents::press(&button, button.mapToGlobal(QPoint(5, 5)), i % 2 ? Qt::RightButton : Qt::LeftButton);
        QCOMPARE(button.isChecked(), afterEachPress.at(i));
        QCOMPARE(button.checkState(), afterEachPress.at(i) ? int(Qt::Checked) : int(Qt::Unchecked));
    }
    QCOMPARE(clicked.count(), afterEachPress.size());
}

void TestCheckButton::setCheckedIsSilent()
{
    QCheckButton button;
    QSignalSpy clicked(&button, &QCheckButton::clicked);
    button.setChecked(true);
    QVERIFY(button.isChecked());
    QCOMPARE(button.checkState(), 2);
    QCOMPARE(clicked.count(), 0);
}

void TestCheckButton::captionAfterPicture()
{
    QCheckButton button;
    button.resize(200, 20);
    const QString on = WidgetPictures::flat(m_dir, "on.png", 36, 36, Qt::green);
    const QString off = WidgetPictures::flat(m_dir, "off.png", 36, 36, Qt::red);
    button.setCheckImage(on, off);
    QCOMPARE(button.imageRect().size(), QSize(18, 18));
    QCOMPARE(button.textRect().left(), 23);

    QFont font("Tahoma");
    font.setPixelSize(12);
    button.setFont(font);
    button.setText("Merge into one file");
    button.adjustSize();
    QCOMPARE(button.width(), 23 + QFontMetrics(font).horizontalAdvance("Merge into one file"));
    QCOMPARE(button.height(), 20);
}

// Pictures given while the widget is narrower than them left a negative caption
// width that hid the caption.
void TestCheckButton::captionShownWhenSizedAfterPictures()
{
    QCheckButton button;
    button.resize(10, 20);
    button.setCheckImage(WidgetPictures::flat(m_dir, "on3.png", 28, 28, Qt::green),
                         WidgetPictures::flat(m_dir, "off3.png", 28, 28, Qt::red));
    button.setTextColor(Qt::white);
    button.setText("Caption");
    button.resize(120, 20);
    const QImage image = button.grab().toImage();
    bool ink = false;
    for (int x = 20; x < 120 && !ink; ++x)
        for (int y = 0; y < 20 && !ink; ++y)
            ink = image.pixelColor(x, y).red() > 128 && image.pixelColor(x, y).green() > 128;
    QVERIFY(ink);
}

void TestCheckButton::drawsPictureOfState()
{
    QCheckButton button;
    button.resize(60, 30);
    button.setCheckImage(WidgetPictures::flat(m_dir, "on2.png", 20, 20, Qt::green),
                         WidgetPictures::flat(m_dir, "off2.png", 20, 20, Qt::red));
    // A picture rectangle at the top is centred vertically: (30 - 10) / 2 = 10.
    QCOMPARE(WidgetPictures::colorAt(button, QPoint(5, 15)), QColor(Qt::red));
    button.setChecked(true);
    QCOMPARE(WidgetPictures::colorAt(button, QPoint(5, 15)), QColor(Qt::green));
    QVERIFY(WidgetPictures::colorAt(button, QPoint(5, 5)) != QColor(Qt::green));
}

QTEST_MAIN(TestCheckButton)
#include "tst_checkbutton.moc"
