// The shared editing widgets drawn from the shipped editing pictures and packs,
// for a visual check. Writes one PNG per page into the folder given (default
// the current folder): strips, trim, buttons, controls, preview. Run it under
// xvfb-run: the preview page holds OpenGL views.
#include "QAudioEffectManager.h"
#include "QCheckboxCombobox.h"
#include "QCommonButtonForm.h"
#include "QFontLoader.h"
#include "QVelApplicationLook.h"
#include "QFrameChunk.h"
#include "QFrameChunkManager.h"
#include "QHorizontalListFrom.h"
#include "QHorizontalListItem.h"
#include "QMediaBorderFrame.h"
#include "QMediaElementWindow.h"
#include "QVEDualSlider.h"
#include "QVEInitCtrlStyle.h"
#include "QVelBaseSlider.h"
#include "QVelButtonExtend.h"
#include "QVelCheckBox.h"
#include "QVelComboBox.h"
#include "QVelDoubleSpinBox.h"
#include "QVelLineEdit.h"
#include "QVelProjectPath.h"
#include "QVelRadioButton.h"
#include "QVelScrollBar.h"
#include "QVideoEffectManager.h"
#include "VECommonClass.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {

QString pic(const char* name)
{
    return VECommonClass::getCustomResPath() + QLatin1String(name);
}

QWidget* page(int width, int height)
{
    auto* widget = new QWidget;
    widget->resize(width, height);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(51, 51, 51));
    widget->setPalette(palette);
    return widget;
}

void caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(parent);
    label->resize(10, 16);
    QVEInitCtrlStyle::SetLabel(label, text, 12);
    label->move(x, y);
}

template <typename W>
W* at(W* widget, int x, int y)
{
    widget->move(x, y);
    return widget;
}

QHorizontalListFrom* strip(QWidget* parent, const QList<QFrameChunk*>& packs, int y)
{
    auto* list = at(new QHorizontalListFrom(parent), 10, y);
    list->resize(300, 94);
    list->setBackgroundColor(QColor(74, 74, 74));
    auto* bar = new QVelScrollBar(Qt::Horizontal);
    QVEInitCtrlStyle::SetQVelScrollBar(bar);
    list->setHorizontalScrollBar(bar);
    for (QFrameChunk* chunk : packs)
        list->addListItem(chunk->getThumbnailImage(), chunk->Name);
    return list;
}

QWidget* stripsPage()
{
    QWidget* widget = page(330, 420);
    auto* owner = new QObject(widget);
    caption(widget, QStringLiteral("Video effects: Snow selected, Vignette hovered"), 10, 6);
    QHorizontalListFrom* effects = strip(widget, (new QVideoEffectManager(owner))->getVideoEffectlist(), 26);
    effects->setCurrentIndex(1);
    effects->findChildren<QHorizontalListItem*>().value(3)->setMouseState(QBaseItem::HoverState);
    caption(widget, QStringLiteral("Frames: None selected (the default)"), 10, 136);
    strip(widget, (new QFrameChunkManager(owner))->getFrameChunklist(), 156)->setCurrentIndex(0);
    caption(widget, QStringLiteral("Audio effects: no selection, scrolls"), 10, 266);
    QHorizontalListFrom* audio = strip(widget, (new QAudioEffectManager(owner))->getFrameChunklist(), 286);
    audio->resize(200, 104);
    audio->addListItem(QString(), QStringLiteral("A long pack name"));
    return widget;
}

QVEDualSlider* trimSlider(QWidget* parent, int x, int y)
{
    auto* slider = at(new QVEDualSlider(parent), x, y);
    slider->setBottomImage(pic("/slider_bottom.png"));
    slider->setTopImage(pic("/slider_top.png"));
    slider->setStartBtnImage(pic("/btn_silder_start.png"), 2);
    slider->setEndBtnImage(pic("/btn_silder_end.png"));
    slider->setProgressBtnImage(pic("/btn_silder_proess.png"), 7);
    slider->setCircle(true);
    slider->setCircleLenght(1);
    return slider;
}

