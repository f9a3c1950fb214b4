// Captions must fit their rectangles in every language. Two views of that: the
// captions that sit in rectangles of a fixed size are measured against them from the
// translation sources, in the shipped Tahoma lookalike (CJK glyphs from the system's
// CJK font); and every window and dialog of the program is built in each language
// and searched for any text it draws cut off. A language without a translation of a
// caption shows the English text, which is measured too.
#include "CaptionClipProbe.h"
#include "QFontLoader.h"
#include "ResourceRoot.h"

#include "EditConfigFixtures.h"
#include "FormatWidget.h"
#include "MainWindow.h"
#include "QAboutDlg.h"
#include "QCaptureSettingDlg.h"
#include "QConverterOperate.h"
#include "QEditTipDlg.h"
#include "QInitProject.h"
#include "QLoadingDlg.h"
#include "QMessageOpacityForm.h"
#include "QPreferencesDlg.h"
#include "QProgressIndicator.h"
#include "QShowCloseDlg.h"
#include "QSubtitleSettingDlg.h"
#include "QTextImageButton.h"
#include "QVideoConvertItem.h"
#include "QVelComboBox.h"
#include "QVelMenu.h"
#include "QVelMessageBox.h"
#include "QVideoEditTag.h"
#include "QVideoEditingDlg.h"
#include "QVideoEditingSettings.h"
#include "QVideoSettingXml.h"
#include "QWatermartTextSettingDlg.h"
#include "TestMedia.h"
#include "VEEditConfig.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QDomDocument>
#include <QFontMetrics>
#include <QMessageBox>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
// Translations of one .ts file by source text; a text translated in several contexts
// keeps the widest translation.
QHash<QString, QString> readTranslations(const QString &fileName, QString *error)
{
    QHash<QString, QString> translations;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return translations;
    }
    QDomDocument document;
    if (!document.setContent(&file, error))
        return translations;
    const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
    for (int i = 0; i < messages.size(); ++i) {
        const QDomElement message = messages.at(i).toElement();
        const QString source = message.firstChildElement(QStringLiteral("source")).text();
        const QString text = message.firstChildElement(QStringLiteral("translation")).text();
        if (!text.isEmpty() && text.size() > translations.value(source).size())
            translations.insert(source, text);
    }
    return translations;
}

struct Caption
{
    const char *source;
    const char *family;
    int pixelSize;
    bool bold;
    int width;           // logical pixels of the rectangle
    const char *wider;   // language codes whose layout widens the rectangle
    int widerWidth;
};

const Caption kCaptions[] = {
    {"OK", "Tahoma", 12, false, 80, "", 0},
    {"Cancel", "Tahoma", 12, false, 80, "", 0},
    {"Open", "苹方-简", 14, true, 77, "ja", 87},
    {"Start", "苹方-简", 14, true, 77, "de", 87},
    {"Stop", "苹方-简", 14, true, 77, "de", 87},
    {"Format", "苹方-简", 12, true, 60, "", 0},
    {"High Quality", "Tahoma", 11, false, 100, "fr", 144},
    {"Small Size", "Tahoma", 11, false, 100, "fr", 144},
    {"Customized", "Tahoma", 11, false, 100, "fr", 144},
};

// The languages of the shipped list: translation file code, language type name and
// the name the settings store keeps.
struct Language
{
    const char *code;
    const char *type;
    const char *name;
};

const Language kLanguages[] = {
    {"en", "English", "English"},  {"zh_CN", "Chinese", "简体中文"}, {"de", "German", "Deutsch"},
    {"fr", "French", "Français"}, {"ja", "Japanese", "日本語"},
};

// Lets events run until no widget of the window moves or resizes any more (some
// dialogs grow or slide their panels into place), for at most a few seconds.
void settle(QWidget *window)
{
    const auto layout = [window] {
        QList<QRect> all{window->geometry()};
        for (const QWidget *child : window->findChildren<QWidget *>())
            all << child->geometry();
        return all;
    };
    QList<QRect> last;
    int steady = 0;
    for (int i = 0; i < 150 && steady < 4; ++i) {
        QTest::qWait(30);
        const QList<QRect> now = layout();
        steady = now == last ? steady + 1 : 0;
        last = now;
    }
}

