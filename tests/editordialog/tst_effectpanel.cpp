#include "QEffectOperationForm.h"
#include "QFrameChunk.h"
#include "ListTiles.h"
#include "QVelBaseButton.h"
#include "QVideoEditingSettings.h"

#include <QTest>

Q_DECLARE_METATYPE(QEffectOperationForm::Channel)

namespace {
QVelBaseSlider* sliderOf(QEffectOperationForm& panel, QEffectOperationForm::Channel channel)
{
    QVelBaseSlider* const sliders[] = {panel.m_sliderBrightness, panel.m_sliderContrast, panel.m_sliderSaturation,
                                       panel.m_sliderHue};
    return sliders[channel];
}

QVelLineEdit* editOf(QEffectOperationForm& panel, QEffectOperationForm::Channel channel)
{
    QVelLineEdit* const edits[] = {panel.m_leBrightnessValue, panel.m_leConstrastValue, panel.m_leSaturationValue,
                                   panel.m_leHueValue};
    return edits[channel];
}

int stored(const QVideoEditingSettings& model, QEffectOperationForm::Channel channel)
{
    VEVideoEffectSettings s;
    model.getEffectSettings(s);
    const int values[] = {s.brightness, s.contrast, s.saturation, s.hue};
    return values[channel];
}

QFrameChunk packOf(const QList<QSize>& sizes)
{
    QFrameChunk pack;
    pack.FilePath = QStringLiteral("/packs/p");
    for (int i = 0; i < sizes.size(); ++i)
        pack.FrameInfoList.append(FrameInfoItem{QStringLiteral("e%1.png").arg(i), sizes[i].width(), sizes[i].height(), 0});
    return pack;
}

using C = QEffectOperationForm::Channel;
}

// The Effect panel over an editing model without a player, with the shipped
// video-effect and frame packs: the colour arithmetic of sliders and edits, the
// pack picture chosen for an output, and Reset.
class TestEffectPanel : public QObject
{
    Q_OBJECT

private slots:
    void sliderMoves_data();
    void sliderMoves();
    void typedValues_data();
    void typedValues();
    void storedValuesLoad_data();
    void storedValuesLoad();
    void pictureCrop_data();
    void pictureCrop();
    void pictureForAnOutput_data();
    void pictureForAnOutput();
    void effectPackFillsLayerOne_data();
    void effectPackFillsLayerOne();
    void framePackFillsLayerTwo();
    void resetClearsColoursAndPacks();
    void withoutModelNothingChanges();
};

void TestEffectPanel::sliderMoves_data()
{
    QTest::addColumn<C>("channel");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("value");
    QTest::newRow("brightness middle") << C::Brightness << 0.5 << 100 << 0;
    QTest::newRow("contrast middle") << C::Contrast << 0.5 << 100 << 100;
    QTest::newRow("saturation just inside the snap") << C::Saturation << 0.505 << 100 << 100;
    QTest::newRow("saturation at 0.49") << C::Saturation << 0.49 << 98 << 98;
    QTest::newRow("saturation at 0.51") << C::Saturation << 0.51 << 102 << 102;
    QTest::newRow("brightness three quarters") << C::Brightness << 0.75 << 150 << 127;
    QTest::newRow("brightness top") << C::Brightness << 1.0 << 200 << 254;
    QTest::newRow("contrast top") << C::Contrast << 1.0 << 200 << 300;
    QTest::newRow("saturation top") << C::Saturation << 1.0 << 200 << 200;
    QTest::newRow("hue top") << C::Hue << 1.0 << 200 << 180;
    QTest::newRow("brightness bottom") << C::Brightness << 0.0 << 0 << -254;
    QTest::newRow("contrast bottom") << C::Contrast << 0.0 << 0 << 0;
    QTest::newRow("hue bottom") << C::Hue << 0.0 << 0 << -180;
}

void TestEffectPanel::sliderMoves()
{
    QFETCH(C, channel);
    QFETCH(double, fraction);
    QFETCH(int, shown);
    QFETCH(int, value);
    QVideoEditingSettings model;
    QEffectOperationForm panel;
    panel.setEditSettings(&model);
    emit sliderOf(panel, channel)->sendProgressValue(fraction);
    QCOMPARE(editOf(panel, channel)->text(), QString::number(shown));
    QCOMPARE(stored(model, channel), value);
}

void TestEffectPanel::typedValues_data()
{
    QTest::addColumn<C>("channel");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("slider");
    QTest::addColumn<int>("value");
    QTest::newRow("above the range") << C::Saturation << "" << "250" << "250" << 200 << 200;
    QTest::newRow("leading zero dropped") << C::Saturation << "" << "07" << "7" << 7 << 7;
    QTest::newRow("contrast above the middle") << C::Contrast << "" << "150" << "150" << 150 << 200;
    QTest::newRow("hue") << C::Hue << "" << "50" << "50" << 50 << -90;
    QTest::newRow("cleared edit applies 0") << C::Brightness << "120" << "\b\b\b" << "0" << 0 << -254;
}