QWidget* trimPage()
{
    QWidget* widget = page(440, 200);
    caption(widget, QStringLiteral("Trim slider as built (whole range, play at 0)"), 10, 6);
    QVEDualSlider* plain = trimSlider(widget, 10, 24);
    plain->setPlayValue(0, false);
    plain->setStartValue(0);
    plain->setEndValue(100);
    caption(widget, QStringLiteral("Widened to 420: start 20 %, end 70 %, play 40 %"), 10, 70);
    QVEDualSlider* wide = trimSlider(widget, 10, 88);
    wide->setWidth(420);
    wide->setEndValue(70);
    wide->setStartValue(20);
    wide->setPlayValue(40, false);
    caption(widget, QStringLiteral("Start and end 2 px apart"), 10, 134);
    QVEDualSlider* tight = trimSlider(widget, 10, 152);
    tight->setWidth(420);
    tight->setEndValue(50);
    tight->setStartValue(100);
    tight->setPlayValue(50, false);
    return widget;
}

QWidget* buttonsPage()
{
    QWidget* widget = page(420, 170);
    caption(widget, QStringLiteral("Panel block 121 x 141"), 10, 6);
    auto* block = at(new QCommonButtonForm(widget), 10, 24);
    block->resize(121, 141);
    caption(widget, QStringLiteral("Disabled"), 150, 6);
    auto* disabled = at(new QCommonButtonForm(widget), 150, 24);
    disabled->resize(121, 141);
    disabled->setEnabled(false);
    caption(widget, QStringLiteral("Wide block"), 290, 6);
    auto* wide = at(new QCommonButtonForm(widget), 280, 24);
    wide->resize(130, 80);
    return widget;
}

QWidget* controlsPage()
{
    QWidget* widget = page(420, 330);
    caption(widget, QStringLiteral("Buttons"), 10, 6);
    auto* button = at(new QVelBaseButton(widget), 10, 26);
    button->setText(QStringLiteral("Browse..."));
    QVEInitCtrlStyle::SetVelButton(button, 70, 28);
    auto* off = at(new QVelBaseButton(widget), 90, 26);
    off->setText(QStringLiteral("Disabled"));
    QVEInitCtrlStyle::SetVelButton(off, 70, 28);
    off->setEnabled(false);
    auto* colour = at(new QVelButtonExtend(widget), 170, 26);
    colour->setText(QStringLiteral("Color"));
    QVEInitCtrlStyle::SetVelButtonEx(colour, 70, 22);
    colour->setIconColor(QColor(230, 80, 60));
    auto* cover = at(new QVelButtonExtend(widget), 250, 10);
    cover->resize(60, 60);
    cover->setBackgroundColor(QColor(74, 74, 74));
    cover->setTagImg(QRect(2, 2, 56, 56), VECommonClass::getVideoFramesPath() + QStringLiteral("/01_classic/thumb.png"));

    caption(widget, QStringLiteral("Edit, spin box, slider"), 10, 78);
    auto* edit = at(new QVelLineEdit(widget), 10, 98);
    QVEInitCtrlStyle::SetQVelLineEdit(edit);
    edit->resize(45, 22);
    edit->setText(QStringLiteral("100"));
    auto* spin = at(new QVelDoubleSpinBox(widget), 70, 98);
    QVEInitCtrlStyle::SetQVelDoubleSpinBox(spin);
    spin->setValue(1.5);
    auto* slider = at(new QVelBaseSlider(widget), 160, 98);
    QVEInitCtrlStyle::SetQVelSlider(slider);
    slider->resize(200, 22);
    slider->setRange(0, 200);
    slider->setValue(130.0);

    caption(widget, QStringLiteral("Radio buttons and check boxes (checked, unchecked, disabled)"), 10, 132);
    const QStringList names = {QStringLiteral("JPG"), QStringLiteral("PNG"), QStringLiteral("BMP")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = at(new QVelRadioButton(widget), 10 + i * 70, 152);
        radio->setText(names.at(i));
        QVEInitCtrlStyle::SetRadioButton(radio);
        radio->setChecked(i == 0);
        radio->setEnabled(i < 2);
        radio->resize(64, 20);
        auto* check = at(new QVelCheckBox(widget), 220 + i * 65, 152);
        check->setText(QStringLiteral("Fade"));
        QVEInitCtrlStyle::SetCheckBox(check);
        check->setChecked(i == 0);
        check->setEnabled(i < 2);
        check->resize(60, 20);
    }

    caption(widget, QStringLiteral("Combo box, track list, scroll bar"), 10, 186);
    // Sized first, as their forms do: the drop-down button is placed once.
    auto* combo = at(new QVelComboBox(widget), 10, 206);
    combo->resize(140, 22);
    combo->addItems({QStringLiteral("Keep aspect ratio"), QStringLiteral("16:9"), QStringLiteral("4:3")});
    QVEInitCtrlStyle::SetQVelComboBox(combo);
    auto* tracks = at(new QCheckboxCombobox(widget), 170, 206);
    tracks->resize(160, 22);
    QVEInitCtrlStyle::InitVelCheckCombox(tracks);
    tracks->addItems({QStringLiteral("Track 1 (English)"), QStringLiteral("Track 2 (Deutsch)")});
    tracks->setCheckState(0, true);
    auto* bar = at(new QVelScrollBar(Qt::Horizontal, widget), 10, 246);
    QVEInitCtrlStyle::SetQVelScrollBar(bar);
    bar->setRange(0, 100);
    bar->setPageStep(30);
    bar->setValue(40);
    bar->resize(320, 11);
    caption(widget, QStringLiteral("Labels: 12 px \"Brightness:\", 11 px below"), 10, 270);
    auto* small = new QLabel(widget);
    QVEInitCtrlStyle::SetLabel2(small, QStringLiteral("Saturation: 100"), 11);
    small->resize(200, 16);
    small->move(10, 292);
    return widget;
}