// A window built in the current language and shown; the format dialog is the
// program's single instance and is hidden again instead of deleted.
struct Shown
{
    QPointer<QWidget> window;
    std::function<void()> close;
    QString problem;   // the window could not be brought into the state the row names
};

Shown own(QWidget *window)
{
    window->show();
    return {window, [window] { delete window; }};
}

QString tr(const char *context, const char *text) { return QCoreApplication::translate(context, text); }

Shown editingDialog(int tab)
{
    // A clip with its sound track, handed over as the segment list hands it: the
    // dialog keeps its picture tabs only for a file with pictures, and its end of
    // loading goes back to the Trim tab, so the tab is chosen after that.
    VEEditConfig model = EditConfigFixtures::withOneAudioTrack("1: AAC, 44100 Hz, stereo");
    auto *dlg = new QVideoEditingDlg;
    dlg->setVideoFile(TestMedia::h264AacMp4(), 0, 0);
    dlg->setEditConfig(model);
    dlg->show();
    const QDeadlineTimer deadline(120000);
    while (!deadline.hasExpired() && (!dlg->isLoaded() || dlg->busyIndicator()->isVisible()))
        QTest::qWait(50);
    dlg->editTag()->buttons().at(tab)->click();
    Shown shown{dlg, [dlg] { delete dlg; }};
    if (dlg->currentTab() != tab)
        shown.problem = QStringLiteral("the editing dialog shows tab %1 instead of tab %2 (loaded: %3)")
                            .arg(dlg->currentTab())
                            .arg(tab)
                            .arg(dlg->isLoaded());
    return shown;
}

// The editing dialog on a tab whose track box shows the widest of its fixed rows
// (they only appear with a file's tracks; the box draws whichever is current).
Shown trackRows(int tab, const char *box, const QStringList &rows)
{
    Shown shown = editingDialog(tab);
    auto *combo = shown.window->findChild<QVelComboBox *>(QLatin1String(box));
    if (!combo)
        return shown;
    const QFontMetrics metrics(combo->font());
    QString widest;
    for (const QString &row : rows) {
        const QString text = QCoreApplication::translate("QObject", qPrintable(row));
        if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest))
            widest = text;
    }
    combo->QVelComboBox::setShowText(widest);
    return shown;
}

template <class Dialog>
Shown textStyleDialog()
{
    auto *model = new QVideoEditingSettings;
    auto *dlg = new Dialog;
    dlg->setEditSettings(model);
    dlg->show();
    return {dlg, [dlg, model] {
                delete dlg;
                delete model;
            }};
}

Shown formatDialog(const std::function<void(FormatWidget *)> &look)
{
    // The main window's start-up hand-over, then the retranslation a change of
    // language gives the dialog.
    FormatWidget *dlg = FormatWidget::getFormatWidget();
    dlg->setFormatIdLossLess(QStringLiteral("General Video"), QStringLiteral("3000"), true);
    dlg->setDefaultSet();
    dlg->InitLossless();
    dlg->setDefaultQuality(QI_HighQuality);
    dlg->retranslateUi();
    dlg->show();
    look(dlg);
    return {dlg, [dlg] {
                dlg->OnClickLosslessHidden();
                dlg->hide();
            }};
}

Shown messageBox(const char *context, const char *text, QVelMessageBox::ButtonStyle buttons)
{
    auto *box = new QVelMessageBox;
    box->setMessage(tr(context, text));
    box->setMessageIcon(QVelMessageBox::Warning);
    box->setButtonStyle(buttons);
    return own(box);
}

// Probes every message box a window brings up modally while it is built (the
// format dialog's one-time advice, for one) once it has laid itself out, then
// dismisses it so the window's own code goes on.
class ModalProbe : public QObject
{
public:
    ModalProbe()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(30);
    }
    QStringList clipped;

