// Moving and resizing the user's watermark text and image on the edited picture
// with the mouse, over a 640 x 360 picture on the real player.
#include "PreviewDragRig.h"
#include "TestMedia.h"
#include "VelPlayerClass.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>

namespace {

VEWatermarkSettings textMark(uint32_t topmost = 1)
{
    VEWatermarkSettings ws;
    ws.m_textSettings.m_text = "Zededera";
    ws.m_textSettings.m_posX = 0.1;
    ws.m_textSettings.m_posY = 0.1;
    ws.m_textSettings.m_topmost = topmost;
    return ws;
}

// One element of an overlay as the drag sees it.
struct Box {
    double x, y, width, height;
    uint32_t scaleX, scaleY;
};

Box box(const VEWatermarkSettings& ws, bool text)
{
    const VEWatermarkTextSettings& t = ws.m_textSettings;
    const VEWatermarkImageSettings& im = ws.m_imageSettings;
    return text ? Box{t.m_posX, t.m_posY, t.m_layoutWidth, t.m_layoutHeight, t.m_scaleX, t.m_scaleY}
                : Box{im.m_posX, im.m_posY, im.m_layoutWidth, im.m_layoutHeight, im.m_scaleX, im.m_scaleY};
}

} // namespace

class tst_OverlayDrag : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void textBoxIsKnownAfterAPush();
    void partialLoadKeepsTheLoadedImage();
    void rightEdgeToTheBorder_data();
    void rightEdgeToTheBorder();
    void topmostPicking_data();
    void topmostPicking();
    void moveOverNothingLeavesTheArrow();
    void resizedTextKeepsItsShapeInItsBox_data();
    void resizedTextKeepsItsShapeInItsBox();

private:
    QImage picture() const;
    bool open();
    void push(const VEWatermarkSettings& ws);
    VEWatermarkSettings current() const;

    PreviewDragRig m_rig;
    QString m_video;
};

void tst_OverlayDrag::initTestCase()
{
    m_video = PreviewDragRig::prepareMedia();
    QVERIFY(!m_video.isEmpty());
}

void tst_OverlayDrag::init()
{
    QVERIFY(m_rig.build(QSize(640, 360), PreviewDragRig::Watermark));
}

void tst_OverlayDrag::cleanup()
{
    m_rig.reset();
}

bool tst_OverlayDrag::open()
{
    if (!m_rig.player->createrPlayer(true) || !m_rig.player->setPlayFile(m_video, VEEditConfig(), 3, 0))
        return false;
    m_rig.player->resizeVideoWindow();
    // The player lays overlays out on a picture: wait for the first one.
    VelPlayerClass* codec = m_rig.player->getPlayerClass();
    uint8_t* picture = nullptr;
    const bool shown = QTest::qWaitFor([&] { return (picture = codec->CaptureVideoImage_Player(0, 0, 0)) != nullptr; }, 20000);
    codec->FreeVideoImage_Player(picture);
    return shown;
}

void tst_OverlayDrag::push(const VEWatermarkSettings& ws)
{
    m_rig.player->setCurrentWatermarkSettings(ws, 0, true);
}


VEWatermarkSettings tst_OverlayDrag::current() const
{
    VEWatermarkSettings ws;
    int index = -1;
    m_rig.player->getCurrentWatermarkSettings(ws, index);
    return ws;
}

void tst_OverlayDrag::textBoxIsKnownAfterAPush()
{
    QVERIFY(open());
    QSignalSpy placed(m_rig.player.get(), &VelPlayerManager::emitWatermarkRectChange);
    push(textMark());
    QCOMPARE(placed.count(), 1);
    QCOMPARE(placed.at(0).at(1).toInt(), 0);
    const VEWatermarkSettings back = current();
    QVERIFY(back.m_textSettings.m_layoutWidth > 0.0);
    QVERIFY(back.m_textSettings.m_layoutHeight > 0.0);
    QCOMPARE(back.m_imageSettings.m_layoutWidth, 0.0);
    QCOMPARE(placed.at(0).at(0).value<VEWatermarkSettings>(), back);
}

void tst_OverlayDrag::partialLoadKeepsTheLoadedImage()
{
    QVERIFY(open());
    VEWatermarkSettings withImage = textMark();
    withImage.m_imageSettings.m_imageFile = TestMedia::tinyPng().toUtf8();
    push(withImage);
    QVERIFY(current().m_imageSettings.m_layoutWidth > 0.0);
    // Without an image, a load that leaves the files in place keeps the picture...
    const VEWatermarkSettings textOnly = textMark();
    m_rig.player->setCurrentWatermarkSettingsNotSource(textOnly, 0, true);
    QVERIFY(current().m_imageSettings.m_layoutWidth > 0.0);
    // ...and a full load clears it.
    push(textOnly);
    QCOMPARE(current().m_imageSettings.m_layoutWidth, 0.0);
    QVERIFY(current().m_textSettings.m_layoutWidth > 0.0);
}

