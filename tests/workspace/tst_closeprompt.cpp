// Closing the main window by the saved choice or through the close prompt,
// and the entries of its menu: preferences, about, the user guide and the
// update check.
#include "ConvertWidget.h"
#include "GeneralWidget.h"
#include "MainWindow.h"
#include "QAboutDlg.h"
#include "QCheckButton.h"
#include "QConverterOperate.h"
#include "QImageButton.h"
#include "QPreferencesDlg.h"
#include "QShowCloseDlg.h"
#include "QIAnyUtil.h"
#include "QTextImageButton.h"
#include "QVelComboBox.h"
#include "QVideoSettingXml.h"
#include "QVelBaseButton.h"
#include "QVelMessageBox.h"
#include "UserGuide.h"
#include "VelSystemActions.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextStream>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <functional>

namespace {
const char *const kAbsent = "<absent>";

// The store only writes into groups that exist; reading creates them.
void store(const char *group, const char *attribute, const QString &value)
{
    QVideoSettingXml::GetItemValue(group, attribute, value);
    QVideoSettingXml::SetItemValue(group, attribute, value);
}

QString stored(const char *group, const char *attribute)
{
    return QVideoSettingXml::GetItemValue(group, attribute, kAbsent);
}

// Waits for the first modal dialog of type T and hands it to the answer;
// every modal class seen on the way is kept.
template <typename T>
class ModalAnswer : public QObject
{
public:
    explicit ModalAnswer(std::function<void(T *)> answer) : m_answer(std::move(answer))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(20);
    }
    QStringList seen;
    QPoint position;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        m_last = modal;
        seen.append(QString::fromLatin1(modal->metaObject()->className()));
        if (T *dialog = qobject_cast<T *>(modal)) {
            position = dialog->pos();
            m_timer.stop();
            m_answer(dialog);
        }
    }

    std::function<void(T *)> m_answer;
    QTimer m_timer;
    QPointer<QWidget> m_last;
};
} // namespace

class TestClosePrompt : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void promptPreselectsStoredChoice_data();
    void promptPreselectsStoredChoice();
    void pressingAChoiceKeepsOneChecked();
    void storedChoiceDecidesWithoutAsking_data();
    void storedChoiceDecidesWithoutAsking();
    void answerIsStoredAndFollowed_data();
    void answerIsStoredAndFollowed();
    void preferencesGiveTheTranslatorBack_data();
    void preferencesGiveTheTranslatorBack();
    void preferencesApplyTheOutputFolder();
    void languageSwitchThroughPreferences_data();
    void languageSwitchThroughPreferences();
    void aboutRunsCentred();
    void helpAndHomeOpenTheGuide_data();
    void helpAndHomeOpenTheGuide();
    void guideFallsBackToEnglish();
    void updateCheckAnswersInABox_data();
    void updateCheckAnswersInABox();

private:
    QList<QAction *> helpMenuEntries() const;
    void startWindow();
    std::unique_ptr<MainWindow> m_window;
};

void TestClosePrompt::init()
{
    store("REMIND_ITEM", "isShowRemind", "Y");
    store("CLOSE_ITEM", "bIsCloseDlg", "Y");
    store("Language_item", "Language_Name", "English");
}

void TestClosePrompt::cleanup() { m_window.reset(); }

void TestClosePrompt::startWindow()
{
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestClosePrompt::promptPreselectsStoredChoice_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("exit");
    QTest::newRow("exit") << "Y" << true;
    QTest::newRow("minimise") << "N" << false;
    QTest::newRow("anything else minimises") << "y" << false;
}

