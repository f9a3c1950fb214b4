// Shows every skinned control in each of its states on one page, with the pictures of
// the build's Resources folder (controls whose pictures are missing paint as plain Qt
// controls). With an output path as its argument it grabs the page to that PNG and exits.
#include "QCheckboxCombobox.h"
#include "QFontLoader.h"
#include "QVelApplicationLook.h"
#include "QProgressIndicator.h"
#include "QProjectConfig.h"
#include "QVelBaseButton.h"
#include "QVelBaseSlider.h"
#include "QVelCheckBox.h"
#include "QVelDoubleSpinBox.h"
#include "QVelLineEdit.h"
#include "QVelMenu.h"
#include "QVelMessageBox.h"
#include "QVelProjectPath.h"
#include "QVelRadioButton.h"
#include "QVelScrollBar.h"
#include "QVelBaseTextEdit.h"
#include "QVelTextEdit.h"
#include "QVelTimeEdit.h"
#include "QVelWidget.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

QString res(const QString& sub)
{
    return QVelProjectPath::getResourcePath(sub);
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet("color: rgb(228,228,228);");
    return label;
}

// A row of controls with a caption under each.
QWidget* row(QWidget* parent, const QList<QPair<QString, QWidget*>>& items)
{
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    for (const auto& item : items) {
        auto* cell = new QWidget(holder);
        auto* column = new QVBoxLayout(cell);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        item.second->setParent(cell);
        item.second->setMinimumSize(item.second->size());
        column->addWidget(item.second, 0, Qt::AlignLeft);
        auto* label = caption(item.first, cell);
        label->setStyleSheet("color: rgb(160,160,160); font-size: 10px;");
        column->addWidget(label);
        layout->addWidget(cell);
    }
    layout->addStretch();
    return holder;
}

QVelBaseButton* button(const QString& text, int state, bool checked = false, int count = 0)
{
    auto* b = new QVelBaseButton;
    b->setButtonImage(res("image/Common_bg/btn_common.png"), true);
    b->resize(90, 24);
    b->setText(text);
    b->setTextColor(QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55), QColor(55, 55, 55));
    b->setCheckable(checked);
    b->setChecked(checked);
    if (state == 3)
        b->setEnabled(false);
    // Freeze hover and pressed so they show without a mouse; checked shows by itself.
    if (!checked) {
        b->setStaticState(true);
        b->setBtnState(state);
    }
    for (int i = 0; i < count; ++i)
        b->addItemCount();
    return b;
}

QVelCheckBox* checkBox(const QString& text, Qt::CheckState state, bool enabled)
{
    auto* box = new QVelCheckBox;
    box->setTristate(state == Qt::PartiallyChecked);
    box->setText(text);
    box->setStyleSheet("color: rgb(228,228,228);");
    box->setCheckImage(res("VEditSource/btn_check_on.png"), res("VEditSource/btn_check_off.png"),
                       res("VEditSource/btn_check_partial.png"), false);
    box->setCheckState(state);
    box->setEnabled(enabled);
    box->adjustSize();
    return box;
}

QVelRadioButton* radio(const QString& text, bool checked, bool buttonMode)
{
    auto* r = new QVelRadioButton;
    r->setAutoExclusive(false);
    r->setText(text);
    r->setStyleSheet("color: rgb(228,228,228);");
    if (buttonMode) {
        r->setCheckImage(res("image/Common_bg/btn_common2.png"), QString(), true);
        r->resize(70, 24);
    } else {
        r->setCheckImage(res("VEditSource/Edit_selections_yes.png"), res("VEditSource/Edit_selections_no.png"), false,
                         false);
        r->adjustSize();
    }
    r->setChecked(checked);
    return r;
}

QVelBaseSlider* slider(double value, bool handle)
{
    auto* s = new QVelBaseSlider;
    s->resize(160, 22);
    s->setFormat(QString());
    s->setBottomImage(res("VEditSource/slider_bottom.png"));
    s->setTopImage(res("VEditSource/slider_top.png"));
    if (handle) {
        s->setBtnImage(res("VEditSource/slider_image.png"));
        s->setBtnOffset(-4);
    }
    s->setOffset(0, 0);
    s->setValue(value);
    return s;
}

