// The Watermark tab inside the real editing dialog, opened from the segment
// manager over a plain green clip: a picture at half transparency and a bold red
// outlined text placed by dragging on the preview, then the segment converted and
// its output judged by the ffmpeg decoder.
#include "../editor/EditorMouse.h"
#include "EditingDlgDriver.h"
#include "TestMedia.h"
#include "TestProfiles.h"

#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QMediaBorderFrame.h"
#include "QMediaDashedFrame.h"
#include "QMediaElementWindow.h"
#include "QMediaForm.h"
#include "QPanelChooser.h"
#include "QProgressIndicator.h"
#include "QVideoConvertItem.h"
#include "QVideoCutManageDlg.h"
#include "QVideoEditTag.h"
#include "QVideoEditingDlg.h"
#include "QVideoEditingSettings.h"
#include "QVideoSettingXml.h"
#include "QVelBaseTextEdit.h"
#include "QWatermarkOperationForm.h"
#include "QWatermartTextSettingDlg.h"
#include "VelVideoConvertItem.h"
#include "VelVideoConvertManager.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const QColor kGround(60, 170, 90);
const QColor kPicture(32, 64, 224);

bool near(const QColor& a, const QColor& b, int tolerance)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

QString describe(const QColor& c) { return QString("(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue()); }

bool isRed(QRgb p) { return qRed(p) > 170 && qGreen(p) < 90 && qBlue(p) < 90; }
bool isDark(QRgb p) { return qMax(qRed(p), qMax(qGreen(p), qBlue(p))) < 70; }
}

class TestWatermarkDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void pictureAndStyledTextReachTheOutput();

private:
    QString m_clip;
    QString m_png;
    EditingDlgDriver m_driver;
};

void TestWatermarkDlg::initTestCase()
{
    m_clip = TestMedia::make("watermark_green.mp4",
                             {"-f", "lavfi", "-i", "color=c=0x3CAA5A:size=320x240:rate=25:duration=4", "-f", "lavfi",
                              "-i", "sine=frequency=440:duration=4", "-c:v", "libx264", "-preset", "ultrafast",
                              "-pix_fmt", "yuv420p", "-c:a", "aac"});
    // Left half opaque blue, right half transparent.
    m_png = TestMedia::make("watermark_dlg_alpha.png",
                            {"-f", "lavfi", "-i", "color=c=0x2040E0:s=64x64", "-vf",
                             "format=rgba,geq=r='r(X,Y)':g='g(X,Y)':b='b(X,Y)':a='if(lt(X,32),255,0)'",
                             "-frames:v", "1"});
    QVERIFY(!m_clip.isEmpty());
    QVERIFY(!m_png.isEmpty());
}

void TestWatermarkDlg::cleanup()
{
    QPanelChooser::setFileChooser({});
    QPanelChooser::setFontChooser({});
    QPanelChooser::setColorChooser({});
    m_driver.closePanel();
}

