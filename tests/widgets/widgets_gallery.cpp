// The widget set drawn from the build's skin pictures on one dialog, for a visual
// check. With an output path it grabs the dialog (and a message dialog beside it,
// "<path>" with "-message" before ".png") and exits.
#include "QAudioDataWidget.h"
#include "QCheckButton.h"
#include "QCustomComboBox.h"
#include "QCustomSpinBox.h"
#include "QCustomTimeEdit.h"
#include "QDualSlider.h"
#include "QFontLoader.h"
#include "QVelApplicationLook.h"
#include "QIAnyUtil.h"
#include "QImageButton.h"
#include "QImageButtonEx.h"
#include "QImageWidget.h"
#include "QNinePointsImageDialog.h"
#include "QTextImageButton.h"
#include "QVelMessageDlg.h"
#include "RetractLabel.h"
#include "ScrollBar.h"
#include "StyleScrollBar.h"
#include "qSliderCtrl.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cmath>

namespace {

const QColor kText(228, 228, 228);

QString res(const QString& sub)
{
    return QIAnyUtil::getResourcePath() + sub;
}

template <typename W>
W* place(W* widget, int x, int y)
{
    widget->move(x, y);
    widget->show();
    return widget;
}

void label(QWidget* parent, const QString& text, int x, int y)
{
    auto* l = new QLabel(text, parent);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, QColor(160, 160, 160));
    l->setPalette(palette);
    QFont font("Tahoma");
    font.setPixelSize(11);
    l->setFont(font);
    l->adjustSize();
    place(l, x, y);
}

QTextImageButton* textButton(QWidget* parent, const QString& picture, const QString& text, QRect rect)
{
    auto* b = new QTextImageButton(parent);
    b->setBtnImageForRect(picture, rect);
    b->setBtnText(text);
    b->setTextColor(QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55));
    return b;
}

class Gallery : public QNinePointsImageDialog
{
public:
    Gallery()
    {
        setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        setAttribute(Qt::WA_TranslucentBackground);
        setBackgroundImage(res("/image/Common_bg/bg_3.png"), true);
        setGridViewInfo({80, 80}, {80, 80}, {80, 80}, {80, 80});
        resize(900, 640);
        setTitleRect(QRect(0, 5, 0, 0));
        setTextPixelSize(12);
        setTextColor(QColor(245, 245, 245));
        setTitle("Widget set gallery");
        setMoveTop(30);
        addCloseBtn(res("/image/btn_close.png"), true);
        addMinBtn(res("/image/btn_min.png"), true);
        addMaxBtn(res("/image/btn_max.png"), true);
        buttons();
        checks();
        fields();
        sliders();
        panels();
    }

private:
    void buttons()
    {
        label(this, "QTextImageButton: normal, checked, disabled; segments; QImageButtonEx badges", 20, 40);
        place(textButton(this, res("/image/Common_bg/btn_common.png"), "OK", QRect(0, 0, 80, 24)), 20, 58);
        auto* checked = place(textButton(this, res("/image/Common_bg/btn_common.png"), "Checked", QRect(0, 0, 80, 24)), 110, 58);
        checked->setCheckState(true);
        place(textButton(this, res("/image/Common_bg/btn_common.png"), "Disabled", QRect(0, 0, 80, 24)), 200, 58)
            ->setEnabled(false);
        auto* video = place(textButton(this, res("/image/Format_Dlg/btn_video.png"), "Video", QRect()), 300, 58);
        video->setCheckState(true);
        auto* audio = place(textButton(this, res("/image/Format_Dlg/btn_audio.png"), "Audio", QRect()), 300 + video->width(), 58);
        audio->setTextColor(kText, QColor(55, 55, 55), QColor(55, 55, 55), QColor(120, 120, 120));
        auto* open = place(new QImageButtonEx(this), 500, 54);
        open->setBtnImageForRect(res("/image/Common_bg/btn_common1.png"), QRect(0, 0, 120, 30));
        open->setBtnText("Open folder");
        open->setTextColor(QColor(55, 55, 55));
        for (int i = 0; i < 3; ++i)
            open->addItemCount();
        auto* many = place(new QImageButtonEx(this), 650, 54);
        many->setBtnImageForRect(res("/image/Common_bg/btn_common1.png"), QRect(0, 0, 120, 30));
        many->setBtnText("Many");
        many->setTextColor(QColor(55, 55, 55));
        for (int i = 0; i < 120; ++i)
            many->addItemCount();
        auto* play = place(new QImageButton(this), 800, 56);
        play->setBtnImage(res("/image/PlayDlg/btn_play.png"));
    }

