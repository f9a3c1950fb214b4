// Dragging the crop box on the original picture with the mouse, over a 640 x 360
// picture on the real player: its nine zones, borders and minimums, the
// pan-scan window and the minimum sizes.
#include "PreviewDragRig.h"
#include "TestMedia.h"
#include "VelPlayerClass.h"

#include <QSignalSpy>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

bool sameRect(const QRectF& a, const QRectF& b, double tolerance = 1e-6)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance
        && std::abs(a.width() - b.width()) <= tolerance && std::abs(a.height() - b.height()) <= tolerance;
}

QString text(const QRectF& r)
{
    return QStringLiteral("(%1, %2, %3, %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

const QRectF kStartBox(0.25, 0.25, 0.5, 0.5); // 160, 90 to 480, 270 on the surface

} // namespace

class tst_CropDrag : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cropZones_data();
    void cropZones();
    void cropBordersAndMinimums_data();
    void cropBordersAndMinimums();
    void originalResolutionDragTakesTheCroppedSize();
    void panScanWindow_data();
    void panScanWindow();
    void minimumSizesFollowRotation_data();
    void minimumSizesFollowRotation();

private:
    bool open(const VEEditConfig& cfg = VEEditConfig());
    void setSurface(QSize size);
    VECropSettings crop() const;

    PreviewDragRig m_rig;
    QString m_video;
};

void tst_CropDrag::initTestCase()
{
    m_video = PreviewDragRig::prepareMedia();
    QVERIFY(!m_video.isEmpty());
}

void tst_CropDrag::init()
{
    QVERIFY(m_rig.build(QSize(1280, 720), PreviewDragRig::Crop));
}

void tst_CropDrag::cleanup()
{
    m_rig.reset();
}

void tst_CropDrag::setSurface(QSize size)
{
    m_rig.surface->setGeometry(QRect(QPoint(0, 0), size));
    m_rig.frame->setGeometry(m_rig.surface->geometry());
    if (m_rig.player)
        m_rig.player->resizeVideoWindow();
}

bool tst_CropDrag::open(const VEEditConfig& cfg)
{
    if (!m_rig.player->createrPlayer(true) || !m_rig.player->setPlayFile(m_video, cfg, 3, 0))
        return false;
    m_rig.player->resizeVideoWindow();
    return true;
}

VECropSettings tst_CropDrag::crop() const
{
    VECropSettings s;
    m_rig.player->getCropSettings(s);
    return s;
}

void tst_CropDrag::cropZones_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QRectF>("after"); // dragged by 32, 18 pixels: 0.05 each way
    QTest::newRow("top-left, 4 px out") << QPoint(156, 86) << int(Qt::SizeFDiagCursor) << QRectF(0.3, 0.3, 0.45, 0.45);
    QTest::newRow("top-left, 5 px out misses") << QPoint(155, 85) << int(Qt::ArrowCursor) << kStartBox;
    QTest::newRow("bottom-left") << QPoint(160, 270) << int(Qt::SizeBDiagCursor) << QRectF(0.3, 0.25, 0.45, 0.55);
    QTest::newRow("left") << QPoint(163, 180) << int(Qt::SizeHorCursor) << QRectF(0.3, 0.25, 0.45, 0.5);
    QTest::newRow("top-right") << QPoint(480, 90) << int(Qt::SizeBDiagCursor) << QRectF(0.25, 0.3, 0.55, 0.45);
    QTest::newRow("bottom-right, 4 px out") << QPoint(484, 274) << int(Qt::SizeFDiagCursor)
                                            << QRectF(0.25, 0.25, 0.55, 0.55);
    QTest::newRow("right") << QPoint(477, 100) << int(Qt::SizeHorCursor) << QRectF(0.25, 0.25, 0.55, 0.5);
    QTest::newRow("top") << QPoint(320, 94) << int(Qt::SizeVerCursor) << QRectF(0.25, 0.3, 0.5, 0.45);
    QTest::newRow("bottom") << QPoint(200, 266) << int(Qt::SizeVerCursor) << QRectF(0.25, 0.25, 0.5, 0.55);
    QTest::newRow("inside") << QPoint(320, 180) << int(Qt::SizeAllCursor) << QRectF(0.3, 0.3, 0.5, 0.5);
    QTest::newRow("outside") << QPoint(600, 20) << int(Qt::ArrowCursor) << kStartBox;
}