QVelBaseProgress* progress(double value, QVelBaseProgress::ProgressPolicy policy, bool pictures)
{
    auto* p = new QVelBaseProgress;
    p->setProgressPolicy(policy);
    p->resize(policy == QVelBaseProgress::Ring ? QSize(60, 60) : QSize(160, 16));
    if (pictures) {
        p->setBottomImage(res("VEditSource/slider_play_bottom.png"));
        p->setTopImage(res("VEditSource/slider_play_top.png"));
        p->setCircleLenght(3);
        // As the program uses these thin tracks: a position without a caption.
        p->setFormat(QString());
    }
    p->setValue(value);
    return p;
}

QLabel* snapshot(QWidget* widget)
{
    auto* label = new QLabel;
    const QPixmap pixmap = widget->grab();
    label->setPixmap(pixmap);
    label->resize(pixmap.size() / pixmap.devicePixelRatio());
    return label;
}

QLabel* messageBoxSnapshot(const QString& text, QVelMessageBox::Icon icon, QVelMessageBox::ButtonStyle style)
{
    QVelMessageBox box;
    box.setButtonStyle(style);
    box.setMessageIcon(icon);
    box.setMessage(text);
    box.show();
    QLabel* label = snapshot(&box);
    box.hide();
    return label;
}

void messageBoxLook(QVelMessageBoxOption* option)
{
    for (QColor& color : option->buttonTextColor)
        color = QColor(55, 55, 55);
    option->dlgTop = 22;
    option->dlgBottom = 50;
    QFont font("Tahoma");
    font.setPixelSize(12);
    option->titleFont = font;
    option->messageFont = font;
    option->palette.setColor(QPalette::WindowText, QColor(245, 245, 245));
    option->palette.setColor(QPalette::Text, QColor(228, 228, 228));
    option->iconOffset = -7;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QFontLoader::useProgramFonts(QVelProjectPath::getResourcePath(QString()));
    QVelApplicationLook::apply();
    const QFont font = QApplication::font();
    QProjectConfig* config = QProjectConfig::getProjectConfig();
    config->setProjectName("Zededera Raziz Azodor");
    config->setTransparentMargins(4);
    config->setDlgTopAndBottom(22, 30);
    config->setFont(font);
    QVelMessageBox::setOptionCallback(messageBoxLook);

    QPalette light = app.palette();
    light.setColor(QPalette::Text, QColor(228, 228, 228));
    app.setPalette(light, "QVelLineEdit");
    app.setPalette(light, "QAbstractSpinBox");
    app.setPalette(light, "QTextEdit");
    app.setPalette(light, "QLineEdit");
    QWidget page;
    page.setWindowTitle("Skinned controls");
    page.setAutoFillBackground(true);
    QPalette pal = page.palette();
    pal.setColor(QPalette::Window, QColor(43, 43, 43));
    page.setPalette(pal);
    auto* grid = new QGridLayout(&page);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(10);
    int line = 0;
    auto add = [&](const QString& title, QWidget* content) {
        grid->addWidget(caption(title, &page), line, 0, Qt::AlignTop);
        grid->addWidget(content, line, 1);
        ++line;
    };

    add("Buttons", row(&page, {{"normal", button("Normal", 0)},
                               {"hover", button("Hover", 1)},
                               {"pressed", button("Pressed", 2)},
                               {"disabled", button("Disabled", 3)},
                               {"checked", button("Checked", 0, true)},
                               {"count 7", button("Count", 0, false, 7)},
                               {"count 100", button("Count", 0, false, 100)}}));
    auto* plainButton = new QVelBaseButton;
    plainButton->setText("No picture");
    plainButton->resize(90, 24);
    add("Check boxes", row(&page, {{"unchecked", checkBox("Off", Qt::Unchecked, true)},
                                   {"checked", checkBox("On", Qt::Checked, true)},
                                   {"partial", checkBox("Partial", Qt::PartiallyChecked, true)},
                                   {"disabled", checkBox("Disabled", Qt::Checked, false)},
                                   {"plain button", plainButton}}));
    add("Radio buttons", row(&page, {{"box, off", radio("Off", false, false)},
                                     {"box, on", radio("On", true, false)},
                                     {"button mode, off", radio("Mode", false, true)},
                                     {"button mode, on", radio("Mode", true, true)}}));

    auto* lineEdit = new QVelLineEdit;
    lineEdit->resize(120, 22);
    lineEdit->setBackgroundImage(res("VEditSource/edit_background.png"));
    lineEdit->setText("12345");
    lineEdit->onlyInputNumber();
    auto* placeholder = new QVelLineEdit;
    placeholder->resize(120, 22);
    placeholder->setBackgroundImage(res("VEditSource/edit_background.png"));
    placeholder->setPlaceholderText("Placeholder");
    placeholder->setPlaceholderTextColor(QColor(120, 120, 120), true);
    auto* textEdit = new QVelTextEdit;
    textEdit->resize(140, 44);
    textEdit->setBackgroundImage(res("VEditSource/edit_background.png"));
    textEdit->setEditMargins(4, 2, 4, 2);
    textEdit->textEdit()->setPlainText("Two lines\nof text");
    auto* spin = new QVelDoubleSpinBox;
    spin->resize(78, 22);
    spin->setBackgroundImage(res("VEditSource/spinBox_bg.png"));
    spin->setUpAndDownBtnImage(res("VEditSource/spinBox_up.png"), res("VEditSource/spinBox_down.png"));
    spin->setValue(42.5);
    auto* time = new QVelTimeEdit(QTime(1, 23, 45));
    time->setDisplayFormat("HH:mm:ss");
    time->resize(100, 22);
    time->setBackgroundImage(res("image/Common_bg/spin_rect.png"));
    time->setUpAndDownBtnImage(res("image/Common_bg/btn_up.png"), res("image/Common_bg/btn_down.png"));
    auto* disabledSpin = new QVelDoubleSpinBox;
    disabledSpin->resize(78, 22);
    disabledSpin->setBackgroundImage(res("VEditSource/spinBox_bg.png"));
    disabledSpin->setUpAndDownBtnImage(res("VEditSource/spinBox_up.png"), res("VEditSource/spinBox_down.png"));
    disabledSpin->setEnabled(false);
    add("Edits", row(&page, {{"numbers only", lineEdit},
                             {"placeholder", placeholder},
                             {"text edit", textEdit},
                             {"spin box", spin},
                             {"spin, disabled", disabledSpin},
                             {"time edit", time}}));

    auto* combo = new QVelComboBox;
    combo->resize(120, 24);
    combo->setBackgroundImage(res("image/Common_bg/bg_combobox2.png"));
    combo->setBtnMode(true);
    combo->setButtonImage(res("image/Common_bg/btn_arrow.png"));
    combo->setTextColor(QColor(228, 228, 228), QColor(244, 229, 137), QColor(244, 229, 137), QColor(120, 120, 120));
    combo->setDrawTextMargins(6, 0, 0, 0);
    combo->addItems({"English", "Deutsch", "Fran\u00e7ais"});
    auto* checkCombo = new QCheckboxCombobox;
    checkCombo->resize(140, 24);
    checkCombo->setBackgroundImage(res("VEditSource/edit_background.png"));
    checkCombo->setButtonImage(res("image/Common_bg/btn_arrow.png"), true);
    checkCombo->setCheckImage(res("VEditSource/btn_check_on.png"), res("VEditSource/btn_check_off.png"));
    checkCombo->setTextColor(QColor(228, 228, 228), QColor(228, 228, 228), QColor(228, 228, 228), QColor(120, 120, 120));
    checkCombo->setDrawTextMargins(6, 0, 22, 0);
    checkCombo->addItems({"Track 1", "Track 2", "Track 3"});
    checkCombo->setCheckState(0, true);
    checkCombo->setCheckState(2, true);
    auto* disabledCombo = new QVelComboBox;
    disabledCombo->resize(120, 24);
    disabledCombo->setBackgroundImage(res("image/Common_bg/bg_combobox2.png"));
    disabledCombo->setBtnMode(true);
    disabledCombo->setButtonImage(res("image/Common_bg/btn_arrow.png"));
    disabledCombo->setTextColor(QColor(228, 228, 228), QColor(244, 229, 137), QColor(244, 229, 137), QColor(120, 120, 120));
    disabledCombo->setDrawTextMargins(6, 0, 0, 0);
    disabledCombo->addItems({"Disabled"});
    disabledCombo->setEnabled(false);
    auto* plainCombo = new QVelComboBox;
    plainCombo->addItems({"No picture"});
    plainCombo->resize(120, 24);
    // The open pop-up of a combo box, grabbed while shown.
    auto* popupSource = new QVelComboBox(&page);
    popupSource->resize(120, 24);
    popupSource->setBackgroundImage(res("image/Common_bg/bg_combobox2.png"));
    popupSource->setItemHoverColor(QColor(105, 105, 105));
    popupSource->setItemBgColor(QColor(51, 51, 51));
    popupSource->setTextColor(QColor(228, 228, 228), QColor(228, 228, 228), QColor(244, 229, 137), QColor(120, 120, 120));
    popupSource->addItems({"Row one", "Row two (current)", "Row three"});
    popupSource->addSeparator();
    popupSource->setSeparatorColor(QColor(74, 74, 74));
    popupSource->setCurrentIndex(1);
    popupSource->hide();
    add("Combo boxes", row(&page, {{"closed", combo},
                                   {"disabled", disabledCombo},
                                   {"check rows 1 and 3", checkCombo},
                                   {"plain", plainCombo}}));

    add("Progress and sliders", row(&page, {{"bar 0%", progress(0, QVelBaseProgress::HorizontalBar, true)},
                                            {"bar 60%", progress(60, QVelBaseProgress::HorizontalBar, true)},
                                            {"colours 35%", progress(35, QVelBaseProgress::HorizontalBar, false)},
                                            {"ring 70%", progress(70, QVelBaseProgress::Ring, false)},
                                            {"slider 25%", slider(25, true)},
                                            {"slider 100%", slider(100, true)}}));

    auto* busyBars = new QProgressIndicator;
    busyBars->resize(40, 40);
    busyBars->setColor(QColor(228, 228, 228));
    busyBars->setDisplayedWhenStopped(true);
    auto* busyDots = new QProgressIndicator;
    busyDots->resize(80, 80);
    busyDots->setIndicatorPolicy(QProgressIndicator::Dots);
    busyDots->setColor(QColor(157, 157, 204));
    busyDots->setDisplayedWhenStopped(true);
    // Scroll bars as the segment list and the format dialog set them up.
    QVelScrollBarStyleAttribute dark;
    dark.grooveColor = dark.hoverGrooveColor = dark.buttonAreaColor = QColor(57, 55, 55);
    dark.arrowColor = dark.handleColor = QColor(91, 89, 89);
    dark.handleHoverColor = dark.handlePressedColor = QColor(102, 101, 101);
    dark.extent = 10;
    auto* vertical = new QVelScrollBar(Qt::Vertical);
    vertical->setStyleAttribute(dark);
    vertical->setRange(0, 100);
    vertical->setPageStep(40);
    vertical->resize(10, 80);
    auto* hoverBar = new QVelScrollBar(Qt::Vertical);
    hoverBar->setRange(0, 100);
    hoverBar->setPageStep(40);
    hoverBar->setValue(60);
    hoverBar->resize(10, 80);
    QVelScrollBarStyleAttribute hover = dark;
    hover.hoverAlways = true;
    hover.hoverGrooveColor = QColor(74, 74, 74);
    hoverBar->setStyleAttribute(hover);
    auto* emptyBar = new QVelScrollBar(Qt::Vertical);
    emptyBar->setStyleAttribute(dark);
    emptyBar->setRange(0, 0);
    emptyBar->resize(10, 80);
    auto* horizontal = new QVelScrollBar(Qt::Horizontal);
    horizontal->setStyleAttribute(dark);
    horizontal->setRange(0, 100);
    horizontal->setPageStep(30);
    horizontal->setValue(50);
    horizontal->resize(120, 10);
    add("Busy and scroll bars", row(&page, {{"bars", busyBars},
                                            {"dots", busyDots},
                                            {"plain", vertical},
                                            {"hover look", hoverBar},
                                            {"empty range", emptyBar},
                                            {"horizontal", horizontal}}));

    auto* menu = new QVelMenu(&page);
    menu->setFrameWidth(1);
    menu->setFrameColor(QColor(74, 74, 74));
    menu->setAreaColor(QColor(51, 51, 51));
    menu->setItemColor(QColor(51, 51, 51));
    menu->setItemTextColor(QColor(228, 228, 228));
    menu->setItemSelectColor(QColor(105, 105, 105));
    menu->setItemTextSelectColor(QColor(255, 255, 255));
    menu->setItemEabledColor(QColor(51, 51, 51));
    menu->setItemTextEabledColor(QColor(120, 120, 120));
    menu->setSeparatorColor(QColor(74, 74, 74));
    menu->addAction("Open\tCtrl+O");
    QAction* selected = menu->addAction("Selected item");
    menu->addSeparator();
    QAction* check = menu->addAction("Checked item");
    check->setCheckable(true);
    check->setChecked(true);
    auto* group = new QActionGroup(menu);
    for (const char* text : {"Radio on", "Radio off"}) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        group->addAction(action);
    }
    group->actions().first()->setChecked(true);
    menu->addAction("Disabled item")->setEnabled(false);
    menu->addMenu("Sub-menu")->addAction("Inner");
    menu->popup(QPoint(0, 0));
    menu->setActiveAction(selected);
    QLabel* menuShot = snapshot(menu);
    menu->close();

    popupSource->show();
    popupSource->showPopup();
    QLabel* popupShot = snapshot(popupSource->view()->window());
    popupSource->hidePopup();
    popupSource->hide();

    auto* surface = new QVelWidget;
    surface->setBackgroundImage(res("pic/bg_msg.png"), false);
    surface->setGridViewInfo(rectSize(58, 58), rectSize(58, 58), rectSize(58, 58), rectSize(58, 58));
    surface->resize(200, 120);
    surface->setTitleRect(QRect(0, 4, 0, 0));
    surface->setAlignment(Qt::AlignCenter);
    surface->setStyleSheet("color: rgb(245,245,245);");
    surface->setDlgTitle("Nine-part window");
    add("Menu, pop-up, window", row(&page, {{"menu", menuShot}, {"combo pop-up", popupShot}, {"window base", surface}}));

    add("Message boxes",
        row(&page, {{"warning, OK", messageBoxSnapshot("The file could not be opened.", QVelMessageBox::Warning,
                                                      QVelMessageBox::OkButton)},
                    {"question, Yes/No", messageBoxSnapshot("Switching to the time line changes the segments. "
                                                            "Continue?",
                                                            QVelMessageBox::Question, QVelMessageBox::YesNoButton)},
                    {"success, long word", messageBoxSnapshot(QString(90, QChar('W')), QVelMessageBox::Success,
                                                              QVelMessageBox::OkButton)}}));

    page.adjustSize();
    page.show();
    if (argc > 1) {
        const QString output = QString::fromLocal8Bit(argv[1]);
        QTimer::singleShot(300, &page, [&page, output] {
            const bool saved = page.grab().save(output, "PNG");
            std::printf("%s %s\n", saved ? "saved" : "could not save", output.toLocal8Bit().constData());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
