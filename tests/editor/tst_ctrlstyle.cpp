// The shared look of the editing forms applied to each kind of control: fonts,
// colours, sizes and skins, null-safe where promised, the same when applied twice.
#include "QCheckboxCombobox.h"
#include "QProgressCaption.h"
#include "QVEInitCtrlStyle.h"
#include "QVelBaseSlider.h"
#include "QVelButtonExtend.h"
#include "QVelCheckBox.h"
#include "QVelComboBox.h"
#include "QVelDoubleSpinBox.h"
#include "QVelLineEdit.h"
#include "QVelRadioButton.h"
#include "QVelScrollBar.h"
#include "VECommonClass.h"

#include <QLabel>
#include <QValidator>
#include "QProgressCaption.h"

#include <QtTest>

namespace {
const QColor kText(246, 246, 246);

bool tahoma(const QWidget& widget, int pixelSize)
{
    return widget.font().family() == QLatin1String("Tahoma") && widget.font().pixelSize() == pixelSize;
}
}

class tst_CtrlStyle : public QObject
{
    Q_OBJECT

private slots:
    void nullControlsAreIgnored();
    void fontAndPalette();
    void labelTakesTheWidthOfItsText_data();
    void labelTakesTheWidthOfItsText();
    void buttons();
    void lineEditTakesPositiveNumbers();
    void sliderAndScrollBar();
    void checkControlsDimWhenDisabled();
    void combosKeepTheirRowHeight();
    void spinBox();
    void applyingTwiceChangesNothing();
    // Points the editing pictures elsewhere: keep it last.
    void buttonWithoutItsSkin();
};

void tst_CtrlStyle::nullControlsAreIgnored()
{
    QVEInitCtrlStyle::SetFont(nullptr, 12);
    QVEInitCtrlStyle::SetFontFamily(nullptr, QStringLiteral("Tahoma"), 12);
    QVEInitCtrlStyle::SetPalette(nullptr, QPalette::Text, kText);
    QVEInitCtrlStyle::SetLabel(nullptr, QStringLiteral("x"), 12);
    QVEInitCtrlStyle::SetLabel2(nullptr, QStringLiteral("x"), 12);
    QVEInitCtrlStyle::SetVelButton(nullptr, 10, 10);
    QVEInitCtrlStyle::SetQVelLineEdit(nullptr);
    QVEInitCtrlStyle::SetQVelSlider(nullptr);
    QVEInitCtrlStyle::SetRadioButton(nullptr);
    QVEInitCtrlStyle::SetCheckBox(nullptr);
    QVEInitCtrlStyle::InitVelCheckCombox(nullptr);
}

void tst_CtrlStyle::fontAndPalette()
{
    QLabel label;
    QVEInitCtrlStyle::SetFont(&label, 12);
    QVERIFY(tahoma(label, 12));
    QVEInitCtrlStyle::SetFontFamily(&label, QStringLiteral("Serif"), 12);
    QCOMPARE(label.font().family(), QStringLiteral("Serif"));
    QVEInitCtrlStyle::SetPalette(&label, QPalette::WindowText, kText);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(label.palette().color(group, QPalette::WindowText), kText);
}

void tst_CtrlStyle::labelTakesTheWidthOfItsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("caption") << QStringLiteral("Brightness:");
}

void tst_CtrlStyle::labelTakesTheWidthOfItsText()
{
    QFETCH(QString, text);
    QLabel label;
    label.resize(300, 17);
    QVEInitCtrlStyle::SetLabel(&label, text, 12);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.size(), QSize(QFontMetrics(label.font()).horizontalAdvance(text), 17));
    QVERIFY(tahoma(label, 12));
    QCOMPARE(label.palette().color(QPalette::WindowText), kText);

    QLabel fixed;
    fixed.resize(300, 17);
    QVEInitCtrlStyle::SetLabel2(&fixed, text, 11);
    QCOMPARE(fixed.size(), QSize(300, 17));
    QVERIFY(tahoma(fixed, 11));
}

void tst_CtrlStyle::buttons()
{
    QVelBaseButton button;
    QVEInitCtrlStyle::SetVelButton(&button, 110, 22);
    QCOMPARE(button.size(), QSize(110, 22));
    QVERIFY(button.isCustomDraw());
    QVERIFY(tahoma(button, 12));

    QVelButtonExtend colour;
    QVEInitCtrlStyle::SetVelButtonEx(&colour, 70, 22);
    QCOMPARE(colour.size(), QSize(70, 22));
    QCOMPARE(colour.textRect(), QRect(26, 0, 43, 22));
    colour.setIconColor(Qt::green);
    const QImage drawn = colour.grab().toImage();
    QCOMPARE(drawn.pixelColor(5 + 8, 3 + 8), QColor(Qt::green));
    QCOMPARE(drawn.pixelColor(5, 3), QColor(128, 128, 128));
}