// A test picture for a surface: a gradient with a lighter border, so the fitted
// picture rectangle shows against the black window.
void feed(QMediaElementWindow* surface, int width, int height)
{
    QImage frame(width, height, QImage::Format_ARGB32);
    QPainter painter(&frame);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(40, 90, 150));
    gradient.setColorAt(1, QColor(60, 140, 70));
    painter.fillRect(frame.rect(), gradient);
    painter.setPen(QColor(200, 200, 200));
    painter.drawRect(frame.rect().adjusted(0, 0, -1, -1));
    painter.end();
    surface->showImage(frame.bits(), uint(width), uint(height), uint(frame.bytesPerLine()));
}

QWidget* previewPage()
{
    QWidget* widget = page(620, 250);
    caption(widget, QStringLiteral("16:9 picture in 300 x 220 with the crop box"), 10, 6);
    auto* source = at(new QMediaElementWindow(widget), 10, 24);
    source->resize(300, 220);
    source->setVideoElementSize(1920, 1080);
    QRect picture = source->getVideoElementRect().translated(source->pos());
    auto* crop = at(new QMediaBorderFrame(widget), picture.x(), picture.y());
    crop->resize(picture.size());
    crop->setDashedFrame(QRect(QPoint(0, 0), picture.size()), true);
    crop->setDashedFrame(QRect(30, 20, 200, 110), false);
    caption(widget, QStringLiteral("9:16 picture with two overlay boxes"), 320, 6);
    auto* edited = at(new QMediaElementWindow(widget), 320, 24);
    edited->resize(290, 220);
    edited->setVideoElementSize(1080, 1920);
    picture = edited->getVideoElementRect().translated(edited->pos());
    auto* overlays = at(new QMediaBorderFrame(widget), picture.x(), picture.y());
    overlays->resize(picture.size());
    overlays->addDashFrameItem(QRect(10, 12, 80, 40));
    overlays->addDashFrameItem(QRect(20, 150, 60, 40));
    return widget;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFontLoader::useProgramFonts(QVelProjectPath::getResourcePath(QString()));
    QVelApplicationLook::apply();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    const QList<QPair<QString, QWidget*>> pages = {{QStringLiteral("editor-strips.png"), stripsPage()},
                                                   {QStringLiteral("editor-trim.png"), trimPage()},
                                                   {QStringLiteral("editor-buttons.png"), buttonsPage()},
                                                   {QStringLiteral("editor-controls.png"), controlsPage()},
                                                   {QStringLiteral("editor-preview.png"), previewPage()}};
    for (const auto& entry : pages)
        entry.second->show();
    // The frame views draw once they are on screen.
    QTimer::singleShot(200, [&] {
        const QList<QMediaElementWindow*> surfaces = pages.last().second->findChildren<QMediaElementWindow*>();
        feed(surfaces.value(0), 192, 108);
        feed(surfaces.value(1), 108, 192);
    });
    // The selection boxes first draw about 100 ms after they are shown.
    QTimer::singleShot(600, [&] {
        bool ok = true;
        for (const auto& entry : pages)
            ok = entry.second->grab().save(out.filePath(entry.first)) && ok;
        for (const auto& entry : pages)
            delete entry.second;
        app.exit(ok ? 0 : 1);
    });
    return app.exec();
}
