// The preview surfaces: fitting the picture, the click and full-screen signals,
// and the selection boxes the preview player draws and drags.
#include "EditorMouse.h"
#include "QMediaBorderFrame.h"
#include "QMediaDashedFrame.h"
#include "QMediaElementWindow.h"

#include <QPainter>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(QMouseEvent*)

class tst_PreviewSurfaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QMouseEvent*>(); }
    void fitsThePicture_data();
    void fitsThePicture();
    void emptyVideoSizeChangesNothing();
    void clickWithoutDragTogglesPlayback();
    void fullScreenMoveNearTheBottomShowsTheButtons();
    void doubleClickTogglesFullScreenAndRefits();
    void boxPiecesAndLines();
    void boxDrawsAfterItsDelay();
    void cropBoxIsPlacedAgainstThePicture();
    void itemBoxesByIndex();
    void mouseOverTheCropBoxReachesTheFrame();
};

void tst_PreviewSurfaces::fitsThePicture_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("video");
    QTest::addColumn<QRect>("picture");
    QTest::newRow("wide video") << QSize(700, 500) << QSize(1920, 1080) << QRect(0, 53, 700, 393);
    QTest::newRow("tall video") << QSize(700, 500) << QSize(1080, 1920) << QRect(209, 0, 281, 500);
    QTest::newRow("same ratio") << QSize(700, 500) << QSize(1400, 1000) << QRect(0, 0, 700, 500);
    QTest::newRow("tiny video grows") << QSize(791, 521) << QSize(4, 3) << QRect(48, 0, 694, 521);
    QTest::newRow("one pixel") << QSize(300, 200) << QSize(1, 1) << QRect(50, 0, 200, 200);
}

void tst_PreviewSurfaces::fitsThePicture()
{
    QFETCH(QSize, window);
    QFETCH(QSize, video);
    QFETCH(QRect, picture);
    QMediaElementWindow surface;
    surface.resize(window);
    QSignalSpy changed(&surface, &QMediaElementWindow::emitVideoElementSizeChange);
    surface.setVideoElementSize(video.width(), video.height());
    QCOMPARE(surface.getVideoElementRect(), picture);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toRect(), picture);
}

void tst_PreviewSurfaces::emptyVideoSizeChangesNothing()
{
    QMediaElementWindow surface;
    surface.resize(700, 500);
    const QRect before = surface.getVideoElementRect();
    QSignalSpy changed(&surface, &QMediaElementWindow::emitVideoElementSizeChange);
    surface.setVideoElementSize(0, 1080);
    surface.setVideoElementSize(1920, 0);
    surface.setVideoElementSize(-5, -5);
    QCOMPARE(surface.getVideoElementRect(), before);
    QCOMPARE(changed.count(), 0);
}

void tst_PreviewSurfaces::clickWithoutDragTogglesPlayback()
{
    QMediaElementWindow surface;
    surface.resize(700, 500);
    QSignalSpy toggled(&surface, &QMediaElementWindow::emitPlayOrPause);
    QSignalSpy pressed(&surface, &QMediaElementWindow::emitMousePressEvent);
    QSignalSpy released(&surface, &QMediaElementWindow::emitMouseReleaseEvent);
    EditorMouse::press(&surface, QPoint(100, 100));
    EditorMouse::release(&surface, QPoint(100, 100));
    QCOMPARE(toggled.count(), 1);
    EditorMouse::press(&surface, QPoint(100, 100));
    EditorMouse::release(&surface, QPoint(101, 100));
    QCOMPARE(toggled.count(), 1);
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(released.count(), 2);
}

void tst_PreviewSurfaces::fullScreenMoveNearTheBottomShowsTheButtons()
{
    QMediaElementWindow surface;
    surface.resize(800, 600);
    QSignalSpy showButtons(&surface, &QMediaElementWindow::emitShowBtn);
    QSignalSpy moved(&surface, &QMediaElementWindow::emitMouseMoveEvent);
    EditorMouse::move(&surface, QPoint(10, 590));
    QCOMPARE(showButtons.count(), 0); // only in full screen
    surface.setWindowState(Qt::WindowFullScreen);
    surface.resize(800, 600);
    EditorMouse::move(&surface, QPoint(10, 521));
    EditorMouse::move(&surface, QPoint(10, 520));
    QCOMPARE(showButtons.count(), 2);
    QCOMPARE(showButtons.at(0).at(0).toBool(), true);
    QCOMPARE(showButtons.at(1).at(0).toBool(), false);
    QCOMPARE(moved.count(), 3);
}

