#include "QInitProject.h"
#include "QProjectConfig.h"
#include "QVelMessageBox.h"
#include "QVelMessageBoxOption.h"

#include <QWidget>
#include <QtTest>

class TestInitProject : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void configValues();
    void nullWidgetSkipsOnlyTheFont();
    void callbackValues();
    void callbackIgnoresNull();
    void messageBoxTakesTheHook();
    void releaseStartsOver();
};

void TestInitProject::cleanup()
{
    QVelMessageBox::setOptionCallback(nullptr);
    QProjectConfig::releaseProjectConfig();
}

void TestInitProject::configValues()
{
    QWidget mainWindow;
    QFont font("Tahoma");
    font.setPointSize(17);
    mainWindow.setFont(font);
    QInitProject::InitProject(&mainWindow);
    QProjectConfig* config = QProjectConfig::getProjectConfig();
    QCOMPARE(config->companyName(), QString("Velmarin"));
    QCOMPARE(config->projectName(), QString("Zededera Raziz Azodor"));
    QCOMPARE(config->projectShortName(), QString("Redev Ezuvod"));
    QVERIFY(config->projectVersionName().isEmpty());
    QCOMPARE(config->getTransparentMargins(), QMargins(4, 4, 4, 4));
    QCOMPARE(config->dlgTop(), 22);
    QCOMPARE(config->dlgBottom(), 30);
    QCOMPARE(config->font(), mainWindow.font());
}

void TestInitProject::nullWidgetSkipsOnlyTheFont()
{
    QInitProject::InitProject(nullptr);
    QProjectConfig* config = QProjectConfig::getProjectConfig();
    QCOMPARE(config->font(), QFont());
    QCOMPARE(config->companyName(), QString("Velmarin"));
    QCOMPARE(config->dlgBottom(), 30);
    QVelMessageBox box;
    QCOMPARE(box.getMessageBoxOption().noText, QString("NO"));
}

void TestInitProject::callbackValues()
{
    QVelMessageBoxOption option;
    QFont italic("Serif");
    italic.setItalic(true);
    option.titleFont = italic;
    option.messageFont = italic;
    MessageBoxOptionCallback(&option);
    QCOMPARE(option.okText, QString("OK"));
    QCOMPARE(option.cancelText, QString("Cancel"));
    QCOMPARE(option.yesText, QString("YES"));
    QCOMPARE(option.noText, QString("NO"));
    for (const QColor& color : option.buttonTextColor)
        QCOMPARE(color, QColor(55, 55, 55, 255));
    QCOMPARE(option.dlgTop, 22);
    QCOMPARE(option.dlgBottom, 50);
    for (const QFont& font : {option.titleFont, option.messageFont}) {
        QCOMPARE(font.family(), QString("Tahoma"));
        QCOMPARE(font.pixelSize(), 12);
        QVERIFY(font.italic());
    }
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        QCOMPARE(option.palette.brush(group, QPalette::WindowText), QBrush(QColor(245, 245, 245)));
        QCOMPARE(option.palette.brush(group, QPalette::Text), QBrush(QColor(228, 228, 228)));
    }
    QCOMPARE(option.iconOffset, -7);
}

void TestInitProject::callbackIgnoresNull()
{
    MessageBoxOptionCallback(nullptr);
}

void TestInitProject::messageBoxTakesTheHook()
{
    QVelMessageBox before;
    QCOMPARE(before.getMessageBoxOption().yesText, QString("Yes"));

    QWidget mainWindow;
    QInitProject::InitProject(&mainWindow);
    QVelMessageBox after;
    const QVelMessageBoxOption option = after.getMessageBoxOption();
    QCOMPARE(option.yesText, QString("YES"));
    QCOMPARE(option.dlgTop, 22);
    QCOMPARE(option.dlgBottom, 50);
    QCOMPARE(option.iconOffset, -7);
    QCOMPARE(option.buttonTextColor[2], QColor(55, 55, 55));
    QCOMPARE(option.titleFont.pixelSize(), 12);
}

void TestInitProject::releaseStartsOver()
{
    QInitProject::InitProject(nullptr);
    QInitProject::releseProject();
    QProjectConfig* fresh = QProjectConfig::getProjectConfig();
    QVERIFY(fresh->companyName().isEmpty());
    QCOMPARE(fresh->dlgTop(), 22);
    QCOMPARE(fresh->dlgBottom(), 50);
    QCOMPARE(fresh->getTransparentMargins(), QMargins());
}

QTEST_MAIN(TestInitProject)
#include "tst_initproject.moc"