void TestClosePrompt::promptPreselectsStoredChoice()
{
    QFETCH(QString, saved);
    QFETCH(bool, exit);
    store("CLOSE_ITEM", "bIsCloseDlg", saved);
    QShowCloseDlg prompt;
    QCOMPARE(prompt.isCloseDlg(), exit);
    QCOMPARE(prompt.m_radioMin->isChecked(), !exit);
    QVERIFY(!prompt.isNoShowThisDlg());
    QCOMPARE(prompt.size(), QSize(325, 170));
    QVERIFY(prompt.m_btnCancel->isHidden());
    QCOMPARE(prompt.m_btnOk->pos(), QPoint(230, 120));
    QCOMPARE(prompt.m_radioClose->pos(), QPoint(50, 80));
}

void TestClosePrompt::pressingAChoiceKeepsOneChecked()
{
    QShowCloseDlg prompt;
    prompt.show();
    QVERIFY(prompt.isCloseDlg());
    QTest::mouseClick(prompt.m_radioClose, Qt::LeftButton);
    QVERIFY(prompt.isCloseDlg());
    QVERIFY(!prompt.m_radioMin->isChecked());
    QTest::mouseClick(prompt.m_radioMin, Qt::LeftButton);
    QVERIFY(!prompt.isCloseDlg());
    QVERIFY(prompt.m_radioMin->isChecked());
    QTest::mouseClick(prompt.m_radioMin, Qt::LeftButton);
    QVERIFY(prompt.m_radioMin->isChecked());
}

void TestClosePrompt::storedChoiceDecidesWithoutAsking_data()
{
    QTest::addColumn<QString>("remind");
    QTest::addColumn<QString>("close");
    QTest::addColumn<bool>("closes");
    QTest::newRow("not asked, exit") << "N" << "Y" << true;
    QTest::newRow("not asked, minimise") << "N" << "N" << false;
    QTest::newRow("values compared exactly") << "n" << "yes" << false;
}

void TestClosePrompt::storedChoiceDecidesWithoutAsking()
{
    QFETCH(QString, remind);
    QFETCH(QString, close);
    QFETCH(bool, closes);
    store("REMIND_ITEM", "isShowRemind", remind);
    store("CLOSE_ITEM", "bIsCloseDlg", close);
    startWindow();
    ModalAnswer<QShowCloseDlg> answer([](QShowCloseDlg *prompt) { prompt->close(); });
    m_window->OnClose();
    QVERIFY(answer.seen.isEmpty());
    if (closes)
        QTRY_VERIFY(!m_window->isVisible());
    else
        QTRY_VERIFY(m_window->isMinimized());
    QCOMPARE(stored("REMIND_ITEM", "isShowRemind"), remind);
    QCOMPARE(stored("CLOSE_ITEM", "bIsCloseDlg"), close);
}

void TestClosePrompt::answerIsStoredAndFollowed_data()
{
    QTest::addColumn<bool>("pickExit");
    QTest::addColumn<bool>("tick");
    QTest::addColumn<bool>("viaOk");
    QTest::addColumn<QString>("remind");
    QTest::addColumn<QString>("close");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("exit, don't ask again") << true << true << true << "N" << "Y" << "closed";
    QTest::newRow("exit, ask again") << true << false << true << "Y" << "Y" << "closed";
    QTest::newRow("minimise, don't ask again") << false << true << true << "N" << "N" << "minimised";
    QTest::newRow("minimise") << false << false << true << "Y" << "N" << "minimised";
    QTest::newRow("ticked, then the close button") << false << true << false << "Y" << "Y" << "open";
}