void tst_CropDrag::cropZones()
{
    QFETCH(QPoint, point);
    QFETCH(int, cursor);
    QFETCH(QRectF, after);
    QVERIFY(open());
    VECropSettings s;
    s.m_cropRect = kStartBox;
    m_rig.player->setCropSettings(s);
    QSignalSpy changed(m_rig.player.get(), &VelPlayerManager::emitCropAreaChange);

    EditorMouse::move(m_rig.frame, point);
    QCOMPARE(int(m_rig.frame->cursor().shape()), cursor);
    PreviewDragRig::drag(m_rig.frame, point, QPoint(32, 18));
    QVERIFY2(sameRect(crop().m_cropRect, after), qPrintable(text(crop().m_cropRect)));
    QCOMPARE(changed.count(), cursor == Qt::ArrowCursor ? 0 : 2);
    if (!changed.isEmpty()) {
        const auto sent = changed.last().at(0).value<VECropSettings>();
        QVERIFY(sameRect(sent.m_cropRect, after));
        QVERIFY(sameRect(sent.m_padCropRect, after));
    }
}

void tst_CropDrag::cropBordersAndMinimums_data()
{
    QTest::addColumn<QSize>("surface");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<QRectF>("after");
    const QSize small(640, 360), large(1280, 720);
    QTest::newRow("move past the top-left") << small << QPoint(320, 180) << QPoint(-1000, -1000)
                                            << QRectF(0, 0, 0.5, 0.5);
    QTest::newRow("move past the bottom-right") << small << QPoint(320, 180) << QPoint(1000, 1000)
                                                << QRectF(0.5, 0.5, 0.5, 0.5);
    QTest::newRow("corner past the picture") << small << QPoint(480, 270) << QPoint(1000, 1000)
                                             << QRectF(0.25, 0.25, 0.75, 0.75);
    QTest::newRow("corner past the picture's origin") << small << QPoint(160, 90) << QPoint(-1000, -1000)
                                                      << QRectF(0, 0, 0.75, 0.75);
    QTest::newRow("left over the right: 20 px") << small << QPoint(160, 180) << QPoint(1000, 0)
                                                << QRectF(0.75 - 20.0 / 640, 0.25, 20.0 / 640, 0.5);
    QTest::newRow("right over the left: 20 px") << small << QPoint(480, 180) << QPoint(-1000, 0)
                                                << QRectF(0.25, 0.25, 20.0 / 640, 0.5);
    QTest::newRow("top over the bottom: 20 px") << small << QPoint(320, 90) << QPoint(0, 1000)
                                                << QRectF(0.25, 0.75 - 20.0 / 360, 0.5, 20.0 / 360);
    QTest::newRow("left over the right: 0.02") << large << QPoint(320, 360) << QPoint(2000, 0)
                                               << QRectF(0.73, 0.25, 0.02, 0.5);
    QTest::newRow("bottom over the top: 20 px of 720") << large << QPoint(640, 540) << QPoint(0, -2000)
                                                       << QRectF(0.25, 0.25, 0.5, 20.0 / 720);
}

void tst_CropDrag::cropBordersAndMinimums()
{
    QFETCH(QSize, surface);
    QFETCH(QPoint, from);
    QFETCH(QPoint, offset);
    QFETCH(QRectF, after);
    QVERIFY(open());
    setSurface(surface);
    QCOMPARE(m_rig.surface->getVideoElementRect(), QRect(QPoint(0, 0), surface));
    VECropSettings s;
    s.m_cropRect = kStartBox;
    m_rig.player->setCropSettings(s);
    PreviewDragRig::drag(m_rig.frame, from, offset);
    QVERIFY2(sameRect(crop().m_cropRect, after), qPrintable(text(crop().m_cropRect)));
}

void tst_CropDrag::originalResolutionDragTakesTheCroppedSize()
{
    QVERIFY(open());
    VECropSettings s;
    s.m_cropRect = kStartBox;
    s.m_aspectMode = 1;
    s.m_cropMode = 1;
    s.m_padding = 0;
    m_rig.player->setCropSettings(s);
    PreviewDragRig::drag(m_rig.frame, QPoint(480, 270), QPoint(-64, -36)); // 0.4 x 0.4 of 640 x 360
    const VECropSettings after = crop();
    QCOMPARE(after.m_cropMode, 0);
    QVERIFY(sameRect(after.m_cropRect, QRectF(0.25, 0.25, 0.4, 0.4)));
    QCOMPARE(after.m_aspectWidth, 256);
    QCOMPARE(after.m_aspectHeight, 144);
}