void tst_PreviewSurfaces::doubleClickTogglesFullScreenAndRefits()
{
    QMediaElementWindow surface;
    surface.resize(700, 500);
    surface.setVideoElementSize(1920, 1080);
    QSignalSpy fullScreen(&surface, &QMediaElementWindow::emitFullScreen);
    QSignalSpy refitted(&surface, &QMediaElementWindow::emitVideoElementSizeChange);
    EditorMouse::send(&surface, QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton);
    QVERIFY(surface.isFullScreen());
    QCOMPARE(fullScreen.count(), 1);
    QCOMPARE(refitted.count(), 1);
    // The picture keeps the video's shape in the new window size.
    const QRect picture = surface.getVideoElementRect();
    QVERIFY(qAbs(picture.width() * 1080 - picture.height() * 1920) <= 1920);
    EditorMouse::send(&surface, QEvent::MouseButtonDblClick, QPoint(10, 10), Qt::LeftButton);
    QVERIFY(!surface.isFullScreen());
    QCOMPARE(fullScreen.count(), 2);
}

namespace {
// A 28 x 28 border picture with each handle piece and the centre in its own colour.
struct BorderPicture {
    QImage image{28, 28, QImage::Format_ARGB32};
    QList<QPair<QPoint, QColor>> pieces;
    QColor centre{200, 0, 200};