void TestClosePrompt::answerIsStoredAndFollowed()
{
    QFETCH(bool, pickExit);
    QFETCH(bool, tick);
    QFETCH(bool, viaOk);
    QFETCH(QString, remind);
    QFETCH(QString, close);
    QFETCH(QString, outcome);
    startWindow();
    ModalAnswer<QShowCloseDlg> answer([&](QShowCloseDlg *prompt) {
        QTest::mouseClick(pickExit ? prompt->m_radioClose : prompt->m_radioMin, Qt::LeftButton);
        if (tick)
            QTest::mouseClick(prompt->m_chkNote, Qt::LeftButton);
        QTest::mouseClick(viaOk ? static_cast<QWidget *>(prompt->m_btnOk) : prompt->closeButton(), Qt::LeftButton);
    });
    m_window->OnClose();
    QCOMPARE(answer.seen, QStringList{"QShowCloseDlg"});
    QCOMPARE(stored("REMIND_ITEM", "isShowRemind"), remind);
    QCOMPARE(stored("CLOSE_ITEM", "bIsCloseDlg"), close);
    if (outcome == "closed") {
        QTRY_VERIFY(!m_window->isVisible());
    } else if (outcome == "minimised") {
        QTRY_VERIFY(m_window->isMinimized());
        QVERIFY(m_window->isVisible());
    } else {
        QVERIFY(m_window->isVisible());
        QVERIFY(!m_window->isMinimized());
    }
    // The prompt sat over the middle of the window.
    const QPoint middle = m_window->mapToGlobal(m_window->rect().center());
    QVERIFY(qAbs(answer.position.x() + 325 / 2 - middle.x()) <= 2);
}

void TestClosePrompt::preferencesGiveTheTranslatorBack_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "ok";
    QTest::newRow("Cancel") << "cancel";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close button") << "close";
}

void TestClosePrompt::preferencesGiveTheTranslatorBack()
{
    QFETCH(QString, how);
    store("Language_item", "Language_Name", "Deutsch");
    startWindow();
    QPointer<QTranslator> translator = m_window->translator();
    QVERIFY(translator);
    bool installedWhileOpen = true;
    ModalAnswer<QPreferencesDlg> answer([&](QPreferencesDlg *dialog) {
        // Removing succeeds only for an installed translator; put it back.
        installedWhileOpen = QApplication::removeTranslator(translator);
        if (installedWhileOpen)
            QApplication::installTranslator(translator);
        if (how == "ok")
            QTest::mouseClick(dialog->m_btnOk, Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(dialog->m_btnCancel, Qt::LeftButton);
        else if (how == "escape")
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
    });
    m_window->ActOnPreferDlg();
    QCOMPARE(answer.seen, QStringList{"QPreferencesDlg"});
    QVERIFY(!installedWhileOpen);
    QCOMPARE(m_window->translator(), translator.data());
    QVERIFY(QApplication::removeTranslator(translator));
    QApplication::installTranslator(translator);
    QCOMPARE(stored("Language_item", "Language_Name"), QString("Deutsch"));
}

void TestClosePrompt::preferencesApplyTheOutputFolder()
{
    startWindow();
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).canonicalPath() + "/";
    ModalAnswer<QPreferencesDlg> answer([&](QPreferencesDlg *dialog) {
        dialog->convertPage()->SetOutPath(root);
        QTest::mouseClick(dialog->m_btnOk, Qt::LeftButton);
    });
    m_window->ActOnPreferDlg();
    QCOMPARE(m_window->outPath(), root);
    QCOMPARE(QConverterOperate::getConverterPath(), root);
    QCOMPARE(stored("OutPut_path", "path_value"), root);
}

void TestClosePrompt::languageSwitchThroughPreferences_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("switches");
    QTest::newRow("OK") << "ok" << true;
    QTest::newRow("Cancel") << "cancel" << false;
    QTest::newRow("Escape") << "escape" << false;
}