    void checks()
    {
        label(this, "QCheckButton: check box on/off, radio on/off, disabled", 20, 100);
        const QString on = res("/image/Common_bg/btn_check_on1.png");
        const QString off = res("/image/Common_bg/btn_check_off1.png");
        const QString yes = res("/image/Common_bg/Edit_selections_yes.png");
        const QString no = res("/image/Common_bg/Edit_selections_no.png");
        struct Item { QString text; bool radio; bool checked; bool enabled; };
        const Item items[] = {{"Merge into one file", false, true, true}, {"Keep chapters", false, false, true},
                              {"Lossless", true, true, true}, {"Encode", true, false, true},
                              {"Disabled", false, true, false}};
        int x = 20;
        for (const Item& item : items) {
            auto* b = new QCheckButton(this);
            b->resize(10, 20);
            b->setButtonType(item.radio);
            b->setCheckImage(item.radio ? yes : on, item.radio ? no : off);
            b->setTextColor(kText);
            b->setDisColor(QColor(120, 120, 120));
            b->setChecked(item.checked);
            b->setEnabled(item.enabled);
            b->setText(item.text);
            QFont font("Tahoma");
            font.setPixelSize(12);
            b->setFont(font);
            b->adjustSize();
            place(b, x, 118);
            x += b->width() + 24;
        }
    }

    void fields()
    {
        label(this, "QCustomComboBox, QCustomSpinBox, QCustomTimeEdit, RetractLabel", 20, 152);
        auto* combo = place(new QCustomComboBox(this), 20, 170);
        combo->setImageForRect(res("/image/Common_bg/bg_combobox1.png"), QRect(0, 0, 180, 21));
        combo->setTextColor(kText);
        combo->setTextRect(QRect(8, 0, 150, 21));
        combo->setBtnIcon(res("/VEditSource/cbb_trigonometric.png"), true);
        combo->setIconRect(QRect(180 - 22, 0, 20, 21));
        combo->addItems({"H.264 / AVC", "HEVC", "MPEG-4"});

        auto* spin = place(new QCustomSpinBox(this), 220, 170);
        spin->setBtnMode(false);
        // As tall as the time fields beside it.
        spin->setImageForRect(res("/VEditSource/spinBox_bg.png"), QRect(0, 0, 78, 24));
        spin->setUpAndDownBtnImage(res("/VEditSource/spinBox_up.png"), res("/VEditSource/spinBox_down.png"));
        spin->setEditColor(kText, QColor(120, 120, 120));
        spin->setRange(0, 100);
        spin->setValue(42);
        spin->setEnabled(false);
        spin->setEnabled(true);

        auto* time = place(new QCustomTimeEdit(this), 320, 170);
        time->setBtnMode(false);
        time->setImageForRect(res("/image/Common_bg/spin_rect.png"), QRect(0, 0, 138, 24));
        time->setUpAndDownBtnImage(res("/image/Common_bg/btn_up.png"), res("/image/Common_bg/btn_down.png"));
        time->setEditColor(kText, kText);
        time->setCurrentTime(3723456000ULL);

        auto* disabledTime = place(new QCustomTimeEdit(this), 480, 170);
        disabledTime->setBtnMode(false);
        disabledTime->setImageForRect(res("/image/Common_bg/spin_rect.png"), QRect(0, 0, 138, 24));
        disabledTime->setUpAndDownBtnImage(res("/image/Common_bg/btn_up.png"), res("/image/Common_bg/btn_down.png"));
        disabledTime->setEditColor(kText, QColor(120, 120, 120));
        disabledTime->setCurrentTime(59999000ULL);
        disabledTime->setEnabled(false);

        auto* name = place(new RetractLabel(this), 640, 172);
        name->resize(160, 20);
        QPalette palette = name->palette();
        palette.setColor(QPalette::WindowText, kText);
        name->setPalette(palette);
        name->setText("a holiday clip with a very long name.mp4");
    }