void tst_CtrlStyle::lineEditTakesPositiveNumbers()
{
    QVelLineEdit edit;
    QVEInitCtrlStyle::SetQVelLineEdit(&edit);
    QVERIFY(edit.validator());
    int at = 0;
    QString text = QStringLiteral("120");
    QCOMPARE(edit.validator()->validate(text, at), QValidator::Acceptable);
    text = QStringLiteral("-3");
    QVERIFY(edit.validator()->validate(text, at) != QValidator::Acceptable);
    QCOMPARE(edit.alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    QVERIFY(tahoma(edit, 12));
    QCOMPARE(edit.palette().color(QPalette::Text), kText);
}

void tst_CtrlStyle::sliderAndScrollBar()
{
    QVelBaseSlider slider;
    QVEInitCtrlStyle::SetQVelSlider(&slider);
    QCOMPARE(slider.progressPolicy(), QVelBaseProgress::HorizontalBar);
    QVERIFY(slider.format().isEmpty());
    QVERIFY(slider.getButton());

    QVelScrollBar bar(Qt::Horizontal);
    const QVelScrollBarStyleAttribute before = bar.styleAttribute();
    QVEInitCtrlStyle::SetQVelScrollBar(&bar);
    const QVelScrollBarStyleAttribute after = bar.styleAttribute();
    const QColor dark(51, 51, 51), mid(74, 74, 74);
    QCOMPARE(after.grooveColor, dark);
    QCOMPARE(after.hoverGrooveColor, dark);
    QVERIFY(after.hoverAlways);
    QCOMPARE(after.buttonAreaColor, dark);
    QCOMPARE(after.arrowColor, mid);
    QCOMPARE(after.arrowHoverColor, mid);
    QCOMPARE(after.arrowPressedColor, QColor(69, 68, 68));
    QCOMPARE(after.buttonAreaColorCopy, before.buttonAreaColorCopy);
    QCOMPARE(after.handleColor, mid);
    QCOMPARE(after.handlePressedColor, mid);
    QCOMPARE(after.handleHoverColor, mid);
    QCOMPARE(after.handleMargin, 1);
    QCOMPARE(after.extent, before.extent);
    QCOMPARE(after.radius, before.radius);
}

void tst_CtrlStyle::checkControlsDimWhenDisabled()
{
    QVelRadioButton radio;
    QVelCheckBox check;
    QVEInitCtrlStyle::SetRadioButton(&radio);
    QVEInitCtrlStyle::SetCheckBox(&check);
    for (QWidget* widget : {static_cast<QWidget*>(&radio), static_cast<QWidget*>(&check)}) {
        QVERIFY(tahoma(*widget, 12));
        QCOMPARE(widget->palette().color(QPalette::Active, QPalette::WindowText), kText);
        QCOMPARE(widget->palette().color(QPalette::Inactive, QPalette::WindowText), kText);
        QCOMPARE(widget->palette().color(QPalette::Disabled, QPalette::WindowText), QColor(150, 150, 150));
        // Readable on the forms' ground, yet plainly dimmer than an enabled caption.
        const QColor ground(51, 51, 51);
        const double disabled =
            QProgressCaption::contrast(widget->palette().color(QPalette::Disabled, QPalette::WindowText), ground);
        QVERIFY2(disabled >= 3.0, qPrintable(QString::number(disabled)));
        QVERIFY(disabled < QProgressCaption::contrast(kText, ground) / 2);
    }
}

void tst_CtrlStyle::combosKeepTheirRowHeight()
{
    QVelComboBox combo;
    combo.addItems({QStringLiteral("JPG"), QStringLiteral("PNG")});
    const int rowHeight = combo.itemHeight();
    QVEInitCtrlStyle::SetQVelComboBox(&combo);
    QCOMPARE(combo.itemHeight(), rowHeight);
    QCOMPARE(combo.maxVisibleItems(), 16);
    QCOMPARE(combo.drawTextMargins(), QMargins(5, 0, 22, 0));
    QVERIFY(tahoma(combo, 11));

    QCheckboxCombobox tracks;
    tracks.addItems({QStringLiteral("Track 1"), QStringLiteral("Track 2")});
    const int trackRowHeight = tracks.itemHeight();
    QVEInitCtrlStyle::InitVelCheckCombox(&tracks);
    QCOMPARE(tracks.itemHeight(), trackRowHeight);
    QCOMPARE(tracks.maxVisibleItems(), 20);
    QCOMPARE(tracks.drawTextMargins(), QMargins(5, 0, 22, 0));
    QVERIFY(tracks.IsIconBtnMode());
    QVERIFY(tahoma(tracks, 11));
}

void tst_CtrlStyle::spinBox()
{
    QVelDoubleSpinBox spin;
    QVEInitCtrlStyle::SetQVelDoubleSpinBox(&spin);
    QCOMPARE(spin.size(), QSize(78, 22));
    QCOMPARE(spin.drawTextMargins(), QMargins(3, 0, 0, 0));
    QCOMPARE(spin.palette().color(QPalette::Text), kText);
}

void tst_CtrlStyle::applyingTwiceChangesNothing()
{
    QVelLineEdit edit;
    QVelComboBox combo;
    QVelButtonExtend button;
    QVEInitCtrlStyle::SetQVelLineEdit(&edit);
    QVEInitCtrlStyle::SetQVelComboBox(&combo);
    QVEInitCtrlStyle::SetVelButtonEx(&button, 64, 28);
    const QImage editOnce = edit.grab().toImage();
    const QImage comboOnce = combo.grab().toImage();
    const QImage buttonOnce = button.grab().toImage();
    QVEInitCtrlStyle::SetQVelLineEdit(&edit);
    QVEInitCtrlStyle::SetQVelComboBox(&combo);
    QVEInitCtrlStyle::SetVelButtonEx(&button, 64, 28);
    QCOMPARE(edit.grab().toImage(), editOnce);
    QCOMPARE(combo.grab().toImage(), comboOnce);
    QCOMPARE(button.grab().toImage(), buttonOnce);
    QCOMPARE(combo.maxVisibleItems(), 16);
}

void tst_CtrlStyle::buttonWithoutItsSkin()
{
    VECommonClass::setCustomResPath(QStringLiteral("nonexistent"));
    QVelBaseButton button;
    QVEInitCtrlStyle::SetVelButton(&button, 110, 22);
    QVERIFY(!button.isCustomDraw()); // drawn as a plain push button
    QCOMPARE(button.size(), QSize(110, 22));
    QVERIFY(tahoma(button, 12));
}

QTEST_MAIN(tst_CtrlStyle)
#include "tst_ctrlstyle.moc"