private:
    void poll()
    {
        // Only messages: a progress dialog such as the loading one has its own row
        // and must be left to finish its work.
        QWidget *modal = QApplication::activeModalWidget();
        if (!qobject_cast<QMessageBox *>(modal) && !qobject_cast<QVelMessageBox *>(modal))
            modal = nullptr;
        if (!modal || !modal->isVisible()) {
            m_seen = nullptr;
            return;
        }
        // One more round after it shows, so its layout has settled.
        if (modal != m_seen) {
            m_seen = modal;
            return;
        }
        CaptionClipProbe probe;
        for (const QString &line : probe.clippedCaptions(modal))
            clipped.append(QStringLiteral("(modal) ") + line);
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
        m_seen = nullptr;
    }

    QTimer m_timer;
    QPointer<QWidget> m_seen;
};

const QHash<QString, std::function<Shown()>> &windows()
{
    static const QHash<QString, std::function<Shown()>> all{
        {"main window", [] { return own(new MainWindow); }},
        {"main window with a clip", [] {
             // The segment row and the cut tool bar's times only show with a file open.
             auto *window = new MainWindow;
             Shown shown = own(window);
             window->addImportFile(QStringList{TestMedia::h264AacMp4()});
             const QDeadlineTimer deadline(120000);
             while (!deadline.hasExpired() && window->findChildren<QVideoConvertItem *>().isEmpty())
                 QTest::qWait(50);
             if (window->findChildren<QVideoConvertItem *>().isEmpty())
                 shown.problem = QStringLiteral("opening the clip gave no segment row");
             return shown;
         }},
        {"main menu", [] {
             auto *window = new MainWindow;
             window->show();
             window->OnMenu();
             return Shown{window->findChild<QVelMenu *>(), [window] { delete window; }};
         }},
        {"loading", [] {
             auto *dlg = new QLoadingDlg;
             dlg->setAddFilePath(QStringLiteral("/tmp/clip.mp4"));
             dlg->setAddCount(QStringLiteral("1/1"));
             return own(dlg);
         }},
        {"edit tip", [] { return own(new QEditTipDlg); }},
        {"close prompt", [] { return own(new QShowCloseDlg); }},
        {"format encoding", [] { return formatDialog([](FormatWidget *d) { d->OnClickCustomizeFormat(); }); }},
        {"format lossless", [] { return formatDialog([](FormatWidget *) {}); }},
        {"format lossless list", [] {
             return formatDialog([](FormatWidget *d) { d->OnClickLosslessShow(); });
         }},
        {"format advanced", [] {
             return formatDialog([](FormatWidget *d) {
                 d->OnClickCustomizeFormat();
                 d->OnClickBtnSet(QStringLiteral("4000"));
             });
         }},
        {"preferences general", [] { return own(new QPreferencesDlg); }},
        {"preferences convert", [] {
             auto *dlg = new QPreferencesDlg;
             Shown shown = own(dlg);
             dlg->tabButtons().at(1)->click();
             return shown;
         }},
        {"about", [] { return own(new QAboutDlg); }},
        {"editing trim", [] { return editingDialog(QVideoEditingDlg::TabTrim); }},
        {"editing adjust", [] { return editingDialog(QVideoEditingDlg::TabAdjust); }},
        {"editing effect", [] { return editingDialog(QVideoEditingDlg::TabEffect); }},
        {"editing watermark", [] { return editingDialog(QVideoEditingDlg::TabWatermark); }},
        {"editing subtitle", [] { return editingDialog(QVideoEditingDlg::TabSubtitle); }},
        {"editing audio", [] { return editingDialog(QVideoEditingDlg::TabAudio); }},
        {"editing subtitle track rows", [] {
             return trackRows(QVideoEditingDlg::TabSubtitle, "m_cbbSubtitleList",
                              {"No Subtitle", "All Subtitle", "Video Internet CC"});
         }},
        {"editing audio track rows", [] {
             return trackRows(QVideoEditingDlg::TabAudio, "m_cbbAudioList", {"No Audio", "All Audio"});
         }},
        {"snapshot settings", [] { return own(new QCaptureSettingDlg); }},
        {"subtitle style", [] { return textStyleDialog<QSubtitleSettingDlg>(); }},
        {"watermark style", [] { return textStyleDialog<QWatermartTextSettingDlg>(); }},
        {"fading message", [] {
             auto *form = new QMessageOpacityForm;
             form->setMessageText(tr("QVideoEditingDlg", "Snapshot successfully!"));
             return own(form);
         }},
        {"message yes no", [] {
             return messageBox("MainWindow", "A conversion is running. Stop it and close?",
                               QVelMessageBox::YesNoButton);
         }},
        {"message ok", [] {
             return messageBox("QVideoCutManageDlg",
                               "File conversion failed, please check whether the output format parameters \n"
                               "and output file directory are set correctly.",
                               QVelMessageBox::OkButton);
         }},
    };
    return all;
}
} // namespace

