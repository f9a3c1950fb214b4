// The subtitle and watermark text style dialogs: every confirmed choice lands in
// the editing model at once, the spin boxes write each step they can show and
// nothing when they are filled, and nothing outside the style is touched.
#include "QPanelChooser.h"
#include "QSubtitleSettingDlg.h"
#include "QVideoEditingSettings.h"
#include "QWatermartTextSettingDlg.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
enum Kind { Subtitle, Watermark };

// One dialog on a model without a player, and the style as the model holds it.
struct Fixture
{
    explicit Fixture(Kind k) : kind(k)
    {
        if (k == Subtitle)
            dlg.reset(new QSubtitleSettingDlg);
        else
            dlg.reset(new QWatermartTextSettingDlg);
        dlg->setEditSettings(&model);
    }
    QTextStyle style() const
    {
        if (kind == Subtitle) {
            VESubtitleSettings s;
            model.getSubtitleSettings(s);
            return QTextStyle::from(s);
        }
        VEWatermarkSettings w;
        model.getWatermarkSettings(w);
        return QTextStyle::from(w.m_textSettings);
    }
    template <class Edit>
    void edit(Edit change)
    {
        QTextStyle s = style();
        change(s);
        if (kind == Subtitle) {
            VESubtitleSettings r;
            model.getSubtitleSettings(r);
            s.applyTo(r);
            model.setSubtitleSettings(r);
        } else {
            VEWatermarkSettings w;
            model.getWatermarkSettings(w);
            s.applyTo(w.m_textSettings);
            model.setWatermarkSettings(w, true, false);
        }
    }
    QDoubleSpinBox* box(const QString& name) const { return dlg->findChild<QDoubleSpinBox*>(name); }

    Kind kind;
    QVideoEditingSettings model;
    std::unique_ptr<QTextStyleDlg> dlg;
};

double QTextStyle::*spinField(const QString& name)
{
    if (name == "m_dspShadowOff")
        return &QTextStyle::m_shadowOffset;
    if (name == "m_dspOutlineSize")
        return &QTextStyle::m_outlineSize;
    if (name == "m_dspSpacingH")
        return &QTextStyle::m_spacingH;
    return &QTextStyle::m_spacingV;
}

uint32_t QTextStyle::*colorField(const QString& name)
{
    if (name == "m_btnTextColor")
        return &QTextStyle::m_color;
    if (name == "m_btnShadowColor")
        return &QTextStyle::m_shadowColor;
    return &QTextStyle::m_outlineColor;
}
}

Q_DECLARE_METATYPE(Kind)

class tst_TextStyle : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void spinStepsAreWrittenFillingIsNot_data();
    void spinStepsAreWrittenFillingIsNot();
    void fontChoiceIsStored_data();
    void fontChoiceIsStored();
    void colourChoiceIsStored_data();
    void colourChoiceIsStored();
    void resetKeepsSizeAndFlags_data();
    void resetKeepsSizeAndFlags();
    void watermarkTextKeepsTheRestOfItsLayer();
    void watermarkClosesOnceByEveryButton_data();
    void watermarkClosesOnceByEveryButton();
};

void tst_TextStyle::cleanup()
{
    QPanelChooser::setFontChooser({});
    QPanelChooser::setColorChooser({});
}

void tst_TextStyle::spinStepsAreWrittenFillingIsNot_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("box");
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("afterShow");
    QTest::addColumn<double>("shown");
    QTest::addColumn<double>("step");

    // A step of one hundredth is written however the doubles round: 0.05 -> 0.06
    // differs by a hair under 0.01.
    QTest::newRow("subtitle shadow 0.50 -> 0.51") << Subtitle << "m_dspShadowOff" << 0.5 << 0.5 << 0.5 << 0.51;
    QTest::newRow("subtitle spacingH 0.05 -> 0.06") << Subtitle << "m_dspSpacingH" << 0.05 << 0.05 << 0.05 << 0.06;
    QTest::newRow("watermark spacingV 0.05 -> 0.06") << Watermark << "m_dspSpacingV" << 0.05 << 0.05 << 0.05 << 0.06;
    QTest::newRow("watermark outline 1.00 -> 0.99") << Watermark << "m_dspOutlineSize" << 1.0 << 1.0 << 1.0 << 0.99;
    QTest::newRow("watermark shadow -0.01 -> 0.00") << Watermark << "m_dspShadowOff" << -0.01 << -0.01 << -0.01 << 0.0;
    QTest::newRow("subtitle spacingV 99.99 -> 100.00") << Subtitle << "m_dspSpacingV" << 99.99 << 99.99 << 99.99 << 100.0;
    // Finer than the box's precision: the value the box shows is the one applied.
    QTest::newRow("subtitle outline 0.503 applied as 0.50") << Subtitle << "m_dspOutlineSize" << 0.503 << 0.5 << 0.5 << 0.51;
    QTest::newRow("watermark spacingH 2.0049 applied as 2.00") << Watermark << "m_dspSpacingH" << 2.0049 << 2.0 << 2.0 << 2.01;
    // Out of the box's range: the clamped value the box shows is the one applied.
    QTest::newRow("subtitle outline 150 clamped") << Subtitle << "m_dspOutlineSize" << 150.0 << 100.0 << 100.0 << 99.9;
    QTest::newRow("watermark shadow -300 clamped") << Watermark << "m_dspShadowOff" << -300.0 << -100.0 << -100.0 << -99.9;
}