    BorderPicture()
    {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const QList<QPoint> origins = {{0, 0}, {11, 0}, {22, 0}, {0, 11}, {22, 11}, {0, 22}, {11, 22}, {22, 22}};
        for (int i = 0; i < origins.size(); ++i) {
            const QColor color(20 + i * 25, 100, 255 - i * 25);
            painter.fillRect(QRect(origins.at(i), QSize(6, 6)), color);
            pieces.append({origins.at(i), color});
        }
        painter.fillRect(6, 6, 16, 16, centre);
    }
};

QImage drawBox(QMediaDashedFrame& box, const QImage& picture)
{
    QImage canvas(box.size(), QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    box.paintDashedBorderAngle(painter, picture);
    return canvas;
}

bool rowHasWhite(const QImage& image, int y, int from, int to)
{
    for (int x = from; x <= to; ++x) {
        if (image.pixelColor(x, y) == QColor(Qt::white))
            return true;
    }
    return false;
}
}

void tst_PreviewSurfaces::boxPiecesAndLines()
{
    const BorderPicture picture;
    QMediaDashedFrame box;
    box.resize(100, 60);
    const QImage drawn = drawBox(box, picture.image);
    // Middles at x 47 (top, bottom) and y 27 (sides); the inner pixel of each piece
    // is clear of the dotted lines.
    const QList<QPoint> targets = {{0, 0}, {47, 0}, {94, 0}, {0, 27}, {94, 27}, {0, 54}, {47, 54}, {94, 54}};
    for (int i = 0; i < targets.size(); ++i)
        QCOMPARE(drawn.pixelColor(targets.at(i) + QPoint(3, 3)), picture.pieces.at(i).second);
    QCOMPARE(drawn.pixelColor(50, 30), picture.centre);
    // Dotted lines between the pieces, nothing drawn across them.
    QVERIFY(rowHasWhite(drawn, 0, 8, 45));
    QVERIFY(rowHasWhite(drawn, 0, 55, 92));
    QVERIFY(!rowHasWhite(drawn, 3, 8, 45));

    box.showCenterImage(false);
    QCOMPARE(drawBox(box, picture.image).pixelColor(50, 30), QColor(Qt::transparent));
}

void tst_PreviewSurfaces::boxDrawsAfterItsDelay()
{
    QTemporaryDir dir;
    const BorderPicture picture;
    const QString path = dir.filePath(QStringLiteral("border.png"));
    QVERIFY(picture.image.save(path));
    QMediaDashedFrame box;
    box.setImage(path);
    box.resize(100, 60);
    // Every paint during the delay restarts it: wait on the timer, not by painting.
    auto* delay = box.findChild<QTimer*>();
    QVERIFY(delay);
    const auto corner = [&box] { return box.grab().toImage().pixelColor(3, 3); };
    QCOMPARE(corner(), QColor(Qt::transparent));
    QVERIFY(delay->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(!delay->isActive(), 10000);
    QCOMPARE(corner(), picture.pieces.first().second);
    // Hiding starts the delay again.
    box.setVisible(false);
    QCOMPARE(corner(), QColor(Qt::transparent));
    QTRY_VERIFY_WITH_TIMEOUT(!delay->isActive(), 10000);
    QCOMPARE(corner(), picture.pieces.first().second);
}

void tst_PreviewSurfaces::cropBoxIsPlacedAgainstThePicture()
{
    QMediaBorderFrame frame;
    frame.resize(700, 500);
    QVERIFY(!frame.findChild<QMediaDashedFrame*>());
    frame.setVideoDashedFrame(QRect(40, 30, 300, 200));
    frame.setDashedFrame(QRect(10, 20, 100, 50), false);
    auto* crop = frame.findChild<QMediaDashedFrame*>();
    QVERIFY(crop);
    QCOMPARE(crop->geometry(), QRect(50, 50, 100, 50));
    QCOMPARE(frame.getVideoDashedFrame(), QRect(40, 30, 300, 200));

    frame.setDashedFrame(QRect(5, 6, 70, 80), true);
    QCOMPARE(crop->geometry(), QRect(5, 6, 70, 80));
    QCOMPARE(frame.getVideoDashedFrame(), QRect(5, 6, 70, 80));
    QCOMPARE(frame.findChildren<QMediaDashedFrame*>().size(), 1);
}

void tst_PreviewSurfaces::itemBoxesByIndex()
{
    QMediaBorderFrame frame;
    frame.resize(700, 500);
    frame.addDashFrameItem(QRect());
    frame.addDashFrameItem(QRect());
    const auto items = frame.findChildren<QMediaDashedFrame*>();
    QCOMPARE(items.size(), 2);
    QVERIFY(frame.isValid(1));
    QVERIFY(!frame.isValid(2));
    QVERIFY(!frame.isValid(-1));
    for (QMediaDashedFrame* item : items)
        QVERIFY(item->testAttribute(Qt::WA_TransparentForMouseEvents));

    // Items show with the frame.
    frame.show();
    QVERIFY(items.at(0)->isVisible() && items.at(1)->isVisible());
    frame.setDashFrameItemForList(QRect(1, 2, 30, 40), 1);
    QCOMPARE(items.at(1)->geometry(), QRect(1, 2, 30, 40));
    frame.setDashFrameItemShow(0, false);
    QVERIFY(!items.at(0)->isVisible());
    frame.setDashFrameItemShow(2, false);
    frame.setDashFrameItemForList(QRect(9, 9, 9, 9), 2);
    frame.setDashFrameItemShow(-1, false);
    QVERIFY(items.at(1)->isVisible());
    QCOMPARE(items.at(1)->geometry(), QRect(1, 2, 30, 40));
}

void tst_PreviewSurfaces::mouseOverTheCropBoxReachesTheFrame()
{
    QMediaBorderFrame frame;
    frame.resize(700, 500);
    frame.setVideoDashedFrame(QRect(40, 30, 300, 200));
    frame.setDashedFrame(QRect(10, 20, 100, 50), false);
    auto* crop = frame.findChild<QMediaDashedFrame*>();
    QList<QPoint> pressedAt;
    connect(&frame, &QMediaBorderFrame::emitMousePressEvent, this,
            [&pressedAt](QMouseEvent* event) { pressedAt << event->pos(); });
    QSignalSpy moved(&frame, &QMediaBorderFrame::emitMouseMoveEvent);
    QSignalSpy released(&frame, &QMediaBorderFrame::emitMouseReleaseEvent);
    EditorMouse::press(&frame, QPoint(7, 8));
    EditorMouse::press(crop, QPoint(5, 5));
    EditorMouse::move(&frame, QPoint(9, 9), Qt::LeftButton);
    EditorMouse::release(&frame, QPoint(9, 9));
    QCOMPARE(pressedAt, (QList<QPoint>{QPoint(7, 8), QPoint(55, 55)}));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(released.count(), 1);
}

QTEST_MAIN(tst_PreviewSurfaces)
#include "tst_previewsurfaces.moc"