class tst_CaptionWidths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fits_data();
    void fits();
    void windowCaptionsFit_data();
    void windowCaptionsFit();
};

void tst_CaptionWidths::initTestCase()
{
    QVERIFY(QFontLoader::loadApplicationFonts(resourceRoot()));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(12);
    QApplication::setFont(font);
    // The program's message-box look, as its main window sets it up at start.
    QInitProject::InitProject(nullptr);
}

void tst_CaptionWidths::fits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("width");

    const QDir dir(QStringLiteral(ZV_TRANSLATIONS_DIR));
    const QStringList files = dir.entryList({QStringLiteral("lang_*.ts")}, QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files) {
        const QString language = name.mid(5, name.size() - 8); // lang_<code>.ts
        QString error;
        const QHash<QString, QString> translations = readTranslations(dir.filePath(name), &error);
        QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
        for (const Caption &caption : kCaptions) {
            const QString source = QString::fromUtf8(caption.source);
            const bool widened = QString::fromLatin1(caption.wider).split(QLatin1Char(',')).contains(language);
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(language, source)))
                << translations.value(source, source) << QString::fromUtf8(caption.family) << caption.pixelSize
                << caption.bold << (widened ? caption.widerWidth : caption.width);
        }
    }
}

void tst_CaptionWidths::fits()
{
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(int, width);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    const int needed = QFontMetrics(font).horizontalAdvance(text);
    QVERIFY2(needed <= width, qPrintable(QStringLiteral("\"%1\" needs %2 px of %3").arg(text).arg(needed).arg(width)));
}

void tst_CaptionWidths::windowCaptionsFit_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QStringList names = windows().keys();
    names.sort();
    for (const QString &window : names) {
        for (const Language &language : kLanguages)
            QTest::newRow(qPrintable(window + QLatin1Char(' ') + QLatin1String(language.code)))
                << window << QString::fromLatin1(language.code) << QString::fromLatin1(language.type)
                << QString::fromUtf8(language.name);
    }
}

void tst_CaptionWidths::windowCaptionsFit()
{
    QFETCH(QString, window);
    QFETCH(QString, code);
    QFETCH(QString, type);
    QFETCH(QString, name);

    // The language as the program takes it at start: the saved name for the main
    // window, the language type for the layouts, the translator for the texts.
    QTranslator translator;
    const QString qm = resourceRoot() + QStringLiteral("/Language/lang_%1.qm").arg(code);
    QVERIFY2(translator.load(qm), qPrintable(qm));
    QCoreApplication::installTranslator(&translator);
    QVideoSettingXml::SetItemValue(QStringLiteral("Language_item"), QStringLiteral("Language_Name"), name);
    QConverterOperate::setLanguageType(type);

    ModalProbe modals;
    const Shown shown = windows().value(window)();
    QVERIFY(shown.window);
    if (!shown.problem.isEmpty())
        shown.close();
    QVERIFY2(shown.problem.isEmpty(), qPrintable(shown.problem));
    QVERIFY(QTest::qWaitForWindowExposed(shown.window));
    settle(shown.window);
    CaptionClipProbe probe;
    const QStringList clipped = modals.clipped + probe.clippedCaptions(shown.window);
    shown.close();
    QCoreApplication::removeTranslator(&translator);
    QVERIFY2(clipped.isEmpty(), qPrintable(QStringLiteral("\n") + clipped.join(QLatin1Char('\n'))));
}

QTEST_MAIN(tst_CaptionWidths)
#include "tst_captionwidths.moc"
