#include "MouseEvents.h"
#include "WidgetPictures.h"

#include "QFrameEdge.h"
#include "QImagaeRatioDraw.h"
#include "QImageButton.h"
#include "QImageDialog.h"
#include "QImageWidget.h"
#include "QNinePointsImageDialog.h"
#include "QVariableSizeWidget.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(rectSize)

namespace {

QString describe(const QVector<QImagaeRatioDraw::Piece>& pieces)
{
    QStringList parts;
    for (const auto& p : pieces)
        parts << QString("%1,%2,%3,%4<%5,%6,%7,%8")
                     .arg(p.target.x()).arg(p.target.y()).arg(p.target.width()).arg(p.target.height())
                     .arg(p.source.x()).arg(p.source.y()).arg(p.source.width()).arg(p.source.height());
    return parts.join(" ");
}

// The leftmost column in the top band whose pixel differs from the background.
int firstInkColumn(QWidget& widget, int rows)
{
    const QImage image = widget.grab().toImage();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < rows; ++y)
            if (image.pixelColor(x, y).red() > 100)
                return x;
    return -1;
}

} // namespace

class TestNineGrid : public QObject
{
    Q_OBJECT

private slots:
    void ninePieces_data();
    void ninePieces();
    void thirdPieces_data();
    void thirdPieces();
    void sourceIsDoubled();

    void dialogBackgroundSizesAndCorners();
    void dialogTitleButtons();
    void dialogTitleAlignment();
    void edgeTracking_data();
    void edgeTracking();
    void dialogResizeSkipsEveryOtherMove();
    void dialogMaximisesToItsScreen();
    void dialogDragBand();
    void doubleClickWithoutResizeDoesNothing();

    void windowDoubleClickBand();
    void windowReleaseResetsEdge();
    void windowDragBand();
    void windowWithoutPictureIsGrey();

    void imageWidgetColourFill();
    void imageDialogDragBand();

private:
    QTemporaryDir m_dir;
};

void TestNineGrid::ninePieces_data()
{
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QVector<rectSize>>("corners");
    QTest::addColumn<QString>("pieces");

    const QVector<rectSize> sixty(4, rectSize{60, 60});
    QTest::newRow("equal corners 60, 300x200") << QSize(300, 200) << QSize(200, 200) << sixty
        << "0,0,60,60<0,0,60,60 240,0,60,60<140,0,60,60 60,0,180,60<60,0,80,60 "
           "0,140,60,60<0,140,60,60 240,140,60,60<140,140,60,60 60,140,180,60<60,140,80,60 "
           "0,60,60,80<0,60,60,80 240,60,60,80<140,60,60,80 60,60,180,80<60,60,80,80";
    QTest::newRow("as wide as two corners: no top or bottom edge") << QSize(120, 200) << QSize(200, 200) << sixty
        << "0,0,60,60<0,0,60,60 60,0,60,60<140,0,60,60 0,140,60,60<0,140,60,60 60,140,60,60<140,140,60,60 "
           "0,60,60,80<0,60,60,80 60,60,60,80<140,60,60,80 60,60,0,80<60,60,80,80";
    QTest::newRow("as high as two corners: no side edges or centre") << QSize(300, 120) << QSize(200, 200) << sixty
        << "0,0,60,60<0,0,60,60 240,0,60,60<140,0,60,60 60,0,180,60<60,0,80,60 "
           "0,60,60,60<0,140,60,60 240,60,60,60<140,140,60,60 60,60,180,60<60,140,80,60";
    QTest::newRow("four different corners")
        << QSize(200, 300) << QSize(160, 240)
        << QVector<rectSize>{{10, 20}, {30, 40}, {50, 60}, {70, 80}}
        << "0,0,10,20<0,0,10,20 170,0,30,40<130,0,30,40 10,0,160,40<10,0,120,40 "
           "0,240,50,60<0,180,50,60 130,220,70,80<90,160,70,80 50,220,80,80<50,160,40,80 "
           "0,20,10,220<0,20,10,160 170,40,30,180<130,40,30,120 10,20,160,220<10,20,120,160";
}