void tst_CropDrag::panScanWindow_data()
{
    QTest::addColumn<QSize>("output");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QRectF>("window");
    const QSize square(360, 360);
    // A 16:9 crop in a square output: the window is 0.5625 of the crop's width.
    QTest::newRow("0: centred") << square << 0 << QRectF(0.21875, 0, 0.5625, 1);
    QTest::newRow("1: cut at the bottom border") << square << 1 << QRectF(0.5, 0.2, 0.45, 0.8);
    QTest::newRow("2: cut at the right border") << square << 2 << QRectF(0.5, 0.2, 0.5, 0.8 / 0.9);
    QTest::newRow("wide output") << QSize(640, 180) << 0 << QRectF(0, 0.25, 1, 0.5);
    QTest::newRow("no output size: nothing to fit") << QSize(0, 0) << 0 << QRectF(0.5, 0.2, 0.5, 0.5);
}

void tst_CropDrag::panScanWindow()
{
    QFETCH(QSize, output);
    QFETCH(int, mode);
    QFETCH(QRectF, window);
    VEEditConfig cfg;
    cfg.m_outputWidth = output.width();
    cfg.m_outputHeight = output.height();
    QVERIFY(open(cfg));
    QSignalSpy changed(m_rig.player.get(), &VelPlayerManager::emitCropAreaChange);
    VECropSettings s;
    s.m_cropMode = 1;
    s.m_padCropRect = QRectF(0.5, 0.2, 0.5, 0.5);
    m_rig.player->setPanScanMode(mode);
    m_rig.player->setCropSettings(s);
    QVERIFY2(sameRect(crop().m_padCropRect, window), qPrintable(text(crop().m_padCropRect)));
    QVERIFY(sameRect(changed.last().at(0).value<VECropSettings>().m_padCropRect, window));
    // The mode served once; the next computation centres the window.
    m_rig.player->setCropSettings(crop());
    if (!output.isEmpty())
        QVERIFY2(sameRect(crop().m_padCropRect, mode == 0 ? window : QRectF(0.21875, 0, 0.5625, 1)),
                 qPrintable(text(crop().m_padCropRect)));
}

void tst_CropDrag::minimumSizesFollowRotation_data()
{
    QTest::addColumn<bool>("panScan");
    QTest::addColumn<int>("rotation");
    QTest::addColumn<QSize>("onSurface");
    QTest::addColumn<QSize>("inSource");
    QTest::newRow("plain") << false << 0 << QSize(20, 20) << QSize(20, 20);
    QTest::newRow("plain, turned") << false << 90 << QSize(20, 20) << QSize(20, 20);
    QTest::newRow("pan-scan 0") << true << 0 << QSize(35, 20) << QSize(35, 20);
    QTest::newRow("pan-scan 90") << true << 90 << QSize(20, 11) << QSize(20, 11);
    QTest::newRow("pan-scan 180") << true << 180 << QSize(35, 20) << QSize(35, 20);
    QTest::newRow("pan-scan 270") << true << 270 << QSize(20, 11) << QSize(20, 11);
}

void tst_CropDrag::minimumSizesFollowRotation()
{
    QFETCH(bool, panScan);
    QFETCH(int, rotation);
    QFETCH(QSize, onSurface);
    QFETCH(QSize, inSource);
    QVERIFY(open());
    VECropSettings s;
    s.m_cropMode = panScan ? 1 : 0;
    s.m_rotation = rotation;
    m_rig.player->setCropSettings(s);
    const uint64_t vc = m_rig.player->getCropVCMinSize();
    const uint64_t source = m_rig.player->getCropMinSize();
    QCOMPARE(QSize(int(vc & 0xFFFFFFFF), int(vc >> 32)), onSurface);
    QCOMPARE(QSize(int(source & 0xFFFFFFFF), int(source >> 32)), inSource);
}

QTEST_MAIN(tst_CropDrag)
#include "tst_cropdrag.moc"