void TestEffectPanel::typedValues()
{
    QFETCH(C, channel);
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, slider);
    QFETCH(int, value);
    QVideoEditingSettings model;
    QEffectOperationForm panel;
    panel.setEditSettings(&model);
    QVelLineEdit* edit = editOf(panel, channel);
    edit->setText(before);
    edit->setCursorPosition(before.size());
    for (QChar key : keys) {
        if (key == '\b')
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, QString(key));
    }
    QCOMPARE(edit->text(), text);
    QCOMPARE(int(sliderOf(panel, channel)->value()), slider);
    QCOMPARE(stored(model, channel), value);
}

void TestEffectPanel::storedValuesLoad_data()
{
    QTest::addColumn<C>("channel");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("shown");
    QTest::newRow("contrast 300") << C::Contrast << 300 << 200;
    QTest::newRow("contrast 80") << C::Contrast << 80 << 80;
    QTest::newRow("brightness -255") << C::Brightness << -255 << 0;
    QTest::newRow("brightness 127 rounds down") << C::Brightness << 127 << 149;
    QTest::newRow("hue 180") << C::Hue << 180 << 200;
    QTest::newRow("saturation 40") << C::Saturation << 40 << 40;
}

void TestEffectPanel::storedValuesLoad()
{
    QFETCH(C, channel);
    QFETCH(int, value);
    QFETCH(int, shown);
    QVideoEditingSettings model;
    VEVideoEffectSettings s;
    int* const fields[] = {&s.brightness, &s.contrast, &s.saturation, &s.hue};
    *fields[channel] = value;
    model.setEffectSettings(s);
    QEffectOperationForm panel;
    panel.setEditSettings(&model);
    QCOMPARE(editOf(panel, channel)->text(), QStringLiteral("0"));
    panel.show();
    QCOMPARE(editOf(panel, channel)->text(), QString::number(shown));
    QCOMPARE(int(sliderOf(panel, channel)->value()), shown);
    // Loading writes nothing back.
    QCOMPARE(stored(model, channel), value);
}

void TestEffectPanel::pictureCrop_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("output");
    QTest::addColumn<QRectF>("crop");
    QTest::newRow("4:3 picture, 16:9 output") << QSize(1440, 1080) << QSize(1920, 1080) << QRectF(0, 0.125, 1, 0.75);
    QTest::newRow("16:9 picture, 4:3 output") << QSize(1920, 1080) << QSize(1440, 1080) << QRectF(0.125, 0, 0.75, 1);
    QTest::newRow("same aspect") << QSize(1440, 1080) << QSize(320, 240) << QRectF(0, 0, 1, 1);
    QTest::newRow("halving truncates") << QSize(1000, 100) << QSize(333, 100) << QRectF(0.333, 0, 0.333, 1);
    QTest::newRow("no output size") << QSize(1440, 1080) << QSize(0, 0) << QRectF(0, 0, 1, 1);
    QTest::newRow("output without height") << QSize(1440, 1080) << QSize(640, 0) << QRectF(0, 0, 1, 1);
    QTest::newRow("picture of zero height") << QSize(1440, 0) << QSize(640, 480) << QRectF(0, 0, 1, 1);
    QTest::newRow("picture of zero width") << QSize(0, 1080) << QSize(640, 480) << QRectF(0, 0, 1, 1);
}

void TestEffectPanel::pictureCrop()
{
    QFETCH(QSize, image);
    QFETCH(QSize, output);
    QFETCH(QRectF, crop);
    const QRectF got = QEffectOperationForm::imageCropRect(image, output);
    QVERIFY2(qAbs(got.x() - crop.x()) < 1e-9 && qAbs(got.y() - crop.y()) < 1e-9 &&
                 qAbs(got.width() - crop.width()) < 1e-9 && qAbs(got.height() - crop.height()) < 1e-9,
             qPrintable(QString("%1 %2 %3 %4").arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height())));
}