void TestNineGrid::ninePieces()
{
    QFETCH(QSize, target);
    QFETCH(QSize, picture);
    QFETCH(QVector<rectSize>, corners);
    QFETCH(QString, pieces);
    const auto result = QImagaeRatioDraw::ninePieces(target.width(), target.height(), picture.width(),
                                                     picture.height(), corners[0], corners[1], corners[2], corners[3]);
    QCOMPARE(describe(result), pieces);
}

void TestNineGrid::thirdPieces_data()
{
    QTest::addColumn<QSize>("target");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("topLeft");
    QTest::addColumn<int>("count");

    QTest::newRow("panel as large as its picture") << QSize(300, 150) << QSize(300, 150) << QRect(0, 0, 100, 50) << 9;
    QTest::newRow("panel half as wide") << QSize(150, 150) << QSize(300, 150) << QRect(0, 0, 50, 50) << 9;
    QTest::newRow("panel larger than its picture") << QSize(600, 300) << QSize(300, 150) << QRect(0, 0, 100, 50) << 9;
    QTest::newRow("empty picture draws nothing visible") << QSize(100, 100) << QSize(0, 0) << QRect(0, 0, 0, 0) << 0;
}

void TestNineGrid::thirdPieces()
{
    QFETCH(QSize, target);
    QFETCH(QSize, picture);
    QFETCH(QRect, topLeft);
    QFETCH(int, count);
    const auto pieces = QImagaeRatioDraw::thirdPieces(target.width(), target.height(), picture.width(),
                                                      picture.height());
    QCOMPARE(pieces.size(), count);
    if (topLeft.isEmpty())
        return;
    QCOMPARE(pieces.first().target, topLeft);
    QCOMPARE(pieces.first().source, topLeft);
}