void TestWatermarkDlg::pictureAndStyledTextReachTheOutput()
{
    QVERIFY(m_driver.showPanel());
    QVERIFY(m_driver.addSegment(m_clip, true));

    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return m_png; });
    QPanelChooser::setFontChooser([](bool* ok, const QFont& initial, QWidget*) {
        *ok = true;
        QFont bold(initial);
        bold.setPointSize(40);
        bold.setBold(true);
        return bold;
    });
    QPanelChooser::setColorChooser([](const QColor&, QWidget*, QColorDialog::ColorDialogOptions) {
        return QColor(255, 0, 0);
    });
    // Answers the text style dialog the font button opens.
    bool styled = false;
    QTimer styleDialog;
    connect(&styleDialog, &QTimer::timeout, [&] {
        auto* style = qobject_cast<QWatermartTextSettingDlg*>(QApplication::activeModalWidget());
        if (!style || styled)
            return;
        styled = true;
        QTest::mouseClick(style->m_btnFont, Qt::LeftButton);
        QTest::mouseClick(style->m_btnTextColor, Qt::LeftButton);
        style->m_dspOutlineSize->setValue(2.0);
        QTest::mouseClick(style->m_btnOK, Qt::LeftButton);
    });
    styleDialog.start(20);

    QRectF shownBox; // the text box on the preview, as fractions of the picture
    QVERIFY(m_driver.edit(0, [&](QVideoEditingDlg* dlg) {
        QTest::mouseClick(dlg->editTag()->buttons().at(QVideoEditingDlg::TabWatermark), Qt::LeftButton);
        QWatermarkOperationForm* panel = dlg->watermarkForm();
        QVERIFY(panel->isVisible());
        QTest::mouseClick(panel->m_btnAddWKImg, Qt::LeftButton);
        panel->m_leAlphaValue->selectAll();
        QTest::keyClicks(panel->m_leAlphaValue, "50");
        QTest::keyClicks(panel->m_leAddWKText->textEdit(), "ABC");
        QTest::mouseClick(panel->m_btnSetWKTFont, Qt::LeftButton);
        QVERIFY(styled);

        QVideoEditingSettings* model = dlg->editingSettings();
        VEWatermarkSettings s;
        // The preview player measures the text box after drawing it.
        const auto measured = [&] {
            int layer = -1;
            dlg->playerManager()->getCurrentWatermarkSettings(s, layer);
            return layer == 0 && s.m_textSettings.m_layoutWidth > 0.05 && s.m_textSettings.m_bold == 1;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(measured(), qPrintable(QString("box %1 x %2, bold %3")
                                                             .arg(s.m_textSettings.m_layoutWidth)
                                                             .arg(s.m_textSettings.m_layoutHeight)
                                                             .arg(s.m_textSettings.m_bold)),
                                  20000);
        QCOMPARE(s.m_imageSettings.m_alpha, 127u);
        QCOMPARE(s.m_textSettings.m_color, 0xFFFF0000u);
        QCOMPARE(s.m_textSettings.m_outlineSize, 2.0);

        // Drag the text box by its middle until its middle is the picture's.
        QMediaBorderFrame* frame = dlg->mediaForm()->watermarkFrame();
        QVERIFY(frame->isVisible());
        const QRect picture = dlg->mediaForm()->previewWindow()->getVideoElementRect();
        QVERIFY(picture.width() > 50);
        const QRectF box(s.m_textSettings.m_posX, s.m_textSettings.m_posY, s.m_textSettings.m_layoutWidth,
                         s.m_textSettings.m_layoutHeight);
        const auto toFrame = [&](QPointF f) {
            return QPoint(int(picture.x() + f.x() * picture.width()), int(picture.y() + f.y() * picture.height()));
        };
        const QPoint grab = toFrame(box.center());
        const QPoint target = toFrame(QPointF(0.5, 0.5));
        EditorMouse::move(frame, grab);
        EditorMouse::press(frame, grab);
        for (int step = 1; step <= 5; ++step)
            EditorMouse::move(frame, grab + (target - grab) * step / 5, Qt::LeftButton);
        EditorMouse::release(frame, target);
        QTRY_VERIFY_WITH_TIMEOUT((model->getWatermarkSettings(s), s.m_textSettings.m_posX > 0.2), 10000);
        shownBox = QRectF(s.m_textSettings.m_posX, s.m_textSettings.m_posY, s.m_textSettings.m_layoutWidth,
                          s.m_textSettings.m_layoutHeight);
        QVERIFY2(qAbs(shownBox.center().x() - 0.5) < 0.05 && qAbs(shownBox.center().y() - 0.5) < 0.05,
                 qPrintable(QString("%1,%2").arg(shownBox.center().x()).arg(shownBox.center().y())));
        // The preview shows its box there.
        bool boxShown = false;
        for (QMediaDashedFrame* dashed : frame->findChildren<QMediaDashedFrame*>()) {
            const QRect g = dashed->geometry();
            boxShown = boxShown || (dashed->isVisible() && qAbs(g.center().x() - target.x()) <= 3
                                    && qAbs(g.center().y() - target.y()) <= 3);
        }
        QVERIFY(boxShown);
        QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
    }));
    QVERIFY(!shownBox.isEmpty());

    QTemporaryDir root;
    QStringList outputs;
    m_driver.convertAll(root.path(), m_clip, outputs);
    QVERIFY(!outputs.isEmpty());
    const QString out = outputs.first();
    const QString png = root.path() + "/frame.png";
    QCOMPARE(TestMedia::run("ffmpeg", {"-y", "-v", "error", "-ss", "1", "-i", out, "-frames:v", "1", png}).exitCode, 0);
    const QImage frame = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(frame.size(), QSize(320, 240));

    // The picture's opaque half is the half-way blend, its transparent half the ground.
    const QColor ground = frame.pixelColor(300, 20);
    QVERIFY2(near(ground, kGround, 12), qPrintable(describe(ground)));
    const double a = 127 / 255.0;
    const QColor blend(int(kGround.red() + a * (kPicture.red() - kGround.red())),
                       int(kGround.green() + a * (kPicture.green() - kGround.green())),
                       int(kGround.blue() + a * (kPicture.blue() - kGround.blue())));
    const QColor opaqueHalf = frame.pixelColor(14, 30);
    QVERIFY2(near(opaqueHalf, blend, 12), qPrintable(describe(opaqueHalf) + " vs " + describe(blend)));
    QVERIFY2(near(frame.pixelColor(50, 30), ground, 12), qPrintable(describe(frame.pixelColor(50, 30))));

    // Red letters with a dark outline inside the box the preview showed, none outside.
    const QRect box(int(shownBox.x() * 320) - 2, int(shownBox.y() * 240) - 2, int(shownBox.width() * 320) + 4,
                    int(shownBox.height() * 240) + 4);
    int redInside = 0, darkInside = 0, redOutside = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QRgb p = frame.pixel(x, y);
            if (box.contains(x, y)) {
                redInside += isRed(p);
                darkInside += isDark(p);
            } else {
                redOutside += isRed(p);
            }
        }
    }
    QVERIFY2(redInside > 100, qPrintable(QString::number(redInside)));
    QVERIFY2(darkInside > 50, qPrintable(QString::number(darkInside)));
    QCOMPARE(redOutside, 0);
}

QTEST_MAIN(TestWatermarkDlg)
#include "tst_watermarkdlg.moc"
