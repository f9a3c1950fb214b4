#include "WidgetPictures.h"

#include "QUiAnyUtiliy.h"
#include "QVelCommonPlatfromApi.h"
#include "QVelMessageDlg.h"
#include "RetractLabel.h"
#include "ScrollBar.h"
#include "ShowMessage.h"
#include "StyleScrollBar.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

class TestUtilities : public QObject
{
    Q_OBJECT

private slots:
    void converSize_data();
    void converSize();
    void timeConversions();
    void findValidPathName_data();
    void findValidPathName();
    void resourcePath();
    void windowOperationsNeedAWindow();

    void labelFitsWhole();
    void labelShortens();
    void labelWithoutHeightKeepsShownText();
    void renameKeepsExtension();
    void renameRefusesEmptyOrDots_data();
    void renameRefusesEmptyOrDots();
    void renameRejectsForbiddenCharacters();
    void deactivationHidesEditorWithoutRenaming();

    void scrollBarSteps();
    void scrollBarHandleFillsWithoutRange();
    void styleScrollBarRules();

    void messageDlgIcon_data();
    void messageDlgIcon();
    void messageDlgResults_data();
    void messageDlgResults();
    void showMessageReturnsOk();
    void messageDlgLinesStayApart();
    void messageDlgTitleBand();
    void messageDlgBackgroundKeepsItsFrame_data();
    void messageDlgBackgroundKeepsItsFrame();
};

void TestUtilities::converSize_data()
{
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("1023") << quint64(1023) << "1023 B";
    QTest::newRow("1024") << quint64(1024) << "1.00 KB";
    QTest::newRow("1048575") << quint64(1048575) << "1024.00 KB";
    QTest::newRow("1048576") << quint64(1048576) << "1.00 MB";
    QTest::newRow("1073741823") << quint64(1073741823) << "1024.00 MB";
    QTest::newRow("1073741824") << quint64(1073741824) << "1.00 GB";
    QTest::newRow("1099511627775") << quint64(1099511627775ULL) << "1024.00 GB";
    QTest::newRow("1099511627776") << quint64(1099511627776ULL) << "1.00 T";
}

void TestUtilities::converSize()
{
    QFETCH(quint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(QUiAnyUtiliy::converSize(bytes), text);
}

void TestUtilities::timeConversions()
{
    const qint64 micros = ((1 * 3600 + 2 * 60 + 3) * 1000 + 4) * 1000LL;
    QCOMPARE(QUiAnyUtiliy::intConvertToTime(micros), QTime(1, 2, 3, 4));
    QCOMPARE(QUiAnyUtiliy::timeConvertToInt(QTime(1, 2, 3, 4)), micros);
    QCOMPARE(QUiAnyUtiliy::intConvertToTime(999), QTime(0, 0, 0, 0));
    QCOMPARE(QUiAnyUtiliy::intConvertToTime(-999), QTime(0, 0, 0, 0));
    QVERIFY(!QUiAnyUtiliy::intConvertToTime(-1000).isValid());
    QVERIFY(!QUiAnyUtiliy::intConvertToTime(24LL * 3600 * 1000000).isValid());
    QCOMPARE(QUiAnyUtiliy::getDpiScale(), 1.0f);
}

void TestUtilities::findValidPathName_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("free at once") << QStringList{} << "mp4" << "" << false << "clip.mp4";
    QTest::newRow("default pattern") << QStringList{"clip.mp4", "clip-1.mp4"} << "mp4" << "" << false
                                     << "clip-2.mp4";
    QTest::newRow("own pattern") << QStringList{"clip.mp4"} << "mp4" << "(%1)" << false << "clip(1).mp4";
    QTest::newRow("no extension, no dot") << QStringList{"clip"} << "" << "" << false << "clip-1";
    QTest::newRow("a folder does not block a file") << QStringList{"clip.mp4/"} << "mp4" << "" << false
                                                    << "clip.mp4";
    QTest::newRow("folders") << QStringList{"clip/", "clip-1/"} << "" << "" << true << "clip-2";
}