void TestNineGrid::sourceIsDoubled()
{
    QImage picture(100, 100, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QPainter fill(&picture);
    fill.fillRect(20, 20, 40, 40, Qt::green);
    fill.end();
    picture.setDevicePixelRatio(2.0);

    QImage canvas(20, 20, QImage::Format_ARGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    QImagaeRatioDraw::drawImage(painter, QRect(0, 0, 20, 20), QRect(10, 10, 20, 20), picture);
    painter.end();
    for (QPoint p : {QPoint(1, 1), QPoint(10, 10), QPoint(18, 18)})
        QCOMPARE(canvas.pixelColor(p), QColor(Qt::green));
}

void TestNineGrid::dialogBackgroundSizesAndCorners()
{
    const QString bg = WidgetPictures::flat(m_dir, "bg.png", 400, 300, Qt::black);
    QNinePointsImageDialog dialog;
    dialog.setBackgroundImage(bg, false);
    QCOMPARE(dialog.size(), QSize(200, 150));
    QCOMPARE(dialog.minimumSize(), QSize(200, 150));
    QCOMPARE(dialog.gridCorner(0).width, 66);
    QCOMPARE(dialog.gridCorner(3).height, 50);
    QCOMPARE(dialog.titleRect(), QRect(10, 0, 400, 25));

    QNinePointsImageDialog resizable;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed to load: .*missing.png"));
    resizable.setBackgroundImage(m_dir.filePath("missing.png"), true);
    QCOMPARE(resizable.gridCorner(0).width, 0);
    QCOMPARE(resizable.gridCorner(0).height, 0);
}

void TestNineGrid::dialogTitleButtons()
{
    const QString strip = WidgetPictures::strip(m_dir, "dot.png", 128, 32);
    QNinePointsImageDialog dialog;
    dialog.addCloseBtn(strip, true);
    dialog.addMinBtn(strip, true);
    dialog.addMaxBtn(strip, true);
    QCOMPARE(dialog.closeButton()->pos(), QPoint(12, 9));
    QCOMPARE(dialog.minButton()->pos(), QPoint(32, 9));
    QCOMPARE(dialog.maxButton()->pos(), QPoint(52, 9));
    QCOMPARE(dialog.closeButton()->size(), QSize(16, 16));
    QVERIFY(dialog.closeButton()->isEnabled());
    QVERIFY(!dialog.minButton()->isEnabled());
    QVERIFY(!dialog.maxButton()->isEnabled());
    QVERIFY(!dialog.closeButton()->isHidden());

    QImageButton* first = dialog.closeButton();
    QPointer<QImageButton> watch(first);
    dialog.addCloseBtn(strip, false);
    QVERIFY(watch.isNull());
    QVERIFY(dialog.closeButton()->isHidden());
}

void TestNineGrid::dialogTitleAlignment()
{
    const QString bg = WidgetPictures::flat(m_dir, "black.png", 600, 200, Qt::black);
    QNinePointsImageDialog dialog;
    dialog.setBackgroundImage(bg, false);
    dialog.setGridViewInfo({20, 20}, {20, 20}, {20, 20}, {20, 20});
    dialog.setTextColor(Qt::white);
    dialog.setTitle("Title");
    const int leftAligned = firstInkColumn(dialog, 25);
    QVERIFY2(leftAligned >= 10 && leftAligned < 16, qPrintable(QString::number(leftAligned)));

    dialog.setTitleRect(QRect(0, 5, 0, 0));
    dialog.repaint();
    const int centred = firstInkColumn(dialog, 30);
    QVERIFY2(centred > 120 && centred < 150, qPrintable(QString::number(centred)));
    QCOMPARE(dialog.titleRect(), QRect(0, 5, 300, 20));
}

void TestNineGrid::edgeTracking_data()
{
    QTest::addColumn<bool>("window");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("edge");
    QTest::addColumn<QPoint>("offset");

    // Geometry (100, 100) 200 x 150: L 100, T 100, R 299, B 249.
    QTest::newRow("left") << false << QPoint(101, 150) << true << 1 << QPoint(1, -1);
    QTest::newRow("top-left") << false << QPoint(102, 103) << true << 2 << QPoint(2, 3);
    QTest::newRow("top") << false << QPoint(200, 104) << true << 3 << QPoint(-1, 4);
    QTest::newRow("top-right") << false << QPoint(297, 101) << true << 4 << QPoint(2, 1);
    QTest::newRow("right") << false << QPoint(299, 150) << true << 5 << QPoint(0, -1);
    QTest::newRow("bottom-right") << false << QPoint(296, 247) << true << 6 << QPoint(3, 2);
    QTest::newRow("bottom") << false << QPoint(200, 249) << true << 7 << QPoint(-1, 0);
    QTest::newRow("bottom-left") << false << QPoint(104, 245) << true << 8 << QPoint(4, 4);
    QTest::newRow("inside") << false << QPoint(200, 150) << true << 0 << QPoint(-1, -1);
    QTest::newRow("just past the left band") << false << QPoint(105, 150) << true << 0 << QPoint(-1, -1);
    QTest::newRow("corner wins at the side band's end") << false << QPoint(104, 104) << true << 2 << QPoint(4, 4);
    QTest::newRow("left, width fixed") << false << QPoint(101, 150) << false << 0 << QPoint(-1, -1);
    QTest::newRow("top-left, width fixed") << false << QPoint(102, 103) << false << 0 << QPoint(-1, -1);
    QTest::newRow("top, width fixed") << false << QPoint(200, 104) << false << 3 << QPoint(-1, 4);
    QTest::newRow("bottom, width fixed") << false << QPoint(200, 249) << false << 7 << QPoint(-1, 0);
    QTest::newRow("window left band is 3") << true << QPoint(103, 150) << true << 1 << QPoint(3, -1);
    QTest::newRow("window past left band") << true << QPoint(104, 150) << true << 0 << QPoint(-1, -1);
    QTest::newRow("window corner band is 6") << true << QPoint(106, 106) << true << 2 << QPoint(6, 6);
    QTest::newRow("window top") << true << QPoint(107, 106) << true << 3 << QPoint(-1, 6);
    QTest::newRow("window bottom-right") << true << QPoint(293, 243) << true << 6 << QPoint(6, 6);
}

void TestNineGrid::edgeTracking()
{
    QFETCH(bool, window);
    QFETCH(QPoint, pos);
    QFETCH(bool, horizontal);
    QFETCH(int, edge);
    QFETCH(QPoint, offset);
    QPoint stored(-1, -1);
    const auto bands = window ? QFrameEdge::windowBands() : QFrameEdge::dialogBands();
    QCOMPARE(QFrameEdge::edgeAt(pos, QRect(100, 100, 200, 150), horizontal, bands, &stored), edge);
    QCOMPARE(stored, offset);
}

void TestNineGrid::dialogResizeSkipsEveryOtherMove()
{
    QNinePointsImageDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.setGeometry(100, 100, 200, 150);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect start = dialog.geometry();

    MouseEvents::move(&dialog, QPoint(start.right(), start.center().y()));
    QCOMPARE(dialog.edge(), 5);
    QCOMPARE(dialog.cursor().shape(), Qt::SizeHorCursor);
    MouseEvents::press(&dialog, QPoint(start.right(), start.center().y()));
    MouseEvents::move(&dialog, QPoint(start.right() + 20, start.center().y()), Qt::LeftButton);
    QCOMPARE(dialog.geometry(), start);
    MouseEvents::move(&dialog, QPoint(start.right() + 30, start.center().y()), Qt::LeftButton);
    QCOMPARE(dialog.geometry().width(), start.width() + 30);
    QCOMPARE(dialog.geometry().left(), start.left());
    MouseEvents::move(&dialog, QPoint(start.right() + 40, start.center().y()), Qt::LeftButton);
    QCOMPARE(dialog.geometry().width(), start.width() + 30);
    MouseEvents::release(&dialog, QPoint(start.right() + 40, start.center().y()));
}

void TestNineGrid::dialogMaximisesToItsScreen()
{
    QNinePointsImageDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.setGeometry(50, 60, 200, 150);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect normal = dialog.geometry();
    dialog.OnBtnMax();
    QVERIFY(dialog.isMaximised());
    QCOMPARE(dialog.geometry(), dialog.screen()->availableGeometry());
    dialog.OnBtnMax();
    QVERIFY(!dialog.isMaximised());
    QCOMPARE(dialog.geometry(), normal);
}

void TestNineGrid::dialogDragBand()
{
    QNinePointsImageDialog dialog;
    dialog.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    dialog.setVariableResize(false);
    dialog.setMoveTop(26);
    dialog.setGeometry(100, 100, 200, 150);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    MouseEvents::press(&dialog, QPoint(200, 110));
    MouseEvents::move(&dialog, QPoint(230, 140), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(130, 130));
    MouseEvents::release(&dialog, QPoint(230, 140));

    MouseEvents::press(&dialog, QPoint(200, 130 + 26));
    MouseEvents::move(&dialog, QPoint(220, 180), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(130, 130));
    MouseEvents::release(&dialog, QPoint(220, 180));

    MouseEvents::press(&dialog, QPoint(200, 135), Qt::RightButton);
    MouseEvents::move(&dialog, QPoint(220, 180), Qt::RightButton);
    QCOMPARE(dialog.pos(), QPoint(130, 130));
}

void TestNineGrid::doubleClickWithoutResizeDoesNothing()
{
    QNinePointsImageDialog dialog;
    dialog.setVariableResize(false);
    dialog.setGeometry(100, 100, 200, 150);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    MouseEvents::doubleClick(&dialog, QPoint(150, 110));
    QVERIFY(!dialog.isMaximised());
    dialog.setVariableResize(true);
    MouseEvents::doubleClick(&dialog, QPoint(150, 110));
    QVERIFY(dialog.isMaximised());
}

void TestNineGrid::windowDoubleClickBand()
{
    QVariableSizeWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy restored(&window, &QVariableSizeWidget::emitRestoreDlg);

    MouseEvents::press(&window, QPoint(200, 100 + 76));
    MouseEvents::release(&window, QPoint(200, 100 + 76));
    MouseEvents::doubleClick(&window, QPoint(200, 100 + 76));
    QVERIFY(!window.isMaxSize());

    MouseEvents::press(&window, QPoint(200, 100 + 75));
    MouseEvents::release(&window, QPoint(200, 100 + 75));
    MouseEvents::doubleClick(&window, QPoint(200, 100 + 75));
    QVERIFY(window.isMaxSize());
    QCOMPARE(window.geometry(), window.screen()->availableGeometry());
    QCOMPARE(restored.count(), 0);

    MouseEvents::press(&window, QPoint(200, 10));
    MouseEvents::release(&window, QPoint(200, 10));
    MouseEvents::doubleClick(&window, QPoint(200, 10));
    QVERIFY(!window.isMaxSize());
    QCOMPARE(window.geometry(), QRect(100, 100, 400, 300));
    QCOMPARE(restored.count(), 1);

    window.OnBtnMax(10);
    const QRect area = window.screen()->availableGeometry();
    QCOMPARE(window.geometry(), QRect(area.x() - 5, area.y() - 5, area.width() + 10, area.height()));
}

void TestNineGrid::windowReleaseResetsEdge()
{
    QVariableSizeWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MouseEvents::move(&window, QPoint(100, 250));
    QCOMPARE(window.edge(), 1);
    MouseEvents::press(&window, QPoint(100, 250));
    MouseEvents::release(&window, QPoint(100, 250));
    QCOMPARE(window.edge(), 0);
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void TestNineGrid::windowDragBand()
{
    QVariableSizeWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    MouseEvents::press(&window, QPoint(300, 100 + 76));
    MouseEvents::move(&window, QPoint(320, 200), Qt::LeftButton);
    QCOMPARE(window.pos(), QPoint(100, 100));
    MouseEvents::release(&window, QPoint(320, 200));

    MouseEvents::press(&window, QPoint(300, 100 + 75));
    MouseEvents::move(&window, QPoint(320, 200), Qt::LeftButton);
    QCOMPARE(window.pos(), QPoint(120, 125));
    MouseEvents::release(&window, QPoint(320, 200));

    window.OnBtnMax();
    const QPoint maximised = window.pos();
    MouseEvents::press(&window, maximised + QPoint(200, 10));
    MouseEvents::move(&window, maximised + QPoint(240, 60), Qt::LeftButton);
    QCOMPARE(window.pos(), maximised);
}

void TestNineGrid::windowWithoutPictureIsGrey()
{
    QVariableSizeWidget window;
    window.resize(100, 80);
    window.setDlgTitle("Untitled");
    const QColor c = WidgetPictures::colorAt(window, QPoint(50, 10));
    // The translucent grey (100, 100, 100, alpha 100) over the window's own ground.
    const QColor ground = window.palette().window().color();
    const int expected = (ground.red() * 155 + 100 * 100) / 255;
    QVERIFY2(qAbs(c.red() - expected) <= 2 && c.red() == c.green() && c.green() == c.blue(),
             qPrintable(c.name(QColor::HexArgb)));
}

void TestNineGrid::imageWidgetColourFill()
{
    QImageWidget panel;
    panel.resize(40, 30);
    panel.setBackgroundColor(10, 120, 200);
    QCOMPARE(WidgetPictures::colorAt(panel, QPoint(20, 15)), QColor(10, 120, 200));

    const QString bg = WidgetPictures::flat(m_dir, "panel.png", 120, 60, QColor(0, 200, 0));
    panel.setBackgroundImage(bg, true);
    QCOMPARE(panel.size(), QSize(60, 30));
    QCOMPARE(WidgetPictures::colorAt(panel, QPoint(30, 15)), QColor(0, 200, 0));
    QVERIFY(QImageWidget::GetApplicationPath().endsWith("/"));
}

void TestNineGrid::imageDialogDragBand()
{
    const QString bg = WidgetPictures::flat(m_dir, "dlg.png", 400, 300, Qt::gray);
    QImageDialog dialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    dialog.SetImageBackgroud(bg);
    QCOMPARE(dialog.size(), QSize(200, 150));
    dialog.move(100, 100);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (int y : {0, 50}) {
        MouseEvents::press(&dialog, QPoint(150, 100 + y));
        MouseEvents::move(&dialog, QPoint(170, 130 + y), Qt::LeftButton);
        MouseEvents::release(&dialog, QPoint(170, 130 + y));
        QCOMPARE(dialog.pos(), QPoint(100, 100));
    }
    MouseEvents::press(&dialog, QPoint(150, 110));
    MouseEvents::move(&dialog, QPoint(170, 130), Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(120, 120));
}

QTEST_MAIN(TestNineGrid)
#include "tst_ninegrid.moc"