void TestEffectPanel::pictureForAnOutput_data()
{
    QTest::addColumn<QList<QSize>>("entries");
    QTest::addColumn<QSize>("output");
    QTest::addColumn<QString>("path");
    const QSize wide(1920, 1080), classic(1440, 1080);
    QTest::newRow("nearest ratio") << QList<QSize>{wide, classic} << QSize(640, 480) << "/packs/p/e1.png";
    QTest::newRow("zero-sized entry never fits")
        << QList<QSize>{QSize(0, 480), QSize(640, 0), wide} << QSize(640, 480) << "/packs/p/e2.png";
    QTest::newRow("only zero-sized entries") << QList<QSize>{QSize(0, 0), QSize(0, 1)} << QSize(640, 480) << "";
    QTest::newRow("no output size takes the first usable")
        << QList<QSize>{QSize(0, 1), classic, wide} << QSize(0, 0) << "/packs/p/e1.png";
    QTest::newRow("no entries") << QList<QSize>{} << QSize(640, 480) << "";
}

void TestEffectPanel::pictureForAnOutput()
{
    QFETCH(QList<QSize>, entries);
    QFETCH(QSize, output);
    QFETCH(QString, path);
    QEffectOperationForm panel;
    QFrameChunk pack = packOf(entries);
    QCOMPARE(panel.getVideoEffectPath(&pack, output), path);
    QCOMPARE(panel.getVideoEffectPath(nullptr, output), QString());
}

void TestEffectPanel::effectPackFillsLayerOne_data()
{
    QTest::addColumn<int>("pack");
    QTest::addColumn<QSize>("output");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("mixMode");
    QTest::addColumn<QRectF>("crop");
    QTest::newRow("snow on 4:3") << 1 << QSize(1440, 1080) << "01_snow/snow_4x3.png" << 0 << QRectF(0, 0, 1, 1);
    QTest::newRow("snow on 16:9") << 1 << QSize(1280, 720) << "01_snow/snow_16x9.png" << 0 << QRectF(0, 0, 1, 1);
    QTest::newRow("light leak screens") << 2 << QSize(320, 240) << "02_light_leak/light_leak_4x3.png" << 1
                                        << QRectF(0, 0, 1, 1);
    QTest::newRow("wider output crops the 16:9 picture")
        << 3 << QSize(2560, 1080) << "03_vignette/vignette_16x9.png" << 0 << QRectF(0, 0.125, 1, 0.75);
    QTest::newRow("no output size uses the whole first picture")
        << 1 << QSize(0, 0) << "01_snow/snow_16x9.png" << 0 << QRectF(0, 0, 1, 1);
    // The layer's own mix mode (screen) stays.
    QTest::newRow("none clears the picture") << 0 << QSize(320, 240) << "" << 1 << QRectF(0, 0, 1, 1);
}

// Under the start-at-trim rule the layer starts at the segment's trim start.
void TestEffectPanel::effectPackFillsLayerOne()
{
    QFETCH(int, pack);
    QFETCH(QSize, output);
    QFETCH(QString, picture);
    QFETCH(int, mixMode);
    QFETCH(QRectF, crop);
    QVideoEditingSettings model;
    model.setResolutionSize(output.width(), output.height());
    model.setIsWatermarkAudioStartTime(true);
    model.setTrimTimeNoSeekPlayer(3000000, 8000000);
    VEWatermarkSettings layer;
    model.getVideoEffectWkSettings(layer);
    layer.m_imageSettings.m_imageFile = "/somewhere/old.png";
    layer.m_imageSettings.m_showEnd = 9000000;
    // Another pack is highlighted on loading: a press on the highlighted tile is no change.
    const int loaded = (pack + 1) % 4;
    layer.m_reserved2 = loaded;
    model.setVideoEffectWkSettings(layer);
    QEffectOperationForm panel;
    panel.setEditSettings(&model);
    panel.resize(814, 128);
    panel.show();
    QVERIFY(panel.m_effectsList->isVisible());
    QCOMPARE(panel.m_effectsList->getCurrentIndex(), loaded);
    ListTiles::press(panel.m_effectsList, pack);
    model.getVideoEffectWkSettings(layer);
    const QString file = QString::fromUtf8(layer.m_imageSettings.m_imageFile);
    if (picture.isEmpty())
        QVERIFY2(file.isEmpty(), qPrintable(file));
    else
        QVERIFY2(file.endsWith("/VideoEffects/" + picture) && QFileInfo::exists(file), qPrintable(file));
    QCOMPARE(int(layer.m_imageSettings.m_mixMode), mixMode);
    QCOMPARE(layer.m_imageSettings.m_cropRect, crop);
    QCOMPARE(layer.m_reserved2, pack);
    QCOMPARE(layer.m_imageSettings.m_showStart, uint64_t(3000000));
    QCOMPARE(layer.m_imageSettings.m_showEnd, uint64_t(0));
}