// German picked on the General page of the preferences opened from the menu:
// only OK saves it and turns the window's own captions German; Cancel and
// Escape leave the saved name and the window's English alone.
void TestClosePrompt::languageSwitchThroughPreferences()
{
    QFETCH(QString, how);
    QFETCH(bool, switches);
    QTranslator german;
    QVERIFY(german.load(QIAnyUtil::getResourcePath() + "/Language/lang_de.qm"));
    startWindow();

    // Captions the window shows, with their context and English source.
    struct Caption
    {
        const char *context;
        const char *source;
        std::function<QString()> shown;
    };
    const auto button = [this](const char *name) {
        auto *found = m_window->findChild<QTextImageButton *>(name);
        return std::function<QString()>([found] { return found ? found->getBtnText() : QString(); });
    };
    const auto drop = m_window->findChild<QLabel *>("m_labDrag");
    QVERIFY(drop);
    QAction *preferences = nullptr;
    QAction *about = nullptr;
    for (QAction *action : m_window->findChildren<QAction *>()) {
        if (action->text() == "Preferences")
            preferences = action;
        else if (action->text() == "About")
            about = action;
    }
    QVERIFY(preferences && about);
    const QList<Caption> captions{
        {"QObject", "Open", button("m_btnAddFile")},
        {"QObject", "Start", button("m_btnConvert")},
        {"QObject", "Drag media files here to start", [drop] { return drop->text(); }},
        {"MainWindow", "Preferences", [preferences] { return preferences->text(); }},
        {"MainWindow", "About", [about] { return about->text(); }},
    };
    for (const Caption &caption : captions)
        QCOMPARE(caption.shown(), QString(caption.source));

    bool picked = false;
    ModalAnswer<QPreferencesDlg> answer([&](QPreferencesDlg *dialog) {
        // The user's pick: the row becomes current and activated() follows.
        QVelComboBox *list = dialog->generalPage()->m_cmbLan;
        const int row = list->findText("Deutsch");
        picked = row >= 0;
        list->setCurrentIndex(row);
        emit list->activated(row);
        if (how == "ok")
            QTest::mouseClick(dialog->m_btnOk, Qt::LeftButton);
        else if (how == "cancel")
            QTest::mouseClick(dialog->m_btnCancel, Qt::LeftButton);
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
    });
    preferences->trigger();
    QCOMPARE(answer.seen, QStringList{"QPreferencesDlg"});
    QVERIFY(picked);

    QCOMPARE(stored("Language_item", "Language_Name"), switches ? QString("Deutsch") : QString("English"));
    QCOMPARE(QConverterOperate::getLanguageType(), switches ? 2 : 0);
    for (const Caption &caption : captions) {
        const QString translated = german.translate(caption.context, caption.source);
        QVERIFY2(!translated.isEmpty() && translated != caption.source, caption.source);
        QCOMPARE(caption.shown(), switches ? translated : QString(caption.source));
    }
}

void TestClosePrompt::aboutRunsCentred()
{
    startWindow();
    QSize size;
    ModalAnswer<QAboutDlg> answer([&](QAboutDlg *dialog) {
        size = dialog->size();
        dialog->close();
    });
    m_window->ActOnAbout();
    QCOMPARE(answer.seen, QStringList{"QAboutDlg"});
    const QPoint origin = m_window->mapToGlobal(QPoint(0, 0));
    const int x = origin.x() + (m_window->width() - size.width()) / 2;
    const int y = origin.y() + (m_window->height() - size.height()) / 2;
    QCOMPARE(answer.position, QPoint(x < 1 ? 50 : x, y < 1 ? 50 : y));
}

// Preferences, About, Help, Home, Check for Updates, as the Help menu holds them.
QList<QAction *> TestClosePrompt::helpMenuEntries() const
{
    const QList<QAction *> menus = m_window->menuBar()->actions();
    return menus.isEmpty() || !menus.first()->menu() ? QList<QAction *>() : menus.first()->menu()->actions();
}

namespace {
QString readText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList sectionIds(const QString &html)
{
    QStringList ids;
    QRegularExpressionMatchIterator it = QRegularExpression("<section id=\"([a-z]+)\"").globalMatch(html);
    while (it.hasNext())
        ids << it.next().captured(1);
    return ids;
}
} // namespace

void TestClosePrompt::helpAndHomeOpenTheGuide_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("title"); // part of the page's own title
    QTest::newRow("English") << "English" << "en" << "User Guide";
    QTest::newRow("Chinese") << "简体中文" << "zh_CN" << "用户指南";
    QTest::newRow("German") << "Deutsch" << "de" << "Benutzerhandbuch";
    QTest::newRow("French") << "Français" << "fr" << "Guide de l'utilisateur";
    QTest::newRow("Japanese") << "日本語" << "ja" << "ユーザーガイド";
}