void tst_TextStyle::spinStepsAreWrittenFillingIsNot()
{
    QFETCH(Kind, kind);
    QFETCH(QString, box);
    QFETCH(double, stored);
    QFETCH(double, afterShow);
    QFETCH(double, shown);
    QFETCH(double, step);

    Fixture f(kind);
    const auto field = spinField(box);
    f.edit([&](QTextStyle& s) { s.*field = stored; });
    f.dlg->show();
    QCOMPARE(f.box(box)->value(), shown);
    QCOMPARE(f.style().*field, afterShow);

    f.box(box)->setValue(step);
    QCOMPARE(f.style().*field, step);
    // The other boxes were filled but wrote nothing of their own.
    const QTextStyle defaults = kind == Subtitle ? QTextStyle::from(VESubtitleSettings{})
                                                 : QTextStyle::from(VEWatermarkTextSettings{});
    for (const char* other : {"m_dspShadowOff", "m_dspOutlineSize", "m_dspSpacingH", "m_dspSpacingV"})
        if (box != other)
            QCOMPARE(f.style().*spinField(other), defaults.*spinField(other));
}

void tst_TextStyle::fontChoiceIsStored_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QFont::Style>("style");
    QTest::addColumn<uint>("bold");
    QTest::addColumn<uint>("italic");

    QTest::newRow("medium 57 is not bold") << Subtitle << "DejaVu Sans" << 57 << QFont::StyleNormal << 0u << 0u;
    QTest::newRow("58 is bold") << Watermark << "DejaVu Sans" << 58 << QFont::StyleNormal << 1u << 0u;
    QTest::newRow("oblique is italic") << Subtitle << "DejaVu Serif" << 50 << QFont::StyleOblique << 0u << 1u;
    QTest::newRow("non-ASCII family") << Watermark << QString::fromUtf8("Ærø Grotesk 字体") << 75
                                      << QFont::StyleItalic << 1u << 1u;
}

void tst_TextStyle::fontChoiceIsStored()
{
    QFETCH(Kind, kind);
    QFETCH(QString, family);
    QFETCH(int, weight);
    QFETCH(QFont::Style, style);
    QFETCH(uint, bold);
    QFETCH(uint, italic);

    Fixture f(kind);
    f.dlg->show();
    QFont offered;
    bool answer = true;
    QPanelChooser::setFontChooser([&](bool* ok, const QFont& initial, QWidget*) {
        offered = initial;
        *ok = answer;
        QFont chosen(family);
        chosen.setFamily(family);
        chosen.setPointSize(31);
        chosen.setWeight(weight);
        chosen.setStyle(style);
        chosen.setUnderline(true);
        return chosen;
    });
    f.dlg->m_btnFont->click();
    QTextStyle s = f.style();
    QCOMPARE(QString::fromUtf8(s.m_font), family);
    QCOMPARE(s.m_size, 31u);
    QCOMPARE(s.m_bold, bold);
    QCOMPARE(s.m_italic, italic);
    QCOMPARE(s.m_underline, 1u);
    QCOMPARE(s.m_strikeout, 0u);
    QCOMPARE(f.dlg->m_btnFont->text(), family);

    // Offered again next time; a cancelled dialog changes nothing.
    answer = false;
    f.dlg->m_btnFont->click();
    QCOMPARE(offered.family(), family);
    QCOMPARE(offered.pointSize(), 31);
    QCOMPARE(offered.bold(), bold == 1);
    QCOMPARE(offered.italic(), italic == 1);
    QCOMPARE(QString::fromUtf8(f.style().m_font), family);
    QCOMPARE(f.style().m_size, 31u);
}

void tst_TextStyle::colourChoiceIsStored_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("button");
    QTest::addColumn<uint>("before");

    QTest::newRow("subtitle text") << Subtitle << "m_btnTextColor" << 0xFFFFFFFFu;
    QTest::newRow("subtitle shadow") << Subtitle << "m_btnShadowColor" << 0x80000000u;
    QTest::newRow("watermark outline") << Watermark << "m_btnOutlineColor" << 0xFF000000u;
    QTest::newRow("watermark text") << Watermark << "m_btnTextColor" << 0xFFFFFFFFu;
}