void tst_OverlayDrag::rightEdgeToTheBorder_data()
{
    QTest::addColumn<bool>("text");
    QTest::addColumn<double>("tolerance"); // of the box the player lays out at the new scale
    // A text box is not quite proportional to its scale (outline and shadow do
    // not scale with it); a picture is.
    QTest::newRow("text") << true << 0.1;
    QTest::newRow("image") << false << 0.01;
}

void tst_OverlayDrag::rightEdgeToTheBorder()
{
    QFETCH(bool, text);
    QFETCH(double, tolerance);
    QVERIFY(open());
    VEWatermarkSettings ws;
    if (text) {
        ws = textMark();
    } else {
        ws.m_imageSettings.m_imageFile = TestMedia::tinyPng().toUtf8();
        ws.m_imageSettings.m_posX = 0.1;
        ws.m_imageSettings.m_posY = 0.1;
    }
    push(ws);
    const Box before = box(current(), text);
    QVERIFY(before.width > 0.0 && before.height > 0.0);
    const int left = int(before.x * 640);
    const int right = int(before.width * 640 + left);
    const int middle = int(before.y * 360) + int(before.height * 360 / 2);
    QSignalSpy dragged(m_rig.player.get(), &VelPlayerManager::emitWatermarkSettingChange);
    EditorMouse::press(m_rig.frame, QPoint(right, middle));
    QCOMPARE(m_rig.frame->cursor().shape(), Qt::SizeHorCursor);
    EditorMouse::move(m_rig.frame, QPoint(right + 2000, middle), Qt::LeftButton);
    EditorMouse::release(m_rig.frame, QPoint(right + 2000, middle));
    QCOMPARE(dragged.count(), 1);
    QCOMPARE(dragged.at(0).at(1).toInt(), 0);
    // The box was stretched to the border, 1 - x wide, and the scale follows
    // that width; a picture's height keeps its scale, a text grows as a whole.
    const Box sent = box(dragged.at(0).at(0).value<VEWatermarkSettings>(), text);
    QCOMPARE(sent.scaleX, uint32_t((1.0 - before.x) / before.width * 100 + 0.5));
    QCOMPARE(sent.scaleY, text ? sent.scaleX : before.scaleY);
    const Box after = box(current(), text);
    QCOMPARE(after.x, before.x);
    QVERIFY2(std::abs(after.width - (1.0 - before.x)) < tolerance, qPrintable(QString::number(after.width)));
}

void tst_OverlayDrag::topmostPicking_data()
{
    QTest::addColumn<uint32_t>("topmost");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<bool>("textMoves");
    QTest::newRow("text on top, where both are") << 1u << QPoint(74, 46) << true;
    QTest::newRow("image on top, where both are") << 0u << QPoint(74, 46) << false;
    QTest::newRow("text on top, image alone") << 1u << QPoint(74, 200) << false;
}

void tst_OverlayDrag::topmostPicking()
{
    QFETCH(uint32_t, topmost);
    QFETCH(QPoint, press);
    QFETCH(bool, textMoves);
    QVERIFY(open());
    VEWatermarkSettings ws = textMark(topmost);
    ws.m_imageSettings.m_imageFile = TestMedia::tinyPng().toUtf8();
    ws.m_imageSettings.m_posX = 0.1;
    ws.m_imageSettings.m_posY = 0.1;
    ws.m_imageSettings.m_scaleX = 400; // 256 x 192: reaches well below the text
    ws.m_imageSettings.m_scaleY = 400;
    push(ws);
    const VEWatermarkSettings before = current();
    QVERIFY(before.m_imageSettings.m_layoutHeight * 360 > 200 - 36);
    QVERIFY(before.m_textSettings.m_layoutHeight * 360 < 200 - 36);

    PreviewDragRig::drag(m_rig.frame, press, QPoint(32, 18));
    const VEWatermarkSettings after = current();
    const double textMoved = after.m_textSettings.m_posX - before.m_textSettings.m_posX;
    const double imageMoved = after.m_imageSettings.m_posX - before.m_imageSettings.m_posX;
    QVERIFY2(std::abs((textMoves ? textMoved : imageMoved) - 0.05) < 1e-3,
             qPrintable(QStringLiteral("%1 %2").arg(textMoved).arg(imageMoved)));
    QVERIFY(std::abs(textMoves ? imageMoved : textMoved) < 1e-3);
    QCOMPARE(after.m_textSettings.m_topmost, textMoves ? 1u : 0u);
}

void tst_OverlayDrag::moveOverNothingLeavesTheArrow()
{
    QVERIFY(open());
    push(textMark());
    const Box b = box(current(), true);
    EditorMouse::move(m_rig.frame, QPoint(int((b.x + b.width / 2) * 640), int((b.y + b.height / 2) * 360)));
    QCOMPARE(m_rig.frame->cursor().shape(), Qt::SizeAllCursor);
    EditorMouse::move(m_rig.frame, QPoint(600, 300));
    QCOMPARE(m_rig.frame->cursor().shape(), Qt::ArrowCursor);
}

