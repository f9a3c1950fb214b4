// Disabled transport and cut-row buttons stay readable: the glyph of each
// disabled cell reaches 3:1 on the panel the button sits on, and it stays
// plainly dimmer than the normal cell's glyph.
#include "ResourceRoot.h"

#include <QHash>
#include <QImage>
#include <QtTest>

#include <cmath>

namespace {

double luminance(const QColor& c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The most frequent nearly opaque colour of one of the four cells: the glyph.
QColor glyphOf(const QImage& strip, int cell)
{
    const QImage image = strip.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width() / 4;
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = cell * w; x < (cell + 1) * w; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) > 240)
                ++counts[p | 0xff000000];
        }
    QRgb best = 0;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        if (it.value() > counts.value(best))
            best = it.key();
    return QColor(best);
}

} // namespace

class tst_DisabledGlyphs : public QObject
{
    Q_OBJECT

private slots:
    void readableAndDimmer_data();
    void readableAndDimmer();
};

void tst_DisabledGlyphs::readableAndDimmer_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("panel");
    const QString play = QStringLiteral("/image/PlayDlg/");
    for (const char* name : {"btn_play", "btn_pause", "btn_stop", "btn_previous_frame", "btn_next_frame",
                             "btn_previous_key_frame", "btn_next_key_frame"})
        QTest::newRow(name) << play + name + ".png" << play + "bg_play.png";
    const QString cut = QStringLiteral("/image/CutToolDlg/");
    for (const char* name : {"btn_start_time", "btn_end_time", "btn_play_section", "btn_pause_section",
                             "btn_stop_section"})
        QTest::newRow(name) << cut + name + ".png" << cut + "bg_cutTool.png";
}

void tst_DisabledGlyphs::readableAndDimmer()
{
    QFETCH(QString, button);
    QFETCH(QString, panel);
    const QImage strip(resourceRoot() + button);
    const QImage background(resourceRoot() + panel);
    QVERIFY(!strip.isNull());
    QVERIFY(!background.isNull());
    const QColor ground = background.pixelColor(background.width() / 2, background.height() / 2);
    const QColor normal = glyphOf(strip, 0), disabled = glyphOf(strip, 3);
    const double disabledRatio = contrast(disabled, ground);
    QVERIFY2(disabledRatio >= 3.0, qPrintable(QStringLiteral("%1 on %2 measures %3:1")
                                                   .arg(disabled.name(), ground.name())
                                                   .arg(disabledRatio, 0, 'f', 2)));
    QVERIFY2(contrast(normal, ground) > disabledRatio * 1.5,
             qPrintable(QStringLiteral("normal %1, disabled %2").arg(normal.name(), disabled.name())));
}

QTEST_MAIN(tst_DisabledGlyphs)
#include "tst_disabledglyphs.moc"