    void sliders()
    {
        label(this, "QDualSlider (cut dialog, segment row), qSliderCtrl (progress, volume, loading, vertical)", 20, 206);
        auto* cut = place(new QDualSlider(this), 20, 222);
        cut->setBtnBgImage(res("/image/CutToolDlg/trake_cut_btn_bg.png"));
        cut->setBottomImage(res("/image/CutToolDlg/trake_cut1.png"));
        cut->setTopImage(res("/image/CutToolDlg/trake_cut2.png"));
        cut->setStartBtnImage(res("/image/CutToolDlg/btn_silder_left.png"), 0);
        cut->setEndBtnImage(res("/image/CutToolDlg/btn_silder_right.png"));
        cut->setProgressBtnImage(res("/image/CutToolDlg/btn_silder_proess.png"), 0);
        cut->setCircle(true);
        cut->setCircleLenght(5);
        cut->resize(420, cut->height());
        cut->setEndValue(70);
        cut->setStartValue(20);
        cut->setPlayValue(45, false);

        auto* row = place(new QDualSlider(this), 20, 270);
        row->setBottomImage(res("/image/CutListDlg/trake_cut1.png"));
        row->setTopImage(res("/image/CutListDlg/trake_cut2.png"));
        row->setStartBtnImage(QString(), 0);
        row->setEndBtnImage(QString());
        row->setEnabledPull(false);
        row->setCircle(true);
        row->setCircleLenght(5);
        row->resize(420, 10);
        row->setEndValue(100);
        row->setStartValue(0);

        auto* progress = place(new qSliderCtrl(this), 470, 226);
        progress->setBottomImage(res("/image/CutListDlg/trake1.png"));
        progress->setTopImage(res("/image/CutListDlg/trake2.png"));
        progress->setCircle(true);
        progress->setCircleLenght(7);
        progress->setEnabledPull(false);
        progress->setShowValue(true);
        progress->setValue(62);

        auto* volume = place(new qSliderCtrl(this), 690, 230);
        volume->setBottomImage(res("/image/PlayDlg/play_sound_trake_slider.png"));
        volume->setTopImage(res("/image/PlayDlg/play_sound_trake_rate.png"));
        volume->setCircle(true);
        volume->setCircleLenght(3);
        volume->setValueRange(0, 200);
        volume->setValue(120);

        auto* loading = place(new qSliderCtrl(this), 470, 262);
        loading->setBottomImage(res("/image/PlayDlg/loading_trake.png"));
        loading->setTopImage(res("/image/PlayDlg/loading_trake2.png"));
        loading->setShowValue(true);
        loading->setValue(35);

        auto* vertical = place(new qSliderCtrl(this), 850, 210);
        vertical->SetVerticalMode(true);
        vertical->setShowValue(true);
        vertical->resize(36, 90);
        vertical->setValue(70);
    }

    void panels()
    {
        label(this, "QImageWidget panel, QAudioDataWidget, ScrollBar, StyleScrollBar", 20, 300);
        auto* panel = place(new QImageWidget(this), 20, 318);
        panel->setBackgroundImage(res("/image/Format_Dlg/bg_setting.png"), true);
        panel->resize(400, 110);

        AudioDataAttribute attr;
        attr.barWidth = 11;
        attr.blockHeight = 3;
        attr.barSpace = 2;
        attr.blockSpace = 2;
        attr.showPeak = 1;
        attr.peakFalling = 1;
        attr.radius = 1.3;
        attr.barColor = attr.peakColor = QColor(243, 228, 142);
        m_levels = new QAudioDataWidget(this, &attr);
        m_levels->setGeometry(460, 318, 390, 230);
        m_levels->setAudioLogo(res("/image/PlayDlg/bg_audio.png"));
        m_levels->show();

        auto* bar = place(new ScrollBar(this), 20, 440);
        bar->resize(10, 160);
        bar->setRange(0, 300);
        bar->setPageStep(100);
        bar->setValue(120);
        auto* thin = place(new StyleScrollBar(this), 40, 440);
        thin->resize(8, 160);
        thin->setRange(0, 300);
        thin->setPageStep(100);
        thin->setValue(60);
    }

public:
    // Two loud frames then a quieter one, so the peaks stand above the bars.
    void feedLevels()
    {
        for (double gain : {1.0, 0.9, 0.55}) {
            const int samples = 2048;
            QVector<quint16> levels(samples);
            for (int i = 0; i < samples; ++i) {
                const double shape = 0.5 + 0.45 * std::sin(i / 150.0) * std::cos(i / 611.0);
                levels[i] = quint16(std::min(65535.0, gain * 65535.0 * std::fabs(shape)));
            }
            const quint32 bytes = samples * 2;
            QByteArray block("ZVWB", 4);
            block.append(QAudioDataWidget::kCountOffset - 4, '\0');
            block.append(reinterpret_cast<const char*>(&bytes), 4);
            block.append(reinterpret_cast<const char*>(levels.constData()), int(bytes));
            m_levels->setAudioData(reinterpret_cast<uchar*>(block.data()), 0);
        }
    }

private:
    QAudioDataWidget* m_levels = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFontLoader::useProgramFonts(QIAnyUtil::getResourcePath());
    QVelApplicationLook::apply();
    Gallery gallery;
    gallery.show();
    gallery.feedLevels();

    QVelMessageDlg message;
    message.SetTitle("Zededera Raziz Azodor");
    message.SetMessage("The output folder is almost full. Go on converting anyway?");
    message.SetMessageStyle(QVelMessageDlg::ShowIcon | QVelMessageDlg::WarningBit | QVelMessageDlg::YesNo);
    message.setBackgroundImage(res("/pic/bg_msg.png"));
    message.setGridViewInfo({116, 116}, {116, 116}, {116, 116}, {116, 116});

    if (argc < 2) {
        message.show();
        return app.exec();
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QTimer::singleShot(300, [&] {
        gallery.feedLevels();
        const bool galleryOk = gallery.grab().save(out);
        message.show();
        QString second = out;
        second.replace(QRegExp("\\.png$"), "-message.png");
        const bool messageOk = message.grab().save(second);
        app.exit(galleryOk && messageOk ? 0 : 1);
    });
    return app.exec();
}
