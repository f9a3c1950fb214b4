#include "QAdjustOperationForm.h"
#include "QVideoEditingSettings.h"

#include <QTest>
#include <cmath>

// The Adjust panel over an editing model without a player: the record
// arithmetic of the buttons and aspect entries, and no typed size reaching the
// record while there is no picture size to divide by.
class TestAdjustPanel : public QObject
{
    Q_OBJECT

private slots:
    void turnsAndFlips_data();
    void turnsAndFlips();
    void aspectEntries_data();
    void aspectEntries();
    void croppedSide_data();
    void croppedSide();
    void resetGivesDefaults();
    void sizeWithoutPictureIsIgnored();
};

void TestAdjustPanel::turnsAndFlips_data()
{
    QTest::addColumn<int>("rotation");
    QTest::addColumn<int>("mirror");
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<int>("wantRotation");
    QTest::addColumn<int>("wantMirror");
    QTest::newRow("four clockwise") << 0 << 0 << "RRRR" << 0 << 0;
    QTest::newRow("clockwise while mirrored") << 0 << 1 << "R" << 270 << 1;
    QTest::newRow("anticlockwise") << 0 << 0 << "L" << 270 << 0;
    QTest::newRow("vertical twice") << 90 << 0 << "VV" << 90 << 0;
    QTest::newRow("vertical from 90") << 90 << 0 << "V" << 270 << 1;
    QTest::newRow("horizontal") << 180 << 0 << "H" << 180 << 1;
}

void TestAdjustPanel::turnsAndFlips()
{
    QFETCH(int, rotation);
    QFETCH(int, mirror);
    QFETCH(QString, clicks);
    QFETCH(int, wantRotation);
    QFETCH(int, wantMirror);
    QVideoEditingSettings model;
    VECropSettings s;
    s.m_rotation = rotation;
    s.m_mirror = mirror;
    model.setCropSettings(s);
    QAdjustOperationForm panel;
    panel.setEditSettings(&model);
    for (QChar c : clicks) {
        QVelBaseButton* button = c == 'R' ? panel.m_btnRotate_R_90
                               : c == 'L' ? panel.m_btnRotate_L_90
                               : c == 'V' ? panel.m_btnFlipV
                                          : panel.m_btnFlipH;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    model.getCropSettings(s);
    QCOMPARE(s.m_rotation, wantRotation);
    QCOMPARE(s.m_mirror, wantMirror);
}

void TestAdjustPanel::aspectEntries_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("panScan");
    QTest::addColumn<int>("w");
    QTest::addColumn<int>("h");
    QTest::newRow("original display") << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("16:9") << 3 << 3 << 0 << 16 << 9;
    QTest::newRow("4:3") << 4 << 4 << 0 << 4 << 3;
    QTest::newRow("pan scan") << 5 << 0 << 1 << 0 << 0;
}

void TestAdjustPanel::aspectEntries()
{
    QFETCH(int, entry);
    QFETCH(int, mode);
    QFETCH(int, panScan);
    QFETCH(int, w);
    QFETCH(int, h);
    QVideoEditingSettings model;
    QAdjustOperationForm panel;
    panel.setEditSettings(&model);
    panel.m_cbbAspectRatio->setCurrentIndex(entry == 0 ? 3 : 0);
    panel.m_cbbAspectRatio->setCurrentIndex(entry);
    VECropSettings s;
    model.getCropSettings(s);
    QCOMPARE(s.m_aspectMode, mode);
    QCOMPARE(s.m_cropMode, panScan);
    QCOMPARE(s.m_aspectWidth, w);
    QCOMPARE(s.m_aspectHeight, h);
    // Pan Scan then a turn keeps the flag and clears the terms.
    if (entry == 5) {
        QTest::mouseClick(panel.m_btnRotate_R_90, Qt::LeftButton);
        model.getCropSettings(s);
        QCOMPARE(s.m_cropMode, 1);
        QCOMPARE(s.m_aspectWidth, 0);
    }
}

void TestAdjustPanel::croppedSide_data()
{
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("want");
    QTest::newRow("half of 1920") << 0.5 << 1920 << 960;
    QTest::newRow("quarter of 1080") << 0.25 << 1080 << 270;
    QTest::newRow("whole") << 1.0 << 1080 << 1080;
    QTest::newRow("above one") << 1.5 << 1080 << 1080;
    QTest::newRow("odd goes even") << 0.3 << 333 << 100;
    QTest::newRow("nan") << std::nan("") << 640 << 0;
}

void TestAdjustPanel::croppedSide()
{
    QFETCH(double, fraction);
    QFETCH(int, side);
    QFETCH(int, want);
    QCOMPARE(QAdjustOperationForm::croppedSide(fraction, side), want);
}

void TestAdjustPanel::resetGivesDefaults()
{
    QVideoEditingSettings model;
    VECropSettings s;
    s.m_rotation = 90;
    s.m_mirror = 1;
    s.m_cropRect = QRectF(0.1, 0.1, 0.5, 0.5);
    s.m_aspectMode = 3;
    model.setCropSettings(s);
    QAdjustOperationForm panel;
    panel.setEditSettings(&model);
    panel.m_cbbAspectRatio->setCurrentIndex(3);
    panel.reset();
    model.getCropSettings(s);
    QCOMPARE(s, VECropSettings());
    QCOMPARE(panel.m_cbbAspectRatio->currentIndex(), 0);
}

// A source that did not open has a size of 0: typed sizes wait, and nothing
// infinite or undefined reaches the record.
void TestAdjustPanel::sizeWithoutPictureIsIgnored()
{
    QVideoEditingSettings model;
    QAdjustOperationForm panel;
    panel.setEditSettings(&model);
    panel.m_leCropArea_W->setText("160");
    panel.m_leCropArea_H->setText("120");
    panel.widthChanged(160);
    panel.heightChanged(120);
    QTest::keyClicks(panel.m_leCropArea_W, "5");
    panel.saveEditingSettings();
    VECropSettings s;
    model.getCropSettings(s);
    QVERIFY(std::isfinite(s.m_cropRect.width()) && std::isfinite(s.m_cropRect.height()));
    QCOMPARE(s.m_cropRect, QRectF(0, 0, 1, 1));
}

QTEST_MAIN(TestAdjustPanel)
#include "tst_adjustpanel.moc"