void TestUtilities::findValidPathName()
{
    QFETCH(QStringList, present);
    QFETCH(QString, extension);
    QFETCH(QString, pattern);
    QFETCH(bool, folder);
    QFETCH(QString, name);
    QTemporaryDir dir;
    for (const QString& entry : present) {
        if (entry.endsWith('/')) {
            QVERIFY(QDir(dir.path()).mkdir(entry.chopped(1)));
        } else {
            QFile file(dir.filePath(entry));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
    }
    QString backslashed = dir.path();
    backslashed.replace('/', '\\');
    backslashed += "\\";
    QCOMPARE(QUiAnyUtiliy::findValidPathName(backslashed, "clip", extension, pattern, folder), name);
}

void TestUtilities::resourcePath()
{
    const QString path = QUiAnyUtiliy::getResourcePath();
    QString dir = QCoreApplication::applicationDirPath();
    QCOMPARE(path, dir.left(dir.lastIndexOf('/') + 1) + "/Resources");
    QCOMPARE(QUiAnyUtiliy::getResourcePath(), path);
}

void TestUtilities::windowOperationsNeedAWindow()
{
    QVelCommonPlatfromApi::setWindowsIgnoresMouse(nullptr);
    QWidget unshown;
    const Qt::WindowFlags flags = unshown.windowFlags();
    QVelCommonPlatfromApi::setMacTransBackgroundColor(&unshown, Qt::blue);
    QCOMPARE(unshown.windowFlags(), flags);
    QVERIFY(!unshown.isVisible());

    QWidget shown;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QVelCommonPlatfromApi::setWindowsIgnoresMouse(&shown);
    QVERIFY(shown.windowFlags() & Qt::WindowTransparentForInput);
    QVERIFY(shown.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(shown.isVisible());
}

void TestUtilities::labelFitsWhole()
{
    RetractLabel label;
    label.resize(300, 20);
    label.setText("clip.mp4");
    QCOMPARE(label.text(), QString("clip.mp4"));
    QVERIFY(label.toolTip().isEmpty());
    QFont font("Tahoma");
    font.setPixelSize(13);
    QCOMPARE(label.getTextWidth(), QFontMetrics(font).boundingRect(QRect(0, 0, 300, 1000), Qt::TextWrapAnywhere,
                                                                   "clip.mp4").width());
}

void TestUtilities::labelShortens()
{
    RetractLabel label;
    label.resize(60, 18);
    const QString name = "a rather long file name for a small label.mp4";
    label.setText(name);
    QVERIFY(label.text().endsWith("..."));
    QVERIFY(name.startsWith(label.text().chopped(3)));
    QCOMPARE(label.toolTip(), name);
    QCOMPARE(label.getName(), name);

    RetractLabel tiny;
    tiny.resize(1, 30);
    tiny.setText("abc");
    QCOMPARE(tiny.text(), QString("..."));
}

void TestUtilities::labelWithoutHeightKeepsShownText()
{
    RetractLabel label;
    label.resize(200, 20);
    label.setText("first.mp4");
    label.resize(200, 0);
    label.setText("second.mp4");
    QCOMPARE(label.text(), QString("first.mp4"));
    QCOMPARE(label.getName(), QString("second.mp4"));
}

void TestUtilities::renameKeepsExtension()
{
    RetractLabel label;
    label.resize(200, 20);
    label.setText("clip.mp4");
    QSignalSpy renamed(&label, &RetractLabel::emitChangeName);
    label.setCanEditText(true);
    QCOMPARE(label.editor()->text(), QString("clip"));
    label.editor()->setText("new");
    label.RenameOK();
    QCOMPARE(label.getName(), QString("new.mp4"));
    QCOMPARE(renamed.count(), 1);

    label.setCanEditText(true);
    QCOMPARE(label.editor()->text(), QString("new"));
    label.RenameOK();
    label.RenameOK();
    QCOMPARE(renamed.count(), 1);

    label.setIgnoreExten(false);
    label.setCanEditText(true);
    QCOMPARE(label.editor()->text(), QString("new.mp4"));
    label.RenameOK();
    QCOMPARE(renamed.count(), 2);
}

void TestUtilities::renameRefusesEmptyOrDots_data()
{
    QTest::addColumn<bool>("ignoreExtension");
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty, extension kept") << true << "";
    QTest::newRow("dots, extension kept") << true << "..";
    QTest::newRow("blank, whole name") << false << "   ";
    QTest::newRow("one dot, whole name") << false << ".";
}

void TestUtilities::renameRefusesEmptyOrDots()
{
    QFETCH(bool, ignoreExtension);
    QFETCH(QString, typed);
    RetractLabel label;
    label.resize(200, 20);
    label.setIgnoreExten(ignoreExtension);
    label.setText("clip.mp4");
    QSignalSpy renamed(&label, &RetractLabel::emitChangeName);
    label.setCanEditText(true);
    label.editor()->setText(typed);
    label.RenameOK();
    QCOMPARE(label.getName(), QString("clip.mp4"));
    QCOMPARE(renamed.count(), 0);
    QVERIFY(label.editor()->isHidden());
}

void TestUtilities::renameRejectsForbiddenCharacters()
{
    RetractLabel label;
    label.resize(200, 20);
    label.setText("clip.mp4");
    label.setCanEditText(true);
    label.editor()->setText("clip2");
    for (const QString bad : {"clip2?", "clip2\\", "a/b", "x:y", "q\"", "a<b", "a|b", "a*"}) {
        label.editor()->setText(bad);
        QCOMPARE(label.editor()->text(), QString("clip2"));
    }
}

void TestUtilities::deactivationHidesEditorWithoutRenaming()
{
    RetractLabel label;
    label.resize(200, 20);
    label.setText("clip.mp4");
    label.show();
    QSignalSpy renamed(&label, &RetractLabel::emitChangeName);
    label.setCanEditText(true);
    label.editor()->setText("other");
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&label, &deactivate);
    QVERIFY(label.editor()->isHidden());
    label.RenameOK();
    QCOMPARE(renamed.count(), 0);
    QCOMPARE(label.getName(), QString("clip.mp4"));
}

void TestUtilities::scrollBarSteps()
{
    ScrollBar bar;
    bar.setRange(0, 100);
    bar.setValue(20);
    bar.UP();
    QCOMPARE(bar.value(), 0);
    bar.setValue(21);
    bar.UP();
    QCOMPARE(bar.value(), 1);
    bar.setValue(90);
    bar.DOWN();
    QCOMPARE(bar.value(), 100);
    QTemporaryDir dir;
    bar.setImageUpallow(WidgetPictures::strip(dir, "up.png", 64, 16));
    bar.setValue(50);
    bar.findChild<QAbstractButton*>()->click();
    QCOMPARE(bar.value(), 30);
}

void TestUtilities::scrollBarHandleFillsWithoutRange()
{
    ScrollBar bar;
    bar.resize(10, 200);
    bar.setRange(0, 0);
    bar.setPageStep(10);
    QCOMPARE(bar.handleRect(), QRect(0, 0, 10, 200));
    bar.setRange(0, 30);
    bar.setValue(30);
    QCOMPARE(bar.handleRect(), QRect(0, 150, 10, 50));
    QCOMPARE(WidgetPictures::colorAt(bar, QPoint(5, 160)), QColor(174, 176, 164));
    QCOMPARE(WidgetPictures::colorAt(bar, QPoint(5, 20)), QColor(214, 214, 214));
}

void TestUtilities::styleScrollBarRules()
{
    StyleScrollBar bar;
    const QString base = bar.styleSheet();
    bar.setImageUpallow("", "C:\\skin\\up_hover.png");
    QCOMPARE(bar.styleSheet(), base + "QScrollBar::sub-line:vertical:hover{height:9px;width:8px;"
                                      "border-image:url(C:/skin/up_hover.png);subcontrol-position:top;}");
    bar.setImageDownallow("/down.png", "");
    QVERIFY(bar.styleSheet().endsWith("QScrollBar::add-line:vertical{height:9px;width:8px;"
                                      "border-image:url(/down.png);subcontrol-position:bottom;}"));
}

void TestUtilities::messageDlgIcon_data()
{
    QTest::addColumn<uint>("style");
    QTest::addColumn<QString>("icon");
    QTest::newRow("icon bit alone") << 0x2u << "";
    QTest::newRow("warning") << 0x12u << "warning.png";
    QTest::newRow("success") << 0x22u << "Success.png";
    QTest::newRow("error") << 0x32u << "error.png";
    QTest::newRow("no icon bit") << 0x30u << "";
}

void TestUtilities::messageDlgIcon()
{
    QFETCH(uint, style);
    QFETCH(QString, icon);
    QCOMPARE(QVelMessageDlg::iconName(style), icon);
}

void TestUtilities::messageDlgResults_data()
{
    QTest::addColumn<uint>("style");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("closed");
    QTest::newRow("one button") << 0u << true << int(QMessageBox::Ok) << true;
    QTest::newRow("yes") << 0x400u << true << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << 0x400u << false << int(QMessageBox::No) << true;
    QTest::newRow("stop") << 0x100u << false << int(QMessageBox::Cancel) << true;
    QTest::newRow("restart stays open") << 0x200u << true << 0 << false;
    QTest::newRow("restart later") << 0x200u << false << int(QMessageBox::Cancel) << true;
}

void TestUtilities::messageDlgResults()
{
    QFETCH(uint, style);
    QFETCH(bool, ok);
    QFETCH(int, result);
    QFETCH(bool, closed);
    QVelMessageDlg dialog;
    dialog.SetMessageStyle(style);
    dialog.SetMessage("Message");
    dialog.setResult(0);
    dialog.show();
    (ok ? dialog.okButton() : dialog.cancelButton())->click();
    QCOMPARE(dialog.result(), result);
    QCOMPARE(dialog.isVisible(), !closed);
}

void TestUtilities::showMessageReturnsOk()
{
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box)
            box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(ShowMessage(QString("Invalid path"), QString(), 0), int(QMessageBox::Ok));
}

