#include "QComboboxCheckbox.h"
#include "QPanelChooser.h"
#include "QSubtitleOperationForm.h"
#include "QVideoEditingSettings.h"
#include "QVelRadioButton.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
// Records what the editing model passes on, in place of the preview player.
class RecordingPlayer : public VelPlayerManager
{
public:
    void setProgramValueInfo(const VEProgramValueInfo& info) override { choices << info; }
    void setSubtitleSettings(const VESubtitleSettings& s) override { styles << s; }
    QList<VEProgramValueInfo> choices;
    QList<VESubtitleSettings> styles;
};

EVSubtitleTrack track(const char* name, int kind = 0, const QByteArray& path = QByteArray())
{
    EVSubtitleTrack t;
    t.m_trackInfo.m_firstId = kind;
    t.m_trackInfo.m_displayText = name;
    t.m_trackInfo.m_filePath = path;
    return t;
}

QStringList rowTexts(const QCheckboxCombobox* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->itemText(row);
    return texts;
}

QList<int> selectedFlags(const VEEditConfig& cfg)
{
    QList<int> flags;
    for (const EVSubtitleTrack& t : cfg.m_subtitleTracks)
        flags << t.m_bSelected;
    return flags;
}
}

// The Subtitle panel over an editing model whose player only records: the
// rows of the track list and the choice each pick writes, the boxes of the
// lossless list, the style sliders and edits, and Reset.
class TestSubtitlePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void encodingChoicesAndAddedFiles();
    void losslessBoxes();
    void styleControls_data();
    void styleControls();
    void firstShowFillsControls();
    void positionButtons();
    void positionCaptionsReadWhole();
    void reset_data();
    void reset();

private:
    // A panel shown over `cfg` (two source tracks unless given).
    void open(const VEEditConfig& cfg);

    std::unique_ptr<RecordingPlayer> m_player;
    std::unique_ptr<QVideoEditingSettings> m_model;
    std::unique_ptr<QSubtitleOperationForm> m_panel;
    QTemporaryDir m_dir;
};

void TestSubtitlePanel::init()
{
    m_player.reset(new RecordingPlayer);
    m_model.reset(new QVideoEditingSettings);
    m_model->setPlayerManager(m_player.get());
}

void TestSubtitlePanel::cleanup()
{
    QPanelChooser::setFileChooser({});
    QPanelChooser::setMessageHandler({});
    m_panel.reset();
    m_model.reset();
    m_player.reset();
}

void TestSubtitlePanel::open(const VEEditConfig& cfg)
{
    VEEditConfig copy = cfg;
    m_model->setConfigSettings(copy);
    m_panel.reset(new QSubtitleOperationForm);
    m_panel->setEditSettings(m_model.get());
    m_panel->resize(814, 128);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
    m_player->choices.clear();
    m_player->styles.clear();
}

