#include "CListItemWgt.h"
#include "MouseImageWidget.h"
#include "QButtonListDlg.h"
#include "QTextImageButton.h"

#include <QSignalSpy>
#include <QtTest>

class TestSegmentWidgets : public QObject
{
    Q_OBJECT

private slots:
    void seventhButtonScrolls();
    void scrollingButtons();
    void deletingTheCurrentButton_data();
    void deletingTheCurrentButton();
    void clickingNumbers();
    void rowStates_data();
    void rowStates();
    void thumbnailCrop_data();
    void thumbnailCrop();
};

namespace {

bool shown(QWidget* w)
{
    return !w->isHidden();
}

} // namespace

void TestSegmentWidgets::seventhButtonScrolls()
{
    QButtonListDlg strip;
    strip.show();
    for (int i = 0; i < 7; ++i)
        strip.addBtnItem(true);
    QCOMPARE(strip.firstVisible(), 1);
    QVERIFY(!shown(strip.button(0)));
    for (int i = 1; i < 7; ++i) {
        QVERIFY(shown(strip.button(i)));
        QCOMPARE(strip.button(i)->getBtnText(), QString::number(i + 1));
    }
    QVERIFY(shown(strip.previousButton()));
    QVERIFY(!shown(strip.nextButton()));
    QCOMPARE(strip.currentIndex(), 6);
}

void TestSegmentWidgets::scrollingButtons()
{
    QButtonListDlg strip;
    strip.show();
    for (int i = 0; i < 8; ++i)
        strip.addBtnItem(false);
    QCOMPARE(strip.firstVisible(), 2);
    strip.OnPreviousBtn();
    strip.OnPreviousBtn();
    strip.OnPreviousBtn();
    QCOMPARE(strip.firstVisible(), 0);
    QVERIFY(!shown(strip.previousButton()));
    QVERIFY(shown(strip.nextButton()));
    strip.OnNextBtn();
    strip.OnNextBtn();
    strip.OnNextBtn();
    QCOMPARE(strip.firstVisible(), 2); // the last button stays at the right end
    strip.showLastItem();
    QCOMPARE(strip.firstVisible(), 2);
}

void TestSegmentWidgets::deletingTheCurrentButton_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expectCurrent");
    QTest::newRow("first: the new first") << 0 << 0;
    QTest::newRow("middle: its predecessor") << 2 << 1;
    QTest::newRow("last: its predecessor") << 3 << 2;
}

void TestSegmentWidgets::deletingTheCurrentButton()
{
    QFETCH(int, current);
    QFETCH(int, expectCurrent);
    QButtonListDlg strip;
    for (int i = 0; i < 4; ++i)
        strip.addBtnItem(false);
    strip.setCurrItem(current);
    strip.deleteBtn(current);
    QCOMPARE(strip.getItemCount(), 3);
    QCOMPARE(strip.currentIndex(), expectCurrent);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(strip.button(i)->getBtnText(), QString::number(i + 1));
    strip.deleteAll();
    QCOMPARE(strip.getItemCount(), 0);
    QCOMPARE(strip.currentIndex(), -1);
}

void TestSegmentWidgets::clickingNumbers()
{
    QButtonListDlg strip;
    strip.show();
    for (int i = 0; i < 3; ++i)
        strip.addBtnItem(true);
    QSignalSpy clicks(&strip, &QButtonListDlg::ClickIndex);
    QTest::mouseClick(strip.button(2), Qt::LeftButton);
    QCOMPARE(clicks.count(), 0); // already current
    QTest::mouseClick(strip.button(0), Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.first().at(0).toInt(), 0);
    QCOMPARE(strip.currentIndex(), 0);
}

void TestSegmentWidgets::rowStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("normal") << 0 << QColor(51, 51, 51);
    QTest::newRow("hover") << 1 << QColor(126, 126, 126);
    QTest::newRow("selected") << 2 << QColor(92, 92, 92);
}

void TestSegmentWidgets::rowStates()
{
    QFETCH(int, state);
    QFETCH(QColor, colour);
    CListItemWgt row;
    row.resize(100, 48);
    row.setMouseState(CListItemWgt::QConvertMouseState(state));
    QCOMPARE(row.grab().toImage().pixelColor(50, 24), colour);

    // A left click selects; hovering a selected row keeps it selected.
    CListItemWgt other;
    other.resize(100, 48);
    QSignalSpy presses(&other, &CListItemWgt::emitMousePress);
    QTest::mouseClick(&other, Qt::LeftButton);
    QCOMPARE(presses.count(), 1);
    QCOMPARE(other.getMouseState(), CListItemWgt::Selected);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(&other, &enter);
    QCOMPARE(other.getMouseState(), CListItemWgt::Selected);
}

void TestSegmentWidgets::thumbnailCrop_data()
{
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QRect>("crop");
    QTest::newRow("16:9 frame in a 4:3 widget loses its sides") << QSize(40, 30) << QSize(160, 90)
                                                                 << QRect(20, 0, 120, 90);
    QTest::newRow("4:3 frame in a 16:9 widget loses top and bottom") << QSize(160, 90) << QSize(40, 30)
                                                                      << QRect(0, 4, 40, 22);
    QTest::newRow("same aspect keeps all") << QSize(55, 45) << QSize(110, 90) << QRect(0, 0, 110, 90);
}

void TestSegmentWidgets::thumbnailCrop()
{
    QFETCH(QSize, widget);
    QFETCH(QSize, image);
    QFETCH(QRect, crop);
    QCOMPARE(MouseImageWidget::centreCrop(widget, image), crop);

    // Drawn: the frame fills the widget; a red centre with blue sides shows only red.
    QImage frame(image, QImage::Format_RGB32);
    frame.fill(Qt::blue);
    for (int y = crop.top(); y <= crop.bottom(); ++y)
        for (int x = crop.left(); x <= crop.right(); ++x)
            frame.setPixel(x, y, qRgb(255, 0, 0));
    MouseImageWidget thumbnail;
    thumbnail.setAllImage(QString(), &frame, QString());
    thumbnail.resize(widget);
    const QImage drawn = thumbnail.grab().toImage();
    QCOMPARE(QColor(drawn.pixel(1, widget.height() / 2)).red(), 255);
    QCOMPARE(QColor(drawn.pixel(widget.width() - 2, widget.height() / 2)).red(), 255);
}

QTEST_MAIN(TestSegmentWidgets)
#include "tst_segmentwidgets.moc"