void TestUtilities::messageDlgLinesStayApart()
{
    QVelMessageDlg dialog;
    QStringList words;
    for (int i = 0; i < 40; ++i)
        words << "jumping" << "quirky";
    dialog.SetMessage(words.join(' ') + "\ngjpqy");
    dialog.SetMessageStyle(QVelMessageDlg::ShowIcon | QVelMessageDlg::WarningBit);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QVector<QRect> lines = dialog.messageLineRects();
    QVERIFY(lines.size() > 2);
    QFont font("Tahoma");
    font.setPixelSize(12);
    const int fontHeight = QFontMetrics(font).height();
    for (int i = 0; i < lines.size(); ++i) {
        QVERIFY(lines.at(i).height() >= fontHeight);
        QVERIFY(dialog.messageRect().contains(lines.at(i)));
        if (i > 0)
            QVERIFY(lines.at(i).top() > lines.at(i - 1).bottom());
    }
    // The buttons stay below the text.
    QVERIFY(dialog.okButton()->y() > lines.last().bottom());
}

// Close button, title icon and title share one middle line in the title band;
// the close button stands at the left, clear of the icon and the title.
void TestUtilities::messageDlgTitleBand()
{
    QVelMessageDlg dialog;
    dialog.SetTitle("Zededera Raziz Azodor");
    dialog.SetMessage("Message");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect close = dialog.closeButtonRect();
    const QRect icon = dialog.titleIconRect();
    const QRect title = dialog.titleRect();
    QVERIFY(!icon.isEmpty());
    QVERIFY(close.right() < dialog.width() / 4);
    QVERIFY(close.right() < icon.left());
    QVERIFY(icon.right() < title.left());
    QVERIFY(qAbs(icon.center().y() - title.center().y()) <= 1);
    QVERIFY(qAbs(close.center().y() - title.center().y()) <= 1);
    QVERIFY(title.bottom() < dialog.messageRect().top());
}

