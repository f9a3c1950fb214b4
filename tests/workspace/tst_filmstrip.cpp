// The pictures of a file on a screen of pixel density 2: the time line's film
// and the segment row's thumbnail, for a 1080p landscape and a portrait clip
// made by the ffmpeg tool. Each must show the whole frame at its display
// aspect, drawn from enough pixels to be sharp.
#include "SegmentFixtures.h"
#include "TestMedia.h"

#include "MouseImageWidget.h"
#include "QSimpleTimeLine.h"
#include "QTimeContainer.h"
#include "QVideoCutManageDlg.h"
#include "QVideoPlayDlg.h"
#include "QVideoSettingXml.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QtTest>

#include <memory>

namespace {

// Red with a blue band along one side, a tenth of the frame: only the whole frame shows blue.
QString bandedClip(const QString& name, QSize size, bool bandAtLeft)
{
    const QString band = bandAtLeft ? QString("x=0:y=0:w=%1:h=%2").arg(size.width() / 10).arg(size.height())
                                    : QString("x=0:y=0:w=%1:h=%2").arg(size.width()).arg(size.height() / 10);
    return TestMedia::make(name, {"-f", "lavfi", "-i",
                                  QString("color=c=red:size=%1x%2:rate=25:duration=2,drawbox=%3:color=blue:t=fill")
                                      .arg(size.width()).arg(size.height()).arg(band),
                                  "-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"});
}

bool isBlue(QColor c) { return c.blue() > 180 && c.red() < 80; }
bool isRed(QColor c) { return c.red() > 180 && c.blue() < 80; }

} // namespace

class TestFilmStrip : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void wholeFramesAtDensityTwo_data();
    void wholeFramesAtDensityTwo();

private:
    std::unique_ptr<QVideoCutManageDlg> m_panel;
};

void TestFilmStrip::init()
{
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
    QVideoSettingXml::GetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    QVideoSettingXml::SetItemValue("LISTMODEL_ITEM", "ListModel_Line", "N");
    m_panel.reset(new QVideoCutManageDlg);
    m_panel->resize(720, 300);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    m_panel->OnStyleLine();
}

void TestFilmStrip::cleanup()
{
    m_panel.reset();
    VelVideoConvertManager::getConvertManagerObject()->ClearItems();
}

void TestFilmStrip::wholeFramesAtDensityTwo_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1080p landscape") << QSize(1920, 1080);
    QTest::newRow("portrait phone clip") << QSize(1080, 1920);
}

void TestFilmStrip::wholeFramesAtDensityTwo()
{
    QFETCH(QSize, size);
    const bool landscape = size.width() > size.height();
    const QString clip = bandedClip(QString("banded_%1x%2.mp4").arg(size.width()).arg(size.height()), size, landscape);
    QVERIFY(!clip.isEmpty());
    VelVideoConvertItem* item = VelVideoConvertManager::getConvertManagerObject()->CreateConvertItemInfo(clip, -1, false);
    QVERIFY(item);
    QTimeContainer* strip = m_panel->timeLine()->strip();
    QCOMPARE(strip->devicePixelRatioF(), 2.0);

    // The film: ten slots at twice the pixels, each with the whole frame.
    m_panel->setLineBgImage(item);
    QTRY_COMPARE_WITH_TIMEOUT(strip->filledSlots(), 10, 60000);
    QTRY_VERIFY(m_panel->isThumbnailWorkerIdle());
    const QImage& film = strip->filmImage();
    QCOMPARE(film.devicePixelRatio(), 2.0);
    QCOMPARE(film.size(), QSize(strip->width() * 2, 240));
    const int slot = strip->slotWidth() * 2;
    const QRect inSlot = QRect(QPoint(0, 0), size.scaled(slot, 240, Qt::KeepAspectRatio))
                             .translated((slot - size.scaled(slot, 240, Qt::KeepAspectRatio).width()) / 2,
                                         (240 - size.scaled(slot, 240, Qt::KeepAspectRatio).height()) / 2);
    for (int i : {0, 9}) {
        const QRect p = inSlot.translated(i * slot, 0);
        const QPoint band = landscape ? QPoint(p.left() + 2, p.center().y()) : QPoint(p.center().x(), p.top() + 2);
        QVERIFY2(isBlue(film.pixelColor(band)), qPrintable(QString("slot %1 band").arg(i)));
        QVERIFY2(isRed(film.pixelColor(p.center())), qPrintable(QString("slot %1 centre").arg(i)));
        const QPoint farSide = landscape ? QPoint(p.right() - 2, p.center().y()) : QPoint(p.center().x(), p.bottom() - 2);
        QVERIFY(isRed(film.pixelColor(farSide)));
    }

    // The row's thumbnail picture: the display aspect, and enough pixels for the
    // 55 x 45 thumbnail drawn at twice its size.
    QVideoPlayDlg player;
    std::unique_ptr<QImage> picture(player.getVideoImage(0, clip));
    QVERIFY(picture && !picture->isNull());
    QVERIFY(qAbs(double(picture->width()) / picture->height() - double(size.width()) / size.height()) < 0.02);
    const QRect crop = MouseImageWidget::centreCrop(QSize(55, 45), picture->size());
    QVERIFY2(crop.width() >= 110 && crop.height() >= 90, qPrintable(QString("%1x%2").arg(crop.width()).arg(crop.height())));
}

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestFilmStrip test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_filmstrip.moc"