// A source track named like a fixed row is still a track; an added file is
// chosen at once, and adding the file shown again changes nothing.
void TestSubtitlePanel::encodingChoicesAndAddedFiles()
{
    VEEditConfig cfg;
    cfg.m_subtitleTracks = {track("English"), track("No Subtitle")};
    cfg.m_programValue.m_subtitleCount = 2;
    open(cfg);
    QCheckboxCombobox* list = m_panel->m_cbbSubtitleList;
    QCOMPARE(rowTexts(list), (QStringList{"No Subtitle", "English", "No Subtitle", "Video Internet CC"}));
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(list->itemCheckState(0));

    const QString file = m_dir.path() + "/movie.en.srt";
    QFile srt(file);
    QVERIFY(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:01,000 --> 00:00:02,000\nhello\n\n");
    srt.close();
    QPanelChooser::setFileChooser([&](QWidget*, const QString&, const QString&, const QString&) { return file; });
    QTest::mouseClick(m_panel->m_btnSetFamily, Qt::LeftButton);
    QCOMPARE(list->itemText(4), QStringLiteral("movie.en (SRT)"));
    QCOMPARE(list->currentIndex(), 4);
    QVERIFY(list->itemCheckState(4) && !list->itemCheckState(0));
    const VEEditConfig& own = m_model->getEditConfig();
    QCOMPARE(own.m_programValue.subtlType, -3);
    QCOMPARE(own.m_programValue.m_subtitleIndex, 2);
    QCOMPARE(QString::fromUtf8(own.m_programValue.m_subtitleFile), file);
    QCOMPARE(selectedFlags(own), (QList<int>{0, 0, 1}));
    QCOMPARE(own.m_subtitleTracks.at(2).m_trackInfo.m_trackId, 2);
    QCOMPARE(m_panel->m_leFamilyPath->text(), file);
    QCOMPARE(m_player->choices.last(), own.m_programValue);

    QTest::mouseClick(m_panel->m_btnSetFamily, Qt::LeftButton);
    QCOMPARE(list->count(), 5);

    list->setCurrentIndex(2);
    QCOMPARE(own.m_programValue.subtlType, 0);
    QCOMPARE(own.m_programValue.m_subtitleIndex, 1);
    QCOMPARE(QString::fromUtf8(own.m_programValue.m_subtitleFile), file);
    QCOMPARE(selectedFlags(own), (QList<int>{0, 1, 0}));
    QCOMPARE(m_panel->m_leFamilyPath->text(), QString());
    const int styles = m_player->styles.size();
    QVERIFY(styles > 0);

    list->setCurrentIndex(3);
    QCOMPARE(own.m_programValue.subtlType, -2);
    QCOMPARE(m_player->styles.size(), styles);
    list->setCurrentIndex(0);
    QCOMPARE(own.m_programValue.subtlType, -1);
    QCOMPARE(selectedFlags(own), (QList<int>{0, 0, 0}));

    // The path is no longer shown, so the same file is a new entry.
    QTest::mouseClick(m_panel->m_btnSetFamily, Qt::LeftButton);
    QCOMPARE(list->count(), 6);
    QCOMPARE(own.m_programValue.m_subtitleIndex, 3);
}

// External files are not listed in lossless mode; "No Subtitle" and "All
// Subtitle" end ticked after a click on their own box.
void TestSubtitlePanel::losslessBoxes()
{
    VEEditConfig cfg;
    cfg.m_bLossless = true;
    cfg.m_subtitleTracks = {track("one"), track("two"), track("beside", 1, "/tmp/beside.srt")};
    cfg.m_programValue.m_subtitleCount = 2;
    open(cfg);
    QCheckboxCombobox* list = m_panel->m_cbbSubtitleList;
    QCOMPARE(rowTexts(list), (QStringList{"No Subtitle", "All Subtitle", "one", "two"}));
    QVERIFY(!m_panel->m_btnSetFamily->isEnabled());
    QVERIFY(!m_panel->m_leFamilyPath->isEnabled());
    const VEEditConfig& own = m_model->getEditConfig();

    list->checkBox(1)->click();
    QCOMPARE(own.m_programValue.subtlType, 0);
    QCOMPARE(own.m_programValue.m_subtitleIndex, 0);
    QCOMPARE(selectedFlags(own), (QList<int>{1, 1, 0}));
    QVERIFY(!list->itemCheckState(0));
    list->checkBox(1)->click();
    QVERIFY(list->itemCheckState(1));

    list->checkBox(2)->click();
    QCOMPARE(selectedFlags(own), (QList<int>{0, 1, 0}));
    QVERIFY(!list->itemCheckState(0) && !list->itemCheckState(1));
    QCOMPARE(own.m_programValue.subtlType, 0);
    QCOMPARE(own.m_programValue.m_subtitleIndex, 1);

    list->checkBox(3)->click();
    QVERIFY(list->itemCheckState(0) && !list->itemCheckState(1));
    QCOMPARE(own.m_programValue.subtlType, -1);

    list->checkBox(2)->click();
    QCOMPARE(own.m_programValue.subtlType, 0);
    QCOMPARE(own.m_programValue.m_subtitleIndex, 0);
    QVERIFY(!list->itemCheckState(0));

    list->checkBox(0)->click();
    QVERIFY(list->itemCheckState(0));
    QCOMPARE(own.m_programValue.subtlType, -1);
    QCOMPARE(selectedFlags(own), (QList<int>{0, 0, 0}));
}

void TestSubtitlePanel::styleControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("slider");
    QTest::addColumn<uint>("alpha");
    QTest::addColumn<uint>("scale");
    QTest::addColumn<double>("margin");
    QTest::addColumn<bool>("writes");
    QTest::newRow("scale slider left end") << "m_sliderScale" << "0" << "1" << 0.0 << 255u << 1u << 0.05 << true;
    QTest::newRow("scale slider near middle") << "m_sliderScale" << "0.495" << "100" << 99.0 << 255u << 100u << 0.05 << false;
    QTest::newRow("scale slider right end") << "m_sliderScale" << "1" << "400" << 200.0 << 255u << 400u << 0.05 << true;
    QTest::newRow("scale typed 0") << "m_leScaleValue" << "0" << "0" << 1.0 << 255u << 1u << 0.05 << true;
    QTest::newRow("scale typed 500") << "m_leScaleValue" << "500" << "400" << 200.0 << 255u << 400u << 0.05 << true;
    QTest::newRow("transparency typed 150") << "m_leAlphaValue" << "150" << "100" << 255.0 << 255u << 100u << 0.05 << true;
    QTest::newRow("transparency typed 50") << "m_leAlphaValue" << "50" << "50" << 127.0 << 127u << 100u << 0.05 << true;
    QTest::newRow("transparency slider") << "m_sliderAlpha" << "0.5" << "50" << 255.0 << 127u << 100u << 0.05 << true;
    QTest::newRow("margin typed 20") << "m_lePositionValue" << "20" << "20" << 200.0 << 255u << 100u << 0.2 << true;
    QTest::newRow("margin slider") << "m_sliderPosition" << "0.25" << "25" << 50.0 << 255u << 100u << 0.25 << true;
}

