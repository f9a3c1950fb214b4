// Start-up of the main window: the settings it writes, the output folder it
// makes, its first look, and the single-instance entry of the program.
#include "MainWindow.h"
#include "TestTiming.h"
#include "QConverterOperate.h"
#include "QIAnyUtil.h"
#include "QVideoSettingXml.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void startUpWritesDefaultsAndOutputRoot();
    void startsAtItsFirstSize();
    void secondStartHandsOverAndExits();
    void startPrintsNoDebugLinesNorWarnings();
    void languageMissingFromTheListKeepsTheTranslator();
    void qtDialogsSpeakTheChosenLanguage_data();
    void qtDialogsSpeakTheChosenLanguage();
};

void TestMainWindow::startUpWritesDefaultsAndOutputRoot()
{
    const QString root = QIAnyUtil::getDocumentPath() + "/Converted/";
    QDir(root).removeRecursively();
    MainWindow window;
    QVERIFY(QDir(root).exists());
    // A different fallback proves the value is stored, not defaulted here.
    const auto stored = [](const char *group, const char *attribute) {
        return QVideoSettingXml::GetItemValue(group, attribute, "<missing>");
    };
    QCOMPARE(stored("LOSSLESS_ITEM", "Lossless_convert"), QString("Y"));
    QCOMPARE(stored("FormatSet", "Format_cate_lossless"), QString("General Video"));
    QCOMPARE(stored("FormatSet", "Format_ID_lossless"), QString("3000"));
    QCOMPARE(stored("VIDEO_QUALITY_ITEM", "quality_value"), QString("1"));
    QCOMPARE(stored("OutPut_path", "path_value"), root);
    QCOMPARE(stored("Open_path", "Open_path_value"), QString("."));
    QCOMPARE(stored("Language_item", "Language_Name"), QString("English"));
    QCOMPARE(QConverterOperate::getConverterPath(), root);
    QCOMPARE(window.outPath(), root);
    QCOMPARE(MainWindow::open_path, QString("."));
}

void TestMainWindow::startsAtItsFirstSize()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QString("Zededera Raziz Azodor"));
    QCOMPARE(window.size(), QSize(720, 530));
    QCOMPARE(window.minimumSize(), QSize(720, 520));
    QCOMPARE(window.m_videoCutToolbar->height(), 110);
    QVERIFY(window.m_videoItemDlg);
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.acceptDrops());
    // Only close and minimise are usable in the title band.
    QVERIFY(!window.m_btnMax->isEnabled());
    QVERIFY(window.m_btnMenu->isHidden());
    QVERIFY(window.m_btnRestore->isHidden());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.m_videoPlayDlg->m_labDrag->isVisible());
    QVERIFY(!window.m_videoPlayDlg->m_btnPlay->isEnabled());
    QVERIFY(!window.m_videoCutToolbar->m_btnStartSet->isEnabled());
    QVERIFY(window.m_videoCutToolbar->m_btnAddFile->isEnabled());
}

void TestMainWindow::secondStartHandsOverAndExits()
{
    const QString program = QCoreApplication::applicationDirPath() + "/../bin/zededera-raziz-azodor";
    QVERIFY(QFileInfo(program).isExecutable());
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("TMPDIR", home.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, QStringList());
    QVERIFY(first.waitForStarted(10000));
    // The output root appears once the window is being built, after the
    // first instance took the single-instance lock.
    const QString root = home.path() + "/Documents/Zededera Raziz Azodor/Converted";
    QTRY_VERIFY_WITH_TIMEOUT(QDir(root).exists(), 60000);

    QProcess second;
    second.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    second.start(program, QStringList());
    QVERIFY(second.waitForFinished(TestTiming::scaled(15000)));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    // Its own hand-over limit (5 s) plus a start-up that a busy machine slows.
    QVERIFY2(clock.elapsed() < 5000 + TestTiming::scaled(3000), qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished(5000);
    }
}

