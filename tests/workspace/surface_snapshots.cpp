// Draws the surfaces Qt makes for the program, as they come up over the real
// windows, into PNG files for a visual check (run under xvfb-run, as the
// pictures are taken from the screen):
//   <build>/tests/surface_snapshots <folder>
// writes help-menu.png (the Help menu open), open-dialog.png (the Open dialog),
// folder-picker.png (Preferences' "Change" folder picker), tooltip.png (a tooltip
// over the title bar) and attention.png (the box after the first "Show Advanced"
// over the format dialog). ZV_SNAPSHOT_LANGUAGE picks the language.
#include "ConvertWidget.h"
#include "FormatWidget.h"
#include "MainWindow.h"
#include "SnapshotLanguage.h"
#include "SnapshotSupport.h"

#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <functional>

namespace {

using SnapshotSupport::settle;

// What the screen shows inside `area` (global, device-independent coordinates).
bool saveScreen(const QRect& area, const QString& file)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(),
                                                                     area.height());
    const bool ok = shot.save(file);
    QTextStream(stdout) << (ok ? "wrote " : "could not write ") << file << " (" << area.width() << "x"
                        << area.height() << ")\n";
    return ok;
}

QRect around(const QWidget* a, const QWidget* b, int margin = 12)
{
    return a->frameGeometry().united(b->frameGeometry()).adjusted(-margin, -margin, margin, margin);
}

// Runs `open`, which waits in a modal dialog; once the dialog has painted it is
// drawn from the screen with `context` around it and closed.
bool saveModal(const std::function<void()>& open, const QWidget* context, const QString& file)
{
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        QTimer::singleShot(600, dialog, [&, dialog] {
            ok = saveScreen(context ? around(dialog, context) : dialog->frameGeometry(), file);
            dialog->reject();
        });
    });
    poll.start(50);
    open();
    return ok;
}

bool saveHelpMenu(MainWindow& window, const QString& file)
{
    QMenuBar* bar = window.menuBar();
    QAction* help = bar->actions().value(0);
    if (!help || !help->menu())
        return false;
    bar->setActiveAction(help);
    settle(600);
    QMenu* menu = help->menu();
    menu->setActiveAction(menu->actions().value(1));
    settle(300);
    const QRect barArea(bar->mapToGlobal(QPoint(0, 0)), bar->size());
    const bool ok = saveScreen(barArea.united(menu->frameGeometry()).adjusted(-8, -8, 40, 16), file);
    menu->hide();
    settle(200);
    return ok;
}

// The tooltip Qt shows for a resting pointer over a title-bar button.
bool saveTooltip(MainWindow& window, const QString& file)
{
    QWidget* button = nullptr;
    for (QWidget* child : window.findChildren<QWidget*>())
        if (!child->toolTip().isEmpty() && child->isVisible())
            button = child;
    if (!button)
        return false;
    const QPoint local(button->width() / 2, button->height() / 2);
    QHelpEvent event(QEvent::ToolTip, local, button->mapToGlobal(local));
    QApplication::sendEvent(button, &event);
    settle(600);
    QWidget* tip = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->inherits("QTipLabel") && top->isVisible())
            tip = top;
    const bool ok = tip && saveScreen(around(tip, button, 16), file);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    SnapshotSupport::useHome(home);
    QApplication app(argc, argv);
    SnapshotSupport::useApplicationFont();
    if (!SnapshotLanguage::useFromEnvironment())
        return 1;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);

    MainWindow window;
    window.move(20, 20);
    window.show();
    settle(800);
    bool ok = saveHelpMenu(window, folder + "/help-menu.png");
    ok = saveTooltip(window, folder + "/tooltip.png") && ok;
    ok = saveModal([&] { window.OnAddFile(); }, nullptr, folder + "/open-dialog.png") && ok;

    ConvertWidget page;
    page.move(60, 60);
    page.show();
    settle(300);
    ok = saveModal([&] { page.OnChangePath(); }, nullptr, folder + "/folder-picker.png") && ok;
    page.hide();
    window.hide();

    FormatWidget* format = FormatWidget::getFormatWidget();
    format->setFormatIdLossLess("General Video", "3000", true);
    format->setDefaultSet();
    format->InitLossless();
    format->move(200, 120);
    format->show();
    settle(500);
    ok = saveModal([&] { format->OnClickLosslessShow(); }, format, folder + "/attention.png") && ok;
    return ok ? 0 : 1;
}