void tst_TextStyle::colourChoiceIsStored()
{
    QFETCH(Kind, kind);
    QFETCH(QString, button);
    QFETCH(uint, before);

    Fixture f(kind);
    f.dlg->show();
    QColor offered;
    QColorDialog::ColorDialogOptions options;
    QColor answer;
    QPanelChooser::setColorChooser([&](const QColor& initial, QWidget*, QColorDialog::ColorDialogOptions o) {
        offered = initial;
        options = o;
        return answer;
    });
    auto* b = f.dlg->findChild<QAbstractButton*>(button);
    const auto field = colorField(button);

    b->click(); // cancelled
    QCOMPARE(f.style().*field, before);
    QCOMPARE(offered.rgba(), QRgb(before));
    QVERIFY(options.testFlag(QColorDialog::ShowAlphaChannel));

    answer = QColor(0x12, 0x34, 0x56, 128);
    b->click();
    QCOMPARE(f.style().*field, 0x80123456u);
    for (const char* other : {"m_btnTextColor", "m_btnShadowColor", "m_btnOutlineColor"})
        if (button != other)
            QVERIFY(f.style().*colorField(other) != 0x80123456u);
}

void tst_TextStyle::resetKeepsSizeAndFlags_data()
{
    QTest::addColumn<Kind>("kind");
    QTest::newRow("subtitle") << Subtitle;
    QTest::newRow("watermark") << Watermark;
}

void tst_TextStyle::resetKeepsSizeAndFlags()
{
    QFETCH(Kind, kind);
    Fixture f(kind);
    f.dlg->show();
    QPanelChooser::setFontChooser([](bool* ok, const QFont&, QWidget*) {
        *ok = true;
        QFont chosen("DejaVu Sans");
        chosen.setPointSize(36);
        chosen.setBold(true);
        return chosen;
    });
    f.dlg->m_btnFont->click();
    f.dlg->m_dspOutlineSize->setValue(7.5);
    f.edit([](QTextStyle& s) { s.m_color = 0xFF00FF00; });

    f.dlg->m_btnReset->click();
    const QTextStyle s = f.style();
    QCOMPARE(s.m_size, 36u);
    QCOMPARE(s.m_bold, 1u);
    QVERIFY(s.m_font.isEmpty());
    QCOMPARE(s.m_color, 0xFFFFFFFFu);
    QCOMPARE(s.m_shadowColor, 0x80000000u);
    QCOMPARE(s.m_outlineColor, 0xFF000000u);
    QCOMPARE(s.m_outlineSize, 1.0);
    QCOMPARE(s.m_spacingH, 0.05);
    QCOMPARE(f.dlg->m_btnFont->text(), QString("Default"));
    QCOMPARE(f.dlg->m_btnFont->font().family(), QString("Tahoma"));
    QCOMPARE(f.dlg->m_dspShadowOff->text(), QString("0.50"));
    QCOMPARE(f.dlg->m_dspOutlineSize->text(), QString("1.00"));
    QCOMPARE(f.dlg->m_dspSpacingH->text(), QString("0.05"));
    QCOMPARE(f.dlg->m_dspSpacingV->text(), QString("0.05"));
}

void tst_TextStyle::watermarkTextKeepsTheRestOfItsLayer()
{
    Fixture f(Watermark);
    VEWatermarkSettings layer;
    layer.m_textSettings.m_text = "ABC";
    layer.m_textSettings.m_posX = 0.25;
    layer.m_textSettings.m_alpha = 90;
    layer.m_imageSettings.m_width = 0.3;
    f.model.setWatermarkSettings(layer, false, false);
    QSignalSpy changes(&f.model, &QVideoEditingSettings::emitWatermarkSettingsChange);

    f.dlg->show();
    QCOMPARE(changes.count(), 0);
    f.dlg->m_dspSpacingH->setValue(2.0);
    QCOMPARE(changes.count(), 1);

    VEWatermarkSettings after;
    f.model.getWatermarkSettings(after);
    QCOMPARE(after.m_textSettings.m_spacingH, 2.0);
    after.m_textSettings.m_spacingH = layer.m_textSettings.m_spacingH;
    QVERIFY(after == layer);
}

void tst_TextStyle::watermarkClosesOnceByEveryButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "m_btnOK";
    QTest::newRow("Cancel") << "m_btnCancel";
    QTest::newRow("close") << "m_btnClose";
}

void tst_TextStyle::watermarkClosesOnceByEveryButton()
{
    QFETCH(QString, button);
    QVideoEditingSettings model;
    QWatermartTextSettingDlg dlg;
    dlg.setEditSettings(&model);
    QSignalSpy closed(&dlg, &QWatermartTextSettingDlg::emitDlgClose);
    QTimer::singleShot(0, &dlg, [&] { dlg.findChild<QAbstractButton*>(button)->click(); });
    dlg.exec();
    QCOMPARE(closed.count(), 1);
    QVERIFY(!dlg.isVisible());
}

QTEST_MAIN(tst_TextStyle)
#include "tst_textstyle.moc"
