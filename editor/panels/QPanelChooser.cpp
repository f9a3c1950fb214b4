#include "QPanelChooser.h"

#include <QFileDialog>
#include <QFontDialog>

#include "QVelMessageBox.h"

namespace {
QPanelChooser::FontFn& fontFn()
{
    static QPanelChooser::FontFn fn;
    return fn;
}
QPanelChooser::ColorFn& colorFn()
{
    static QPanelChooser::ColorFn fn;
    return fn;
}
QPanelChooser::MessageFn& messageFn()
{
    static QPanelChooser::MessageFn fn;
    return fn;
}
QPanelChooser::FileFn& fileFn()
{
    static QPanelChooser::FileFn fn;
    return fn;
}
}

QFont QPanelChooser::getFont(bool* ok, const QFont& initial, QWidget* parent)
{
    if (fontFn())
        return fontFn()(ok, initial, parent);
    return QFontDialog::getFont(ok, initial, parent, QString(), QFontDialog::FontDialogOptions());
}

QColor QPanelChooser::getColor(const QColor& initial, QWidget* parent, QColorDialog::ColorDialogOptions options)
{
    if (colorFn())
        return colorFn()(initial, parent, options);
    return QColorDialog::getColor(initial, parent, QString(), options);
}

QString QPanelChooser::getOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                       const QString& filter)
{
    if (fileFn())
        return fileFn()(parent, caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

void QPanelChooser::setFontChooser(FontFn fn) { fontFn() = std::move(fn); }
void QPanelChooser::setColorChooser(ColorFn fn) { colorFn() = std::move(fn); }
void QPanelChooser::setFileChooser(FileFn fn) { fileFn() = std::move(fn); }

void QPanelChooser::showWarning(QWidget* parent, const QString& message)
{
    if (messageFn())
        messageFn()(parent, message);
    else
        QVelMessageBox::ShowMessage(parent, message, QString(), QVelMessageBox::Warning, QVelMessageBox::OkButton);
}

void QPanelChooser::setMessageHandler(MessageFn fn) { messageFn() = std::move(fn); }