// Each language's guide is in the built bundle, whole (the sections of the
// English page, the dark style sheet), and Help and Home open that page.
void TestClosePrompt::helpAndHomeOpenTheGuide()
{
    QFETCH(QString, language);
    QFETCH(QString, code);
    QFETCH(QString, title);
    const QString folder = QIAnyUtil::getResourcePath() + "/Help";
    const QString page = folder + "/guide_" + code + ".html";
    const QString html = readText(page);
    QVERIFY2(!html.isEmpty(), qPrintable(page));
    QVERIFY(html.contains("<title>Zededera Raziz Azodor – " + title + "</title>"));
    QCOMPARE(sectionIds(html), (QStringList{"open", "segments", "formats", "editing", "output", "languages"}));
    QVERIFY(html.contains("href=\"guide.css\""));
    QVERIFY(readText(folder + "/guide.css").contains("background: #2b2b2b"));

    store("Language_item", "Language_Name", language);
    startWindow();
    QList<QUrl> opened;
    VelSystemActions::setUrlHandler([&opened](const QUrl &url) { opened << url; });
    const QList<QAction *> entries = helpMenuEntries();
    QCOMPARE(entries.size(), 5);
    entries.at(2)->trigger(); // Help
    entries.at(3)->trigger(); // Home
    VelSystemActions::setUrlHandler(nullptr);
    const QUrl expected = QUrl::fromLocalFile(page);
    QCOMPARE(opened, (QList<QUrl>{expected, expected}));
}

void TestClosePrompt::guideFallsBackToEnglish()
{
    QTemporaryDir dir;
    QFile english(dir.path() + "/guide_en.html");
    QVERIFY(english.open(QIODevice::WriteOnly));
    english.close();
    QCOMPARE(UserGuide::pageFor(dir.path(), 2), dir.path() + "/guide_en.html");
    QCOMPARE(UserGuide::pageFor(dir.path(), 7), dir.path() + "/guide_en.html");
    QCOMPARE(UserGuide::pageFor(dir.path(), -1), dir.path() + "/guide_en.html");
    QFile german(dir.path() + "/guide_de.html");
    QVERIFY(german.open(QIODevice::WriteOnly));
    german.close();
    QCOMPARE(UserGuide::pageFor(dir.path(), 2), dir.path() + "/guide_de.html");
}

void TestClosePrompt::updateCheckAnswersInABox_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("answer");
    QTest::newRow("English") << "English" << "Cannot check for updates: no update service is configured.";
    QTest::newRow("German") << "Deutsch" << "Suche nach Updates nicht möglich: Es ist kein Update-Dienst eingerichtet.";
    QTest::newRow("Japanese") << "日本語" << QString();
}

void TestClosePrompt::updateCheckAnswersInABox()
{
    QFETCH(QString, language);
    QFETCH(QString, answer);
    store("Language_item", "Language_Name", language);
    startWindow();
    if (answer.isEmpty()) {
        answer = QApplication::translate("QObject", "Cannot check for updates: no update service is configured.");
        QVERIFY(!answer.startsWith("Cannot"));
    }
    QString shown;
    QString title;
    ModalAnswer<QVelMessageBox> box([&](QVelMessageBox *dialog) {
        shown = dialog->getMessage();
        title = dialog->getTitle();
        QTest::mouseClick(dialog->buttons().first(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    });
    const QList<QAction *> entries = helpMenuEntries();
    QCOMPARE(entries.size(), 5);
    entries.at(4)->trigger(); // Check for Updates
    QCOMPARE(box.seen, QStringList{"QVelMessageBox"});
    QCOMPARE(shown, answer);
    QCOMPARE(title, entries.at(4)->text());
}

QTEST_MAIN(TestClosePrompt)
#include "tst_closeprompt.moc"