// Sliders report a fraction of their track; the edits take digits. The slider
// column holds where the slider ends (a dragged slider is not moved by code).
void TestSubtitlePanel::styleControls()
{
    QFETCH(QString, control);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(double, slider);
    QFETCH(uint, alpha);
    QFETCH(uint, scale);
    QFETCH(double, margin);
    QFETCH(bool, writes);
    open(VEEditConfig());
    QWidget* target = m_panel->findChild<QWidget*>(control);
    QVERIFY(target);
    QVelLineEdit* edit = nullptr;
    QVelBaseSlider* bar = qobject_cast<QVelBaseSlider*>(target);
    if (bar) {
        edit = bar == m_panel->m_sliderScale ? m_panel->m_leScaleValue
             : bar == m_panel->m_sliderAlpha ? m_panel->m_leAlphaValue
                                             : m_panel->m_lePositionValue;
        emit bar->sendProgressValue(input.toDouble());
    } else {
        edit = qobject_cast<QVelLineEdit*>(target);
        bar = edit == m_panel->m_leScaleValue ? m_panel->m_sliderScale
            : edit == m_panel->m_leAlphaValue ? m_panel->m_sliderAlpha
                                              : m_panel->m_sliderPosition;
        edit->selectAll();
        QTest::keyClicks(edit, input);
    }
    QCOMPARE(edit->text(), shown);
    if (!qobject_cast<QVelBaseSlider*>(target))
        QCOMPARE(bar->value(), slider);
    VESubtitleSettings s;
    m_model->getSubtitleSettings(s);
    QCOMPARE(s.m_alpha, alpha);
    QCOMPARE(s.m_scaleX, scale);
    QCOMPARE(s.m_scaleY, scale);
    QCOMPARE(s.m_marginV, margin);
    QCOMPARE(!m_player->styles.isEmpty(), writes);
    if (writes)
        QCOMPARE(m_player->styles.last(), s);
}

void TestSubtitlePanel::firstShowFillsControls()
{
    VEEditConfig cfg;
    cfg.m_subtitleSettings.m_scaleX = cfg.m_subtitleSettings.m_scaleY = 250;
    cfg.m_subtitleSettings.m_align = 32;
    open(cfg);
    QCOMPARE(m_panel->m_sliderScale->value(), 150.0);
    QCOMPARE(m_panel->m_leScaleValue->text(), QStringLiteral("250"));
    QCOMPARE(m_panel->m_leAlphaValue->text(), QStringLiteral("100"));
    QCOMPARE(m_panel->m_sliderPosition->value(), 50.0);
    QCOMPARE(m_panel->m_lePositionValue->text(), QStringLiteral("5"));
    QVERIFY(m_panel->m_rbtnMiddle->isChecked());
    // A slider position that maps onto the stored value writes nothing.
    emit m_panel->m_sliderScale->sendProgressValue(0.75);
    QCOMPARE(m_player->styles.size(), 0);
    QCOMPARE(m_panel->m_leScaleValue->text(), QStringLiteral("250"));
}