// The frame layer keeps its own mix mode and crop, and outside the
// start-at-trim rule its times.
void TestEffectPanel::framePackFillsLayerTwo()
{
    QVideoEditingSettings model;
    model.setResolutionSize(320, 240);
    model.setTrimTimeNoSeekPlayer(3000000, 8000000);
    VEWatermarkSettings layer;
    model.getFrameWkSettings(layer);
    layer.m_imageSettings.m_mixMode = 4;
    layer.m_imageSettings.m_cropRect = QRectF(0.1, 0.1, 0.5, 0.5);
    layer.m_imageSettings.m_showStart = 1000000;
    model.setFrameWkSettings(layer);
    QEffectOperationForm panel;
    panel.setEditSettings(&model);
    panel.resize(814, 128);
    panel.show();
    QTest::mouseClick(panel.m_effectTag->buttons().at(1), Qt::LeftButton);
    QVERIFY(panel.m_frameList->isVisible());
    QVERIFY(!panel.m_effectsList->isVisible());
    ListTiles::press(panel.m_frameList, 1);
    model.getFrameWkSettings(layer);
    const QString file = QString::fromUtf8(layer.m_imageSettings.m_imageFile);
    QVERIFY2(file.endsWith("/VideoFrames/01_classic/classic_4x3.png") && QFileInfo::exists(file), qPrintable(file));
    QCOMPARE(layer.m_reserved2, 1);
    QCOMPARE(int(layer.m_imageSettings.m_mixMode), 4);
    QCOMPARE(layer.m_imageSettings.m_cropRect, QRectF(0.1, 0.1, 0.5, 0.5));
    QCOMPARE(layer.m_imageSettings.m_showStart, uint64_t(1000000));
    // The video-effect layer is untouched.
    model.getVideoEffectWkSettings(layer);
    QVERIFY(layer.m_imageSettings.m_imageFile.isEmpty());
    QTest::mouseClick(panel.m_effectTag->buttons().at(0), Qt::LeftButton);
    QVERIFY(panel.m_effectsList->isVisible());
    QVERIFY(!panel.m_frameList->isVisible());
}

void TestEffectPanel::resetClearsColoursAndPacks()
{
    QVideoEditingSettings model;
    model.setResolutionSize(320, 240);
    QEffectOperationForm panel;
    panel.setEditSettings(&model);
    panel.resize(814, 128);
    panel.show();
    emit panel.m_sliderBrightness->sendProgressValue(0.9);
    emit panel.m_sliderHue->sendProgressValue(0.1);
    ListTiles::press(panel.m_effectsList, 3);
    QTest::mouseClick(panel.m_effectTag->buttons().at(1), Qt::LeftButton);
    ListTiles::press(panel.m_frameList, 2);
    VEWatermarkSettings effect, frame;
    model.getVideoEffectWkSettings(effect);
    model.getFrameWkSettings(frame);
    QVERIFY(!effect.m_imageSettings.m_imageFile.isEmpty());
    QVERIFY(!frame.m_imageSettings.m_imageFile.isEmpty());

    emit panel.m_buttonFrom->emitReset();
    VEVideoEffectSettings colours;
    model.getEffectSettings(colours);
    QCOMPARE(colours, VEVideoEffectSettings());
    model.getVideoEffectWkSettings(effect);
    model.getFrameWkSettings(frame);
    QVERIFY(effect.m_imageSettings.m_imageFile.isEmpty());
    QVERIFY(frame.m_imageSettings.m_imageFile.isEmpty());
    QCOMPARE(effect.m_reserved2, 0);
    QCOMPARE(frame.m_reserved2, 0);
    for (C channel : {C::Brightness, C::Contrast, C::Saturation, C::Hue}) {
        QCOMPARE(int(sliderOf(panel, channel)->value()), 100);
        QCOMPARE(editOf(panel, channel)->text(), QStringLiteral("100"));
    }
    QCOMPARE(panel.m_effectsList->getCurrentIndex(), 0);
    QCOMPARE(panel.m_frameList->getCurrentIndex(), 0);
    QVERIFY(panel.m_effectsList->isVisible());
    QVERIFY(!panel.m_frameList->isVisible());
    QCOMPARE(panel.m_effectTag->currentIndex(), 0);
}

void TestEffectPanel::withoutModelNothingChanges()
{
    QEffectOperationForm panel;
    panel.resize(814, 128);
    panel.show();
    emit panel.m_sliderBrightness->sendProgressValue(0.9);
    QTest::keyClicks(panel.m_leHueValue, "5");
    ListTiles::press(panel.m_effectsList, 1);
    emit panel.m_buttonFrom->emitReset();
    QCOMPARE(panel.m_leBrightnessValue->text(), QStringLiteral("0"));
    QCOMPARE(int(panel.m_sliderBrightness->value()), 100);
}

QTEST_MAIN(TestEffectPanel)
#include "tst_effectpanel.moc"