// The edited picture as the player draws it now.
QImage tst_OverlayDrag::picture() const
{
    VelPlayerClass* codec = m_rig.player->getPlayerClass();
    uint8_t* bmp = codec->CaptureVideoImage_Player(0, 0, 0);
    if (!bmp)
        return QImage();
    quint32 size = 0;
    std::memcpy(&size, bmp + 2, sizeof size);
    const QImage image = QImage::fromData(bmp, int(size), "BMP").convertToFormat(QImage::Format_RGB32);
    codec->FreeVideoImage_Player(bmp);
    return image;
}

namespace {

// Where two pictures of the same frame differ: the ink of what one adds.
QRect inkBounds(const QImage& with, const QImage& without)
{
    QRect ink;
    for (int y = 0; y < with.height(); ++y) {
        const QRgb* a = reinterpret_cast<const QRgb*>(with.constScanLine(y));
        const QRgb* b = reinterpret_cast<const QRgb*>(without.constScanLine(y));
        for (int x = 0; x < with.width(); ++x) {
            const int d = qMax(qAbs(qRed(a[x]) - qRed(b[x])),
                               qMax(qAbs(qGreen(a[x]) - qGreen(b[x])), qAbs(qBlue(a[x]) - qBlue(b[x]))));
            if (d > 48)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

QRect boxPixels(const Box& b)
{
    const int left = int(b.x * 640);
    const int top = int(b.y * 360);
    return QRect(QPoint(left, top), QPoint(int(b.width * 640 + left), int(b.height * 360 + top)));
}

} // namespace

void tst_OverlayDrag::resizedTextKeepsItsShapeInItsBox_data()
{
    QTest::addColumn<QPointF>("handle"); // on the box: 0 left or top, 1 right or bottom
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("bottom-right corner out") << QPointF(1, 1) << QPoint(90, 15);
    QTest::newRow("bottom-right corner in") << QPointF(1, 1) << QPoint(-40, -2);
    QTest::newRow("right edge out") << QPointF(1, 0.5) << QPoint(120, 0);
    QTest::newRow("top edge up") << QPointF(0.5, 0) << QPoint(0, -25);
    QTest::newRow("bottom edge down") << QPointF(0.5, 1) << QPoint(0, 40);
    QTest::newRow("top-left corner out") << QPointF(0, 0) << QPoint(-30, -30);
}

void tst_OverlayDrag::resizedTextKeepsItsShapeInItsBox()
{
    QFETCH(QPointF, handle);
    QFETCH(QPoint, offset);
    QVERIFY(open());
    const QImage plain = picture();
    QVERIFY(!plain.isNull());
    VEWatermarkSettings ws = textMark();
    ws.m_textSettings.m_posX = 0.2;
    ws.m_textSettings.m_posY = 0.2;
    // Letters alone: an outline and a shadow keep their width at any scale.
    ws.m_textSettings.m_outlineSize = 0.0;
    ws.m_textSettings.m_shadowOffset = 0.0;
    push(ws);
    const Box before = box(current(), true);
    const QRect inkBefore = inkBounds(picture(), plain);
    QVERIFY(inkBefore.height() > 10);
    const QRect b = boxPixels(before);
    const QPoint from(b.left() + int(handle.x() * b.width()), b.top() + int(handle.y() * b.height()));
    PreviewDragRig::drag(m_rig.frame, from, offset);

    const Box after = box(current(), true);
    const QRect shown = boxPixels(after);
    const QRect ink = inkBounds(picture(), plain);
    const QString seen = QStringLiteral("ink %1,%2 %3x%4 (was %5x%6), box %7,%8 %9x%10")
                             .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                             .arg(inkBefore.width()).arg(inkBefore.height())
                             .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height());
    // The text grew or shrank as a whole...
    QVERIFY2(ink.width() != inkBefore.width(), qPrintable(seen));
    const double aspectBefore = double(inkBefore.width()) / inkBefore.height();
    const double aspect = double(ink.width()) / ink.height();
    QVERIFY2(std::abs(aspect / aspectBefore - 1.0) < 0.08, qPrintable(seen));
    QCOMPARE(after.scaleX, after.scaleY);
    // ...and is drawn whole inside the box the user holds.
    QVERIFY2(shown.adjusted(-2, -2, 2, 2).contains(ink), qPrintable(seen));
    QVERIFY2(std::abs(ink.top() - shown.top()) <= 2 && std::abs(ink.height() - shown.height()) <= 3, qPrintable(seen));
}

QTEST_MAIN(tst_OverlayDrag)
#include "tst_overlaydrag.moc"