void TestSubtitlePanel::positionButtons()
{
    open(VEEditConfig());
    QVERIFY(m_panel->m_rbtnBottom->isChecked());
    QTest::mouseClick(m_panel->m_rbtnTop, Qt::LeftButton);
    QCOMPARE(m_player->styles.size(), 2);
    QCOMPARE(m_player->styles.at(0).m_align, 0u);
    QCOMPARE(m_player->styles.at(1).m_align, 16u);
    m_panel->m_rbtnMiddle->click();
    VESubtitleSettings s;
    m_model->getSubtitleSettings(s);
    QCOMPARE(s.m_align, 32u);
}

// The buttons sit side by side; each must be wide enough for its caption, also
// after a language with longer words is loaded, and none may cover the next
// (the layout puts each at the right() of the one before, one pixel shared).
void TestSubtitlePanel::positionCaptionsReadWhole()
{
    open(VEEditConfig());
    QVelRadioButton* buttons[] = {m_panel->m_rbtnTop, m_panel->m_rbtnMiddle, m_panel->m_rbtnBottom};
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1) {
            m_panel->m_rbtnMiddle->setText(QStringLiteral("Mittig zentriert"));
            m_panel->resize(m_panel->width() + 1, m_panel->height());
            QCoreApplication::processEvents();
        }
        for (int k = 0; k < 3; ++k) {
            QVelRadioButton* b = buttons[k];
            const int needed = b->QVelBaseBoxDraw::textRect().left() + b->fontMetrics().horizontalAdvance(b->text());
            QVERIFY2(b->width() >= needed, qPrintable(QStringLiteral("\"%1\" is %2 px wide, needs %3")
                                                          .arg(b->text()).arg(b->width()).arg(needed)));
            if (k > 0)
                QVERIFY(buttons[k - 1]->geometry().right() <= b->x());
        }
    }
}

void TestSubtitlePanel::reset_data()
{
    QTest::addColumn<bool>("lossless");
    QTest::addColumn<int>("streams");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("encoding") << false << 2 << -1 << -1 << QList<int>{0, 0};
    QTest::newRow("lossless, two streams") << true << 2 << 0 << 1 << QList<int>{1, 1};
    QTest::newRow("lossless, one stream") << true << 1 << -1 << -1 << QList<int>{0};
}

// Reset brings the style back to its defaults and the choice to the mode's
// start; the ticks follow into the selected flags.
void TestSubtitlePanel::reset()
{
    QFETCH(bool, lossless);
    QFETCH(int, streams);
    QFETCH(int, type);
    QFETCH(int, index);
    QFETCH(QList<int>, selected);
    VEEditConfig cfg;
    cfg.m_bLossless = lossless;
    for (int i = 0; i < streams; ++i)
        cfg.m_subtitleTracks << track(i == 0 ? "one" : "two");
    cfg.m_programValue.m_subtitleCount = streams;
    cfg.m_programValue.subtlType = -3;
    cfg.m_programValue.m_subtitleFile = "/tmp/gone.srt";
    cfg.m_subtitleSettings.m_alpha = 20;
    cfg.m_subtitleSettings.m_font = "Serif";
    cfg.m_subtitleSettings.m_align = 16;
    open(cfg);
    emit m_panel->m_buttonFrom->emitReset();
    const VEEditConfig& own = m_model->getEditConfig();
    QVERIFY(own.m_subtitleSettings == VESubtitleSettings());
    QCOMPARE(own.m_programValue.subtlType, type);
    QCOMPARE(own.m_programValue.m_subtitleIndex, index);
    QVERIFY(own.m_programValue.m_subtitleFile.isEmpty());
    QCOMPARE(selectedFlags(own), selected);
    QVERIFY(m_panel->m_rbtnBottom->isChecked());
    QCOMPARE(m_panel->m_leAlphaValue->text(), QStringLiteral("100"));
    if (!lossless) {
        QCOMPARE(m_panel->m_cbbSubtitleList->currentIndex(), 0);
        QVERIFY(m_panel->m_cbbSubtitleList->itemCheckState(0));
    }
}

QTEST_MAIN(TestSubtitlePanel)
#include "tst_subtitlepanel.moc"