void TestUtilities::messageDlgBackgroundKeepsItsFrame_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("picture size") << QSize(60, 40);
    QTest::newRow("lower than two corner cells") << QSize(300, 30);
    QTest::newRow("larger") << QSize(420, 200);
}

// A double-resolution background with transparent corners and a border line:
// drawn into the dialog, all four corners stay transparent and the border
// runs along every edge, whatever the dialog's size.
void TestUtilities::messageDlgBackgroundKeepsItsFrame()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    QImage picture(120, 80, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.fillRect(picture.rect().adjusted(8, 0, -8, 0), Qt::red);
        p.fillRect(picture.rect().adjusted(0, 8, 0, -8), Qt::red);
        p.fillRect(picture.rect().adjusted(8, 2, -8, -2), Qt::gray);
        p.fillRect(picture.rect().adjusted(2, 8, -2, -8), Qt::gray);
    }
    const QString path = dir.filePath("bg.png");
    QVERIFY(picture.save(path));
    QVelMessageDlg dialog;
    dialog.setBackgroundImage(path);
    dialog.setGridViewInfo({30, 30}, {30, 30}, {30, 30}, {30, 30});
    dialog.SetMessage("x");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setFixedSize(size);
    // Only the background is judged here.
    dialog.okButton()->hide();
    dialog.cancelButton()->hide();
    const QImage shot = dialog.grab().toImage().scaled(size);
    const int w = size.width();
    const int h = size.height();
    for (const QPoint& corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
        QVERIFY2(qAlpha(shot.pixel(corner)) == 0, qPrintable(QString("corner %1,%2").arg(corner.x()).arg(corner.y())));
    for (const QPoint& edge : {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)}) {
        const QRgb pixel = shot.pixel(edge);
        QVERIFY2(qRed(pixel) > 200 && qGreen(pixel) < 60, qPrintable(QString("edge %1,%2").arg(edge.x()).arg(edge.y())));
    }
}

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