// The program as a user starts it, its debug lines not switched on: the terminal
// gets no debug line and no warning of Qt about a file opened without a name.
void TestMainWindow::startPrintsNoDebugLinesNorWarnings()
{
    const QString program = QCoreApplication::applicationDirPath() + "/../bin/zededera-raziz-azodor";
    QTemporaryDir home;
    QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_LOGGING_RULES");
    env.insert("QT_MESSAGE_PATTERN", "%{type} %{category}: %{message}");
    env.insert("HOME", home.path());
    env.insert("XDG_DATA_HOME", home.path() + "/.local/share");
    env.insert("XDG_CONFIG_HOME", home.path() + "/.config");
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("TMPDIR", home.path());

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, QStringList());
    QVERIFY(first.waitForStarted(10000));
    const QString root = home.path() + "/Documents/Zededera Raziz Azodor/Converted";
    QTRY_VERIFY_WITH_TIMEOUT(QDir(root).exists(), 60000);
    // A second start is answered only once the first runs its event loop, so
    // its window has been built and shown by then.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, QStringList());
    QVERIFY(second.waitForFinished(TestTiming::scaled(15000)));
    QCOMPARE(second.exitCode(), 0);
    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished(5000);
    }
    const QString printed = QString::fromLocal8Bit(first.readAllStandardError() + second.readAllStandardError());
    QVERIFY2(!printed.contains("QFSFileEngine"), qPrintable(printed));
    QVERIFY2(!printed.contains(QRegularExpression("(^|\\n)debug ")), qPrintable(printed));
}

void TestMainWindow::languageMissingFromTheListKeepsTheTranslator()
{
    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", "Deutsch");
    MainWindow window;
    QTranslator *german = window.translator();
    QVERIFY(german);
    QCOMPARE(QConverterOperate::getLanguageType(), 2);
    QVERIFY(QCoreApplication::removeTranslator(german));   // it was installed
    QCoreApplication::installTranslator(german);

    const QString folder = QIAnyUtil::getResourcePath() + "/Language/";
    QVERIFY(!window.setLanguge(folder));
    QVERIFY(!window.setLanguge(folder + "lang_xx.qm"));
    QCOMPARE(window.translator(), german);

    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", "Klingon");
    window.InitLanguge();
    QCOMPARE(window.translator(), german);
    QCOMPARE(QConverterOperate::getLanguageType(), 2);

    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", "English");
    window.InitLanguge();
    QVERIFY(window.translator() != german);
    QCOMPARE(QConverterOperate::getLanguageType(), 0);
}

void TestMainWindow::qtDialogsSpeakTheChosenLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<QString>("lookIn");
    QTest::newRow("German") << "Deutsch" << "Abbrechen" << "Suchen in:";
    QTest::newRow("French") << "Français" << "Annuler" << "Voir dans :";
    QTest::newRow("Chinese") << "简体中文" << "取消" << "查找范围：";
    QTest::newRow("Japanese") << "日本語" << "キャンセル" << "アドレス:";
    QTest::newRow("back to English") << "English" << "Cancel" << "Look in:";
}

// Qt's stock dialogs follow the interface language, also when it changes while
// the program runs (every row starts in German and switches).
void TestMainWindow::qtDialogsSpeakTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, cancel);
    QFETCH(QString, lookIn);
    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", "Deutsch");
    MainWindow window;
    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", language);
    window.InitLanguge();

    QMessageBox box(QMessageBox::Question, "title", "text", QMessageBox::Yes | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text(), cancel);

    QFileDialog files;
    files.setOption(QFileDialog::DontUseNativeDialog);
    auto *label = files.findChild<QLabel *>("lookInLabel");
    QVERIFY(label);
    QCOMPARE(label->text(), lookIn);
    QVideoSettingXml::SetItemValue("Language_item", "Language_Name", "English");
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
